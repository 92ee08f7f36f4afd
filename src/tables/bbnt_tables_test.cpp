// The BBNT origin tables (half-die D66) and the bond/ego table (D66).
#include <string>

#include "tables/table_data_list.h"
#include "tables/table_test_support.h"

namespace Tables {
namespace {

TEST(BbntTables, HalfDieOriginsAndBondEgo) {
  for (uint32_t seed : {1u, 2u, 5u, 9u}) {
    std::mt19937 r(seed);
    const int a = static_cast<int>(r() % 6), b = static_cast<int>(r() % 6);
    const std::string faces = "[" + std::to_string(a + 1) + std::to_string(b + 1) + "] ";
    EXPECT_EQ(Answer("#T BBNT LOVE", seed),
              Head() + "出自（愛）：" + faces + Data::bbnt_origin_love.Text(a * 3 + b / 2, 0));
    EXPECT_EQ(Answer("#T BB G", seed),
              Head() + "出自（罪）：" + faces + Data::bbnt_origin_guilt.Text(a * 3 + b / 2, 0));
    EXPECT_EQ(Answer("#T BBT EGO", seed), Head() + "絆／エゴ：" + faces + Data::bbnt_bond_ego.Text(a * 6 + b, 0) +
                                              "／" + Data::bbnt_bond_ego.Text(a * 6 + b, 1));
  }
  // 66 reads the last row of each.
  const testing::Draws sixes = testing::Faces({{6, 5}, {6, 5}});
  EXPECT_EQ(Answer("#T BBNT L", sixes), Head() + "出自（愛）：[66] " + Data::bbnt_origin_love.Text(17, 0));
  EXPECT_EQ(Answer("#T BBNT KZN", sixes),
            Head() + "絆／エゴ：[66] " + Data::bbnt_bond_ego.Text(35, 0) + "／" + Data::bbnt_bond_ego.Text(35, 1));
  ExpectEveryRow("#T BBNT LOVE", Data::bbnt_origin_love, 0);
  ExpectEveryRow("#T BBNT GUILTY", Data::bbnt_origin_guilt, 0);
  ExpectEveryRow("#T BBNT KIZUNA", Data::bbnt_bond_ego, 1);
}

}  // namespace
}  // namespace Tables
