#include "dice/rules_testing.h"

namespace Dice::testing {
namespace {

// Six-sided dice (output % 6 + 1): seed 2: 1 4; seed 26: 6 3; seed 28: 6 6.
TEST(Rabbit, SixCountsZeroAndEarnsAPoint) {
  const Outcome plain = RollRule(2, kRabbit);
  EXPECT_EQ("[1,4:5]", plain.text);
  EXPECT_EQ(5, plain.value);
  const Outcome one_six = RollRule(26, kRabbit);
  EXPECT_EQ("[6,3:3]<ラビットポイント:+1>", one_six.text);
  EXPECT_EQ(3, one_six.value);
  const Outcome double_six = RollRule(28, kRabbit);
  EXPECT_EQ("[6,6:12]<自動失敗><ラビットポイント:+2>", double_six.text);
  EXPECT_EQ(12, double_six.value);
}

TEST(Rabbit, WholeRollIgnoresNumbers) {
  EXPECT_EQ("[6,3:3]<ラビットポイント:+1>", RollRule(26, kRabbit, {.before = 5, .after = 5}).text);
  EXPECT_EQ("NOTICE #trpg :taro -> 2DR = [6,3:3]<ラビットポイント:+1> = 3", RollLine(26, "RHD"));
  EXPECT_EQ("NOTICE #trpg :taro -> 32DR3 = [6,3:3]<ラビットポイント:+1> = 3", RollLine(26, "3RHD3"));
}

}  // namespace
}  // namespace Dice::testing
