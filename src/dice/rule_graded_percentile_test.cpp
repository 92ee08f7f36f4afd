#include "dice/rules_testing.h"

namespace Dice::testing {
namespace {

// Percentile dice (output % 100 + 1): seed 1: 46; seed 103: 96; seed 124: 95;
// seed 18: 7.
Outcome Graded(uint32_t seed, int32_t difference, std::vector<int32_t> critical = {}) {
  return RollRule(seed, kGradedPercentile, {.before = difference, .critical = std::move(critical)});
}

TEST(GradedPercentile, ChanceFromTheDifference) {
  // 50 against 40: the row with bound 12, chance 95; 46 is at most its half.
  const Outcome outcome = RollRule(1, kGradedPercentile, {.before = 50, .after = 40});
  EXPECT_EQ("[95%%:46]<アサルト>", outcome.text);
  EXPECT_EQ(46, outcome.value);
  EXPECT_EQ("[95%%:46]<アサルト>", Graded(1, 12).text);
  EXPECT_EQ("[100%%:46]<アサルト>", Graded(1, 13).text);
  EXPECT_EQ("[05%%:46]<失敗>", Graded(1, -60).text);
  EXPECT_EQ("[05%%:46]<失敗>", Graded(1, -1000).text);
  EXPECT_EQ("[10%%:46]<失敗>", Graded(1, -59).text);
  EXPECT_EQ("[125%%:46]<アサルト>", Graded(1, 70).text);
  // Past the table: a row for every 20 points, 10 percent a row.
  EXPECT_EQ("[135%%:46]<アサルト>", Graded(1, 71).text);
  EXPECT_EQ("[135%%:46]<アサルト>", Graded(1, 89).text);
  EXPECT_EQ("[145%%:46]<アサルト>", Graded(1, 90).text);
}

TEST(GradedPercentile, CriticalValueShiftsRows) {
  EXPECT_EQ("[05%%:46]<失敗>", Graded(1, 10, {-19}).text);
  EXPECT_EQ("[05%%:46]<失敗>", Graded(1, 10, {-18}).text);
  EXPECT_EQ("[125%%:46]<アサルト>", Graded(1, 10, {6}).text);
  EXPECT_EQ("[135%%:46]<アサルト>", Graded(1, 10, {7}).text);
}

TEST(GradedPercentile, Grades) {
  // 46 against chances 465 (a tenth 46), 455, 235/225 (a fifth 47/45), 90, 50, 45.
  EXPECT_EQ("[465%%:46]<クリティカル>", Graded(1, 10, {40}).text);
  EXPECT_EQ("[455%%:46]<ジャスト>", Graded(1, 10, {39}).text);
  EXPECT_EQ("[235%%:46]<ジャスト>", Graded(1, 10, {17}).text);
  EXPECT_EQ("[225%%:46]<アサルト>", Graded(1, 10, {16}).text);
  EXPECT_EQ("[90%%:46]<成功>", Graded(1, 6).text);
  EXPECT_EQ("[50%%:46]<成功>", Graded(1, -4).text);
  EXPECT_EQ("[45%%:46]<失敗>", Graded(1, -5).text);
  // 96 and above fumble whatever the chance.
  EXPECT_EQ("[465%%:96]<ファンブル>", Graded(103, 10, {40}).text);
  EXPECT_EQ("[465%%:95]<アサルト>", Graded(124, 10, {40}).text);
  EXPECT_EQ("[95%%:07]<クリティカル>", Graded(18, 10).text);
}

TEST(GradedPercentile, OperandsAndExtremes) {
  EXPECT_TRUE(RefusesCleanly(kGradedPercentile, {.after = 40}));
  EXPECT_EQ("[2147483647%%:46]<クリティカル>", Graded(1, INT32_MAX, {INT32_MAX}).text);
  EXPECT_EQ("[05%%:46]<失敗>", Graded(1, INT32_MIN, {INT32_MIN}).text);
  EXPECT_EQ("NOTICE #trpg :taro -> 50PH40 = [95%%:46]<アサルト> = 46", RollLine(1, "50PH40"));
  EXPECT_TRUE(RollLines(1, "PH40").empty());
}

}  // namespace
}  // namespace Dice::testing
