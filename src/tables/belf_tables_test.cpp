// The tables and the sample characters of the BELF system: the first
// impression's bounds, the hard and easy lists, and the sample pages.
#include <string>

#include "tables/table_data_list.h"
#include "tables/table_test_support.h"

namespace Tables {
namespace {

// The first-impression line for x, the two faces, y, the value and its row.
std::string Impression(const std::string& sums, int row) {
  return Head() + "第一印象表: " + sums + " " + Data::belf_impression.Row(row).text;
}

TEST(BelfImpression, TwoNumbersAndTheBounds) {
  // Two dice of 1 and 1: r = 2; 2 + 3 - 2 = 3 reads the row up to 3.
  EXPECT_EQ(Answer("#TABLE BELF 1ST 3 2", Faces({{6, 0}, {6, 0}})), Impression(" 3+[ 2]- 2 = [ 3]", 3));
  EXPECT_EQ(Answer("#T BELF IMP 0 0", Faces({{6, 2}, {6, 0}})), Impression(" 0+[ 4]- 0 = [ 4]", 4));
  // Each bound belongs to its own row, one above it to the next.
  EXPECT_EQ(Answer("#T BELF 1ST 0 11", Faces({{6, 0}, {6, 0}})), Impression(" 0+[ 2]-11 = [-9]", 0));
  EXPECT_EQ(Answer("#T BELF 1ST 0 10", Faces({{6, 0}, {6, 0}})), Impression(" 0+[ 2]-10 = [-8]", 1));
  EXPECT_EQ(Answer("#T BELF 1ST 0 6", Faces({{6, 0}, {6, 0}})), Impression(" 0+[ 2]- 6 = [-4]", 2));
  EXPECT_EQ(Answer("#T BELF 1ST 6 0", Faces({{6, 0}, {6, 0}})), Impression(" 6+[ 2]- 0 = [ 8]", 5));
  EXPECT_EQ(Answer("#T BELF 1ST 0 0", Faces({{6, 5}, {6, 5}})), Impression(" 0+[12]- 0 = [12]", 6));
  EXPECT_EQ(Answer("#T BELF 1ST -100 0", Faces({{6, 5}, {6, 5}})), Impression("-100+[12]- 0 = [-88]", 0));
  // Full-width numbers and the long-vowel minus are read as numbers.
  EXPECT_EQ(Answer("#T BELF 1ST ３ ー２", Faces({{6, 0}, {6, 0}})), Impression(" 3+[ 2]--2 = [ 7]", 5));
  // Above the highest bound is still the highest row, and x - y of two
  // 32-bit numbers is not cut.
  EXPECT_EQ(Answer("#T BELF 1ST 9998 0", Faces({{6, 0}, {6, 0}})), Impression("9998+[ 2]- 0 = [10000]", 6));
  EXPECT_EQ(Answer("#T BELF 1ST 2147483647 -2147483648", Faces({{6, 0}, {6, 0}})),
            Impression("2147483647+[ 2]--2147483648 = [4294967297]", 6));
  EXPECT_EQ(Answer("#T BELF 1ST -2147483648 2147483647", Faces({{6, 0}, {6, 0}})),
            Impression("-2147483648+[ 2]-2147483647 = [-4294967293]", 0));
  // Both numbers are needed.
  EXPECT_EQ(Answer("#TABLE BELF 1ST 3", 1), "");
  EXPECT_EQ(Answer("#TABLE BELF 1ST", 1), "");
}

TEST(BelfHobbyAndCharacter, HardEasyOrADraw) {
  const auto hobby = [](const char* kind, int block, int a, int b) {
    return Head() + "趣味表: [" + std::to_string(a + 1) + std::to_string(b + 1) + "][" + kind + "] " +
           Data::belf_hobby.Row(block, a * 6 + b).text;
  };
  for (const char* word : {"難", "難しい", "hard", "Ｈ", "d", "DIFFICULT"}) {
    EXPECT_EQ(Answer(std::string("#TABLE BELF HOBBY ") + word, Faces({{6, 0}, {6, 0}})), hobby("難", 0, 0, 0)) << word;
  }
  for (const char* word : {"易", "易しい", "easy", "ｅ", "Ｅａｓｙ"}) {
    EXPECT_EQ(Answer(std::string("#T BELF HOBBY ") + word, Faces({{6, 5}, {6, 5}})), hobby("易", 1, 5, 5)) << word;
  }
  // No kind word, or one naming none: one draw, odd for the hard list.
  EXPECT_EQ(Answer("#T BELF HOBBY", Faces({{2, 1}, {6, 1}, {6, 3}})), hobby("難", 0, 1, 3));
  EXPECT_EQ(Answer("#T BELLFAHLE HOBBY xyz", Faces({{2, 0}, {6, 1}, {6, 3}})), hobby("易", 1, 1, 3));

  const auto trait = [](const char* kind, int block, int a, int b, const std::string& modifiers) {
    return Head() + "性格表: [" + std::to_string(a + 1) + std::to_string(b + 1) + "][" + kind + "] " +
           Data::belf_character.Row(block, a * 6 + b).trait + "（" + modifiers + "）";
  };
  EXPECT_EQ(Answer("#TABLE BELF CHAR 易", Faces({{6, 0}, {6, 0}})), trait("易", 1, 0, 0, "+1/+1"));
  EXPECT_EQ(Answer("#T BELF CHARACTER HARD", Faces({{6, 0}, {6, 0}})), trait("難", 0, 0, 0, "-2/+1"));
  EXPECT_EQ(Answer("#T BELF CHAR 難", Faces({{6, 0}, {6, 2}})), trait("難", 0, 0, 2, "+0/-1"));
  EXPECT_EQ(Answer("#T BELF CHAR", Faces({{2, 0}, {6, 5}, {6, 5}})), trait("易", 1, 5, 5, "+1/+0"));
  ExpectEveryRow("#T BELF HOBBY", Data::belf_hobby, 0);
  ExpectEveryRow("#T BELF CHAR", Data::belf_character, 0);
}

TEST(BelfSample, OneOfThirtySixWithItsPages) {
  const auto sample = [](int a, int b, const std::string& pages) {
    const auto& row = Data::belf_samples.Row(a * 6 + b);
    const auto two = [](int value) { return value < 10 ? " " + std::to_string(value) : std::to_string(value); };
    return Head() + "[" + std::to_string(a + 1) + std::to_string(b + 1) + "]" + row.name + "（" +
           (row.male ? "♂" : "♀") + "/15） " + pages + Head() + "精神力:" + two(row.mind) +
           "  耐久力:" + two(row.stamina) + "  魅力値:" + two(row.charm) + Head() +
           "感知:" + std::to_string(row.sense) + " 器用:" + std::to_string(row.dexterity) +
           " 敏捷:" + std::to_string(row.agility) + " 知力:" + std::to_string(row.intellect) +
           " 体力:" + std::to_string(row.body) + " 外見:" + std::to_string(row.looks);
  };
  EXPECT_EQ(Answer("#MAKE BELF SAMPLE", Faces({{6, 0}, {6, 0}})), sample(0, 0, "P.314/PDF P.321"));
  EXPECT_EQ(Answer("#MAKE BELF SAMPLE", Faces({{6, 5}, {6, 5}})), sample(5, 5, "P.349/PDF P.356"));
  EXPECT_EQ(Answer("#M BELF SMPL", Faces({{6, 2}, {6, 4}})), sample(2, 4, "P.330/PDF P.337"));
  EXPECT_EQ(Answer("#MAKE BELF", 1), "");
  ExpectEveryRow("#MAKE BELF SAMPLE", Data::belf_samples, 0);
}

}  // namespace
}  // namespace Tables
