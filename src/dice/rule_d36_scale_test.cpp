// "GDS" and "GDSP": 2D6 read on the scale 11..16, 21..26, ..., 61..66, the
// modifier "@" moving along it (never below 11), and the doubles mark.
// Dice from the reference MT19937 sequence (tools/mtdice.py SEED 2 6):
//   seed 0: 3 4    seed 28: 6 6    seed 139: 1 1
#include <gtest/gtest.h>

#include "dice/rules.h"
#include "dice/rules_testing.h"

namespace Dice {
namespace {

using testing::RollLine;

TEST(D36ScaleRule, ReadsTheDiceAsTensAndUnits) {
  EXPECT_EQ(RollLine(0, "GDS"), "NOTICE #trpg :taro -> 1D36 = [3,4] = 34");
  EXPECT_EQ(RollLine(28, "GDS"), "NOTICE #trpg :taro -> 1D36 = [6,6] = 66");
  EXPECT_EQ(RollLine(139, "GDS"), "NOTICE #trpg :taro -> 1D36 = [1,1] = 11");
}

TEST(D36ScaleRule, ModifierMovesAlongTheScale) {
  EXPECT_EQ(RollLine(0, "GDS@2"), "NOTICE #trpg :taro -> 1D36@2 = [3,4(+2)] = 36");
  EXPECT_EQ(RollLine(0, "GDS@3"), "NOTICE #trpg :taro -> 1D36@3 = [3,4(+3)] = 41");
  EXPECT_EQ(RollLine(0, "GDS@-4"), "NOTICE #trpg :taro -> 1D36@-4 = [3,4(-4)] = 26");
  EXPECT_EQ(RollLine(0, "GDS@0"), "NOTICE #trpg :taro -> 1D36@0 = [3,4] = 34");
  // Never below 11.
  EXPECT_EQ(RollLine(0, "GDS@-15"), "NOTICE #trpg :taro -> 1D36@-15 = [3,4(-15)] = 11");
  EXPECT_EQ(RollLine(0, "GDS@-16"), "NOTICE #trpg :taro -> 1D36@-16 = [3,4(-16)] = 11");
  EXPECT_EQ(RollLine(0, "GDS@-2147483648"), "NOTICE #trpg :taro -> 1D36@-2147483648 = [3,4(-2147483648)] = 11");
}

TEST(D36ScaleRule, DoublesAreCriticalForGdspOnly) {
  EXPECT_EQ(RollLine(28, "GDSP"), "NOTICE #trpg :taro -> 1D36 = [6,6]<クリティカル> = 66");
  EXPECT_EQ(RollLine(139, "GDSP@1"), "NOTICE #trpg :taro -> 1D36@1 = [1,1(+1)]<クリティカル> = 12");
  EXPECT_EQ(RollLine(0, "GDSP"), "NOTICE #trpg :taro -> 1D36 = [3,4] = 34");
}

TEST(D36ScaleRule, Operands) {
  EXPECT_TRUE(testing::RollLines(0, "2GDS").empty());
  EXPECT_TRUE(testing::RollLines(0, "GDS2").empty());
  EXPECT_TRUE(testing::RefusesCleanly(kD36Scale, {.before = 2}));
  EXPECT_TRUE(testing::RefusesCleanly(kD36ScalePlain, {.after = 2}));
}

}  // namespace
}  // namespace Dice
