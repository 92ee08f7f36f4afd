// The hit-multiplier roll "MF": each multiplier at the edge of its fraction of
// the skill, the critical value opening 16 and 32, and the operands.
// Dice from the reference MT19937 sequence (tools/mtdice.py 0 1 20):
//   seed 0: output 2357136044, as a twenty-sided die 5
#include <gtest/gtest.h>

#include "dice/rules.h"
#include "dice/rules_testing.h"

namespace Dice {
namespace {

using testing::Operands;
using testing::RollRule;

// The multiplier for skill `skill` and critical values `critical` with the
// die showing 5.
int32_t Multiplier(int32_t skill, std::vector<int32_t> critical = {}) {
  const testing::Outcome outcome = RollRule(0, kHitMultiplier, {.after = skill, .critical = critical});
  EXPECT_EQ(outcome.code, 0);
  EXPECT_EQ(outcome.text, "[5]");
  return outcome.value;
}

TEST(HitMultiplierRule, EachMultiplierStartsWhereItsFractionReachesTheDie) {
  EXPECT_EQ(Multiplier(4), 0);
  EXPECT_EQ(Multiplier(5), 1);
  EXPECT_EQ(Multiplier(9), 1);
  EXPECT_EQ(Multiplier(10), 2);
  EXPECT_EQ(Multiplier(19), 2);
  EXPECT_EQ(Multiplier(20), 4);
  EXPECT_EQ(Multiplier(39), 4);
  EXPECT_EQ(Multiplier(40), 8);
  // Without a critical value 8 is the most, however high the skill.
  EXPECT_EQ(Multiplier(1000), 8);
  EXPECT_EQ(Multiplier(-40), 0);
}

TEST(HitMultiplierRule, CriticalValueOpensSixteenAndThirtyTwo) {
  EXPECT_EQ(Multiplier(80, {15}), 8);
  EXPECT_EQ(Multiplier(80, {16}), 16);
  EXPECT_EQ(Multiplier(79, {16}), 8);
  EXPECT_EQ(Multiplier(160, {31}), 16);
  EXPECT_EQ(Multiplier(160, {32}), 32);
  EXPECT_EQ(Multiplier(159, {32}), 16);
  EXPECT_EQ(Multiplier(160, {99, 1}), 32);  // only the first value counts
}

TEST(HitMultiplierRule, Operands) {
  EXPECT_EQ(testing::RollLine(0, "MF40"), "NOTICE #trpg :taro -> MF40 = [5] = 8");
  EXPECT_EQ(testing::RollLine(0, "MF160+1@32"), "NOTICE #trpg :taro -> MF160+1@32 = [5]+1 = 33");
  EXPECT_TRUE(testing::RollLines(0, "3MF40").empty());  // no number before it
  EXPECT_TRUE(testing::RollLines(0, "MF").empty());     // the skill is required
  EXPECT_TRUE(testing::RefusesCleanly(kHitMultiplier, {}));
  EXPECT_TRUE(testing::RefusesCleanly(kHitMultiplier, {.before = 3, .after = 40}));
}

}  // namespace
}  // namespace Dice
