#include "dice/rules_testing.h"

namespace Dice::testing {
namespace {

// Six-sided dice (output % 6 + 1) of seed 1: 2 6 1.
TEST(HitOrMiss, ThresholdFromCriticalThenAfterThenFive) {
  const Outcome plain = RollRule(1, kHitOrMiss, {.before = 3});
  EXPECT_EQ("[2,6,1]<ヒット>", plain.text);
  EXPECT_EQ(1, plain.value);
  EXPECT_EQ(2, RollRule(1, kHitOrMiss, {.before = 3, .after = 2}).value);
  EXPECT_EQ(1, RollRule(1, kHitOrMiss, {.before = 3, .after = 6}).value);
  const Outcome miss = RollRule(1, kHitOrMiss, {.before = 3, .after = 7});
  EXPECT_EQ("[2,6,1]<ミス>", miss.text);
  EXPECT_EQ(0, miss.value);
  // 0 counts as absent: the after number, then 5.
  EXPECT_EQ(1, RollRule(1, kHitOrMiss, {.before = 3, .after = 0}).value);
  EXPECT_EQ(2, RollRule(1, kHitOrMiss, {.before = 3, .after = 2, .critical = {0}}).value);
  // The critical value wins over the after number.
  EXPECT_EQ(2, RollRule(1, kHitOrMiss, {.before = 3, .after = 7, .critical = {2}}).value);
  EXPECT_EQ("[2,6,1]<ミス>", RollRule(1, kHitOrMiss, {.before = 3, .after = 2, .critical = {7}}).text);
}

TEST(HitOrMiss, Operands) {
  EXPECT_TRUE(RefusesCleanly(kHitOrMiss, {.after = 5}));
  EXPECT_TRUE(RefusesCleanly(kHitOrMiss, {.before = 1001}));
  EXPECT_EQ("[]<ミス>", RollRule(1, kHitOrMiss, {.before = 0}).text);
  EXPECT_EQ("NOTICE #trpg :taro -> 3TMHS@6 = [2,6,1]<ヒット> = 1", RollLine(1, "3TMHS@6"));
  EXPECT_TRUE(RollLines(1, "TMHS6").empty());
}

}  // namespace
}  // namespace Dice::testing
