// The HMOON character maker: the draw order, the name categories with and
// without lists, quotes and given names, the readings with their dashes, the
// age rules and the padded history and weapon columns.
#include <string>

#include "tables/table_data_list.h"
#include "tables/table_test_support.h"

namespace Tables {
namespace {

// `text` left-justified in `width` bytes, as "%-Ns" writes it.
std::string Padded(const std::string& text, std::size_t width) {
  return text.size() < width ? text + std::string(width - text.size(), ' ') : text;
}

// The last three lines after the gender and age: ability by D66 faces
// (tens, ones), history and weapon by their faces (0-based).
std::string Rest(const char* gender, const std::string& age, int tens, int ones, int history, int weapon) {
  const auto& h = Data::hm_history.Row(history);
  const auto& w = Data::hm_weapons.Row(weapon);
  return Head() + "性別:" + gender + "    年齢:" + age + "    異能:[" + std::to_string(tens + 1) +
         std::to_string(ones + 1) + "] " + Data::hm_abilities.Row(tens * 6 + ones).name + Head() + "履歴:[" +
         std::to_string(history + 1) + "] " + Padded(h.career, 6) + "/" + Padded(h.detail, 14) + "《" + h.first +
         "》《" + h.second + "》" + Head() + "武器:[" + std::to_string(weapon + 1) + "] " + Padded(w.name, 21) + "《" +
         w.note + "》";
}

// The name lists, as their data file orders them: code names, street names,
// family names, old families' names; the given names young, child and adult,
// each male then female.
enum NameList { kCodeNames = 0, kStreetNames = 1, kFamilyNames = 2, kOldFamilies = 3 };
enum GivenList { kYoungMale = 0, kYoungFemale = 1, kChildMale = 2, kChildFemale = 3, kAdultMale = 4, kAdultFemale = 5 };

TEST(HmMaker, FamilyAndGivenNameWithTheirAges) {
  // Category 3 (family names), rule 1 (young: 3D6+8); family D66 of 5 and 2
  // (the pair 2-5, row 6 + 3); age 2+3+4+8 = 17; given D66 of 1 and 4
  // (row 3); ability 11, history 6, weapon 1.
  const auto& family = Data::hm_names.Row(kFamilyNames, 9);
  const auto& given = Data::hm_given.Row(kYoungMale, 3);
  EXPECT_EQ(Answer("#MAKE HM 男", Faces({{6, 2},
                                         {6, 0},
                                         {6, 4},
                                         {6, 1},
                                         {6, 1},
                                         {6, 2},
                                         {6, 3},
                                         {6, 0},
                                         {6, 3},
                                         {6, 0},
                                         {6, 0},
                                         {6, 5},
                                         {6, 0}})),
            Head() + "[3,25][1,14] " + family.name + given.name + "(" + family.reading + "・" + given.reading + ") " +
                Rest("男", "17", 0, 0, 5, 0));
  // Category 5 (old families), rule 4 (child: 1D6+10, the same as 3), a
  // gender word in English; the age 6+10 = 16 and a female child's name.
  const auto& old_family = Data::hm_names.Row(kOldFamilies, 20);
  const auto& girl = Data::hm_given.Row(kChildFemale, 0);
  EXPECT_EQ(Answer("#MAKE HMOON female",
                   Faces({{6, 4}, {6, 3}, {6, 5}, {6, 5}, {6, 5}, {6, 0}, {6, 0}, {6, 2}, {6, 3}, {6, 1}, {6, 4}})),
            Head() + "[5,66][4,11] " + old_family.name + girl.name + "(" + old_family.reading + "・" + girl.reading +
                ") " + Rest("女", "16", 2, 3, 1, 4));
  // Category 6 has no list: the given name alone. Rule 5 (adult: 4D6+20):
  // four sixes make 44.
  const auto& adult = Data::hm_given.Row(kAdultMale, 11);
  EXPECT_EQ(
      Answer("#M HM おとこ",
             Faces({{6, 5}, {6, 4}, {6, 5}, {6, 5}, {6, 5}, {6, 5}, {6, 2}, {6, 2}, {6, 5}, {6, 5}, {6, 2}, {6, 3}})),
      Head() + "[6][5,33] " + adult.name + "(" + adult.reading + ") " + Rest("男", "44", 5, 5, 2, 3));
}

TEST(HmMaker, CodeNamesTakeNoGivenNameOrAge) {
  // No gender word: the first draw decides (even: female). Category 1 quotes
  // its code name; rule 6 is drawn but makes nothing.
  const auto& code = Data::hm_names.Row(kCodeNames, 14);
  EXPECT_EQ(Answer("#MAKE HM", Faces({{2, 0}, {6, 0}, {6, 5}, {6, 5}, {6, 2}, {6, 5}, {6, 5}, {6, 0}, {6, 5}})),
            Head() + "[1,36] \"" + code.name + "\"(" + code.reading + ") " + Rest("女", "？", 5, 5, 0, 5));
  // Category 2: a street name, as it stands.
  const auto& street = Data::hm_names.Row(kStreetNames, 0);
  EXPECT_EQ(Answer("#MAKE HM ♂", Faces({{6, 1}, {6, 2}, {6, 0}, {6, 0}, {6, 0}, {6, 1}, {6, 2}, {6, 3}})),
            Head() + "[2,11] " + street.name + "(" + street.reading + ") " + Rest("男", "？", 0, 1, 2, 3));
}

TEST(HmMaker, AGivenNameInKanaShowsADash) {
  // The young women's last name is written in kana and has no reading.
  const auto& family = Data::hm_names.Row(kFamilyNames, 0);
  const auto& given = Data::hm_given.Row(kYoungFemale, 20);
  ASSERT_STREQ(given.reading, "");
  EXPECT_EQ(Answer("#MAKE HM 女", Faces({{6, 3},
                                         {6, 1},
                                         {6, 0},
                                         {6, 0},
                                         {6, 0},
                                         {6, 0},
                                         {6, 0},
                                         {6, 5},
                                         {6, 5},
                                         {6, 0},
                                         {6, 0},
                                         {6, 0},
                                         {6, 0}})),
            Head() + "[4,11][2,66] " + family.name + given.name + "(" + family.reading + " －) " +
                Rest("女", "11", 0, 0, 0, 0));
}

TEST(HmMaker, EveryEntryTurnsUp) {
  testing::ExpectEveryRow("#MAKE HM", Data::hm_names, 0, 4000);
  testing::ExpectEveryRow("#MAKE HM", Data::hm_given, 0, 8000);
  testing::ExpectEveryRow("#MAKE HM", Data::hm_abilities, 0);
  testing::ExpectEveryRow("#MAKE HM", Data::hm_history, 1);
  testing::ExpectEveryRow("#MAKE HM", Data::hm_weapons, 1);
}

}  // namespace
}  // namespace Tables
