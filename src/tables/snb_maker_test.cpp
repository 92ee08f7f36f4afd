// The character maker of the SNB system: the whole reply for stated draws,
// the draw order, the words that pick gender, school, the ordinary person
// and the Sengoku data, and the links between its name lists.
#include <set>
#include <string>

#include "core/text.h"
#include "tables/table_data_list.h"
#include "tables/table_test_support.h"

namespace Tables {
namespace {

TEST(SnbMaker, AShinobiLineByLine) {
  // Male, school 2 (鞍馬神流); family category 1 (the common present-day
  // names) and 12 (鈴木); head 12 (涼, second spelling 亮 taken by a 1) and
  // its following character 2 (介); nemesis 1 of the other five (ハグレモノ);
  // belief 66; public face 11.
  const testing::Draws draws = Faces(
      {{2, 1}, {6, 1}, {6, 0}, {6, 0}, {6, 1}, {6, 1}, {6, 0}, {2, 1}, {6, 1}, {5, 0}, {6, 5}, {6, 5}, {6, 0}, {6, 0}});
  EXPECT_EQ(Answer("#MAKE SNB", draws), Head() + "名前：鈴木亮介(すずき りょうすけ) ／ 性別：男" + Head() +
                                            "流派：鞍馬神流 (得意:体術／仇敵:ハグレモノ)" + Head() + "信念：" +
                                            Data::snb_beliefs.Row(20).text + " ／ 表の顔：" +
                                            Data::snb_public_faces.Row(0, 0).text);
}

TEST(SnbMaker, AnOrdinaryPersonOfTheSengokuEraWithoutAFamilyName) {
  // The drawn male gives way to 女; school 1 is drawn and not shown; family
  // category 5 has no Sengoku list (no D66); head 13 (千) links to its
  // characters, 1 (代); the way 22, belief 11, public face 34 of the
  // Sengoku women's list.
  const testing::Draws draws =
      Faces({{2, 1}, {6, 0}, {6, 4}, {6, 0}, {6, 2}, {6, 0}, {6, 1}, {6, 1}, {6, 0}, {6, 0}, {6, 2}, {6, 3}});
  // An ordinary person's answer is the way and the belief; the name drawn
  // (千代, with no family name) is not shown.
  const std::string expected = Head() + "流儀：" + Data::snb_ordinary_ways.Row(1, 6).text + "（一般人）" + Head() +
                               "信念：" + Data::snb_beliefs.Row(0).text + " ／ 表の顔：" +
                               Data::snb_public_faces.Row(2, 12).text;
  EXPECT_EQ(Answer("#MAKE SNB 戦国 女 一般人", draws), expected);
  EXPECT_EQ(Answer("#MAKE SHINOBI 一般 sengoku female", draws), expected);
}

TEST(SnbMaker, ANameWithoutAFamilyNameShowsADash) {
  // As above, a shinobi this time: after the name, one nemesis draw.
  const testing::Draws draws =
      Faces({{2, 1}, {6, 0}, {6, 4}, {6, 0}, {6, 2}, {6, 0}, {5, 0}, {6, 0}, {6, 0}, {6, 2}, {6, 3}});
  const std::string reply = Answer("#MAKE SNB 戦国 女", draws);
  EXPECT_EQ(reply.substr(0, (Head() + "名前：千代(－ ちよ) ／ 性別：女").size()),
            Head() + "名前：千代(－ ちよ) ／ 性別：女");
}

TEST(SnbMaker, SengokuWithASchoolWord) {
  // Female, school 5 drawn and replaced by 鞍馬; family category 1 (the
  // samurai names) and 66 (六角); head 56 (百合) without a second spelling
  // or a link; nemesis draw 1: past the school's own place, 比良坂機関.
  const testing::Draws draws =
      Faces({{2, 0}, {6, 4}, {6, 0}, {6, 5}, {6, 5}, {6, 5}, {6, 4}, {5, 1}, {6, 2}, {6, 2}, {6, 0}, {6, 5}});
  EXPECT_EQ(Answer("#MAKE SNB 戦国 鞍馬", draws), Head() + "名前：六角百合(ろっかく ゆり) ／ 性別：女" + Head() +
                                                      "流派：鞍馬神流 (得意:体術／仇敵:比良坂機関)" + Head() +
                                                      "信念：" + Data::snb_beliefs.Row(11).text + " ／ 表の顔：" +
                                                      Data::snb_public_faces.Row(2, 5).text);
}

// The name line of a present-day male from family category 6 (the shinobi
// families) and 11 (霧隠), with the head and the draws after it.
std::string NameLine(std::initializer_list<std::pair<uint32_t, uint32_t>> head) {
  std::vector<std::pair<uint32_t, uint32_t>> faces = {{2, 1}, {6, 0}, {6, 5}, {6, 0}, {6, 0}};
  faces.insert(faces.end(), head.begin(), head.end());
  testing::Draws draws;
  for (const auto& [count, face] : faces) draws.first.push_back(face % count);
  const std::string reply = Answer("#MAKE SNB", draws);
  const std::size_t end = reply.find(" ／ 性別");
  return end == std::string::npos ? reply : reply.substr(Head().size(), end - Head().size());
}

TEST(SnbMaker, SecondSpellingsAndFollowingCharactersInTheirDrawOrder) {
  // Head 35 (疾風, or 颯 for a 1) stands alone.
  EXPECT_EQ(NameLine({{6, 4}, {6, 2}, {2, 0}}), "名前：霧隠疾風(きりがくれ はやて)");
  EXPECT_EQ(NameLine({{6, 2}, {6, 4}, {2, 1}}), "名前：霧隠颯(きりがくれ はやて)");
  // Head 11 (健) has one spelling: the next draw is its character, 6 (斗).
  EXPECT_EQ(NameLine({{6, 0}, {6, 0}, {6, 5}}), "名前：霧隠健斗(きりがくれ けんと)");
}

TEST(SnbMaker, WordsForGenderSchoolAndTheOrdinaryPerson) {
  const struct {
    const char* school;
    const char* specialty;
    std::initializer_list<const char*> words;
  } schools[] = {
      {"ハグレモノ", "忍術", {"ハグレ", "ハグレモノ", "HAG", "hagure"}},
      {"鞍馬神流", "体術", {"鞍馬", "鞍馬神流", "KUR", "KURAMA"}},
      {"比良坂機関", "謀術", {"比良坂", "比良坂機関", "HIR", "HIRASAKA"}},
      {"私立御斎学園", "戦術", {"御斎", "私立御斎学園", "御伽学校", "私立御伽", "OTO", "OTOGI"}},
      {"斜歯忍軍", "器術", {"斜歯", "斜歯忍軍", "HAS", "HASUBA"}},
      {"隠忍の血統", "妖術", {"鬼", "隠忍", "隠忍の血統", "鬼の血統", "鬼血統", "ONI"}},
  };
  for (const auto& school : schools) {
    for (const char* word : school.words) {
      const std::string reply = Answer(std::string("#MAKE SNB ") + word, 7);
      const std::string line = Head() + "流派：" + school.school + " (得意:" + school.specialty + "／仇敵:";
      EXPECT_NE(reply.find(line), std::string::npos) << word;
      EXPECT_EQ(reply.find(std::string("仇敵:") + school.school), std::string::npos) << word;
    }
  }
  for (const char* word :
       {"一般", "一般人", "市民", "NOR", "normal", "COM", "COMMON", "POP", "POPULAR", "CIT", "CITIZEN"}) {
    const std::string reply = Answer(std::string("#MAKE SNB 男 ") + word, 7);
    EXPECT_NE(reply.find("（一般人）"), std::string::npos) << word;
    EXPECT_EQ(reply.find("流派："), std::string::npos) << word;
  }
  // A gender word overrides the drawn gender, in any of the three places.
  for (const char* word : {"男", "おとこ", "male", "M"}) {
    EXPECT_NE(Answer(std::string("#MAKE SNB ") + word, Faces({{2, 0}})).find("性別：男"), std::string::npos) << word;
    EXPECT_NE(Answer(std::string("#MAKE SNB x y ") + word, Faces({{2, 0}})).find("性別：男"), std::string::npos);
  }
  for (const char* word : {"女", "女性", "female", "F"}) {
    EXPECT_NE(Answer(std::string("#MAKE SNB ") + word, Faces({{2, 1}})).find("性別：女"), std::string::npos) << word;
  }
  // Unknown words change nothing: the reply is the one without words.
  EXPECT_EQ(Answer("#MAKE SNB 現代 xyz 123", 9), Answer("#MAKE SNB", 9));
}

TEST(SnbMaker, NemesisIsNeverTheOwnSchool) {
  // School draw, nemesis draw, the school the nemesis is (the head 34,
  // 隼人, draws nothing more before the nemesis).
  const int cases[][3] = {{0, 0, 1}, {0, 4, 5}, {3, 2, 2}, {3, 3, 4}, {5, 4, 4}, {5, 0, 0}};
  for (const auto& [school, drawn, nemesis] : cases) {
    const testing::Draws draws = Faces({{2, 1},
                                        {6, static_cast<uint32_t>(school)},
                                        {6, 0},
                                        {6, 0},
                                        {6, 0},
                                        {6, 2},
                                        {6, 3},
                                        {5, static_cast<uint32_t>(drawn)}});
    const std::string expected = std::string("流派：") + Data::snb_schools.Row(school).name +
                                 " (得意:" + Data::snb_schools.Row(school).specialty +
                                 "／仇敵:" + Data::snb_schools.Row(nemesis).name + ")";
    EXPECT_NE(Answer("#MAKE SNB", draws).find(expected), std::string::npos) << school << " " << drawn;
  }
}

// True when the code page 932 text is hiragana from end to end.
bool IsHiragana(const char* text) {
  const std::u16string wide = mirado::ToWide(text);
  if (wide.empty()) return false;
  for (char16_t c : wide) {
    if (c < u'ぁ' || c > u'ゖ') return false;
  }
  return true;
}

TEST(SnbMakerData, ListsLinkAndEveryReadingIsHiragana) {
  std::set<int> modern_tails, sengoku_tails;
  for (const auto* heads : {&Data::snb_given_modern, &Data::snb_given_sengoku}) {
    const auto& tails = heads == &Data::snb_given_modern ? Data::snb_tails_modern : Data::snb_tails_sengoku;
    auto& used = heads == &Data::snb_given_modern ? modern_tails : sengoku_tails;
    for (int row = 0; row < heads->rows; ++row) {
      const auto& head = heads->Row(row);
      EXPECT_TRUE(IsHiragana(head.reading)) << heads->name << " " << row;
      EXPECT_GE(head.tail, -1) << heads->name << " " << row;
      EXPECT_LT(head.tail, tails.blocks) << heads->name << " " << row;
      if (head.tail >= 0) used.insert(head.tail);
    }
    for (int row = 0; row < tails.rows; ++row) EXPECT_TRUE(IsHiragana(tails.Row(row).reading)) << row;
  }
  EXPECT_EQ(static_cast<int>(modern_tails.size()), Data::snb_tails_modern.blocks);
  EXPECT_EQ(static_cast<int>(sengoku_tails.size()), Data::snb_tails_sengoku.blocks);
  // Present-day categories read the first three lists, Sengoku ones the
  // last two or none; every list is read by some category.
  std::set<int> lists;
  for (int face = 0; face < 6; ++face) {
    const auto& category = Data::snb_family_faces.Row(face);
    EXPECT_GE(category.modern, 0);
    EXPECT_LE(category.modern, 2);
    EXPECT_TRUE(category.sengoku == -1 || category.sengoku == 3 || category.sengoku == 4) << face;
    lists.insert(category.modern);
    lists.insert(category.sengoku);
  }
  EXPECT_EQ(lists, (std::set<int>{-1, 0, 1, 2, 3, 4}));
  for (int row = 0; row < Data::snb_family_names.rows; ++row) {
    EXPECT_TRUE(IsHiragana(Data::snb_family_names.Row(row).reading)) << row;
  }
}

}  // namespace
}  // namespace Tables
