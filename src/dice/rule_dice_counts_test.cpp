// Counts over a handful of dice: "AN" (at or under a value), "GE" (at or
// over a target, all equal dice counting double) and "AR"/"ARA" (sum with the
// count of maximum faces), with their marks and operands.
// Dice from the reference MT19937 sequence (tools/mtdice.py SEED 5 FACES):
//   six faces:  seed 1:   2 6 1 3 2
//               seed 28:  6 6 4 1 3
//               seed 135: 2 2 2 4 1
//               seed 139: 1 1 1 3 6
//               seed 305: 4 4 4 6 2
//   ten faces:  seed 28:  8 10 4 9 9
#include <gtest/gtest.h>

#include "dice/rules.h"
#include "dice/rules_testing.h"

namespace Dice {
namespace {

using testing::Outcome;
using testing::RollLine;
using testing::RollRule;

TEST(CountUnderRule, CountsDiceNotAboveTheValue) {
  EXPECT_EQ(RollLine(1, "5AN3"), "NOTICE #trpg :taro -> 5ANG3 = [2,6,1,3,2] = 4");
  EXPECT_EQ(RollLine(1, "5AN1"), "NOTICE #trpg :taro -> 5ANG1 = [2,6,1,3,2] = 1");
  EXPECT_EQ(RollLine(1, "5AN6"), "NOTICE #trpg :taro -> 5ANG6 = [2,6,1,3,2] = 5");
  EXPECT_EQ(RollLine(1, "5AN0"), "NOTICE #trpg :taro -> 5ANG0 = [2,6,1,3,2] = 0");
  EXPECT_EQ(RollRule(1, kCountUnder, {.before = 5, .after = -4}).value, 0);
  EXPECT_EQ(RollLine(1, "0AN3"), "NOTICE #trpg :taro -> 0ANG3 = [] = 0");
}

TEST(CountUnderRule, Operands) {
  EXPECT_TRUE(testing::RollLines(1, "5AN").empty());
  EXPECT_TRUE(testing::RollLines(1, "AN3").empty());
  EXPECT_TRUE(testing::RefusesCleanly(kCountUnder, {.before = 5}));
  EXPECT_TRUE(testing::RefusesCleanly(kCountUnder, {.after = 3}));
  EXPECT_TRUE(testing::RefusesCleanly(kCountUnder, {.before = kMaxDice + 1, .after = 3}));
}

TEST(CountOverLuckRule, AllEqualSuccessesCountDouble) {
  EXPECT_EQ(RollLine(305, "3GE"), "NOTICE #trpg :taro -> 3GEH = [4,4,4:達成6/未達成0]<幸運の助け> = 6");
  EXPECT_EQ(RollLine(135, "3GE2"), "NOTICE #trpg :taro -> 3GEH2 = [2,2,2:達成6/未達成0]<幸運の助け> = 6");
  // Equal dice without a success are no luck.
  EXPECT_EQ(RollLine(135, "3GE"), "NOTICE #trpg :taro -> 3GEH = [2,2,2:達成0/未達成3]<絶対失敗> = 0");
  EXPECT_EQ(RollLine(305, "3GE5"), "NOTICE #trpg :taro -> 3GEH5 = [4,4,4:達成0/未達成3]<絶対失敗> = 0");
  // One die is never "all equal"; unequal dice count once.
  EXPECT_EQ(RollLine(305, "1GE"), "NOTICE #trpg :taro -> 1GEH = [4:達成1/未達成0] = 1");
  EXPECT_EQ(RollLine(305, "4GE"), "NOTICE #trpg :taro -> 4GEH = [4,4,4,6:達成4/未達成0] = 4");
  EXPECT_EQ(RollLine(305, "5GE5"), "NOTICE #trpg :taro -> 5GEH5 = [4,4,4,6,2:達成1/未達成4] = 1");
}

TEST(CountOverLuckRule, TargetAndCount) {
  // A target of 0 is kept (every die succeeds); a negative one is 4.
  EXPECT_EQ(RollLine(135, "3GE0"), "NOTICE #trpg :taro -> 3GEH0 = [2,2,2:達成6/未達成0]<幸運の助け> = 6");
  EXPECT_EQ(RollRule(135, kCountOverLuck, {.before = 3, .after = -1}).text, "[2,2,2:達成0/未達成3]<絶対失敗>");
  // No dice: no success; a negative count (only a rule result can give one)
  // is shown as no dice rather than as a negative number of misses.
  EXPECT_EQ(RollLine(135, "0GE"), "NOTICE #trpg :taro -> 0GEH = [:達成0/未達成0]<絶対失敗> = 0");
  EXPECT_EQ(RollRule(135, kCountOverLuck, {.before = -2}).text, "[:達成0/未達成0]<絶対失敗>");
  EXPECT_TRUE(testing::RollLines(135, "GE4").empty());
  EXPECT_TRUE(testing::RefusesCleanly(kCountOverLuck, {.after = 4}));
  EXPECT_TRUE(testing::RefusesCleanly(kCountOverLuck, {.before = kMaxDice + 1}));
}

TEST(MaximumCountRule, Marks) {
  // Two sixes reach the default critical count of 2.
  EXPECT_EQ(RollLine(28, "3AR"), "NOTICE #trpg :taro -> 3D = [6,6,4]<MAX:2個/クリティカル> = 16");
  EXPECT_EQ(RollLine(28, "3ARA@3"), "NOTICE #trpg :taro -> 3D@3 = [6,6,4]<MAX:2個> = 16");
  EXPECT_EQ(RollLine(1, "3AR"), "NOTICE #trpg :taro -> 3D = [2,6,1]<MAX:1個> = 9");
  EXPECT_EQ(RollLine(1, "3AR@1"), "NOTICE #trpg :taro -> 3D@1 = [2,6,1]<MAX:1個/クリティカル> = 9");
  EXPECT_EQ(RollLine(1, "3AR@0"), "NOTICE #trpg :taro -> 3D@0 = [2,6,1]<MAX:1個> = 9");  // 0: the default 2
  // All ones: a sum not above the count.
  EXPECT_EQ(RollLine(139, "2AR"), "NOTICE #trpg :taro -> 2D = [1,1]<MAX:0個/ファンブル> = 2");
  EXPECT_EQ(RollRule(139, kMaximumCount, {.before = 1, .after = 1}).text, "[1]<MAX:1個/ファンブル>");
  EXPECT_EQ(RollLine(28, "3AR10"), "NOTICE #trpg :taro -> 3D10 = [8,10,4]<MAX:1個> = 22");
  EXPECT_EQ(RollLine(28, "0AR"), "NOTICE #trpg :taro -> 0D = []<MAX:0個> = 0");
}

TEST(MaximumCountRule, Operands) {
  EXPECT_TRUE(testing::RollLines(28, "3AR0").empty());
  EXPECT_TRUE(testing::RollLines(28, "AR6").empty());
  EXPECT_TRUE(testing::RefusesCleanly(kMaximumCount, {.before = 3, .after = 0}));
  EXPECT_TRUE(testing::RefusesCleanly(kMaximumCount, {.before = 3, .after = -6}));
  EXPECT_TRUE(testing::RefusesCleanly(kMaximumCount, {.before = kMaxDice + 1}));
  const Outcome outcome = RollRule(28, kMaximumCount, {.before = kMaxDice});
  EXPECT_EQ(outcome.code, 0);
  EXPECT_EQ(outcome.text.size(), kTextSize - 1);
}

}  // namespace
}  // namespace Dice
