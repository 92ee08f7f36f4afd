#include "dice/rules_testing.h"

namespace Dice::testing {
namespace {

// Six-sided dice (output % 6 + 1): seed 1: 2 6 1 3 2 ...; seed 61: 2 1 1;
// seed 13: 5 5 5.
TEST(KeepThree, TargetsFromTheDigitsAfterOrTwoCriticalValues) {
  // 2 scores 2, 6 scores 0, 1 scores 2 against the targets 4 and 5.
  const Outcome digits = RollRule(1, kKeepThree, {.after = 45});
  EXPECT_EQ(0, digits.code);
  EXPECT_EQ("[2,6,1:4]", digits.text);
  EXPECT_EQ(4, digits.value);
  EXPECT_EQ("[2,6,1:4]", RollRule(1, kKeepThree, {.after = 145}).text);
  EXPECT_EQ("[2,6,1:4]", RollRule(1, kKeepThree, {.critical = {4, 5}}).text);
  // One digit: the first target is 0, the second 7.
  EXPECT_EQ("[2,6,1:3]", RollRule(1, kKeepThree, {.after = 7}).text);
  // The number after wins over the critical values.
  EXPECT_EQ("[2,6,1:3]", RollRule(1, kKeepThree, {.after = 7, .critical = {4, 5}}).text);
}

TEST(KeepThree, ShiftKeepsTheLowestOrHighestThree) {
  // 5DB: five dice 2 6 1 3 2, the lowest three 1 2 2 all score 2 and are a
  // critical, which adds the second target.
  const Outcome lowest = RollRule(1, kKeepThree, {.before = 5, .after = 45});
  EXPECT_EQ("[2,6,1,3,2:11]<クリティカル>", lowest.text);
  EXPECT_EQ(11, lowest.value);
  // 1DB: the highest three 6 3 2.
  EXPECT_EQ("[2,6,1,3,2:4]", RollRule(1, kKeepThree, {.before = 1, .after = 45}).text);
  // Without a number before, the first fumble value is the shift.
  EXPECT_EQ("[2,6,1,3,2:11]<クリティカル>", RollRule(1, kKeepThree, {.after = 45, .fumble = {2}}).text);
  EXPECT_EQ("[2,6,1,3,2:4]", RollRule(1, kKeepThree, {.after = 45, .fumble = {-2}}).text);
  // The number before wins: 3DB is no shift.
  EXPECT_EQ("[2,6,1:4]", RollRule(1, kKeepThree, {.before = 3, .after = 45, .fumble = {2}}).text);
}

TEST(KeepThree, CriticalAndFumbleMarks) {
  const Outcome critical = RollRule(61, kKeepThree, {.critical = {3, 4}});
  EXPECT_EQ("[2,1,1:10]<クリティカル>", critical.text);
  EXPECT_EQ(10, critical.value);
  const Outcome fumble = RollRule(13, kKeepThree, {.after = 45});
  EXPECT_EQ("[5,5,5:3]<ファンブル>", fumble.text);
  EXPECT_EQ(3, fumble.value);
}

// Seed 118: 3 2 2 (one die above 2: no critical); seed 92: 5 5 4 (one die
// below 5: no fumble).
TEST(KeepThree, MarksNeedAllThreeKeptDice) {
  EXPECT_EQ("[3,2,2:6]", RollRule(118, kKeepThree, {.after = 45}).text);
  EXPECT_EQ("[5,5,4:4]", RollRule(92, kKeepThree, {.after = 45}).text);
}

// Seed 5's thousand dice (6 1 2 4 3 ...) hold 1s and 6s: the three lowest are
// 1 1 1, a critical scoring 2 each plus the second target, and the three
// highest 6 6 6, a fumble scoring nothing. The list is cut, the value is not.
TEST(KeepThree, AThousandDiceKeepTheExtremes) {
  const Outcome lowest = RollRule(5, kKeepThree, {.before = 1000, .after = 45});
  EXPECT_EQ(11, lowest.value);
  EXPECT_EQ("[6,1,2,4,3,", lowest.text.substr(0, 11));
  EXPECT_EQ(1023u, lowest.text.size());
  EXPECT_EQ(0, RollRule(5, kKeepThree, {.after = 45, .fumble = {-997}}).value);
}

TEST(KeepThree, RefusesWithoutTargetsOrTooManyDice) {
  EXPECT_TRUE(RefusesCleanly(kKeepThree, {}));
  EXPECT_TRUE(RefusesCleanly(kKeepThree, {.critical = {4}}));
  EXPECT_TRUE(RefusesCleanly(kKeepThree, {.before = 1001, .after = 45}));
  EXPECT_TRUE(RefusesCleanly(kKeepThree, {.after = 45, .fumble = {-998}}));
  EXPECT_TRUE(RefusesCleanly(kKeepThree, {.before = INT32_MIN, .after = 45}));
  const Outcome most = RollRule(1, kKeepThree, {.before = 1000, .after = 45});
  EXPECT_EQ(0, most.code);
  EXPECT_LE(most.text.size(), 1023u);
}

TEST(KeepThree, WholeRoll) {
  EXPECT_EQ("NOTICE #trpg :taro -> DBZ45 = [2,6,1:4] = 4", RollLine(1, "DB45"));
  EXPECT_EQ("NOTICE #trpg :taro -> 5DBZ@4,5 = [2,6,1,3,2:11]<クリティカル> = 11", RollLine(1, "5DBZ@4@5"));
  EXPECT_TRUE(RollLines(1, "DB@4").empty());
}

}  // namespace
}  // namespace Dice::testing
