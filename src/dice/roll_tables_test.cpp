// The two tables the rating and damage rolls read: their telling rows, the
// order both keep along the sums and down the ratings, and the compiled
// rating table's equality with the published figures in data/rating-table.txt
// (read through the test data folder given with --data, or the path given
// with --rating-table). The damage table is our own data.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "dice/rule_data.h"
#include "dice/rules.h"
#include "support/test_support.h"

namespace Dice {
namespace {

using Table = const int8_t (*)[10];

void ExpectRow(Table table, int rating, const std::vector<int>& expected) {
  for (int column = 0; column < 10; ++column) {
    EXPECT_EQ(table[rating][column], expected[column]) << "rating " << rating << ", sum " << column + 3;
  }
}

void ExpectNonDecreasing(Table table, int rows) {
  for (int rating = 0; rating < rows; ++rating) {
    for (int column = 0; column < 10; ++column) {
      EXPECT_GE(table[rating][column], 0) << rating;
      if (column > 0) {
        EXPECT_LE(table[rating][column - 1], table[rating][column]) << rating;
      }
      if (rating > 0) {
        EXPECT_LE(table[rating - 1][column], table[rating][column]) << rating;
      }
    }
  }
}

TEST(RatingTable, TellingRows) {
  ExpectRow(kRatingTable, 0, {0, 0, 0, 1, 2, 2, 3, 3, 4, 4});
  ExpectRow(kRatingTable, 10, {1, 1, 2, 3, 3, 4, 5, 5, 6, 7});
  ExpectRow(kRatingTable, 20, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
  ExpectRow(kRatingTable, 50, {4, 6, 8, 10, 10, 12, 12, 13, 15, 15});
  ExpectRow(kRatingTable, 100, {8, 12, 15, 18, 19, 20, 22, 24, 27, 30});
}

TEST(DamageTable, TellingRows) {
  static_assert(kDamageRows == 61);
  ExpectRow(kDamageTable, 0, {0, 0, 0, 0, 0, 0, 0, 0, 0, 1});
  ExpectRow(kDamageTable, 30, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
  ExpectRow(kDamageTable, 60, {4, 6, 8, 10, 10, 12, 12, 13, 15, 15});
}

TEST(RollTables, NonDecreasingAlongSumsAndRatings) {
  ExpectNonDecreasing(kRatingTable, kRatingRows);
  ExpectNonDecreasing(kDamageTable, kDamageRows);
}

// The data file the build compiles the table from (--rating-table): the
// generator's reading of it must give every published value.
std::string DataFilePath() { return mirado::testing::Flag("rating-table"); }

TEST(RatingTable, EqualsThePublishedFigures) {
  std::ifstream in(DataFilePath());
  ASSERT_TRUE(in.is_open()) << DataFilePath();
  std::string line;
  int rating = 0;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == '#') continue;
    ASSERT_LT(rating, kRatingRows) << "more rows than ratings";
    std::istringstream row(line);
    std::vector<int> values;
    for (int value; row >> value;) values.push_back(value);
    ASSERT_EQ(values.size(), 10u) << "rating " << rating;
    ExpectRow(kRatingTable, rating, values);
    ++rating;
  }
  EXPECT_EQ(rating, kRatingRows);
}

}  // namespace
}  // namespace Dice
