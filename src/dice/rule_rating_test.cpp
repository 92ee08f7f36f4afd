// The rating-table roll "SW" ("R" with no number before it): the reading of
// the table, the critical value and its first-roll bonus, the automatic
// failure, the operands and the bound of a chain.
// Dice from the reference MT19937 sequence (tools/mtdice.py SEED 8 6), read
// in pairs:
//   seed 2:    1,4  6,1
//   seed 8:    4,5  4,4  2,5
//   seed 9:    5,5  1,6  3,3
//   seed 36:   6,5  1,1  6,3
//   seed 139:  1,1  1,3  6,6
//   seed 1968: 6,6  6,6  5,1  4,1
#include <gtest/gtest.h>

#include <string>

#include "dice/rules.h"
#include "dice/rules_testing.h"

namespace Dice {
namespace {

using testing::Outcome;
using testing::RollLine;
using testing::RollRule;

TEST(RatingRule, ReadsTheRowOfTheRating) {
  // Rating 20, sum 10: 8.
  EXPECT_EQ(RollLine(9, "SW20"), "NOTICE #trpg :taro -> Rate20 = [5,5:8] = 8");
  EXPECT_EQ(RollLine(9, "R20"), "NOTICE #trpg :taro -> Rate20 = [5,5:8] = 8");
  EXPECT_EQ(RollLine(9, "sw20+2"), "NOTICE #trpg :taro -> Rate20+2 = [5,5:8]+2 = 10");
  // Ratings are clamped to 0..100: row 0 reads 3 for 10.
  EXPECT_EQ(RollRule(9, kRating, {.after = 0}).text, "[5,5:3]");
  EXPECT_EQ(RollRule(9, kRating, {.after = -5}).text, "[5,5:3]");
  EXPECT_EQ(RollLine(1968, "SW150@12"),
            "NOTICE #trpg :taro -> Rate150@12 = [6,6:30][6,6:30][5,1:18]<クリティカル> = 78");
}

TEST(RatingRule, CriticalValueRollsAgainAndAdds) {
  EXPECT_EQ(RollLine(9, "SW20@10"), "NOTICE #trpg :taro -> Rate20@10 = [5,5:8][1,6:5]<クリティカル> = 13");
  EXPECT_EQ(RollLine(9, "R20@10"), "NOTICE #trpg :taro -> Rate20@10 = [5,5:8][1,6:5]<クリティカル> = 13");
  EXPECT_EQ(RollLine(9, "SW20@11"), "NOTICE #trpg :taro -> Rate20@11 = [5,5:8] = 8");
  // A critical value of 2 or less means none.
  EXPECT_EQ(RollLine(1968, "SW100@2"), "NOTICE #trpg :taro -> Rate100@2 = [6,6:30] = 30");
  EXPECT_EQ(RollLine(1968, "SW100@12"),
            "NOTICE #trpg :taro -> Rate100@12 = [6,6:30][6,6:30][5,1:18]<クリティカル> = 78");
}

TEST(RatingRule, BonusLowersTheFirstThresholdOnly) {
  // Seed 8: 9 then 8. With @10#2 the first roll needs 8, the second 10.
  EXPECT_EQ(RollLine(8, "SW20@10"), "NOTICE #trpg :taro -> Rate20@10 = [4,5:7] = 7");
  EXPECT_EQ(RollLine(8, "SW20@10#2"), "NOTICE #trpg :taro -> Rate20@10#2 = [4,5:7][4,4:6]<クリティカル> = 13");
  // The bonus is at most 4 (seed 2: 5 stays below 10 - 4) and at least 0.
  EXPECT_EQ(RollLine(2, "SW20@10#9"), "NOTICE #trpg :taro -> Rate20@10#9 = [1,4:3] = 3");
  EXPECT_EQ(RollLine(9, "SW20@10#-3"), "NOTICE #trpg :taro -> Rate20@10#-3 = [5,5:8][1,6:5]<クリティカル> = 13");
  // Without a critical value the bonus does nothing.
  EXPECT_EQ(RollLine(8, "SW20#4"), "NOTICE #trpg :taro -> Rate20#4 = [4,5:7] = 7");
}

TEST(RatingRule, OneAndOneFailsOnlyOnTheFirstRoll) {
  EXPECT_EQ(RollLine(139, "SW20"), "NOTICE #trpg :taro -> Rate20 = [1,1]<自動的失敗> = 0");
  EXPECT_EQ(RollLine(139, "SW20@3#4"), "NOTICE #trpg :taro -> Rate20@3#4 = [1,1]<自動的失敗> = 0");
  EXPECT_EQ(RollLine(36, "SW20@10"), "NOTICE #trpg :taro -> Rate20@10 = [6,5:9][1,1:0]<クリティカル> = 9");
}

TEST(RatingRule, Operands) {
  EXPECT_TRUE(testing::RollLines(9, "2SW20").empty());
  EXPECT_TRUE(testing::RollLines(9, "SW").empty());
  EXPECT_TRUE(testing::RollLines(9, "R").empty());
  EXPECT_TRUE(testing::RefusesCleanly(kRating, {}));
  EXPECT_TRUE(testing::RefusesCleanly(kRating, {.before = 2, .after = 20}));
}

// Every output 5: every die shows 6.
uint32_t AlwaysSix() { return 5; }

TEST(RatingRule, ChainEndsAtItsBound) {
  RandomSource::ScopedDrawsForTesting forced(AlwaysSix);
  // The lowest critical value, 3: 1000 rolls of 6 and 6, each reading 10.
  const Outcome outcome = RollRule(0, kRating, {.after = 20, .critical = {3}});
  EXPECT_EQ(outcome.code, 0);
  EXPECT_EQ(outcome.value, 1000 * 10);
  EXPECT_EQ(outcome.text.size(), kTextSize - 1);
  EXPECT_EQ(outcome.text.compare(0, 16, "[6,6:10][6,6:10]"), 0);
}

}  // namespace
}  // namespace Dice
