// The ten-sided plus six-sided rolls: "BAN" with its marks, and the chain of
// "BAND"/"VAN" with its signs and its bound.
// Dice from the reference MT19937 sequence (tools/mtdice.py SEED 8), read in
// pairs of a ten-sided die (output % 10 + 1) and a six-sided die:
//   seed 0:   5,4  4,1          seed 4:   1,1  2,6  10,3
//   seed 17:  10,4  2,5  1,2    seed 51:  1,4  10,5  6,4
//   seed 203: 1,2  1,3  3,2     seed 280: 10,2  1,5  7,3
#include <gtest/gtest.h>

#include "dice/rules.h"
#include "dice/rules_testing.h"

namespace Dice {
namespace {

using testing::Outcome;
using testing::RollLine;
using testing::RollRule;

TEST(TenPlusSixRule, MarksOnTheTenSidedDie) {
  EXPECT_EQ(RollLine(0, "BAN"), "NOTICE #trpg :taro -> (1D10+1D6) = [ 5,4] = 9");
  EXPECT_EQ(RollLine(17, "BAN"), "NOTICE #trpg :taro -> (1D10+1D6) = [10,4]<クリティカル> = 14");
  EXPECT_EQ(RollLine(4, "BAN"), "NOTICE #trpg :taro -> (1D10+1D6) = [ 1,1]<ファンブル> = 2");
  EXPECT_TRUE(testing::RollLines(0, "2BAN").empty());
  EXPECT_TRUE(testing::RollLines(0, "BAN2").empty());
  EXPECT_TRUE(testing::RefusesCleanly(kTenPlusSix, {.before = 2}));
  EXPECT_TRUE(testing::RefusesCleanly(kTenPlusSix, {.after = 2}));
}

TEST(TenPlusSixChainRule, OneAndTenGoOnAndSetTheSignOfTheNextPair) {
  EXPECT_EQ(RollLine(0, "BAND"), "NOTICE #trpg :taro -> (1D10+1D6) = [ 5,4] = 9");
  EXPECT_EQ(RollLine(17, "BAND"), "NOTICE #trpg :taro -> (1D10+1D6) = [10,4][ 2,5] = 21");
  EXPECT_EQ(RollLine(17, "VAN"), "NOTICE #trpg :taro -> (1D10+1D6) = [10,4][ 2,5] = 21");
  // The first pair adds even when it shows 1; the next one subtracts.
  EXPECT_EQ(RollLine(4, "BAND"), "NOTICE #trpg :taro -> (1D10+1D6) = [ 1,1][ 2,6] = -6");
  // 12 + 6 - 10; 3 - 4 - 5; 5 - 15 + 10.
  EXPECT_EQ(RollRule(280, kTenPlusSixChain).text, "[10,2][ 1,5][ 7,3]");
  EXPECT_EQ(RollRule(280, kTenPlusSixChain).value, 8);
  EXPECT_EQ(RollRule(203, kTenPlusSixChain).text, "[ 1,2][ 1,3][ 3,2]");
  EXPECT_EQ(RollRule(203, kTenPlusSixChain).value, -6);
  EXPECT_EQ(RollRule(51, kTenPlusSixChain).text, "[ 1,4][10,5][ 6,4]");
  EXPECT_EQ(RollRule(51, kTenPlusSixChain).value, 0);
  EXPECT_TRUE(testing::RollLines(0, "2BAND").empty());
  EXPECT_TRUE(testing::RefusesCleanly(kTenPlusSixChain, {.after = 2}));
}

// Output 59: ten-sided 10 and six-sided 6. Output 30: 1 and 1.
uint32_t AlwaysTenAndSix() { return 59; }
uint32_t AlwaysOneAndOne() { return 30; }

TEST(TenPlusSixChainRule, EndsAtItsBound) {
  {
    RandomSource::ScopedDrawsForTesting forced(AlwaysTenAndSix);
    const Outcome outcome = RollRule(0, kTenPlusSixChain);
    EXPECT_EQ(outcome.value, 1000 * 16);
    EXPECT_EQ(outcome.text.size(), kTextSize - 1);
  }
  RandomSource::ScopedDrawsForTesting forced(AlwaysOneAndOne);
  EXPECT_EQ(RollRule(0, kTenPlusSixChain).value, 2 - 999 * 2);
}

}  // namespace
}  // namespace Dice
