#include "tables/table_dice.h"

#include "core/random_source.h"

namespace Tables {

int32_t Draw(int32_t faces) { return RandomSource::Draw(faces); }

int32_t Roll2D6() {
  const int32_t first = Draw(6);
  return first + Draw(6);
}

int32_t Roll2D10() {
  const int32_t first = Draw(10);
  return first + Draw(10);
}

D66 RollD66() {
  D66 roll;
  roll.tens = Draw(6);
  roll.ones = Draw(6);
  return roll;
}

int32_t DrawWeighted(const Data::DataTable& table, int32_t weight_column, int32_t* slot) {
  int32_t slots = 0;
  for (int32_t row = 0; row < table.rows; ++row) {
    const int32_t weight = table.Number(row, weight_column);
    if (weight > 0) slots += weight;
  }
  const int32_t drawn = Draw(slots);
  if (slot != nullptr) *slot = drawn;
  int32_t start = 0;
  for (int32_t row = 0; row < table.rows; ++row) {
    const int32_t weight = table.Number(row, weight_column);
    if (weight <= 0) continue;
    if (drawn < start + weight) return row;
    start += weight;
  }
  return 0;
}

}  // namespace Tables
