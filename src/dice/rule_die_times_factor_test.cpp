// "MD": one six-sided die times a factor.
// Dice from the reference MT19937 sequence (tools/mtdice.py 0 1 6):
//   seed 0: 3
#include <gtest/gtest.h>

#include "dice/rules.h"
#include "dice/rules_testing.h"

namespace Dice {
namespace {

using testing::RollRule;

TEST(DieTimesFactorRule, ShowsTheDieAndTheFactor) {
  EXPECT_EQ(testing::RollLine(0, "MD5"), "NOTICE #trpg :taro -> 1D6*5 = [3]*5 = 15");
  EXPECT_EQ(testing::RollLine(0, "MD0"), "NOTICE #trpg :taro -> 1D6*0 = [3]*0 = 0");
  EXPECT_EQ(RollRule(0, kDieTimesFactor, {.after = -2}).text, "[3]*-2");
  EXPECT_EQ(RollRule(0, kDieTimesFactor, {.after = -2}).value, -6);
  // The product wraps in 32 bits, like the products of the roll arithmetic:
  // 3 * (2^31 - 1) = 2^32 + 2^31 - 3.
  EXPECT_EQ(RollRule(0, kDieTimesFactor, {.after = INT32_MAX}).value, INT32_MAX - 2);
}

TEST(DieTimesFactorRule, Operands) {
  EXPECT_TRUE(testing::RollLines(0, "MD").empty());
  EXPECT_TRUE(testing::RollLines(0, "2MD5").empty());
  EXPECT_TRUE(testing::RefusesCleanly(kDieTimesFactor, {}));
  EXPECT_TRUE(testing::RefusesCleanly(kDieTimesFactor, {.before = 2, .after = 5}));
}

}  // namespace
}  // namespace Dice
