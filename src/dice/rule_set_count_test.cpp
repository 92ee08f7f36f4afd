#include "dice/rules_testing.h"

namespace Dice::testing {
namespace {

// Six-sided dice (output % 6 + 1): seed 19: 2 5 2 5; seed 1715: 3 3 6 6 3 1;
// seed 1: 2 6 1.
TEST(SetCount, SetsOrCallFace) {
  const Outcome sets = RollRule(19, kSetCount, {.before = 4});
  EXPECT_EQ("[2,2,5,5]<2セット>", sets.text);
  EXPECT_EQ(2, sets.value);
  const Outcome called = RollRule(19, kSetCount, {.before = 4, .critical = {5}});
  EXPECT_EQ("[2,2,5,5]<1セット/クリティカルコール:5>", called.text);
  EXPECT_EQ(4, called.value);
  // A call face nobody rolled scores nothing.
  const Outcome missed = RollRule(19, kSetCount, {.before = 4, .critical = {3}});
  EXPECT_EQ("[2,2,5,5]<1セット/クリティカルコール:3>", missed.text);
  EXPECT_EQ(0, missed.value);
  // Outside 1 to 6 there is no call face.
  EXPECT_EQ("[2,2,5,5]<2セット>", RollRule(19, kSetCount, {.before = 4, .critical = {7}}).text);
  EXPECT_EQ("[2,2,5,5]<2セット>", RollRule(19, kSetCount, {.before = 4, .critical = {0}}).text);
  // The largest set is the value; the list is sorted.
  const Outcome three = RollRule(1715, kSetCount, {.before = 6});
  EXPECT_EQ("[1,3,3,3,6,6]<2セット>", three.text);
  EXPECT_EQ(3, three.value);
  const Outcome no_set = RollRule(1, kSetCount, {.before = 3});
  EXPECT_EQ("[1,2,6]", no_set.text);
  EXPECT_EQ(0, no_set.value);
}

TEST(SetCount, BodyLocations) {
  EXPECT_EQ("[2,2,5,5]<右腕:2/左脚:2>", RollRule(19, kSetCountLocations, {.before = 4}).text);
  const Outcome called = RollRule(19, kSetCountLocations, {.before = 4, .critical = {5}});
  EXPECT_EQ("[2,2,5,5]<クリティカルコール:5><左脚:4>", called.text);
  EXPECT_EQ(4, called.value);
  EXPECT_EQ("[1,3,3,3,6,6]<頭部:1/左腕:3/胴体:2>", RollRule(1715, kSetCountLocations, {.before = 6}).text);
  EXPECT_EQ("[1,2,6]<頭部:1/右腕:1/胴体:1>", RollRule(1, kSetCountLocations, {.before = 3}).text);
}

TEST(SetCount, Operands) {
  EXPECT_TRUE(RefusesCleanly(kSetCount, {}));
  EXPECT_TRUE(RefusesCleanly(kSetCountLocations, {.after = 4}));
  EXPECT_TRUE(RefusesCleanly(kSetCount, {.before = 1001}));
  EXPECT_EQ("[2,2,5,5]<2セット>", RollRule(19, kSetCount, {.before = 4, .after = 6}).text);
  EXPECT_EQ("[]", RollRule(19, kSetCount, {.before = 0}).text);
  const Outcome most = RollRule(19, kSetCountLocations, {.before = 1000});
  EXPECT_EQ(0, most.code);
  EXPECT_LE(most.text.size(), 1023u);
}

TEST(SetCount, WholeRoll) {
  EXPECT_EQ("NOTICE #trpg :taro -> 4BRK@5 = [2,2,5,5]<1セット/クリティカルコール:5> = 4", RollLine(19, "4BRK@5"));
  EXPECT_EQ("NOTICE #trpg :taro -> 4BRK3 = [2,2,5,5]<右腕:2/左脚:2> = 2", RollLine(19, "4BRKA3"));
  EXPECT_TRUE(RollLines(19, "BRK").empty());
}

}  // namespace
}  // namespace Dice::testing
