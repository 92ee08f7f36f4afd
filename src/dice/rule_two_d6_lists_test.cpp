// The 2D6 list rolls "SF" and "NW"/"SFM": the lists given with the roll, the
// speaker's stored lists, the fumble counting on the first roll only, and the
// echo. Dice from the reference MT19937 sequence (tools/mtdice.py SEED N 6):
//   seed 6:   3 4 4 3 5 4 6 1 5 1   (sums 7, 7, 9, 7, 6)
//   seed 31:  3 6 1 1 3 4   (sums 9, 2, 7)
//   seed 139: 1 1 1 3       (sums 2, 4)
#include <gtest/gtest.h>

#include "dice/rules.h"
#include "dice/rules_testing.h"
#include "support/test_support.h"

namespace Dice {
namespace {

using mirado::testing::TempSettings;

using testing::AnswerLines;
using testing::FirstAnswer;

TEST(TwoD6ListRule, CriticalListRollsAgainAndAdds) {
  TempSettings settings;
  EXPECT_EQ(FirstAnswer(6, "SF"), "NOTICE #trpg :taro -> 2D6 = [3,4] = 7");
  EXPECT_EQ(FirstAnswer(6, "SF@7"), "NOTICE #trpg :taro -> 2D6@7 = [3,4][4,3][5,4]<クリティカル> = 23");
  EXPECT_EQ(FirstAnswer(6, "SF+1@9@7"),
            "NOTICE #trpg :taro -> 2D6+1@9,7 = [3,4][4,3][5,4][6,1][5,1]<クリティカル>+1 = 37");
}

TEST(TwoD6ListRule, FumbleListCountsOnTheFirstRollOnly) {
  TempSettings settings;
  EXPECT_EQ(FirstAnswer(139, "SF#2"), "NOTICE #trpg :taro -> 2D6#2 = [1,1]<ファンブル> = -2");
  // The fumble test comes before the critical test.
  EXPECT_EQ(FirstAnswer(139, "SF@2#2"), "NOTICE #trpg :taro -> 2D6@2#2 = [1,1]<ファンブル> = -2");
  // A later 1 and 1 is an ordinary sum.
  EXPECT_EQ(FirstAnswer(31, "SF@9#2"), "NOTICE #trpg :taro -> 2D6@9#2 = [3,6][1,1]<クリティカル> = 11");
}

TEST(TwoD6ListRule, PlusTenRollsAreTheSameRollUnderTwoNames) {
  TempSettings settings;
  const std::string chain = "NOTICE #trpg :taro -> 3NW5@7 = [3,4][4,3][5,4]<クリティカル> = 34";
  EXPECT_EQ(FirstAnswer(6, "3NW5@7"), chain);
  EXPECT_EQ(FirstAnswer(6, "3SFM5@7"), chain);
  EXPECT_EQ(FirstAnswer(6, "NW"), "NOTICE #trpg :taro -> NW = [3,4] = 7");
  // A fumble is -10 whatever the base; a later 1 and 1 is a sum of 2.
  EXPECT_EQ(FirstAnswer(139, "NW5#2"), "NOTICE #trpg :taro -> NW5#2 = [1,1]<ファンブル> = -10");
  EXPECT_EQ(FirstAnswer(31, "NW@9#2"), "NOTICE #trpg :taro -> NW@9#2 = [3,6][1,1]<クリティカル> = 12");
}

TEST(TwoD6ListRule, StoredListsServeWhenTheRollGivesNone) {
  TempSettings settings;
  settings.Write("[CriticalValue]\r\nTARO=3,7,11\r\n[FumbleValue]\r\nTARO=2\r\n");
  EXPECT_EQ(FirstAnswer(6, "SF"), "NOTICE #trpg :taro -> 2D6 = [3,4][4,3][5,4]<クリティカル> = 23");
  EXPECT_EQ(FirstAnswer(139, "SF"), "NOTICE #trpg :taro -> 2D6 = [1,1]<ファンブル> = -2");
  EXPECT_EQ(FirstAnswer(6, "NW10"), "NOTICE #trpg :taro -> NW10 = [3,4][4,3][5,4]<クリティカル> = 39");
  // Each list of the roll replaces only the stored list of its kind.
  EXPECT_EQ(FirstAnswer(6, "SF@12"), "NOTICE #trpg :taro -> 2D6@12 = [3,4] = 7");
  EXPECT_EQ(FirstAnswer(139, "SF@12"), "NOTICE #trpg :taro -> 2D6@12 = [1,1]<ファンブル> = -2");
  EXPECT_EQ(FirstAnswer(139, "SF#3"), "NOTICE #trpg :taro -> 2D6#3 = [1,1] = 2");
  // The lists belong to the speaker (the nick key ignores digits and "_").
  EXPECT_EQ(FirstAnswer(6, "SF", "taro_2"), "NOTICE #trpg :taro_2 -> 2D6 = [3,4][4,3][5,4]<クリティカル> = 23");
  EXPECT_EQ(FirstAnswer(6, "SF", "jiro"), "NOTICE #trpg :jiro -> 2D6 = [3,4] = 7");
}

TEST(TwoD6ListRule, Operands) {
  TempSettings settings;
  EXPECT_EQ(FirstAnswer(6, "SF+1"), "NOTICE #trpg :taro -> 2D6+1 = [3,4]+1 = 8");
  EXPECT_EQ(FirstAnswer(6, "3SF"), "");
  EXPECT_EQ(FirstAnswer(6, "SF3"), "");
}

TEST(TwoD6ListRule, StoredListsHoldFiveValuesAtMost) {
  TempSettings settings;
  // The sixth value (7) is ignored: seed 6 rolls 7 first.
  settings.Write("[CriticalValue]\r\nTARO=2,3,4,5,6,7\r\n");
  EXPECT_EQ(FirstAnswer(6, "SF"), "NOTICE #trpg :taro -> 2D6 = [3,4] = 7");
  settings.Write("[CriticalValue]\r\nTARO=2,3,4,5,7,6\r\n");
  EXPECT_EQ(FirstAnswer(6, "SF"), "NOTICE #trpg :taro -> 2D6 = [3,4][4,3][5,4]<クリティカル> = 23");
}

// Every output 5: every die shows 6.
uint32_t AlwaysSix() { return 5; }

TEST(TwoD6ListRule, ChainsEndAtTheirBound) {
  TempSettings settings;
  RandomSource::ScopedDrawsForTesting forced(AlwaysSix);
  // 1000 rolls of 12 at most; the last one counts as the final roll.
  testing::Outcome outcome = testing::RollRule(0, kTwoD6Critical, {.critical = {12}});
  EXPECT_EQ(outcome.value, 1000 * 12);
  EXPECT_EQ(outcome.text.size(), kTextSize - 1);
  outcome = testing::RollRule(0, kTwoD6PlusTen, {.after = 5, .critical = {12}});
  EXPECT_EQ(outcome.value, 999 * 10 + 12 + 5);
  EXPECT_EQ(outcome.text.size(), kTextSize - 1);
}

}  // namespace
}  // namespace Dice
