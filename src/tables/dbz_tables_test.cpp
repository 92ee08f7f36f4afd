// The DBZ lucky bag: kinds, counts and grade rows.
#include <cstdio>
#include <string>

#include "tables/table_data_list.h"
#include "tables/table_test_support.h"

namespace Tables {
namespace {

std::string Bag(int total, const std::string& detail) {
  char head[32];
  std::snprintf(head, sizeof head, "[%02d]", total);
  return "\r\nNOTICE #trpg :taro ->【掘り出し福袋】" + std::string(head) + detail;
}

TEST(DbzLuckyBag, KindsCountsAndGradeRows) {
  // Totals 2 to 4 are magic stones, 7 gold, as the bag's rows say.
  for (int total : {0, 1, 2}) EXPECT_EQ(Data::dbz_bag.Number(total, 1), 1);
  EXPECT_EQ(std::string(Data::dbz_bag.Text(5, 0)), "金貨");
  // Gold: 3 and 4 make 7; no count, 0 or a negative count roll one die.
  testing::Draws seed = Faces({{6, 2}, {6, 3}, {6, 4}});
  for (const char* line : {"#T DBZ BAG", "#T DBZ BAG 0", "#T DB BAG -4", "#T DBZ BAG x"}) {
    EXPECT_EQ(Answer(line, seed), Bag(7, " 金貨:1D6 = 5")) << line;
  }
  seed = Faces({{6, 2}, {6, 3}, {6, 4}, {6, 5}, {6, 0}});
  EXPECT_EQ(Answer("#T DBZ BAG 3", seed), Bag(7, " 金貨:3D6 = 12"));
  // A magic stone: the stone die after the total; the count is shown.
  seed = Faces({{6, 0}, {6, 0}, {6, 5}});
  EXPECT_EQ(Answer("#T DBZ BAG 4", seed), Bag(2, std::string("[6]《") + Data::dbz_stones.Text(5, 0) + "》:4"));
  // Materials (total 8, 鉱石): three ones read the first grade row, five
  // sixes (30) the last; one die of 2 is below 3 and reads the first too.
  const std::string ore = Data::dbz_bag.Text(6, 0);
  auto grades = [&](int sum, int row) {
    char text[128];
    std::snprintf(text, sizeof text, "[%02d]《%s１》:%d 《%s２》:%d 《%s３》:%d", sum, ore.c_str(),
                  Data::dbz_grades.Number(row, 0), ore.c_str(), Data::dbz_grades.Number(row, 1), ore.c_str(),
                  Data::dbz_grades.Number(row, 2));
    return std::string(text);
  };
  seed = Faces({{6, 2}, {6, 4}, {6, 0}, {6, 0}, {6, 0}});
  EXPECT_EQ(Answer("#T DBZ BAG 3", seed), Bag(8, grades(3, 0)));
  seed = Faces({{6, 2}, {6, 4}, {6, 1}});
  EXPECT_EQ(Answer("#T DBZ BAG", seed), Bag(8, grades(2, 0)));
  // Six dice of 5, 5, 5, 5, 5 and 5 make 30.
  seed = Faces({{6, 2}, {6, 4}, {6, 4}, {6, 4}, {6, 4}, {6, 4}, {6, 4}, {6, 4}});
  EXPECT_EQ(Answer("#T DBZ BAG 6", seed), Bag(8, grades(30, 15)));
  // More dice than any bag holds: no answer instead of a long roll.
  EXPECT_EQ(Answer("#T DBZ BAG 100", 3).empty(), false);
  EXPECT_EQ(Answer("#T DBZ BAG 101", 3), "");
  EXPECT_EQ(Answer("#T DBZ BAG 99999999999", 3), "");
  ExpectEveryRow("#T DBZ BAG", Data::dbz_stones, 0);
}

}  // namespace
}  // namespace Tables
