// The tables of the BCRUSADE system: happiness, relation attribute, scene,
// initiative skill, body region, insanity and mutation.
#include <cstdio>
#include <random>
#include <string>

#include "tables/table_data_list.h"
#include "tables/table_test_support.h"

namespace Tables {
namespace {

using testing::ExpectEveryRowOfEachBlock;
using testing::ExpectKindWords;
using testing::kDiceOneOne;
using testing::kDiceSixSix;
using testing::kDieOne;
using testing::kDieSix;

// The happiness reply for the face `row` + 1 of table `kind`.
std::string Happy(const std::string& title, int32_t kind, int32_t row) {
  return Head() + title + "：[" + std::to_string(row + 1) + "] " + Data::bc_happiness.Row(kind, row).text;
}

TEST(BcHappiness, EveryWordOfAKindReachesItsTable) {
  ExpectKindWords("#TABLE BC HAPPY ",
                  {{"自信幸福表", 0, {"自信", "C", "CHT", "ct", "CONFIDENT"}},
                   {"地位幸福表", 1, {"地位", "SHT", "STATUS", "POST", "ＳＨＴ"}},
                   {"日常幸福表", 2, {"日常", "DHT", "DAY", "EVERYDAY", "NICHIJOU"}},
                   {"人脈幸福表", 3, {"人脈", "LHT", "LINK", "CONNECTION"}},
                   {"退路幸福表", 4, {"退路", "EHT", "ESCAPE", "EXIT"}}},
                  kDieOne, [](const char* title, int32_t kind) { return Happy(title, kind, 0); });
  EXPECT_EQ(Answer("#T BLOODCRUSADE HT CON", kDieSix), Happy("自信幸福表", 0, 5));
}

TEST(BcHappiness, TheLastMatchingTableWinsAndNoMatchIsSilent) {
  // "E" is both the everyday table's word and the escape table's code; the
  // escape table comes last.
  EXPECT_EQ(Answer("#TABLE BC HAPPY E", kDieOne), Happy("退路幸福表", 4, 0));
  for (const char* line : {"#TABLE BC HAPPY", "#TABLE BC HT", "#TABLE BC HAPPY XYZ", "#T BC HHT"}) {
    EXPECT_EQ(Answer(line, kDieOne), "") << line;
  }
}

TEST(BcHappiness, ShortCodesStandForTheKindWord) {
  EXPECT_EQ(Answer("#T BC CHT", kDieOne), Happy("自信幸福表", 0, 0));
  EXPECT_EQ(Answer("#T BC EHT", kDieSix), Happy("退路幸福表", 4, 5));
  ExpectEveryRowOfEachBlock({"#T BC CHT", "#T BC SHT", "#T BC DHT", "#T BC LHT", "#T BC EHT"}, Data::bc_happiness, 0);
}

TEST(BcRelationInitiativeBody, OneRollOneRow) {
  const auto& relation = Data::bc_relation;
  EXPECT_EQ(Answer("#TABLE BC REL", kDieOne),
            Head() + "関係属性表：[1] " + relation.Row(0).attribute + "／" + relation.Row(0).relation);
  EXPECT_EQ(Answer("#T BC RT", kDieSix),
            Head() + "関係属性表：[6] " + relation.Row(5).attribute + "／" + relation.Row(5).relation);
  const auto& skills = Data::bc_initiative;
  EXPECT_EQ(Answer("#TABLE BC INITIATIVE", kDieOne),
            Head() + "先制判定指定特技表：[1] 《" + skills.Row(0).first + "／" + skills.Row(0).second + "》");
  EXPECT_EQ(Answer("#T BC INIV", kDieSix),
            Head() + "先制判定指定特技表：[6] 《" + skills.Row(5).first + "／" + skills.Row(5).second + "》");
  // "IST" is also a scene code: both rows run, each after a reseed, and the
  // initiative table, the later row, answers.
  std::mt19937 reference(3);
  const int32_t face = static_cast<int32_t>(reference() % 6);
  EXPECT_EQ(Answer("#T BC IST", 3u), Head() + "先制判定指定特技表：[" + std::to_string(face + 1) + "] 《" +
                                         skills.Row(face).first + "／" + skills.Row(face).second + "》");
  EXPECT_EQ(Answer("#TABLE BC BODY", kDiceOneOne), Head() + "身体部位決定表：[02] " + Data::bc_body_region.Row(0).part);
  EXPECT_EQ(Answer("#T BC BR", kDiceSixSix), Head() + "身体部位決定表：[12] " + Data::bc_body_region.Row(10).part);
  ExpectEveryRow("#T BC RELATION", relation, 1);
  ExpectEveryRow("#T BC INI", skills, 0);
  ExpectEveryRow("#T BC REGION", Data::bc_body_region, 0);
}

std::string Scene(const std::string& name, int32_t kind, int32_t row) {
  char shown[32];
  std::snprintf(shown, sizeof shown, "%02d", row + 2);
  return Head() + name + "シーン表：[" + shown + "] " + Data::bc_scene.Row(kind, row).text;
}

TEST(BcScene, KindWordsAndTheGeneralFallback) {
  ExpectKindWords("#TABLE BC SCENE ",
                  {{"汎用", 0, {"汎用", "GST", "NORMAL", "HANYOU", "CITY", "XYZ"}},
                   {"館", 1, {"館", "MANSION", "HOUSE", "YAKATA", "ＭＳＴ"}},
                   {"学校", 2, {"学校", "SCHOOL", "GAKKOU"}},
                   {"田舎", 3, {"田舎", "CST", "COUNTRY", "COUNTRYSIDE", "INAKA"}},
                   {"戦場", 4, {"戦場", "BST", "BATTLE", "BF", "SENJOU"}},
                   {"夢", 5, {"夢", "DREAM", "YUME"}}},
                  kDiceOneOne, [](const char* name, int32_t kind) { return Scene(name, kind, 0); });
  EXPECT_EQ(Answer("#TABLE BC ST", kDiceSixSix), Scene("汎用", 0, 10));
  EXPECT_EQ(Answer("#T BC DST", kDiceSixSix), Scene("夢", 5, 10));
  EXPECT_EQ(Answer("#T BC SST", kDiceOneOne), Scene("学校", 2, 0));
  ExpectEveryRowOfEachBlock({"#T BC GST", "#T BC MST", "#T BC SST", "#T BC CST", "#T BC BST", "#T BC DST"},
                            Data::bc_scene, 0);
}

TEST(BcInsanity, LightHeavyAndTheLightFallback) {
  const auto insanity = [](const std::string& name, int32_t kind) {
    return Head() + name + "狂気表：[1] " + Data::bc_insanity.Row(kind, 0).text;
  };
  ExpectKindWords("#TABLE BC INSANITY ",
                  {{"軽度", 0, {"軽", "軽度", "1", "１", "L", "LIGHT", "lite", "", "XYZ"}},
                   {"重度", 1, {"重", "重度", "2", "H", "HEAVY"}}},
                  kDieOne, insanity);
  EXPECT_EQ(Answer("#T BC MAD HEAVY", kDieSix), Head() + "重度狂気表：[6] " + Data::bc_insanity.Row(1, 5).text);
  ExpectEveryRowOfEachBlock({"#T BC INSANITY LIGHT", "#T BC INSANITY HEAVY"}, Data::bc_insanity, 0);
}

TEST(BcMutation, TheSuffixIsBracketedWhenThereIsOne) {
  const auto& mutation = Data::bc_mutation;
  // Row 11 has no part; row 12 names its part.
  ASSERT_STREQ(mutation.Row(0).suffix, "");
  ASSERT_STRNE(mutation.Row(1).suffix, "");
  EXPECT_EQ(Answer("#TABLE BC MUTANT", kDiceOneOne), Head() + "異形決定表：[11]《" + mutation.Row(0).name + "》");
  EXPECT_EQ(Answer("#T BC MT", Faces({{6, 0}, {6, 1}})),
            Head() + "異形決定表：[12]《" + mutation.Row(1).name + "(" + mutation.Row(1).suffix + ")》");
  EXPECT_EQ(Answer("#T BC MUT", kDiceSixSix),
            Head() + "異形決定表：[66]《" + mutation.Row(35).name + "(" + mutation.Row(35).suffix + ")》");
  ExpectEveryRow("#T BC MT", mutation, 0);
}

}  // namespace
}  // namespace Tables
