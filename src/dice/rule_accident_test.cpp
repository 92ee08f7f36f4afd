#include "dice/rules_testing.h"

namespace Dice::testing {
namespace {

// Ten-sided dice (output % 10 + 1): seed 1: 6 10 5 9 4; seed 75: 1 1;
// seed 95: 1 8.
TEST(Accident, TensScoreTheBonusOthersOneAtTheTarget) {
  const Outcome plain = RollRule(1, kAccident, {.before = 5});
  EXPECT_EQ("[6,10,5,9,4:2]", plain.text);
  EXPECT_EQ(2, plain.value);
  EXPECT_EQ("[6,10,5,9,4:5]", RollRule(1, kAccident, {.before = 5, .after = 5}).text);
  EXPECT_EQ("[6,10,5,9,4:3]", RollRule(1, kAccident, {.before = 5, .after = 9}).text);
  EXPECT_EQ("[6,10,5,9,4:6]", RollRule(1, kAccident, {.before = 5, .after = 5, .critical = {3}}).text);
  EXPECT_EQ(INT32_MAX, RollRule(1, kAccident, {.before = 5, .after = 5, .critical = {INT32_MAX}}).value);
}

TEST(Accident, OnesAreAccidents) {
  const Outcome two = RollRule(75, kAccident, {.before = 2});
  EXPECT_EQ("[1,1:0]<アクシデント:2>", two.text);
  EXPECT_EQ(0, two.value);
  // A 1 scores nothing even when the target is 1.
  EXPECT_EQ("[1,8:1]<アクシデント:1>", RollRule(95, kAccident, {.before = 2, .after = 1}).text);
  EXPECT_EQ("[1,8:1]<アクシデント:1>", RollRule(95, kAccident, {.before = 2, .after = 8}).text);
}

TEST(Accident, Operands) {
  EXPECT_TRUE(RefusesCleanly(kAccident, {.after = 5}));
  EXPECT_TRUE(RefusesCleanly(kAccident, {.before = 1001}));
  EXPECT_EQ("[:0]", RollRule(1, kAccident, {.before = 0}).text);
  EXPECT_EQ("NOTICE #trpg :taro -> 5PAG5@3 = [6,10,5,9,4:6] = 6", RollLine(1, "5PAG5@3"));
  EXPECT_TRUE(RollLines(1, "PAG5").empty());
}

}  // namespace
}  // namespace Dice::testing
