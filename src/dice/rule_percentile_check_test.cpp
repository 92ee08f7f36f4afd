// The percentile check "GD": the two special rolls 01 and 00, the edge of the
// skill, the critical units 0, and the operands. The written form keeps its
// percent sign doubled, as every text showing one does.
// Dice from the reference MT19937 sequence (tools/mtdice.py SEED 2 10), as
// zero-based ten-sided dice (tens, units):
//   seed 0: 4 9    seed 4: 0 4    seed 6: 0 1    seed 20: 1 0    seed 75: 0 0
#include <gtest/gtest.h>

#include "dice/rules.h"
#include "dice/rules_testing.h"

namespace Dice {
namespace {

using testing::Outcome;
using testing::RollRule;

// The text and value of "GD" with skill `skill`, seeded with `seed`.
std::string Check(uint32_t seed, int32_t skill) {
  const Outcome outcome = RollRule(seed, kPercentileCheck, {.after = skill});
  EXPECT_EQ(outcome.code, 0);
  return outcome.text + "=" + std::to_string(outcome.value);
}

TEST(PercentileCheckRule, SuccessIsWorthTheSumOfTheDigits) {
  EXPECT_EQ(Check(0, 49), "[49]<成功>=13");
  EXPECT_EQ(Check(0, 48), "[49]<失敗>=0");
  EXPECT_EQ(Check(4, 50), "[04]<成功>=4");
  EXPECT_EQ(Check(4, 3), "[04]<失敗>=0");
}

TEST(PercentileCheckRule, UnitsZeroIsACriticalWhenItSucceeds) {
  EXPECT_EQ(Check(20, 10), "[10]<クリティカル>=20");
  EXPECT_EQ(Check(20, 9), "[10]<失敗>=0");
}

TEST(PercentileCheckRule, ZeroOneAndZeroZeroWhateverTheSkill) {
  EXPECT_EQ(Check(6, 0), "[01]<絶対成功>=1");
  EXPECT_EQ(Check(6, -5), "[01]<絶対成功>=1");
  EXPECT_EQ(Check(6, 99), "[01]<絶対成功>=1");
  EXPECT_EQ(Check(75, 99), "[00]<ファンブル>=0");
  EXPECT_EQ(Check(75, 0), "[00]<ファンブル>=0");
}

TEST(PercentileCheckRule, Operands) {
  EXPECT_EQ(testing::RollLine(0, "GD50"), "NOTICE #trpg :taro -> %%D50 = [49]<成功> = 13");
  EXPECT_TRUE(testing::RollLines(0, "GD").empty());
  EXPECT_TRUE(testing::RollLines(0, "2GD50").empty());
  EXPECT_TRUE(testing::RefusesCleanly(kPercentileCheck, {}));
  EXPECT_TRUE(testing::RefusesCleanly(kPercentileCheck, {.before = 2, .after = 50}));
}

}  // namespace
}  // namespace Dice
