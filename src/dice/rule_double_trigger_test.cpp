#include "dice/rules_testing.h"

namespace Dice::testing {
namespace {

// Six-sided dice (output % 6 + 1): seed 1: 2 6 ...; seed 4: 5 1 2 6;
// seed 2: 1 4 6 1 3 4; seed 321: 1 1 3 4 4 1 2 1 3 5.
TEST(DoubleTrigger, EachOneRollsTwoMoreUntilAGroupHasNone) {
  const Outcome none = RollRule(1, kDoubleTrigger);
  EXPECT_EQ("[2,6]", none.text);
  EXPECT_EQ(2, none.value);
  const Outcome one = RollRule(4, kDoubleTrigger);
  EXPECT_EQ("[5,1][2,6]<ダブルトリガー>", one.text);
  EXPECT_EQ(3, one.value);
  const Outcome two = RollRule(2, kDoubleTrigger);
  EXPECT_EQ("[1,4][6,1][3,4]<ダブルトリガーx2>", two.text);
  EXPECT_EQ(4, two.value);
  // Two 1s make a group of four; its 1 a group of two, and so on.
  const Outcome four = RollRule(321, kDoubleTrigger, {.before = 2});
  EXPECT_EQ("[1,1][3,4,4,1][2,1][3,5]<ダブルトリガーx4>", four.text);
  EXPECT_EQ(6, four.value);
}

TEST(DoubleTrigger, CountFromTheNumberBeforeAfterIgnored) {
  const Outcome three = RollRule(1, kDoubleTrigger, {.before = 3, .after = 9});
  EXPECT_EQ("[2,6,1][3,2]<ダブルトリガー>", three.text);
  EXPECT_EQ(4, three.value);
  const Outcome zero = RollRule(1, kDoubleTrigger, {.before = 0});
  EXPECT_EQ(0, zero.code);
  EXPECT_EQ("", zero.text);
  EXPECT_EQ(0, zero.value);
  EXPECT_EQ("", RollRule(1, kDoubleTrigger, {.before = -5}).text);
  EXPECT_TRUE(RefusesCleanly(kDoubleTrigger, {.before = 1001}));
}

// A thousand dice: the chain still ends, the value follows the rule over the
// reference sequence and the text is cut at 1023 bytes.
TEST(DoubleTrigger, LongChainEnds) {
  std::mt19937 reference(1);
  int32_t expected = 0;
  for (int32_t count = 1000; count > 0;) {
    int32_t ones = 0;
    for (int32_t i = 0; i < count; ++i) ones += reference() % 6 == 0 ? 1 : 0;
    expected += count - ones;
    count = 2 * ones;
  }
  const Outcome outcome = RollRule(1, kDoubleTrigger, {.before = 1000});
  EXPECT_EQ(expected, outcome.value);
  EXPECT_EQ(1023u, outcome.text.size());
  // Not one die is drawn past the group without a 1.
  EXPECT_EQ(reference(), RandomSource::Next32());
}

TEST(DoubleTrigger, WholeRoll) {
  EXPECT_EQ("NOTICE #trpg :taro -> EBR = [5,1][2,6]<ダブルトリガー> = 3", RollLine(4, "EBR"));
  EXPECT_EQ("NOTICE #trpg :taro -> 0EBR = 0 = 0", RollLine(4, "0EBR"));
  EXPECT_EQ("NOTICE #trpg :taro -> 2EBR9 = [5,1][2,6]<ダブルトリガー> = 3", RollLine(4, "2EBR9"));
}

}  // namespace
}  // namespace Dice::testing
