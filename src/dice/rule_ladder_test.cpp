// The d12 ladder "CW": climbing ends it, an equal or lower die or an 11 goes
// on from that die, a 12 is a fumble, and the ladder has a bound.
// Dice from the reference MT19937 sequence (tools/mtdice.py SEED 6 12):
//   seed 0: 9 4 6 1    seed 1: 2 12    seed 2: 1    seed 3: 11 9 2 4
//   seed 5: 12         seed 40: 11 12  seed 1350: 4 4 9
#include <gtest/gtest.h>

#include "dice/rules.h"
#include "dice/rules_testing.h"

namespace Dice {
namespace {

using testing::Outcome;
using testing::RollLine;
using testing::RollRule;

TEST(LadderRule, CountsTheRollsBeforeTheClimb) {
  EXPECT_EQ(RollLine(0, "CW5"), "NOTICE #trpg :taro -> CW5 = [9] = 0");
  EXPECT_EQ(RollLine(0, "CW9"), "NOTICE #trpg :taro -> CW9 = [9][4][6] = 2");
  // An equal die does not climb.
  EXPECT_EQ(RollLine(1350, "CW4"), "NOTICE #trpg :taro -> CW4 = [4][4][9] = 2");
  // An 11 never climbs; the ladder goes on from it.
  EXPECT_EQ(RollLine(3, "CW3"), "NOTICE #trpg :taro -> CW3 = [11][9][2][4] = 3");
  EXPECT_EQ(RollRule(2, kLadder, {.after = -1}).text, "[1]");
}

TEST(LadderRule, TwelveIsAFumble) {
  EXPECT_EQ(RollLine(5, "CW5"), "NOTICE #trpg :taro -> CW5 = [12]<ファンブル> = 0");
  EXPECT_EQ(RollLine(1, "CW5"), "NOTICE #trpg :taro -> CW5 = [2][12]<ファンブル> = 0");
  EXPECT_EQ(RollLine(40, "CW3"), "NOTICE #trpg :taro -> CW3 = [11][12]<ファンブル> = 0");
}

TEST(LadderRule, Operands) {
  EXPECT_TRUE(testing::RollLines(0, "CW").empty());
  EXPECT_TRUE(testing::RollLines(0, "2CW5").empty());
  EXPECT_TRUE(testing::RefusesCleanly(kLadder, {}));
  EXPECT_TRUE(testing::RefusesCleanly(kLadder, {.before = 2, .after = 5}));
}

// Output 10: every twelve-sided die shows 11.
uint32_t AlwaysEleven() { return 10; }

TEST(LadderRule, EndsAtItsBound) {
  RandomSource::ScopedDrawsForTesting forced(AlwaysEleven);
  const Outcome outcome = RollRule(0, kLadder, {.after = 5});
  EXPECT_EQ(outcome.code, 0);
  EXPECT_EQ(outcome.value, 1000);
  EXPECT_EQ(outcome.text.size(), kTextSize - 1);
}

}  // namespace
}  // namespace Dice
