// The damage-table roll "DH": one roll per 60 points of the rating, the
// last on the remainder, 1 and 1 reading 0, the wound marks at each total,
// the operands and the bound on the rating.
// Dice from the reference MT19937 sequence (tools/mtdice.py SEED 6 6), in
// pairs:
//   seed 0: 3,4   seed 1: 2,6   seed 2: 1,4   seed 4: 5,1   seed 10: 6,4
//   seed 28: 6,6  seed 33: 1,2  seed 62: 1,3
//   seed 9: 5,5 1,6    seed 139: 1,1 1,3    seed 1968: 6,6 6,6 5,1
#include <gtest/gtest.h>

#include "dice/rules.h"
#include "dice/rules_testing.h"

namespace Dice {
namespace {

using testing::Outcome;
using testing::RollLine;
using testing::RollRule;

std::string Text(uint32_t seed, int32_t rating) {
  const Outcome outcome = RollRule(seed, kDamageRoll, {.after = rating});
  EXPECT_EQ(outcome.code, 0);
  return outcome.text + "=" + std::to_string(outcome.value);
}

TEST(DamageTableRule, WoundMarkOfEachTotal) {
  // Rating 30 reads the sum minus 2.
  EXPECT_EQ(Text(139, 30), "[1,1:0]<無傷>=0");
  EXPECT_EQ(Text(33, 30), "[1,2:1]<微傷>=1");
  EXPECT_EQ(Text(62, 30), "[1,3:2]<軽傷>=2");
  EXPECT_EQ(Text(2, 30), "[1,4:3]<重傷>=3");
  EXPECT_EQ(Text(4, 30), "[5,1:4]<半死半生>=4");
  EXPECT_EQ(Text(0, 30), "[3,4:5]<気絶>=5");
  EXPECT_EQ(Text(1, 30), "[2,6:6]<死亡>=6");
  EXPECT_EQ(Text(28, 30), "[6,6:10]<死亡>=10");
}

TEST(DamageTableRule, OneRollPerSixtyPoints) {
  EXPECT_EQ(RollLine(9, "DH60"), "NOTICE #trpg :taro -> Rate60 = [5,5:13]<死亡> = 13");
  // 70: row 60, then row 10 (7 reads 1 there).
  EXPECT_EQ(RollLine(9, "DH70"), "NOTICE #trpg :taro -> Rate70 = [5,5:13][1,6:1]<死亡> = 14");
  EXPECT_EQ(Text(9, 61), "[5,5:13][1,6:0]<死亡>=13");
  EXPECT_EQ(Text(1968, 120), "[6,6:15][6,6:15]<死亡>=30");
  EXPECT_EQ(Text(1968, 121), "[6,6:15][6,6:15][5,1:0]<死亡>=30");
  // 1 and 1 read 0 on any roll.
  EXPECT_EQ(Text(139, 70), "[1,1:0][1,3:0]<無傷>=0");
  // Rating 0 (and below) is one roll on row 0, where only 12 wounds.
  EXPECT_EQ(Text(28, 0), "[6,6:1]<微傷>=1");
  EXPECT_EQ(Text(10, 0), "[6,4:0]<無傷>=0");
  EXPECT_EQ(Text(28, -100), "[6,6:1]<微傷>=1");
}

// Every output 5: every die shows 6.
uint32_t AlwaysSix() { return 5; }

TEST(DamageTableRule, OperandsAndTheBoundOnTheRating) {
  EXPECT_TRUE(testing::RollLines(9, "DH").empty());
  EXPECT_TRUE(testing::RollLines(9, "2DH30").empty());
  EXPECT_TRUE(testing::RefusesCleanly(kDamageRoll, {}));
  EXPECT_TRUE(testing::RefusesCleanly(kDamageRoll, {.before = 2, .after = 30}));
  // 500 rolls (1000 dice) at most: a rating of 30000 at most.
  EXPECT_TRUE(testing::RefusesCleanly(kDamageRoll, {.after = 30001}));
  EXPECT_TRUE(testing::RefusesCleanly(kDamageRoll, {.after = INT32_MAX}));
  RandomSource::ScopedDrawsForTesting forced(AlwaysSix);
  const Outcome outcome = RollRule(0, kDamageRoll, {.after = 30000});
  EXPECT_EQ(outcome.code, 0);
  EXPECT_EQ(outcome.value, 500 * 15);
  EXPECT_EQ(outcome.text.size(), kTextSize - 1);
}

}  // namespace
}  // namespace Dice
