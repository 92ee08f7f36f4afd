// The tables of the SNB system: the secret art's kinds and name, the scene
// tables by kind word and short code, the fumble chaining into the bad-status
// table, and the short tables, with their replies byte for byte.
#include <string>

#include "tables/table_data_list.h"
#include "tables/table_test_support.h"

namespace Tables {
namespace {

// The index 0..20 of an ordered D66 whose smaller face (1..6) is the tens:
// 11 is 0, 12 .. 16 are 1 .. 5, 22 is 6, and so on to 66, 20.
int PairIndex(int tens, int ones) {
  int index = ones - tens;
  for (int face = 1; face < tens; ++face) index += 7 - face;
  return index;
}

TEST(SnbOrderedD66, PairIndexFollowsTheDiceOrder) {
  EXPECT_EQ(PairIndex(1, 1), 0);
  EXPECT_EQ(PairIndex(1, 6), 5);
  EXPECT_EQ(PairIndex(2, 2), 6);
  EXPECT_EQ(PairIndex(3, 5), 13);
  EXPECT_EQ(PairIndex(6, 6), 20);
}

std::string Art(int form_row, int tens1, int ones1, int tens2, int ones2, int kind, int quote_row,
                const char* kind_name) {
  const auto& lists = Data::snb_art_forms.Row(form_row);
  char dice[64];
  std::snprintf(dice, sizeof dice, "[%d][%d%d,%d%d] ", form_row + 1, tens1, ones1, tens2, ones2);
  return Head() + "奥義:" + dice + "\"" + Data::snb_art_quotes.Row(kind, quote_row).quote + "\" " +
         Data::snb_art_first.Row(lists.first, PairIndex(tens1, ones1)).syllable +
         Data::snb_art_second.Row(lists.second, PairIndex(tens2, ones2)).syllable + " (" + kind_name + ")";
}

TEST(SnbSecretArt, KindDrawnFirstThenFormSyllablesAndQuote) {
  // The kind draw (4 of 7: 不死身) comes first and counts only without a
  // kind word; then 2D6, two ordered D66 and the quote's 1D6.
  const testing::Draws lowest = Faces({{7, 3}, {6, 0}, {6, 0}, {6, 0}, {6, 0}, {6, 5}, {6, 5}, {6, 0}});
  EXPECT_EQ(Answer("#TABLE SNB ES", lowest), Art(0, 1, 1, 6, 6, 3, 0, "不死身"));
  EXPECT_EQ(Answer("#T SNB SP CRIT", lowest), Art(0, 1, 1, 6, 6, 0, 0, "クリティカル"));
  // The smaller face is the tens, whichever die shows it: 5 then 3 is 35.
  const testing::Draws highest = Faces({{7, 6}, {6, 5}, {6, 5}, {6, 4}, {6, 2}, {6, 1}, {6, 3}, {6, 5}});
  EXPECT_EQ(Answer("#T SHINOBI ESOTERIC", highest), Art(10, 3, 5, 2, 4, 6, 5, "追加忍法"));
  EXPECT_EQ(Answer("#T SNB SPECIAL xyz", highest), Art(10, 3, 5, 2, 4, 6, 5, "追加忍法"));
}

TEST(SnbSecretArt, EveryKindByItsWords) {
  const struct {
    const char* name;
    std::initializer_list<const char*> words;
  } kinds[] = {
      {"クリティカル", {"クリティカル", "ｸﾘ", "ｸﾘｯﾄ", "critical", "C", "CRT", "ＣＲＩＴ"}},
      {"範囲攻撃", {"範囲", "AREA", "A", "scope"}},
      {"完全成功", {"成功", "SUCCESS", "S", "SUCCEED"}},
      {"不死身", {"不死", "不死者", "IMMORTAL", "I", "IM"}},
      {"絶対防御", {"防御", "GUARD", "g", "INVUL"}},
      {"判定妨害", {"妨害", "BLOCK", "B", "JAM"}},
      {"追加忍法", {"追加", "EXTRA", "E", "EX"}},
  };
  // A drawn kind of 1 (範囲攻撃) shows through only for words naming none.
  const testing::Draws draws = Faces({{7, 1}, {6, 2}, {6, 3}, {6, 0}, {6, 1}, {6, 1}, {6, 1}, {6, 2}});
  for (int kind = 0; kind < 7; ++kind) {
    for (const char* word : kinds[kind].words) {
      EXPECT_EQ(Answer(std::string("#T SNB ES ") + word, draws), Art(5, 1, 2, 2, 2, kind, 2, kinds[kind].name)) << word;
    }
  }
  EXPECT_EQ(Answer("#T SNB ES CRITICALHIT", draws), Art(5, 1, 2, 2, 2, 1, 2, "範囲攻撃"));
}

TEST(SnbSecretArt, EveryFormNamesTwoListsAndEveryListIsUsed) {
  std::set<int> firsts, seconds;
  for (int row = 0; row < Data::snb_art_forms.rows; ++row) {
    const auto& form = Data::snb_art_forms.Row(row);
    ASSERT_GE(form.first, 0);
    ASSERT_LT(form.first, Data::snb_art_first.blocks);
    ASSERT_GE(form.second, 0);
    ASSERT_LT(form.second, Data::snb_art_second.blocks);
    firsts.insert(form.first);
    seconds.insert(form.second);
  }
  EXPECT_EQ(static_cast<int>(firsts.size()), Data::snb_art_first.blocks);
  EXPECT_EQ(static_cast<int>(seconds.size()), Data::snb_art_second.blocks);
  for (int kind = 0; kind < Data::snb_art_quotes.blocks; ++kind) {
    for (int row = 0; row < 6; ++row) {
      EXPECT_EQ(std::string(Data::snb_art_quotes.Row(kind, row).quote).find('"'), std::string::npos);
    }
  }
}

std::string Scene(const std::string& kind, int row_in_kind, int block) {
  char total[32];
  std::snprintf(total, sizeof total, "[%2d] ", row_in_kind + 2);
  return Head() + kind + "シーン表：" + total + Data::snb_scene.Text(block * 11 + row_in_kind, 0);
}

TEST(SnbScene, KindWordsShortCodesAndTheGeneralFallback) {
  const testing::Draws two = Faces({{6, 0}, {6, 0}}), twelve = Faces({{6, 5}, {6, 5}});
  EXPECT_EQ(Answer("#TABLE SNB ST MANSION", two), Scene("館", 0, 2));
  EXPECT_EQ(Answer("#TABLE SNB MST", two), Scene("館", 0, 2));
  EXPECT_EQ(Answer("#T SNB ST XYZ", twelve), Scene("", 10, 0));
  EXPECT_EQ(Answer("#T SNB SCENE", twelve), Scene("", 10, 0));
  const struct {
    int block;
    const char* name;
    std::initializer_list<const char*> words;
  } kinds[] = {
      {0, "", {"汎用", "GST", "GENERAL", "N", "NORMAL", "HANYO", "hanyou"}},
      {1, "都市", {"都市", "CST", "CITY", "C", "TOWN", "TOSHI", "TSI", "TS"}},
      {2, "館", {"館", "MST", "M", "HOUSE", "H", "YAKATA"}},
      {3, "出島", {"出島", "DST", "D", "DEZIMA", "DEJIMA"}},
      {4, "トラブル", {"トラブル", "ﾄﾗﾌﾞﾙ", "TST", "TROUBLE", "T", "TR", "TRO"}},
      {5, "日常", {"日常", "NST", "EST", "E", "EVERYDAY", "DAY", "NICHIJOU", "NICHIJYO"}},
      {6, "回想", {"回想", "KST", "FST", "F", "FLASH", "FLASHBACK", "FB", "KAISOU"}},
      {7, "学校", {"学校", "SST", "S", "SCHOOL", "GAK", "GAKKOU", "ＳＣＨＯＯＬ"}},
  };
  const testing::Draws seven = Faces({{6, 2}, {6, 3}});
  for (const auto& kind : kinds) {
    for (const char* word : kind.words) {
      EXPECT_EQ(Answer(std::string("#T SNB SCENE ") + word, seven), Scene(kind.name, 5, kind.block)) << word;
    }
  }
}

TEST(SnbScene, EveryRowOfEveryKindByItsTotal) {
  const char* const codes[] = {"GST", "CST", "MST", "DST", "TST", "NST", "KST", "SST"};
  const char* const names[] = {"", "都市", "館", "出島", "トラブル", "日常", "回想", "学校"};
  for (int block = 0; block < 8; ++block) {
    for (int row = 0; row < 11; ++row) {
      const testing::Draws draws =
          Faces({{6, static_cast<uint32_t>(row / 2)}, {6, static_cast<uint32_t>(row - row / 2)}});
      EXPECT_EQ(Answer(std::string("#T SNB ") + codes[block], draws), Scene(names[block], row, block))
          << codes[block] << " " << row;
    }
  }
}

std::string BadStatus(int block, int row) {
  const auto& status = Data::snb_bad_status.Row(block, row);
  return Head() + "変調表：" + status.name + "　／ 無効化判定：" + status.check + " ／ 累積：" +
         (status.accumulates != 0 ? "あり" : "なし") + Head() + "　　　　" + status.description;
}

TEST(SnbBadStatus, OneDrawOfSixAndTheSengokuTable) {
  EXPECT_EQ(std::string(Data::snb_bad_status.Row(0, 0).name), "故障");
  EXPECT_EQ(std::string(Data::snb_bad_status.Row(1, 0).name), "催眠");
  EXPECT_EQ(Answer("#TABLE SNB BADSTATUS", Faces({{6, 0}})), BadStatus(0, 0));
  EXPECT_EQ(Answer("#T SNB WT", Faces({{6, 5}})), BadStatus(0, 5));
  EXPECT_EQ(Answer("#T SNB BS", Faces({{6, 1}})), BadStatus(0, 1));
  EXPECT_NE(BadStatus(0, 1).find("累積：あり"), std::string::npos);
  for (const char* word : {"戦国", "戦国時代", "戦国編", "戦国時代編", "SEN", "SENG", "sengoku", "SENOKU"}) {
    EXPECT_EQ(Answer(std::string("#T SNB BAD ") + word, Faces({{6, 0}})), BadStatus(1, 0)) << word;
  }
  EXPECT_EQ(Answer("#T SNB BAD 戦国 ", Faces({{6, 5}})), BadStatus(1, 5));
  EXPECT_EQ(Answer("#T SNB BAD 現代", Faces({{6, 2}})), BadStatus(0, 2));
}

TEST(SnbFumble, ChainsIntoTheBadStatusWithTheSameWords) {
  ASSERT_EQ(Data::snb_fumble.Row(4).chains, 1);
  const std::string fifth = Head() + "ファンブル表：[5] " + Data::snb_fumble.Row(4).text;
  EXPECT_EQ(Answer("#TABLE SNB FUMBLE", Faces({{6, 4}, {6, 3}})), fifth + BadStatus(0, 3));
  EXPECT_EQ(Answer("#T SNB FT 戦国", Faces({{6, 4}, {6, 0}})), fifth + BadStatus(1, 0));
  EXPECT_EQ(Answer("#T SINOBI F SENGOKU", Faces({{6, 4}, {6, 5}})), fifth + BadStatus(1, 5));
  for (int row : {0, 1, 2, 3, 5}) {
    ASSERT_EQ(Data::snb_fumble.Row(row).chains, 0);
    EXPECT_EQ(Answer("#T SNB FT 戦国", Faces({{6, static_cast<uint32_t>(row)}})),
              Head() + "ファンブル表：[" + std::to_string(row + 1) + "] " + Data::snb_fumble.Row(row).text);
  }
}

TEST(SnbShortTables, BattlefieldEmotionMissionFailureAndNewMission) {
  const auto& plain = Data::snb_battlefield.Row(0);
  ASSERT_STREQ(plain.note, "");
  EXPECT_EQ(Answer("#TABLE SNB BATTLE", Faces({{6, 0}})),
            Head() + "戦場表：[1] " + plain.name + Head() + "　　　　" + plain.effect);
  const auto& last = Data::snb_battlefield.Row(5);
  for (const char* word : {"BT", "B", "FIELD", "BF"}) {
    EXPECT_EQ(Answer(std::string("#T SNB ") + word, Faces({{6, 5}})),
              Head() + "戦場表：[6] " + last.name + "（" + last.note + "）" + Head() + "　　　　" + last.effect);
  }
  for (const char* word : {"ET", "FEEL", "EMO", "EMOTION"}) {
    EXPECT_EQ(Answer(std::string("#T SNB ") + word, Faces({{6, 0}})), Head() + "感情表:[1] 共感(+)／不信(-)");
  }
  EXPECT_EQ(Answer("#T SNB FEEL", Faces({{6, 5}})), Head() + "感情表:[6] 狂信(+)／殺意(-)");
  for (const char* word : {"FAIL", "FAILURE", "MIS", "MISS"}) {
    const auto& failure = Data::snb_mission_failure.Row(5);
    EXPECT_EQ(Answer(std::string("#T SNB ") + word, Faces({{6, 5}})),
              Head() + "忍務失敗表:[6] " + failure.event + " ／ " + failure.aftermath);
  }
  EXPECT_EQ(Answer("#T SNB MISSION", Faces({{6, 0}, {6, 0}})),
            Head() + "新たな使命表:[02] " + Data::snb_new_mission.Text(0, 0));
  EXPECT_EQ(Answer("#T SNB NEW", Faces({{6, 5}, {6, 5}})),
            Head() + "新たな使命表:[12] " + Data::snb_new_mission.Text(10, 0));
  testing::ExpectEveryRow("#T SNB BT", Data::snb_battlefield, 2);
  testing::ExpectEveryRow("#T SNB ET", Data::snb_emotion, 1);
  testing::ExpectEveryRow("#T SNB FAIL", Data::snb_mission_failure, 1);
  testing::ExpectEveryRow("#T SNB NEW", Data::snb_new_mission, 0);
}

}  // namespace
}  // namespace Tables
