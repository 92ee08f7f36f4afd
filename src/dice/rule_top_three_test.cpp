#include "dice/rules_testing.h"

namespace Dice::testing {
namespace {

// Six-sided dice (output % 6 + 1): seed 1: 2 6 1 3 2 2 6 6 6 1; seed 139: 1 1;
// seed 135: 2 2; seed 33: 1 2; seed 16: 2 3.
TEST(TopThree, SumOfTheThreeHighest) {
  const Outcome two = RollRule(1, kTopThree);
  EXPECT_EQ("[2,6:8]", two.text);
  EXPECT_EQ(8, two.value);
  EXPECT_EQ("[2,6:8]", RollRule(1, kTopThree, {.before = 1}).text);
  EXPECT_EQ("[2,6:8]", RollRule(1, kTopThree, {.before = -3}).text);
  const Outcome five = RollRule(1, kTopThree, {.before = 5, .after = 9});
  EXPECT_EQ("[2,6,1,3,2:11]", five.text);
  EXPECT_EQ(11, five.value);
}

TEST(TopThree, TriplesAreCriticals) {
  // Three 2s and four 6s: 6+6+6 and 7 for each of the two faces.
  const Outcome nine = RollRule(1, kTopThree, {.before = 9});
  EXPECT_EQ("[2,6,1,3,2,2,6,6,6:32]<クリティカル:2>", nine.text);
  EXPECT_EQ(32, nine.value);
  EXPECT_EQ("[2,6,1,3,2,2,6,6,6,1:32]<クリティカル:2><ダメージ:+2D6>",
            RollRule(1, kTopThreeExtraDice, {.before = 10}).text);
}

TEST(TopThree, FumbleAndExtraDamageDice) {
  const Outcome fumble = RollRule(139, kTopThree);
  EXPECT_EQ("[1,1:0]<ファンブル>", fumble.text);
  EXPECT_EQ(0, fumble.value);
  EXPECT_EQ("[1,1:0]<ファンブル><ダメージ:+2D6>", RollRule(139, kTopThreeExtraDice).text);
  EXPECT_EQ("[2,6,1,3,2:11]<ダメージ:+1D6>", RollRule(1, kTopThreeExtraDice, {.before = 5}).text);
  EXPECT_EQ("[2,6:8]", RollRule(1, kTopThreeExtraDice).text);
  // Every die 2 or less is a fumble; one 3 is not.
  EXPECT_EQ("[2,2:0]<ファンブル>", RollRule(135, kTopThree).text);
  EXPECT_EQ("[1,2:0]<ファンブル><ダメージ:+1D6>", RollRule(33, kTopThreeExtraDice).text);
  const Outcome three = RollRule(16, kTopThree);
  EXPECT_EQ("[2,3:5]", three.text);
  EXPECT_EQ(5, three.value);
}

TEST(TopThree, Operands) {
  EXPECT_TRUE(RefusesCleanly(kTopThree, {.before = 1001}));
  EXPECT_TRUE(RefusesCleanly(kTopThreeExtraDice, {.before = 1001}));
  EXPECT_EQ("NOTICE #trpg :taro -> 9PAO = [2,6,1,3,2,2,6,6,6:32]<クリティカル:2> = 32", RollLine(1, "9PAO"));
  EXPECT_EQ("NOTICE #trpg :taro -> PAO = [1,1:0]<ファンブル><ダメージ:+2D6> = 0", RollLine(139, "PAOA"));
}

}  // namespace
}  // namespace Dice::testing
