// The origin and life-path tables of the BBNT and ARA systems.
#include <string>

#include "tables/table_data_list.h"
#include "tables/table_test_support.h"

namespace Tables {
namespace {

using testing::Answer;
using testing::ExpectEveryRow;
using testing::Head;

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

TEST(AraLifePath, BirthCircumstanceFateInThatOrder) {
  for (uint32_t seed : {1u, 4u, 8u}) {
    std::mt19937 r(seed);
    int rows[3];
    for (int& row : rows) {
      const int six = static_cast<int>(r() % 6);
      row = six * 3 + static_cast<int>(r() % 3);
    }
    const Data::DataTable& birth = Data::ara_birth;
    EXPECT_EQ(Answer("#T ARA LIFE", seed),
              Head() + "出自：" + birth.Text(rows[0], 0) + "　　境遇：" + Data::ara_circumstance.Text(rows[1], 0) +
                  "　　運命：" + Data::ara_fate.Text(rows[2], 0) + Head() + "特徴：" + birth.Text(rows[0], 1) + "（" +
                  birth.Text(rows[0], 2) + "／" + birth.Text(rows[0], 3) + "）");
  }
  ExpectEveryRow("#T AR LIFE", Data::ara_birth, 0);
  ExpectEveryRow("#T AR LIFE", Data::ara_circumstance, 0);
  ExpectEveryRow("#T AR LIFE", Data::ara_fate, 0);
}

}  // namespace
}  // namespace Tables
