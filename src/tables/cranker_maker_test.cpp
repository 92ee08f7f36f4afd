// The CRANKER character maker: gender, background, colour, legend card and
// name, drawn in that order after the gender.
#include <random>
#include <string>

#include "tables/table_data_list.h"
#include "tables/table_test_support.h"

namespace Tables {
namespace {

TEST(CrCharacter, TheWholeReplyForStatedDice) {
  // Background 1, colour 1, legend words from the ordered D66 11 and 66,
  // origin 1, then the family and given names 1.
  EXPECT_EQ(Answer("#MAKE CR 男", Faces({{6, 0}, {6, 0}, {6, 0}, {6, 0}, {6, 5}, {6, 5}, {6, 0}, {6, 0}, {6, 0}})),
            Head() + "名前：天城 翔（あまぎ・かける）" + Head() +
                "性別：男　　カラー：白　　背景：商店街のカードショップの常連" + Head() +
                "レジェンド：紅蓮＋戦乙女 ／ 亡き父が遺した形見の一枚");
  // The smaller die is the legend word's tens: 6 then 1 reads 16, the sixth
  // word, and 2 and 2 read 22, the seventh. A given name in katakana has no reading.
  EXPECT_EQ(
      Answer("#MK CARDRANKER female", Faces({{6, 5}, {6, 5}, {6, 5}, {6, 0}, {6, 1}, {6, 1}, {6, 5}, {6, 5}, {6, 5}})),
      Head() + "名前：橘 エレナ（たちばな・―）" + Head() +
          "性別：女　　カラー：黒　　背景：公式戦で一度も負けたことがない天才" + Head() +
          "レジェンド：翠玉＋剣聖 ／ 夢の中で出会い、目覚めると手の中にあった一枚");
}

// The index of an ordered D66 with faces a and b (0-based): the smaller die
// is the tens, the rows run 11, 12 .. 16, 22 .. 66.
int32_t PairIndex(uint32_t a, uint32_t b) {
  const int32_t low = static_cast<int32_t>(a < b ? a : b), high = static_cast<int32_t>(a < b ? b : a);
  int32_t index = high - low;
  for (int32_t k = 0; k < low; ++k) index += 6 - k;
  return index;
}

TEST(CrCharacter, WithoutAGenderWordOneDrawDecides) {
  for (const uint32_t seed : {1u, 2u, 5u, 8u}) {
    std::mt19937 r(seed);
    const bool male = (r() & 1u) != 0;
    const auto background = r() % 6, colour = r() % 6;
    const uint32_t a1 = r() % 6, b1 = r() % 6, a2 = r() % 6, b2 = r() % 6;
    const auto origin = r() % 6, family = r() % 6, given = r() % 6;
    const auto& f = Data::cr_name_parts.Row(male ? 0 : 2, static_cast<int32_t>(family));
    const auto& g = Data::cr_name_parts.Row(male ? 1 : 3, static_cast<int32_t>(given));
    std::string name = std::string(f.name) + " " + g.name;
    // Every family name here has a reading.
    name += std::string("（") + f.reading + "・" + (g.reading[0] != '\0' ? g.reading : "―") + "）";
    EXPECT_EQ(Answer("#MAKE CR", seed), Head() + "名前：" + name + Head() + "性別：" + (male ? "男" : "女") +
                                            "　　カラー：" + Data::cr_colours.Row(static_cast<int32_t>(colour)).name +
                                            "　　背景：" +
                                            Data::cr_backgrounds.Row(static_cast<int32_t>(background)).text + Head() +
                                            "レジェンド：" + Data::cr_legend_first.Row(PairIndex(a1, b1)).word + "＋" +
                                            Data::cr_legend_second.Row(PairIndex(a2, b2)).word + " ／ " +
                                            Data::cr_legend_origin.Row(static_cast<int32_t>(origin)).text)
        << seed;
  }
}

TEST(CrCharacter, NameListsReadAsTheirGender) {
  // Kanji names carry a reading, names in katakana none; family names all
  // have one.
  for (int32_t row = 0; row < Data::cr_name_parts.rows; ++row) {
    const auto& part = Data::cr_name_parts.Row(row);
    const bool kana = static_cast<unsigned char>(part.name[0]) == 0x83;  // code page 932 katakana
    EXPECT_EQ(part.reading[0] == '\0', kana) << row;
    if (row / 6 % 2 == 0) {
      EXPECT_NE(part.reading[0], '\0') << row;
    }
  }
  // A gender word picks the lists without a draw: the first draw is the
  // background.
  const std::string male =
      Answer("#MAKE CR おとこ", Faces({{6, 1}, {6, 0}, {6, 0}, {6, 0}, {6, 0}, {6, 0}, {6, 0}, {6, 2}, {6, 3}}));
  EXPECT_NE(
      male.find(std::string("名前：") + Data::cr_name_parts.Row(0, 2).name + " " + Data::cr_name_parts.Row(1, 3).name),
      std::string::npos)
      << male;
  EXPECT_NE(male.find(Data::cr_backgrounds.Row(1).text), std::string::npos);
  const std::string female =
      Answer("#MAKE CR ♀", Faces({{6, 1}, {6, 0}, {6, 0}, {6, 0}, {6, 0}, {6, 0}, {6, 0}, {6, 2}, {6, 3}}));
  EXPECT_NE(female.find(std::string("名前：") + Data::cr_name_parts.Row(2, 2).name + " " +
                        Data::cr_name_parts.Row(3, 3).name),
            std::string::npos)
      << female;
}

}  // namespace
}  // namespace Tables
