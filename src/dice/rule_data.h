// The game data the rules read: the rating and damage tables, the body
// locations of the set count, the Nechronica attack table and the chance
// table of the graded percentile. Each table has a file of its own
// (rating_table.cpp, damage_table.cpp, rule_*_data.cpp).
#ifndef MIRADO_DICE_RULE_DATA_H_
#define MIRADO_DICE_RULE_DATA_H_

#include <cstdint>

namespace Dice {

// The rating table: row = rating 0 to 100, column = 2D6 sum 3 to 12.
constexpr int kRatingRows = 101;
extern const int8_t kRatingTable[kRatingRows][10];
// The damage table: row = damage rating 0 to 60, column = 2D6 sum 3 to 12.
constexpr int kDamageRows = 61;
extern const int8_t kDamageTable[kDamageRows][10];

// Body locations of the faces 1 to 6 ("BRKA"), index face - 1.
extern const char* const kBodyLocations[6];

// The Nechronica attack table: row 0 for a highest die of 1 or less, row d - 1
// for 2 to 10, row 10 for 11 and more. `location` is null for the rows that
// have none; a row with `adds_damage` is followed by the extra damage (d - 10).
struct AttackRow {
  const char* result_word;
  const char* location;
  bool adds_damage;
};
constexpr int kAttackRowCount = 11;
extern const AttackRow kAttackTable[kAttackRowCount];

// The chance table of the graded percentile ("PH"): the first row whose bound
// is at least the difference gives the chance in percent.
struct ChanceRow {
  int32_t bound;
  int32_t chance;
};
constexpr int kChanceRowCount = 25;
extern const ChanceRow kChanceTable[kChanceRowCount];

}  // namespace Dice

#endif  // MIRADO_DICE_RULE_DATA_H_
