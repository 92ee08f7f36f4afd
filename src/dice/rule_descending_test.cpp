#include "dice/rules_testing.h"

namespace Dice::testing {
namespace {

// Seed 1 outputs 1791095845 4282876139 3093770124 4005303368 491263 550290313
// as a d20, d12, d10, d8, d6 and d4 (output % faces + 1): 6 12 5 1 2 2.
TEST(Descending, OneSmallerDiePerStep) {
  const Outcome five = RollRule(1, kDescending, {.after = 5});
  EXPECT_EQ("[6,12,5,1,2,2:1]<自動成功>", five.text);
  EXPECT_EQ(1, five.value);
  EXPECT_EQ("[6,12,5,1,2,2:1]<自動成功>", RollRule(1, kDescending, {.after = 9}).text);
  const Outcome one = RollRule(1, kDescending);
  EXPECT_EQ("[6:6]", one.text);
  EXPECT_EQ(6, one.value);
  EXPECT_EQ("[6,12,5:5]", RollRule(1, kDescending, {.before = 4, .after = 2}).text);
}

TEST(Descending, TargetFromTheCriticalValue) {
  EXPECT_EQ("[6:6]<自動成功>", RollRule(1, kDescending, {.critical = {6}}).text);
  EXPECT_EQ("[6:6]", RollRule(1, kDescending, {.critical = {5}}).text);
  EXPECT_EQ("[6,12,5,1:1]", RollRule(1, kDescending, {.after = 3, .critical = {0}}).text);
}

TEST(Descending, NegativeStepsRollNothing) {
  const Outcome none = RollRule(1, kDescending, {.after = -1});
  EXPECT_EQ("[:9999]", none.text);
  EXPECT_EQ(9999, none.value);
  EXPECT_EQ("[:9999]<自動成功>", RollRule(1, kDescending, {.after = INT32_MIN, .critical = {9999}}).text);
}

TEST(Descending, WholeRoll) {
  EXPECT_EQ("NOTICE #trpg :taro -> HANA5 = [6,12,5,1,2,2:1]<自動成功> = 1", RollLine(1, "HANA5"));
  EXPECT_EQ("NOTICE #trpg :taro -> 4HANA2 = [6,12,5:5] = 5", RollLine(1, "4HANA2"));
}

}  // namespace
}  // namespace Dice::testing
