// The INO name table: origin draws and option words, D66 name parts,
// readings with "－" for a part without one, and the attribute line.
#include <string>

#include "tables/table_data_list.h"
#include "tables/table_test_support.h"

namespace Tables {
namespace {

using mirado::testing::Lines;

struct Part {
  int tens, ones;
  int Index() const { return tens * 6 + ones; }
};

Part RollPart(std::mt19937& r) {
  Part part;
  part.tens = static_cast<int>(r() % 6);
  part.ones = static_cast<int>(r() % 6);
  return part;
}

std::string Slots(const Part& family, const Part& given) {
  return "[" + std::to_string(family.tens + 1) + std::to_string(family.ones + 1) + "," +
         std::to_string(given.tens + 1) + std::to_string(given.ones + 1) + "] ";
}

TEST(InoName, JapaneseByDefault) {
  // Female (0), not foreign (1..4 of 5), the same origin (1..19 of 20).
  const uint32_t seed = 12;
  std::mt19937 r(seed);
  const Part family = RollPart(r), given = RollPart(r);
  const int attribute = static_cast<int>(r() % 10);
  const std::string name = std::string(Data::ino_family_japanese.Text(family.Index(), 0)) + " " +
                           Data::ino_given_japanese_female.Text(given.Index(), 0);
  EXPECT_EQ(Answer("#TABLE INO NAME", testing::Faces({{2, 0}, {5, 1}, {20, 19}}, seed)),
            Head() + Slots(family, given) + name + " (" + Data::ino_family_japanese.Text(family.Index(), 1) + " " +
                Data::ino_given_japanese_female.Text(given.Index(), 1) + ") / 女性" + Head() + "  属性:" + name + "〈" +
                Data::ino_attributes.Text(attribute, 0) + "〉");
}

TEST(InoName, OptionWordsNameFamilyThenGiven) {
  for (uint32_t seed : {1u, 2u}) {
    // CW with a gender word: Chinese family, Western given, no option draws.
    std::mt19937 r(seed);
    Part family = RollPart(r), given = RollPart(r);
    int attribute = static_cast<int>(r() % 10);
    std::string name = std::string(Data::ino_family_chinese.Text(family.Index(), 0)) + " " +
                       Data::ino_given_western_male.Text(given.Index(), 0);
    const std::string cw = Head() + Slots(family, given) + name + " (" +
                           Data::ino_family_chinese.Text(family.Index(), 1) + " －) / 男性" + Head() +
                           "  属性:" + name + "〈" + Data::ino_attributes.Text(attribute, 0) + "〉";
    EXPECT_EQ(Answer("#T INO NAME CW 男", seed), cw);
    EXPECT_EQ(Answer("#T INO2 NAME MAN CHWE", seed), cw);
    EXPECT_EQ(Answer("#T INO NAME ｃｗ オトコ", seed), cw);
    // WJ: a Western family name follows the Japanese given name.
    r.seed(seed);
    family = RollPart(r);
    given = RollPart(r);
    attribute = static_cast<int>(r() % 10);
    name = std::string(Data::ino_given_japanese_female.Text(given.Index(), 0)) + " " +
           Data::ino_family_western.Text(family.Index(), 0);
    EXPECT_EQ(Answer("#T INO NAME WJ 女", seed),
              Head() + Slots(family, given) + name + " (" + Data::ino_given_japanese_female.Text(given.Index(), 1) +
                  " －) / 女性" + Head() + "  属性:" + name + "〈" + Data::ino_attributes.Text(attribute, 0) + "〉");
    // Western on both sides has no readings at all.
    r.seed(seed);
    family = RollPart(r);
    given = RollPart(r);
    EXPECT_EQ(Lines(Answer("#T INO NAME WE F", seed))[0],
              "NOTICE #trpg :taro -> " + Slots(family, given) + Data::ino_given_western_female.Text(given.Index(), 0) +
                  " " + Data::ino_family_western.Text(family.Index(), 0) + " / 女性");
  }
}

TEST(InoName, ForeignDrawsAndAnotherGivenOrigin) {
  // Male, foreign (0 of 5) and odd: Chinese; then 0 of 20 and pick 1: the
  // second of the other origins (Western).
  const uint32_t seed = 13;
  std::mt19937 r(seed);
  const Part family = RollPart(r), given = RollPart(r);
  EXPECT_EQ(Lines(Answer("#T INO NAME", testing::Faces({{2, 1}, {5, 0}, {2, 1}, {20, 0}, {2, 1}}, seed)))[0],
            "NOTICE #trpg :taro -> " + Slots(family, given) + Data::ino_family_chinese.Text(family.Index(), 0) + " " +
                Data::ino_given_western_male.Text(given.Index(), 0) + " (" +
                Data::ino_family_chinese.Text(family.Index(), 1) + " －) / 男性");
}

TEST(InoName, EveryNameTurnsUp) {
  testing::ExpectEveryRow("#T INO NAME JA", Data::ino_family_japanese, 1);
  testing::ExpectEveryRow("#T INO NAME CN", Data::ino_family_chinese, 1);
  testing::ExpectEveryRow("#T INO NAME WE", Data::ino_family_western, 0);
  testing::ExpectEveryRow("#T INO NAME JA M", Data::ino_given_japanese_male, 1);
  testing::ExpectEveryRow("#T INO NAME JA F", Data::ino_given_japanese_female, 1);
  testing::ExpectEveryRow("#T INO NAME CN M", Data::ino_given_chinese_male, 1);
  testing::ExpectEveryRow("#T INO NAME CN F", Data::ino_given_chinese_female, 1);
  testing::ExpectEveryRow("#T INO NAME WE M", Data::ino_given_western_male, 0);
  testing::ExpectEveryRow("#T INO NAME WE F", Data::ino_given_western_female, 0);
  testing::ExpectEveryRow("#T INO NAME", Data::ino_attributes, 0);
}

}  // namespace
}  // namespace Tables
