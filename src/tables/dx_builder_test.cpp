// The DX base-character builder: the words a player types, the summed
// abilities, the works' skill line, the two editions' works, and the name
// lists behind the words.
#include <map>
#include <set>
#include <string>
#include <vector>

#include "core/text.h"
#include "tables/table_data_list.h"
#include "tables/table_test_support.h"

namespace Tables {
namespace {

// The builder rolls nothing: any draw fails the test.
std::string Answer(const std::string& line) {
  mirado::testing::ForcedDraws no_dice({});
  const std::string reply = mirado::testing::CallCommand("taro", "#trpg", line);
  return reply.empty() ? reply : "\r\n" + reply;
}

// エンジェルハィロゥ 0/3/1/0 and バロール 0/1/2/1 (肉体/感覚/精神/社会).
const std::string kTwoSyndromes = "バロール/エンジェルハィロゥ　肉体:0 感覚:4 精神:3 社会:1";

TEST(DxBuilder, TwoSyndromesWithoutWorksShowTheirSumsAndNoSkillLine) {
  EXPECT_EQ(Answer("#MAKE DX バロール エンジェルハィロゥ"), Head() + kTwoSyndromes);
  EXPECT_EQ(Answer("#MAKE DX3 エンジェルハィロゥ バロール"),
            Head() + "エンジェルハィロゥ/バロール　肉体:0 感覚:4 精神:3 社会:1");
  // A pure breed names its syndrome twice: ノイマン 0/0/3/1 doubled.
  EXPECT_EQ(Answer("#MAKE DX ノイマン ノイマン"), Head() + "ノイマン/ノイマン　肉体:0 感覚:0 精神:6 社会:2");
}

TEST(DxBuilder, WithoutExactlyTwoSyndromesOrWithTwoWorksNoReply) {
  EXPECT_EQ(Answer("#MAKE DX"), "");
  EXPECT_EQ(Answer("#MAKE DX バロール"), "");
  EXPECT_EQ(Answer("#MAKE DX バロール 高校生"), "");
  EXPECT_EQ(Answer("#MAKE DX バロール バロール バロール"), "");
  EXPECT_EQ(Answer("#MAKE DX バロール 刑事 高校生"), "");
  EXPECT_EQ(Answer("#MAKE DX4 バロール エンジェルハィロゥ"), "");
}

TEST(DxBuilder, AWordThatNamesNothingIsPassedOver) {
  EXPECT_EQ(Answer("#MAKE DX バロール xyz エンジェルハィロゥ"), Head() + kTwoSyndromes);
  EXPECT_EQ(Answer("#MAKE DX バロール xyz"), "");
}

TEST(DxBuilder, AWorksAddsItsBonusItsSkillsAndItsLois) {
  // 高校生: 社会+1; 知識:学問1 情報:噂話2 回避1 交渉1; クラスメイト.
  const std::string student = Head() + "バロール/エンジェルハィロゥ（高校生）　肉体:0 感覚:4 精神:3 社会:2" + Head() +
                              "技能:<知識:学問>Lv1 <情報:噂話>Lv2 <回避>Lv1 <交渉>Lv1  推奨ロイス:クラスメイト";
  EXPECT_EQ(Answer("#MAKE DX バロール エンジェルハィロゥ 高校生"), student);
  EXPECT_EQ(Answer("#MAKE DX 高校生 バロール エンジェルハィロゥ"), student);
  // 小学生 has three skills; the two empty pairs are left out.
  EXPECT_EQ(Answer("#MAKE DX ソラリス キュマイラ 小学生"),
            Head() + "ソラリス/キュマイラ（小学生）　肉体:3 感覚:1 精神:1 社会:4" + Head() +
                "技能:<知覚>Lv2 <回避>Lv2 <情報:噂話>Lv1  推奨ロイス:担任の先生");
}

TEST(DxBuilder, Dx2ReadsTheSecondEditionsWorks) {
  // キュマイラ 3/0/0/1, エグザイル 2/1/0/1; the second edition's 高校生 gives
  // 肉体+1 社会+1 and 運動2 知識:学業1 情報:学校2 交渉1.
  EXPECT_EQ(Answer("#MAKE DX2 キュマイラ エグザイル 高校生"),
            Head() + "キュマイラ/エグザイル（高校生）　肉体:6 感覚:1 精神:0 社会:3" + Head() +
                "技能:<運動>Lv2 <知識:学業>Lv1 <情報:学校>Lv2 <交渉>Lv1  推奨ロイス:憧れの先輩");
  // 浪人生 is a second-edition works only: under DX it names nothing.
  EXPECT_EQ(Answer("#MAKE DX2 ハヌマーン ハヌマーン 浪人生"),
            Head() + "ハヌマーン/ハヌマーン（浪人生）　肉体:2 感覚:4 精神:2 社会:2" + Head() +
                "技能:<知識:学業>Lv2 <意志>Lv2 <情報:噂>Lv1 <調達>Lv1  推奨ロイス:予備校の講師");
  EXPECT_EQ(Answer("#MAKE DX ハヌマーン ハヌマーン 浪人生"),
            Head() + "ハヌマーン/ハヌマーン　肉体:2 感覚:4 精神:0 社会:2");
}

TEST(DxBuilder, TheFormsAPlayerTypes) {
  const std::string expected = Head() + kTwoSyndromes;
  for (const char* line : {"#MAKE DX バロール エンジェルハィロゥ", "#M DX バロール エンジェルハィロゥ",
                           "＃MAKE DX バロール エンジェルハィロゥ", "♯MAKE DX バロール エンジェルハィロゥ",
                           "#ＭＡＫＥ DX バロール エンジェルハィロゥ", "#mk dx3 バロール エンジェルハィロゥ",
                           "#MAKE ＤＸ ばろーる ｴﾝｼﾞｪﾙﾊｨﾛｩ", "#MAKE DX BALOR angelhalo", "#MAKE DX ＢＡ ＡＨ",
                           "#MAKE DX 魔眼 えんじぇるはいろう"}) {
    EXPECT_EQ(Answer(line), expected) << line;
  }
}

TEST(DxBuilder, TheDashTakesTheStoredGameMode) {
  mirado::testing::TempSettings settings;
  settings.Write("[GameMode]\r\n#trpg=DX\r\n");
  EXPECT_EQ(Answer("#MAKE - バロール エンジェルハィロゥ"), Head() + kTwoSyndromes);
}

// ---- The data -------------------------------------------------------------------

struct Edition {
  const char* line;  // the MAKE line up to the words
  const Data::Table<Data::dx_works_row>& works;
  const Data::Table<Data::dx_index_name_row>& names;
  const mirado::LookupEntry* lookup;
  std::size_t lookup_count;
  int bonus_sum, skill_sum, top_level;
  std::set<std::string> skills;  // the skills; those ending in ":" take a field
};

const Edition& Dx3() {
  static const Edition e{
      "#MAKE DX3 ",
      Data::dx3_works,
      Data::dx3_works_names,
      Data::dx3_works_names_lookup,
      Data::dx3_works_names_lookup_count,
      1,
      5,
      3,
      {"白兵", "回避", "運転:", "射撃", "知覚", "芸術:", "RC", "意志", "知識:", "交渉", "調達", "情報:"}};
  return e;
}
const Edition& Dx2() {
  static const Edition e{"#MAKE DX2 ",
                         Data::dx2_works,
                         Data::dx2_works_names,
                         Data::dx2_works_names_lookup,
                         Data::dx2_works_names_lookup_count,
                         2,
                         6,
                         2,
                         {"白兵戦", "射撃", "回避", "運動", "運転:", "知覚", "芸術:", "隠密", "RC", "意志",
                          "知識:", "医療", "交渉", "調達", "情報:"}};
  return e;
}

std::u16string Folded(const char16_t* name) {
  std::u16string text = name;
  mirado::FoldForMatch(text);
  return text;
}

TEST(DxBuilderData, CountsAndAbilities) {
  EXPECT_EQ(Data::dx_syndromes.rows, 12);
  EXPECT_EQ(Data::dx3_works.rows, 79);
  EXPECT_EQ(Data::dx2_works.rows, 105);
  EXPECT_EQ(Data::dx_syndrome_names_lookup_count, 188u);
  EXPECT_EQ(Data::dx3_works_names_lookup_count, 305u);
  EXPECT_EQ(Data::dx2_works_names_lookup_count, 339u);
  EXPECT_STREQ(Data::dx_syndromes.Row(0).name, "エンジェルハィロゥ");
  EXPECT_STREQ(Data::dx_syndromes.Row(1).name, "バロール");
  for (int32_t i = 0; i < Data::dx_syndromes.rows; ++i) {
    const auto& s = Data::dx_syndromes.Row(i);
    EXPECT_EQ(s.body + s.sense + s.mind + s.social, 4) << s.name;
  }
}

// Each edition's works follow its one make-up: a fixed bonus total, a
// fixed total of skill levels, skills of the edition's own list, the used
// pairs first and none named twice.
TEST(DxBuilderData, EveryWorksFollowsItsEditionsMakeUp) {
  for (const Edition* e : {&Dx3(), &Dx2()}) {
    for (int32_t i = 0; i < e->works.rows; ++i) {
      const auto& w = e->works.Row(i);
      SCOPED_TRACE(std::string(e->line) + w.name);
      EXPECT_EQ(w.body + w.sense + w.mind + w.social, e->bonus_sum);
      const std::pair<const char*, int32_t> pairs[] = {
          {w.skill1, w.level1}, {w.skill2, w.level2}, {w.skill3, w.level3}, {w.skill4, w.level4}, {w.skill5, w.level5}};
      int sum = 0;
      bool ended = false;
      std::set<std::string> seen;
      for (const auto& [skill, level] : pairs) {
        const std::string name = skill;
        if (name.empty()) {
          EXPECT_EQ(level, 0);
          ended = true;
          continue;
        }
        EXPECT_FALSE(ended) << name << " after an empty pair";
        EXPECT_TRUE(level >= 1 && level <= e->top_level) << name;
        EXPECT_TRUE(seen.insert(name).second) << name;
        const std::size_t colon = name.find(':');
        const std::string base = colon == std::string::npos ? name : name.substr(0, colon + 1);
        EXPECT_TRUE(e->skills.count(base)) << name;
        EXPECT_TRUE(colon == std::string::npos || colon + 1 < name.size()) << name;
        sum += level;
      }
      EXPECT_EQ(sum, e->skill_sum);
      EXPECT_STRNE(w.lois, "");
    }
  }
}

// No typed form leads to two places: across the syndrome names and the
// works names of one edition, every name folds to a text of its own (so no
// name shadows another, and none is listed twice in a form that folding
// already covers). Every id is in range, and every syndrome and works is
// found by its own name.
TEST(DxBuilderData, EveryFoldedNameIsUniqueAndEveryEntryHasItsName) {
  for (const Edition* e : {&Dx3(), &Dx2()}) {
    std::map<std::u16string, std::string> owner;
    const auto add = [&](const Data::DataTable& list, int32_t id, const char16_t* name, const std::string& what) {
      const auto [it, fresh] = owner.emplace(Folded(name), what);
      EXPECT_TRUE(fresh) << e->line << list.name << " row of id " << id << " (" << what << ") folds as " << it->second;
    };
    for (int32_t i = 0; i < Data::dx_syndrome_names.rows; ++i) {
      const auto& row = Data::dx_syndrome_names.Row(i);
      ASSERT_TRUE(row.id >= 0 && row.id < Data::dx_syndromes.rows);
      add(Data::dx_syndrome_names, row.id, row.name, Data::dx_syndromes.Row(row.id).name);
    }
    for (int32_t i = 0; i < e->names.rows; ++i) {
      const auto& row = e->names.Row(i);
      ASSERT_TRUE(row.id >= 0 && row.id < e->works.rows);
      add(e->names, row.id, row.name, e->works.Row(row.id).name);
    }
    for (int32_t i = 0; i < Data::dx_syndromes.rows; ++i) {
      EXPECT_TRUE(owner.count(Folded(mirado::ToWide(Data::dx_syndromes.Row(i).name).c_str())))
          << Data::dx_syndromes.Row(i).name;
    }
    for (int32_t i = 0; i < e->works.rows; ++i) {
      EXPECT_TRUE(owner.count(Folded(mirado::ToWide(e->works.Row(i).name).c_str()))) << e->works.Row(i).name;
    }
  }
}

// The forms folding makes equal: hiragana for katakana, half-width katakana
// and full-width letters.
std::string Hiragana(std::u16string text) {
  for (char16_t& c : text) {
    if (c >= u'ァ' && c <= u'ヶ') c = static_cast<char16_t>(c - 0x60);
  }
  return mirado::ToNarrow(text);
}
std::string FullWidth(std::u16string text) {
  for (char16_t& c : text) {
    if (c > 0x20 && c < 0x7F) c = static_cast<char16_t>(c + 0xFEE0);
  }
  return mirado::ToNarrow(text);
}
std::string HalfWidth(const std::u16string& text) {
  char half[BotCommand::kLineSize];
  mirado::ToHalfWidth(mirado::ToNarrow(text).c_str(), half, sizeof half);
  return half;
}

// The forms a player may type a name in.
std::vector<std::string> Forms(const char16_t* name) {
  const std::u16string wide = name;
  return {mirado::ToNarrow(wide), Hiragana(wide), FullWidth(wide), HalfWidth(wide)};
}

// Through the command: every syndrome and every works of each edition by
// each of its names, in each of its forms.
TEST(DxBuilderData, EveryNameFindsItsEntryInEveryForm) {
  for (int32_t i = 0; i < Data::dx_syndrome_names.rows; ++i) {
    const auto& row = Data::dx_syndrome_names.Row(i);
    const std::string expected = Head() + Data::dx_syndromes.Row(row.id).name + "/バロール　";
    for (const std::string& form : Forms(row.name)) {
      EXPECT_EQ(Answer("#MAKE DX " + form + " バロール").find(expected), 0u) << "syndrome name row " << i;
    }
  }
  for (const Edition* e : {&Dx3(), &Dx2()}) {
    for (int32_t i = 0; i < e->names.rows; ++i) {
      const auto& row = e->names.Row(i);
      const std::string expected = Head() + "バロール/バロール（" + e->works.Row(row.id).name + "）　";
      for (const std::string& form : Forms(row.name)) {
        const std::string reply = Answer(e->line + form + " バロール バロール");
        EXPECT_EQ(reply.find(expected), 0u) << e->line << "works name row " << i;
        EXPECT_NE(reply.find(Head() + "技能:<"), std::string::npos) << e->line << "works name row " << i;
      }
    }
  }
}

}  // namespace
}  // namespace Tables
