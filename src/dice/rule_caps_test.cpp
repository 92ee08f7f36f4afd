// Every documented bound of the rules, driven to its limit: dice counts at
// kMaxDice and one over, and the chains that forced dice keep going until
// their cap cuts them. A rule without its cap fails here (or, for a chain,
// stops only where the forcing dice give out, with another count).
#include <gtest/gtest.h>

#include <cstdint>

#include "dice/rules_testing.h"

namespace Dice::testing {
namespace {

// The forced outputs: `g_face` for the first `g_budget` draws, then `g_then`
// (a face that ends the chain under test), counting every draw.
uint32_t g_face = 0;
uint32_t g_then = 0;
int64_t g_budget = 0;
int64_t g_draws = 0;
uint32_t Forced() {
  ++g_draws;
  return g_draws <= g_budget ? g_face : g_then;
}
void Force(uint32_t face, int64_t budget, uint32_t then = 5) {
  g_face = face;
  g_budget = budget;
  g_then = then;
  g_draws = 0;
}

TEST(RuleCaps, DiceCountsStopAtTheLargestCount) {
  struct Case {
    int32_t type;
    Operands at_bound;
    Operands over;
  };
  const Case cases[] = {
      {kPlainDice, {.before = kMaxDice, .after = 6}, {.before = kMaxDice + 1, .after = 6}},
      {kDoubleTrigger, {.before = kMaxDice}, {.before = kMaxDice + 1}},
      {kNechronica, {.before = kMaxDice}, {.before = kMaxDice + 1}},
      {kSetCount, {.before = kMaxDice}, {.before = kMaxDice + 1}},
      {kHitOrMiss, {.before = kMaxDice, .after = 3}, {.before = kMaxDice + 1, .after = 3}},
      {kAccident, {.before = kMaxDice, .after = 3}, {.before = kMaxDice + 1, .after = 3}},
      {kTopThree, {.before = kMaxDice}, {.before = kMaxDice + 1}},
      {kKeepThree, {.before = kMaxDice, .after = 45}, {.before = kMaxDice + 1, .after = 45}},
      {kHitCount, {.before = kMaxDice}, {.before = kMaxDice + 1}},
      {kMaximumCount, {.before = kMaxDice}, {.before = kMaxDice + 1}},
      {kDoubleCross, {.before = kMaxDice, .after = 10}, {.before = kMaxDice + 1, .after = 10}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(0, RollRule(1, c.type, c.at_bound).code) << c.type;
    EXPECT_TRUE(RefusesCleanly(c.type, c.over)) << c.type;
  }
}

TEST(RuleCaps, DoubleTriggerChainStopsAtTwiceTheLargestCount) {
  RandomSource::ScopedDrawsForTesting forced(Forced);
  // Every die a 1: groups of 2, 4, 8, ... 512 dice (1022 in all); the group
  // of 1024 would take the roll past 2000 dice and is not rolled.
  Force(0, 1000000);
  const Outcome outcome = RollRule(1, kDoubleTrigger);
  EXPECT_EQ(0, outcome.code);
  EXPECT_EQ(1022, g_draws);
  EXPECT_EQ(0, outcome.value);
  // From 1000 dice, one group of 1000 ones; the next 2000 would pass the bound.
  Force(0, 1000000);
  EXPECT_EQ(0, RollRule(1, kDoubleTrigger, {.before = kMaxDice}).value);
  EXPECT_EQ(1000, g_draws);
}

TEST(RuleCaps, HitCountExplosionsAndGroupsStop) {
  RandomSource::ScopedDrawsForTesting forced(Forced);
  // Every die a 6: one exploding die explodes 100 times, 101 draws in all.
  Force(5, 1000000);
  EXPECT_EQ(0, RollRule(1, kExplodingCount, {.before = 1, .after = 4}).code);
  EXPECT_EQ(101, g_draws);
  // Rerolling sixes: 100 groups of one die, each a hit.
  Force(5, 1000000);
  EXPECT_EQ(100, RollRule(1, kHitCountReroll, {.before = 1}).value);
  EXPECT_EQ(100, g_draws);
}

TEST(RuleCaps, LadderStopsAfterItsLargestRollCount) {
  RandomSource::ScopedDrawsForTesting forced(Forced);
  // Every d12 an 11 climbs for ever: the ladder stops after 1000 rolls (a 12
  // would end it at once).
  Force(10, 1000000, 11);
  EXPECT_EQ(0, RollRule(1, kLadder, {.after = 1}).code);
  EXPECT_EQ(1000, g_draws);
}

}  // namespace
}  // namespace Dice::testing
