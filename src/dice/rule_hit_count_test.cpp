// The six-sided success counts: "SRSE" (exploding totals at a target), "SR"
// (hits and net hits over a threshold) and "SRE" (sixes rolled again as
// further groups), their operands, and the bounds of both chains.
// Dice from the reference MT19937 sequence (tools/mtdice.py SEED 20 6):
//   seed 1:  2 6 1 3 2 2 6 6 6 1 3 4 5 6 2 1 1 4 3 5
//   seed 21: 4 4 1 5
//   seed 28: 6 6 4 1 3 1 6 2
#include <gtest/gtest.h>

#include <string>

#include "dice/rules.h"
#include "dice/rules_testing.h"

namespace Dice {
namespace {

using testing::Outcome;
using testing::RollLine;
using testing::RollRule;

TEST(ExplodingCountRule, SixesExplodeAndTotalsCountAtTheTarget) {
  // Seed 28: 6+6+4 = 16, then 1, then 3.
  EXPECT_EQ(RollLine(28, "3SRSE"), "NOTICE #trpg :taro -> 3SR2e = [16,1,3] = 2");
  EXPECT_EQ(RollLine(28, "3SRSE3"), "NOTICE #trpg :taro -> 3SR2e3 = [16,1,3] = 2");
  EXPECT_EQ(RollLine(28, "3SRSE4"), "NOTICE #trpg :taro -> 3SR2e4 = [16,1,3] = 1");
  EXPECT_EQ(RollLine(28, "3SRSE16"), "NOTICE #trpg :taro -> 3SR2e16 = [16,1,3] = 1");
  EXPECT_EQ(RollLine(28, "3SRSE17"), "NOTICE #trpg :taro -> 3SR2e17 = [16,1,3] = 0");
  // A target below 2 is 2: the total of 1 never counts.
  EXPECT_EQ(RollLine(28, "3SRSE1"), "NOTICE #trpg :taro -> 3SR2e1 = [16,1,3] = 2");
  EXPECT_EQ(RollLine(28, "3SRSE0"), "NOTICE #trpg :taro -> 3SR2e0 = [16,1,3] = 2");
}

TEST(ExplodingCountRule, OperandsAndCounts) {
  EXPECT_EQ(RollLine(28, "0SRSE"), "NOTICE #trpg :taro -> 0SR2e = [] = 0");
  EXPECT_EQ(RollRule(28, kExplodingCount, {.before = -2}).text, "[]");
  EXPECT_TRUE(testing::RollLines(28, "SRSE4").empty());
  EXPECT_TRUE(testing::RefusesCleanly(kExplodingCount, {.after = 4}));
  EXPECT_TRUE(testing::RefusesCleanly(kExplodingCount, {.before = kMaxDice + 1}));
  EXPECT_EQ(RollRule(28, kExplodingCount, {.before = kMaxDice}).code, 0);
}

TEST(HitCountRule, HitsAndNetHitsOverTheThreshold) {
  // Seed 1: 2 6 1 3 2 2 6 has two hits.
  EXPECT_EQ(RollLine(1, "7SR"), "NOTICE #trpg :taro -> 7SR4e = [2,6,1,3,2,2,6]<純ヒット:1> = 2");
  EXPECT_EQ(RollLine(1, "7SR2"), "NOTICE #trpg :taro -> 7SR4e2 = [2,6,1,3,2,2,6]<純ヒット:0> = 2");
  EXPECT_EQ(RollLine(1, "7SR3"), "NOTICE #trpg :taro -> 7SR4e3 = [2,6,1,3,2,2,6]<純ヒット:-1> = 2");
  // A threshold of 0 is 1; "@" above 0 wins over the number after.
  EXPECT_EQ(RollRule(1, kHitCount, {.before = 7, .after = 0}).text, "[2,6,1,3,2,2,6]<純ヒット:1>");
  EXPECT_EQ(RollRule(1, kHitCount, {.before = 7, .after = 3, .critical = {2}}).text, "[2,6,1,3,2,2,6]<純ヒット:0>");
  EXPECT_EQ(RollRule(1, kHitCount, {.before = 7, .after = 3, .critical = {0}}).text, "[2,6,1,3,2,2,6]<純ヒット:-1>");
  EXPECT_EQ(RollLine(1, "7SR3@2"), "NOTICE #trpg :taro -> 7SR4e3@2 = [2,6,1,3,2,2,6]<純ヒット:0> = 2");
  // Seed 21: 4 4 1, no hit and no mark; seed 1 with one die: 2.
  EXPECT_EQ(RollLine(21, "3SR"), "NOTICE #trpg :taro -> 3SR4e = [4,4,1] = 0");
  // Five is a hit as well as six: seed 21, 4 4 1 5.
  EXPECT_EQ(RollLine(21, "4SR"), "NOTICE #trpg :taro -> 4SR4e = [4,4,1,5]<純ヒット:0> = 1");
}

TEST(HitCountRule, RerolledSixesFormFurtherGroups) {
  // Seed 1: two sixes roll 6 6, which roll 1 3: four hits in all.
  EXPECT_EQ(RollLine(1, "7SRE"), "NOTICE #trpg :taro -> 7SR4e = [2,6,1,3,2,2,6][6,6][1,3]<純ヒット:3> = 4");
  // Seed 28: 6 6 4 then 1 3.
  EXPECT_EQ(RollLine(28, "3SRE"), "NOTICE #trpg :taro -> 3SR4e = [6,6,4][1,3]<純ヒット:1> = 2");
  // "SR" rolls no further group.
  EXPECT_EQ(RollLine(28, "3SR"), "NOTICE #trpg :taro -> 3SR4e = [6,6,4]<純ヒット:1> = 2");
}

TEST(HitCountRule, NoDiceShowNothingButTheValue) {
  EXPECT_EQ(RollLine(1, "0SR"), "NOTICE #trpg :taro -> 0SR4e = 0 = 0");
  const Outcome outcome = RollRule(1, kHitCountReroll, {.before = -3});
  EXPECT_EQ(outcome.code, 0);
  EXPECT_EQ(outcome.value, 0);
  EXPECT_EQ(outcome.text, "");
  EXPECT_TRUE(testing::RollLines(1, "SR").empty());
  EXPECT_TRUE(testing::RefusesCleanly(kHitCount, {.after = 2}));
  EXPECT_TRUE(testing::RefusesCleanly(kHitCountReroll, {.before = kMaxDice + 1}));
}

// Every output 5: every six-sided die shows 6.
uint32_t AlwaysSix() { return 5; }

TEST(SixesChains, EndAtTheirBounds) {
  RandomSource::ScopedDrawsForTesting forced(AlwaysSix);
  // One die explodes 100 times: 101 sixes.
  Outcome outcome = RollRule(0, kExplodingCount, {.before = 1});
  EXPECT_EQ(outcome.text, "[606]");
  EXPECT_EQ(outcome.value, 1);
  // Sixes forever: 100 groups of one die, 100 hits.
  outcome = RollRule(0, kHitCountReroll, {.before = 1});
  EXPECT_EQ(outcome.value, 100);
  std::string groups;
  for (int i = 0; i < 100; ++i) groups += "[6]";
  EXPECT_EQ(outcome.text, groups + "<純ヒット:99>");
  // 1000 dice: 100 groups of 1000, cut at 1023 bytes.
  outcome = RollRule(0, kHitCountReroll, {.before = kMaxDice});
  EXPECT_EQ(outcome.value, 100 * kMaxDice);
  EXPECT_EQ(outcome.text.size(), kTextSize - 1);
}

}  // namespace
}  // namespace Dice
