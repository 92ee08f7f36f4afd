// The ARA life path: birth, circumstance and fate, in that order.
#include <string>

#include "tables/table_data_list.h"
#include "tables/table_test_support.h"

namespace Tables {
namespace {

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
