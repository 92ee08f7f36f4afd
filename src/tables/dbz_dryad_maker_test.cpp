// The dryad maker of the DBZ system: the five dice, the age rules and the
// compatibility line.
#include <initializer_list>
#include <set>
#include <string>

#include "support/test_support.h"
#include "tables/table_data_list.h"
#include "tables/table_test_support.h"

namespace Tables {
namespace {

using testing::DieFaces;

TEST(DbzDryad, TheWholeAnswer) {
  // Group 1, personality 1, gender 6 (male), name 1, age rule 2 (1D6+9): 4.
  EXPECT_EQ(Answer("#MAKE DBZ DRYAD", DieFaces({1, 1, 6, 1, 2, 4})),
            Head() + "【ダークブレイズ ドライアド作成】名前:[1]ファイアソーン 性別:[6]男 外見:[2]4+9=13歳" + Head() +
                "性格:[11]熱血/猪突猛進 満足:3/0/1 不満足:1/2/0 相性:熱血○/根暗×/恋愛×/天然○/きまぐれ×/頑固○");
  // Group 2, personality 6 (its own compatibility text), gender 1 (female),
  // name 3, age rule 6 (2D6*2D6): 3+4 times 5+6.
  EXPECT_EQ(Answer("#MK DB DRY", DieFaces({2, 6, 1, 3, 6, 3, 4, 5, 6})),
            Head() + "【ダークブレイズ ドライアド作成】名前:[3]ウィロウ 性別:[1]女 外見:[6]7*11=77歳" + Head() +
                "性格:[26]根暗/厭世家 満足:0/1/3 不満足:2/1/2 相性:誰とも馴れ合わない");
}

TEST(DbzDryad, AgeRulesAndGenders) {
  struct Case {
    uint32_t gender, age_rule;
    std::initializer_list<uint32_t> age_dice;
    const char* shown;  // gender and age as the first line ends
  };
  const Case cases[] = {
      {1, 1, {5}, "性別:[1]女 外見:[1]5+3=8歳"},
      {2, 2, {1}, "性別:[2]女 外見:[2]1+9=10歳"},
      {3, 3, {6, 6}, "性別:[3]女 外見:[3]12+12=24歳"},
      {4, 4, {1, 2, 3}, "性別:[4]女 外見:[4]6+15=21歳"},
      {5, 5, {6, 5, 4, 3}, "性別:[5]女 外見:[5]18+30=48歳"},
      {6, 6, {1, 1, 1, 1}, "性別:[6]男 外見:[6]2*2=4歳"},
  };
  for (const Case& c : cases) {
    testing::Draws draws = DieFaces({4, 4, c.gender, 6, c.age_rule});
    for (const uint32_t face : c.age_dice) draws.first.push_back(face - 1);
    const std::string reply = Answer("#MAKE DBZ DRYAD", draws);
    EXPECT_NE(reply.find(c.shown), std::string::npos) << c.shown << "\n" << reply;
  }
}

TEST(DbzDryad, EveryNameAndPersonalityTurnsUp) {
  testing::ExpectEveryRow("#MAKE DBZ DRYAD", Data::dbz_dryad_personalities, 0);
  testing::ExpectEveryRow("#MAKE DBZ DRYAD", Data::dbz_dryad_names, 0);
  testing::ExpectEveryRow("#MAKE DBZ DRYAD", Data::dbz_dryad_names, 1, 6000);
}

TEST(DbzDryad, GameModeAndTheDryadWord) {
  mirado::testing::TempSettings settings;
  const std::string dryad = Answer("#MAKE DBZ DRYAD", 3);
  ASSERT_NE(dryad, "");
  settings.Write("[GameMode]\r\n#trpg=DBZ\r\n");
  EXPECT_EQ(Answer("#MAKE - DRYAD", 3), dryad);
  EXPECT_EQ(Answer("＃ＭＡＫＥ - dry", 3), dryad);
  // The maker answers only to its own word.
  EXPECT_EQ(Answer("#MAKE -", 3), "");
  EXPECT_EQ(Answer("#MAKE DBZ SAMPLE", 3), "");
}

TEST(DbzDryadData, GroupsAndDistinctNames) {
  const char* groups[] = {"熱血", "根暗", "恋愛", "天然", "きまぐれ", "頑固"};
  for (int32_t i = 0; i < 6; ++i) {
    EXPECT_STREQ(Data::dbz_dryad_groups.Row(i).name, groups[i]);
    EXPECT_STREQ(Data::dbz_dryad_names.block_labels[i], groups[i]);
    EXPECT_STREQ(Data::dbz_dryad_personalities.block_labels[i], groups[i]);
  }
  std::set<std::string> names, personalities;
  for (int32_t i = 0; i < 36; ++i) {
    names.insert(Data::dbz_dryad_names.Row(i).female);
    names.insert(Data::dbz_dryad_names.Row(i).male);
    personalities.insert(Data::dbz_dryad_personalities.Row(i).name);
  }
  EXPECT_EQ(names.size(), 72u);
  EXPECT_EQ(personalities.size(), 36u);
  EXPECT_EQ(Data::dbz_dryad_names.rows, 36);
  EXPECT_EQ(Data::dbz_dryad_personalities.rows, 36);
}

}  // namespace
}  // namespace Tables
