// The rating table: for each rating 0 to 100 (the row), the value read for
// the 2D6 sums 3 to 12 (the columns); a sum of 2 reads 0. These are the
// published figures, kept in data/rating-table.txt and compiled in by
// tools/gen_rating_table.py. Every row is non-decreasing along the sums, and
// every column down the ratings.
#include "dice/rule_data.h"

namespace Dice {

const int8_t kRatingTable[kRatingRows][10] = {
#include "dice/rating_table.inc"
};
// clang-format on

}  // namespace Dice
