#include "dice/rules_testing.h"

namespace Dice::testing {
namespace {

// Six-sided dice (output % 6 + 1): seed 1: 2 6; seed 11: 4 4; seed 139: 1 1.
TEST(Doubles2D6, MarksDoubles) {
  const Outcome plain = RollRule(1, kDoubles2D6);
  EXPECT_EQ("[2,6]", plain.text);
  EXPECT_EQ(8, plain.value);
  const Outcome fours = RollRule(11, kDoubles2D6);
  EXPECT_EQ("[4,4]<4ゾロ>", fours.text);
  EXPECT_EQ(8, fours.value);
  const Outcome ones = RollRule(139, kDoubles2D6);
  EXPECT_EQ("[1,1]<ファンブル>", ones.text);
  EXPECT_EQ(2, ones.value);
}

TEST(Doubles2D6, WholeRollIgnoresNumbers) {
  EXPECT_EQ("NOTICE #trpg :taro -> 2D6 = [4,4]<4ゾロ> = 8", RollLine(11, "BELF"));
  EXPECT_EQ("NOTICE #trpg :taro -> 32D63 = [4,4]<4ゾロ> = 8", RollLine(11, "3BELF3"));
}

}  // namespace
}  // namespace Dice::testing
