#include "dice/rules_testing.h"

namespace Dice::testing {
namespace {

// Zero-based ten-sided dice (output % 10): seed 1: 5 9; seed 147: 4 4;
// seed 95: 0 7.
TEST(PercentileDoubles, TargetFromAfterThenCritical) {
  const Outcome bare = RollRule(1, kPercentileDoubles);
  EXPECT_EQ("[59]", bare.text);
  EXPECT_EQ(59, bare.value);
  EXPECT_EQ("[59]<成功>", RollRule(1, kPercentileDoubles, {.after = 59}).text);
  EXPECT_EQ("[59]<失敗>", RollRule(1, kPercentileDoubles, {.after = 58}).text);
  EXPECT_EQ("[59]<成功>", RollRule(1, kPercentileDoubles, {.critical = {60}}).text);
  EXPECT_EQ("[59]<失敗>", RollRule(1, kPercentileDoubles, {.after = 58, .critical = {60}}).text);
  EXPECT_EQ("[07]<成功>", RollRule(95, kPercentileDoubles, {.after = 7}).text);
  // A target of 0 is a target.
  EXPECT_EQ("[59]<失敗>", RollRule(1, kPercentileDoubles, {.critical = {0}}).text);
}

TEST(PercentileDoubles, EqualDigitsAreCriticalOrFumble) {
  EXPECT_EQ("[44]<成功/クリティカル>", RollRule(147, kPercentileDoubles, {.after = 44}).text);
  EXPECT_EQ("[44]<失敗/ファンブル>", RollRule(147, kPercentileDoubles, {.after = 43}).text);
  EXPECT_EQ("[44]", RollRule(147, kPercentileDoubles).text);
}

TEST(PercentileDoubles, WholeRoll) {
  EXPECT_EQ("NOTICE #trpg :taro -> AE60 = [59]<成功> = 59", RollLine(1, "AE60"));
  // The number before the keyword is consumed and ignored.
  EXPECT_EQ("NOTICE #trpg :taro -> 5AE = [59] = 59", RollLine(1, "5AE"));
}

}  // namespace
}  // namespace Dice::testing
