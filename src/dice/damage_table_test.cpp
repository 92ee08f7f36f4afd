// The damage table we supply: its shape, its telling rows, and the order it
// keeps along the sums and down the ratings.
#include <gtest/gtest.h>

#include <vector>

#include "dice/rules_first_set.h"

namespace Dice {
namespace {

void ExpectRow(int rating, const std::vector<int>& expected) {
  for (int column = 0; column < 10; ++column) {
    EXPECT_EQ(kDamageTable[rating][column], expected[column]) << "rating " << rating << ", sum " << column + 3;
  }
}

TEST(DamageTable, TellingRows) {
  static_assert(kDamageRows == 61);
  ExpectRow(0, {0, 0, 0, 0, 0, 0, 0, 0, 0, 1});
  ExpectRow(30, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
  ExpectRow(60, {4, 6, 8, 10, 10, 12, 12, 13, 15, 15});
}

TEST(DamageTable, NonDecreasingAlongSumsAndRatings) {
  for (int rating = 0; rating < kDamageRows; ++rating) {
    for (int column = 0; column < 10; ++column) {
      EXPECT_GE(kDamageTable[rating][column], 0) << rating;
      if (column > 0) {
        EXPECT_LE(kDamageTable[rating][column - 1], kDamageTable[rating][column]) << rating;
      }
      if (rating > 0) {
        EXPECT_LE(kDamageTable[rating - 1][column], kDamageTable[rating][column]) << rating;
      }
    }
  }
}

}  // namespace
}  // namespace Dice
