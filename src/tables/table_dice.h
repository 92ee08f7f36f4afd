// The dice of the random tables. Every die is one draw of the random source
// modulo its faces (biased draws are used as they are), zero-based: a shown
// face adds 1, a shown two-dice total adds 2.
#ifndef MIRADO_TABLES_TABLE_DICE_H_
#define MIRADO_TABLES_TABLE_DICE_H_

#include <cstdint>

#include "tables/table_data.h"

namespace Tables {

// One draw modulo `faces` (0..faces-1): a die, or a pick from a list of
// `faces` entries with no die shown.
int32_t Draw(int32_t faces);
// Two six-sided dice, 0..10 (shown as 2..12).
int32_t Roll2D6();
// Two ten-sided dice from zero, 0..18.
int32_t Roll2D10();

// A D66 roll: two separate six-sided dice, the first the tens digit.
struct D66 {
  int32_t tens;  // 0..5
  int32_t ones;  // 0..5
  // The row of a 36-row table.
  int32_t Index() const { return tens * 6 + ones; }
  // The row of an 18-row table read with the second die halved.
  int32_t HalfIndex() const { return tens * 3 + ones / 2; }
};
D66 RollD66();

// A weighted pick: the table is read as a list of slots in which each row
// stands `weight` times (the number in `weight_column`), and one draw modulo
// the slot count picks a slot. Returns the row; `slot` (when given) receives
// the slot drawn. Rows of weight 0 or less have no slot.
int32_t DrawWeighted(const Data::DataTable& table, int32_t weight_column, int32_t* slot = nullptr);

}  // namespace Tables

#endif  // MIRADO_TABLES_TABLE_DICE_H_
