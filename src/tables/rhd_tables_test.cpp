// The tables of the RHD system: the rabbit's entrance, and the character
// maker's six characters.
#include <cstdio>
#include <string>

#include "tables/table_data_list.h"
#include "tables/table_test_support.h"

namespace Tables {
namespace {

TEST(RhdRabbit, OneDieOneRow) {
  EXPECT_EQ(Answer("#TABLE RHD RABBIT", Faces({{6, 0}})),
            Head() + "うさぴょん登場: [1] " + Data::rhd_rabbit.Row(0).text);
  EXPECT_EQ(Answer("#T RABBITHOLE USAPYON", Faces({{6, 5}})),
            Head() + "うさぴょん登場: [6] " + Data::rhd_rabbit.Row(5).text);
  testing::ExpectEveryRow("#T RHD USAGI", Data::rhd_rabbit, 0);
}

std::string Character(int row) {
  const auto& c = Data::rhd_characters.Row(row);
  char values[128];
  std::snprintf(values, sizeof values, "ＨＰ:%2d  勇気:%d  知恵:%d  優しさ:%d  幸運:%d", c.hp, c.courage, c.wisdom,
                c.kindness, c.luck);
  return Head() + "[" + std::to_string(row + 1) + "] " + c.name + "（" + c.profile + "）" + Head() + values;
}

TEST(RhdMaker, OneDieOneCharacter) {
  EXPECT_EQ(Answer("#MAKE RHD", Faces({{6, 0}})), Character(0));
  EXPECT_EQ(Answer("#MAKE RABBITHOLE なんでも", Faces({{6, 5}})), Character(5));
  // A single-digit HP keeps its column.
  for (int row = 0; row < 6; ++row) {
    EXPECT_EQ(Answer("#M RHD", Faces({{6, static_cast<uint32_t>(row)}})), Character(row));
  }
  EXPECT_EQ(Answer("#TABLE RHD", Faces({{6, 0}})), "");
}

}  // namespace
}  // namespace Tables
