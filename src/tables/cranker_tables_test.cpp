// The tables of the CRANKER system: monster and magic cards, location, fate
// and battlefield.
#include <string>

#include "tables/table_data_list.h"
#include "tables/table_test_support.h"

namespace Tables {
namespace {

using testing::ExpectEveryRowOfEachBlock;
using testing::ExpectKindWords;
using testing::kDieOne;
using testing::kDieSix;

TEST(CrMonsterCard, OneDieForTheColourThenTwoForTheCard) {
  // The colours in their order, and one block of cards for each.
  const char* const colours[] = {"白", "青", "緑", "金", "赤", "黒"};
  ASSERT_EQ(Data::cr_colours.rows, 6);
  ASSERT_EQ(Data::cr_monster_cards.blocks, 6);
  for (int32_t i = 0; i < 6; ++i) {
    EXPECT_STREQ(Data::cr_colours.Row(i).name, colours[i]);
    EXPECT_STREQ(Data::cr_monster_cards.block_labels[i], colours[i]);
  }
  EXPECT_EQ(Answer("#TABLE CR MONSTER", Faces({{6, 0}, {6, 0}, {6, 0}})),
            Head() + "モンスターカード：[1][02] 白 ／ " + Data::cr_monster_cards.Row(0, 0).card);
  EXPECT_EQ(Answer("#T CARDRANKER RM", Faces({{6, 5}, {6, 5}, {6, 5}})),
            Head() + "モンスターカード：[6][12] 黒 ／ " + Data::cr_monster_cards.Row(5, 10).card);
  EXPECT_EQ(Answer("#T CRANKER MONSTAR", Faces({{6, 3}, {6, 2}, {6, 3}})),
            Head() + "モンスターカード：[4][07] 金 ／ " + Data::cr_monster_cards.Row(3, 5).card);
  ExpectEveryRow("#T CR MONS", Data::cr_monster_cards, 0);
}

TEST(CrMagicAndBattlefield, OneDieOneRow) {
  const auto& magic = Data::cr_magic;
  EXPECT_EQ(Answer("#TABLE CR MAGIC", kDieOne),
            Head() + "マジックカード：[1] " + magic.Row(0).card + "（" + magic.Row(0).effect + "）");
  EXPECT_EQ(Answer("#T CR MT", kDieSix),
            Head() + "マジックカード：[6] " + magic.Row(5).card + "（" + magic.Row(5).effect + "）");
  const auto& field = Data::cr_battlefield;
  EXPECT_EQ(Answer("#TABLE CR BATTLE", kDieOne),
            Head() + "バトルフィールド：[1] " + field.Row(0).name + " ／ " + field.Row(0).effect);
  EXPECT_EQ(Answer("#T CR BF", kDieSix),
            Head() + "バトルフィールド：[6] " + field.Row(5).name + " ／ " + field.Row(5).effect);
  ExpectEveryRow("#T CR MAG", magic, 0);
  ExpectEveryRow("#T CR FIELD", field, 0);
}

std::string Location(const char* title, int32_t kind, int32_t row) {
  const auto& place = Data::cr_location.Row(kind, row);
  return Head() + title + "：[" + std::to_string(row + 1) + "] " + place.place + "（" + place.effect + "）";
}

TEST(CrLocation, KindWordsAsTypedAndTheFirstKindOtherwise) {
  // The word is matched as typed: half-width katakana and full-width letters
  // name no kind, nor does an unknown word; those get the first kind.
  ExpectKindWords(
      "#TABLE CR LOCATION ",
      {{"場所表", 0, {"ST", "LT", "ﾀｳﾝ", "ＯＵＴ", "XYZ"}},
       {"街中場所表", 1, {"街", "町中", "マチナカ", "マチジュウ", "タウン", "シティ", "town", "CITY", "CST"}},
       {"郊外場所表", 2, {"郊外", "外", "コウガイ", "ソト", "OUT", "OUTER", "SUBURBAN", "OLT"}},
       {"学園場所表", 3, {"学園", "学", "ガッコウ", "スクール", "GAKUEN", "SCHOOL", "SST"}}},
      kDieOne, [](const char* title, int32_t kind) { return Location(title, kind, 0); });
  EXPECT_EQ(Answer("#TABLE CR SCENE OUTER", kDieOne), Location("郊外場所表", 2, 0));
  EXPECT_EQ(Answer("#TABLE CR LOCATION", kDieSix), Location("場所表", 0, 5));
  EXPECT_EQ(Answer("#T CR CLT", kDieSix), Location("街中場所表", 1, 5));
  EXPECT_EQ(Answer("#T CR OST", kDieOne), Location("郊外場所表", 2, 0));
  ExpectEveryRowOfEachBlock({"#T CR LT", "#T CR CLT", "#T CR OLT", "#T CR SLT"}, Data::cr_location, 0);
}

std::string Fate(const char* title, int32_t kind, int32_t row) {
  return Head() + title + "：[" + std::to_string(row + 1) + "] " + Data::cr_fate.Row(kind, row).text;
}

TEST(CrFate, KindWordsAsTypedAndTheFirstKindOtherwise) {
  // As typed again: "ｲﾍﾞﾝﾄ" in half width is no convention.
  ExpectKindWords("#TABLE CR FATE ",
                  {{"運命表", 0, {"FT", "DT", "ｲﾍﾞﾝﾄ", "XYZ"}},
                   {"大会運命表", 1, {"大会", "試合", "イベント", "コンベンション", "TAIKAI", "CONVENTION", "TFT"}},
                   {"学園運命表", 2, {"学校", "ガクエン", "SDT"}},
                   {"崩壊運命表", 3, {"崩壊", "崩", "破壊", "ハカイ", "HOKAI", "CRASH", "BREAK", "FALL", "CFT"}}},
                  kDieOne, [](const char* title, int32_t kind) { return Fate(title, kind, 0); });
  EXPECT_EQ(Answer("#T CR DESTINY", kDieSix), Fate("運命表", 0, 5));
  EXPECT_EQ(Answer("#T CR CDT", kDieSix), Fate("崩壊運命表", 3, 5));
  EXPECT_EQ(Answer("#T CR TDT", kDieOne), Fate("大会運命表", 1, 0));
  ExpectEveryRowOfEachBlock({"#T CR FT", "#T CR TFT", "#T CR SFT", "#T CR CFT"}, Data::cr_fate, 0);
}

}  // namespace
}  // namespace Tables
