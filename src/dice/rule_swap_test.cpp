#include "dice/rules_testing.h"

namespace Dice::testing {
namespace {

// Zero-based ten-sided dice (output % 10) of the seeds used:
//   seed 1: 1791095845 4282876139 -> 5 9      seed 2: 1872583848 794921487 -> 8 7
//   seed 75: 2443579640 3058983280 -> 0 0     seed 95: 982703510 1109663017 -> 0 7
TEST(SwappedPercentile, SmallerOrLargerDigitFirst) {
  EXPECT_EQ("[5,9:59]", RollRule(1, kSwap).text);
  EXPECT_EQ(59, RollRule(1, kSwap).value);
  EXPECT_EQ("[5,9:95]", RollRule(1, kSwapLargerFirst).text);
  EXPECT_EQ(95, RollRule(1, kSwapLargerFirst).value);
  EXPECT_EQ("[8,7:78]", RollRule(2, kSwap).text);
  EXPECT_EQ("[8,7:87]", RollRule(2, kSwapLargerFirst).text);
}

TEST(SwappedPercentile, ZeroTensShowTwoDigits) {
  EXPECT_EQ("[0,0:00]", RollRule(75, kSwap).text);
  EXPECT_EQ(0, RollRule(75, kSwapLargerFirst).value);
  const Outcome low = RollRule(95, kSwap);
  EXPECT_EQ("[0,7:07]", low.text);
  EXPECT_EQ(7, low.value);
  EXPECT_EQ(70, RollRule(95, kSwapLargerFirst).value);
}

TEST(SwappedPercentile, TakesNoNumbers) {
  EXPECT_TRUE(RefusesCleanly(kSwap, {.before = 3}));
  EXPECT_TRUE(RefusesCleanly(kSwapLargerFirst, {.after = 3}));
  EXPECT_EQ("NOTICE #trpg :taro -> 1D100 = [5,9:59] = 59", RollLine(1, "SWAP"));
  EXPECT_EQ("NOTICE #trpg :taro -> 1D100+1 = [5,9:95]+1 = 96", RollLine(1, "rswap+1"));
  EXPECT_TRUE(RollLines(1, "3SWAP").empty());
  EXPECT_TRUE(RollLines(1, "RSWAP3").empty());
}

}  // namespace
}  // namespace Dice::testing
