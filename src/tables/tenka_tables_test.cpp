// The tables and the character maker of the TENKA system: the cat, the name
// table, the life path and the cover, each with its draws in order.
#include <string>

#include "tables/table_data_list.h"
#include "tables/table_test_support.h"

namespace Tables {
namespace {

std::string Digits(int tens, int ones) { return std::to_string(tens) + std::to_string(ones); }

// Text padded with spaces to 12 bytes, as the life path aligns its names.
std::string Padded(const std::string& text) {
  return text.size() < 12 ? text + std::string(12 - text.size(), ' ') : text;
}

// The name line for the dice a, b, c, d (zero-based) and the gender.
std::string NameLine(int a, int b, int c, int d, bool male) {
  const auto& family = Data::tenka_family_names.Row(b * 6 + a);
  const auto& given = Data::tenka_given_names.Row(male ? 0 : 1, d * 6 + c);
  return Head() + "名前:[" + Digits(b + 1, a + 1) + "," + Digits(d + 1, c + 1) + "] " + family.name + given.name +
         "（" + family.reading + " " + given.reading + "） 性別:" + (male ? "男" : "女");
}

// The cover line for two draws: the second is the tens.
std::string CoverLine(int first, int second) {
  return Head() + "カバー:[" + Digits(second + 1, first + 1) + "] " + Data::tenka_cover.Text(second * 6 + first, 0);
}

// The life path for six dice drawn units first (birth, circumstance,
// encounter), then tens, and the draw that picks the person.
std::string LifePathLines(const int units[3], const int tens[3], uint32_t person_draw) {
  const auto& birth = Data::tenka_birth.Row(tens[0] * 3 + units[0] / 2);
  const auto& circumstance = Data::tenka_circumstance.Row(tens[1] * 3 + units[1] / 2);
  const auto& encounter = Data::tenka_encounter.Row(tens[2] * 3 + units[2] / 2);
  const bool three = encounter.person3[0] != '\0';
  const char* const people[] = {encounter.person1, encounter.person2, encounter.person3};
  return Head() + "ライフパス／出自:[" + Digits(tens[0] + 1, units[0] + 1) + "] " + Padded(birth.name) +
         " ／ 特徴: " + birth.feature + Head() + "　　　　　／境遇:[" + Digits(tens[1] + 1, units[1] + 1) + "] " +
         Padded(circumstance.name) + " ／ 宿星: " + circumstance.star + Head() + "　　　　　／邂逅:[" +
         Digits(tens[2] + 1, units[2] + 1) + "] " + Padded(encounter.name) +
         " ／ 対象: " + people[person_draw % (three ? 3 : 2)];
}

// The life path the next eight outputs of `r` give.
std::string LifePathFrom(std::mt19937& r) {
  int units[3], tens[3];
  for (int& die : units) die = static_cast<int>(r() % 6);
  for (int& die : tens) die = static_cast<int>(r() % 6);
  return LifePathLines(units, tens, r());
}

TEST(TenkaCat, EveryCatWordMews) {
  const std::string mew = "\r\nNOTICE #trpg :taro猫 -> 「にゃー。」";
  for (const char* line : {"#TABLE TENKA NEKO", "#T TRR neco", "#T TENKA CATS", "#T TENKA NYAN CAT",
                           "#TABLE TENKA NEKO NEKO", "#MAKE TENKA NEKO", "#MAKE TRR ｃａｔ"}) {
    EXPECT_EQ(Answer(line, 1), mew) << line;
  }
}

TEST(TenkaName, GenderWordThenFourDice) {
  // The first and last names of both lists; the second and fourth dice are
  // the tens.
  EXPECT_EQ(Answer("#TABLE TENKA NAME 女", Faces({{6, 0}, {6, 0}, {6, 0}, {6, 0}})), NameLine(0, 0, 0, 0, false));
  EXPECT_EQ(Answer("#T TENKA NAME male", Faces({{6, 5}, {6, 5}, {6, 5}, {6, 5}})), NameLine(5, 5, 5, 5, true));
  EXPECT_EQ(Answer("#T TRR NAME おとこ", Faces({{6, 2}, {6, 0}, {6, 4}, {6, 1}})), NameLine(2, 0, 4, 1, true));
  // No gender word: the first draw's lowest bit decides, then the four dice.
  for (uint32_t seed : {1u, 2u, 3u, 6u}) {
    std::mt19937 r(seed);
    const bool male = (r() & 1u) != 0;
    const int a = static_cast<int>(r() % 6), b = static_cast<int>(r() % 6), c = static_cast<int>(r() % 6),
              d = static_cast<int>(r() % 6);
    EXPECT_EQ(Answer("#T TENKA NAME", seed), NameLine(a, b, c, d, male)) << seed;
    EXPECT_EQ(Answer("#T TENKA NAME 猫又", seed), NameLine(a, b, c, d, male)) << seed;
  }
  ExpectEveryRow("#T TENKA NAME", Data::tenka_family_names, 1);
  ExpectEveryRow("#T TENKA NAME", Data::tenka_given_names, 1);
}

TEST(TenkaLifePath, SixDiceUnitsFirstThenThePerson) {
  for (uint32_t seed : {1u, 4u, 7u}) {
    std::mt19937 r(seed);
    EXPECT_EQ(Answer("#TABLE TENKA LIFE", seed), LifePathFrom(r)) << seed;
  }
  // All sixes read the last rows; the person die of 2 picks the third.
  const int sixes[3] = {5, 5, 5};
  EXPECT_EQ(Answer("#T TENKA LIFE", Faces({{6, 5}, {6, 5}, {6, 5}, {6, 5}, {6, 5}, {6, 5}, {3, 2}})),
            LifePathLines(sixes, sixes, 2));
  // An encounter of two people (主君, 45-46) divides the person die by two:
  // a draw of 2 picks the first.
  ASSERT_EQ(Data::tenka_encounter.Row(11).person3[0], '\0');
  const int units[3] = {0, 0, 4}, tens[3] = {0, 0, 3};
  const std::string two = LifePathLines(units, tens, 2);
  EXPECT_NE(two.find(std::string("対象: ") + Data::tenka_encounter.Row(11).person1), std::string::npos);
  EXPECT_EQ(Answer("#T TENKA LIFE", Faces({{6, 0}, {6, 0}, {6, 4}, {6, 0}, {6, 0}, {6, 3}, {3, 2}})), two);
  ExpectEveryRow("#T TENKA LIFE", Data::tenka_birth, 1);
  ExpectEveryRow("#T TENKA LIFE", Data::tenka_circumstance, 1);
  ExpectEveryRow("#T TENKA LIFE", Data::tenka_encounter, 1);
  ExpectEveryRow("#T TENKA LIFE", Data::tenka_encounter, 2);
}

TEST(TenkaCover, TheSecondDieIsTheTens) {
  EXPECT_EQ(Answer("#TABLE TENKA COVER", Faces({{6, 0}, {6, 5}})), CoverLine(0, 5));
  EXPECT_EQ(Answer("#T TRR COVER", Faces({{6, 5}, {6, 0}})), CoverLine(5, 0));
  ExpectEveryRow("#T TENKA COVER", Data::tenka_cover, 0);
}

TEST(TenkaMaker, NameCoverLifePathInThatOrder) {
  for (uint32_t seed : {2u, 5u}) {
    // A gender word: no gender draw.
    std::mt19937 r(seed);
    int dice[6];
    for (int& die : dice) die = static_cast<int>(r() % 6);
    std::string expected = NameLine(dice[0], dice[1], dice[2], dice[3], true) + CoverLine(dice[4], dice[5]);
    expected += LifePathFrom(r);
    EXPECT_EQ(Answer("#MAKE TENKA 男", seed), expected) << seed;
    // Without one, the gender draw comes first.
    std::mt19937 g(seed);
    const bool male = (g() & 1u) != 0;
    for (int& die : dice) die = static_cast<int>(g() % 6);
    expected = NameLine(dice[0], dice[1], dice[2], dice[3], male) + CoverLine(dice[4], dice[5]);
    expected += LifePathFrom(g);
    EXPECT_EQ(Answer("#MAKE TENKA", seed), expected) << seed;
  }
}

}  // namespace
}  // namespace Tables
