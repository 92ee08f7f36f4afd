// The SW tables: 2D6 from 2 to 12, one row each.
#include "tables/table_data_list.h"
#include "tables/table_test_support.h"

namespace Tables {
namespace {

TEST(SwTables, LowestAndHighestTotals) {
  const testing::Draws two = Faces({{6, 0}, {6, 0}}), twelve = Faces({{6, 5}, {6, 5}});
  EXPECT_EQ(Answer("#TABLE SW REQ", two), Head() + "レクイエム表：[ 2] " + Data::sw_requiem.Text(0, 0));
  EXPECT_EQ(Answer("#TABLE SW TURN", twelve),
            Head() + "ターン・アンデッド表：[12] " + Data::sw_turn_undead.Text(10, 0));
  EXPECT_EQ(Answer("#TABLE SW FEAR", twelve), Head() + "恐怖表：[12] " + Data::sw_fear.Text(10, 0));
  EXPECT_EQ(Answer("#TABLE SW JAR", two),
            Head() + "デーモン・ジャー召喚表：[ 2] " + Data::sw_demon_jar.Text(0, 0) + "が出現する。");
  // 3 and 4 give 7 + 2 = 9.
  EXPECT_EQ(Answer("#TABLE SW FEAR", Faces({{6, 2}, {6, 3}})), Head() + "恐怖表：[ 7] " + Data::sw_fear.Text(5, 0));
}

TEST(SwTables, EveryRowTurnsUp) {
  testing::ExpectEveryRow("#T SW REQ", Data::sw_requiem, 0);
  testing::ExpectEveryRow("#T SW TU", Data::sw_turn_undead, 0);
  testing::ExpectEveryRow("#T SW FEAR", Data::sw_fear, 0);
  testing::ExpectEveryRow("#T SW DJ", Data::sw_demon_jar, 0);
}

}  // namespace
}  // namespace Tables
