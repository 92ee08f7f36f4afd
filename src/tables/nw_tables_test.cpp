// The personality, relations, life-path and epithet tables of the NW and SF
// systems, and the placeholder filling they rely on.
#include <string>

#include "tables/table_data_list.h"
#include "tables/table_test_support.h"
#include "tables/table_text.h"

namespace Tables {
namespace {

TEST(FillMarks, ReplacesOnlyItsMarkAndOnlyAsManyAsGiven) {
  EXPECT_EQ(FillMarks("[%s]と[%s]", "%s", {"a", "%d"}), "[a]と[%d]");
  EXPECT_EQ(FillMarks("%s%s%s", "%s", {"x"}), "x%s%s");
  EXPECT_EQ(FillMarks("1D6(%d)／-10％ %n %x", "%d", {"4", "9"}), "1D6(4)／-10％ %n %x");
  EXPECT_EQ(FillMarks("", "%d", {"1"}), "");
}

TEST(HoldsRow, MarksStandForFilledText) {
  EXPECT_TRUE(testing::HoldsRow("x 1D6(4)／出血:2D6(7) y", "1D6(%d)／出血:2D6(%d)"));
  EXPECT_FALSE(testing::HoldsRow("1D6(4)", "1D6(%d)／出血"));
  EXPECT_TRUE(testing::HoldsRow("[a]だが[b]", "[%s]だが[%s]"));
  EXPECT_FALSE(testing::HoldsRow("だが[b][a]", "[%s]だが[%s]"));
}

TEST(NwTables, TemplateFilledWithTheFirstDrawFirst) {
  for (uint32_t seed : {1u, 6u, 13u}) {
    std::mt19937 r(seed);
    const int t = static_cast<int>(r() % 6), u = static_cast<int>(r() % 36), v = static_cast<int>(r() % 36);
    const std::string personality = FillMarks(Data::personality_templates.Text(t, 0), "%s",
                                              {Data::personality_words.Text(u, 0), Data::personality_words.Text(v, 0)});
    EXPECT_EQ(Answer("#T SF CHAR", seed), Head() + "性格表：" + personality);
    EXPECT_EQ(Answer("#T NW2 CHARACTER", seed), Head() + "性格表：" + personality);
    const std::string relation = FillMarks(Data::nw_relation_templates.Text(t, 0), "%s",
                                           {Data::nw_relation_words.Text(u, 0), Data::nw_relation_words.Text(v, 0)});
    EXPECT_EQ(Answer("#T NW REL", seed), Head() + "人間関係：" + relation);
  }
  // The sample template is the first one.
  EXPECT_EQ(std::string(Data::personality_templates.Text(0, 0)), "かつては[%s]だったが、今は[%s]である。");
  // A word the speaker cannot type into a format: names with % are text.
  mirado::testing::TempSettings settings;
  settings.Write("[CharactersName]\r\nTARO=%s%n\r\n");
  EXPECT_EQ(Answer("#T NW CHAR", 1).rfind("\r\nNOTICE #trpg :%s%n -> 性格表：", 0), 0u);
}

TEST(NwTables, LifePathAndEpithet) {
  for (uint32_t seed : {2u, 7u}) {
    std::mt19937 r(seed);
    const int a = static_cast<int>(r() % 38), b = static_cast<int>(r() % 38);
    EXPECT_EQ(Answer("#T NW LIFE", seed),
              Head() + "ライフパス：" + Data::nw_life_path.Text(a, 0) + "／" + Data::nw_life_path.Text(b, 1));
    std::mt19937 e(seed);
    const int x = static_cast<int>(e() % 36), y = static_cast<int>(e() % 36), z = static_cast<int>(e() % 72);
    EXPECT_EQ(Answer("#T NW TITLE", seed), Head() + "二つ名：" + Data::nw_epithet_first.Text(x, 0) +
                                               Data::nw_epithet_second.Text(y, 0) + Data::nw_epithet_noun.Text(z, 0));
  }
  ExpectEveryRow("#T NW CHAR", Data::personality_words, 0);
  ExpectEveryRow("#T SF CHAR", Data::personality_templates, 0);
  ExpectEveryRow("#T NW REL", Data::nw_relation_templates, 0);
  ExpectEveryRow("#T NW REL", Data::nw_relation_words, 0);
  ExpectEveryRow("#T NW LIFEPATH", Data::nw_life_path, 0);
  ExpectEveryRow("#T NW LIFEPATH", Data::nw_life_path, 1);
  ExpectEveryRow("#T NW TITLE", Data::nw_epithet_first, 0);
  ExpectEveryRow("#T NW TITLE", Data::nw_epithet_second, 0);
  ExpectEveryRow("#T NW TITLE", Data::nw_epithet_noun, 0);
}

}  // namespace
}  // namespace Tables
