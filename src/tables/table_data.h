// The shape of the constant game data the generator (tools/gen_table_data.py)
// writes from the files in data/: a table of rows in the order of the roll
// values, each row a struct with one named member per column, so a handler
// reads `Data::als_birth.Row(i).feature` and a column that does not exist
// does not compile. Text cells are code page 932 and fit their column's byte
// width, wide cells are UTF-16 (names looked up with LookupFolded), number
// cells are 32-bit signed integers; the generator checks every cell.
//
// A table may be cut into blocks of equal size (sub-tables of one shape
// picked by an index: the kinds of a scene table, the categories of a name
// list). The kit (table_kit.h) also reads a table generically, column by
// index, through the DataTable base.
#ifndef MIRADO_TABLES_TABLE_DATA_H_
#define MIRADO_TABLES_TABLE_DATA_H_

#include <cstddef>
#include <cstdint>
#include <span>

namespace Tables::Data {

enum class CellKind : uint8_t { kText, kNumber, kWide };

struct DataColumn {
  const char* name;
  CellKind kind;
  // The byte width of the field a text cell is kept in (a cell holds at most
  // width - 1 bytes); 0 for other kinds.
  int32_t width;
  // True when a text cell of this column may be empty.
  bool optional;
  // Where the cell sits in a row struct.
  std::size_t offset;
};

// The die convention a table is rolled with, declared by its data file; the
// generator checks that the row count (of each block) is the one the dice
// reach.
enum class DiceKind : uint8_t {
  kNone,           // not rolled as a whole (rows picked by a handler)
  k1D6,            // 6 rows, the face shown
  k2D6,            // 11 rows, the total 2..12 shown
  kD66,            // 36 rows: the first die the tens, both faces shown
  kD66SecondTens,  // 36 rows: the second die the tens
  kHalfD66,        // 18 rows: tens * 3 + the second die halved
  kOrderedD66,     // 21 rows: the smaller die the tens (11, 12 .. 16, 22 .. 66)
  k1D10,           // 10 rows, the face 1..10 shown
  k2D10,           // 19 rows, the zero-based total 0..18 shown
  kD100,           // 100 rows, shown 01..99 and 00 for the last, as percentile dice
  kDraw,           // any count: one draw modulo the rows, shown from 1
};

struct DataTable {
  const char* name;
  int32_t rows;  // all rows, every block
  int32_t columns;
  const DataColumn* column;
  const void* first_row;  // the row structs, `stride` bytes apart
  std::size_t stride;
  const void* empty_row;  // a row whose text cells are "" and numbers 0
  bool repeats;           // rows may repeat (several rolls, one result)
  int32_t blocks;         // 1 when the table is not cut
  int32_t block_rows;     // rows / blocks
  DiceKind dice;
  const char* const* block_labels;  // one per block ("" when unnamed)

  // The text of `col` in `row`; "" outside the table or for a column that
  // is not text, so a bad index can never read past the data.
  const char* Text(int32_t row, int32_t col) const {
    if (!IsCell(row, col, CellKind::kText)) return "";
    return *reinterpret_cast<const char* const*>(Cell(row, col));
  }
  // The number of `col` in `row`; 0 outside the table or for a column that
  // is not a number.
  int32_t Number(int32_t row, int32_t col) const {
    if (!IsCell(row, col, CellKind::kNumber)) return 0;
    return *reinterpret_cast<const int32_t*>(Cell(row, col));
  }
  // The wide text of `col` in `row`; u"" outside.
  const char16_t* Wide(int32_t row, int32_t col) const {
    if (!IsCell(row, col, CellKind::kWide)) return u"";
    return *reinterpret_cast<const char16_t* const*>(Cell(row, col));
  }
  // The index of the column named `name`, or -1.
  int32_t ColumnIndex(const char* name) const;

 private:
  bool IsCell(int32_t row, int32_t col, CellKind kind) const {
    return row >= 0 && row < rows && col >= 0 && col < columns && column[col].kind == kind;
  }
  const char* Cell(int32_t row, int32_t col) const {
    return static_cast<const char*>(first_row) + static_cast<std::size_t>(row) * stride + column[col].offset;
  }
};

// A table with its row struct: rows read by name.
template <typename RowType>
struct Table : DataTable {
  // Row `i`, or the empty row outside the table.
  const RowType& Row(int32_t i) const {
    if (i < 0 || i >= rows) return *static_cast<const RowType*>(empty_row);
    return static_cast<const RowType*>(first_row)[i];
  }
  // Every row, in order (for the searches of core/first_match.h).
  std::span<const RowType> AllRows() const {
    return {static_cast<const RowType*>(first_row), static_cast<std::size_t>(rows)};
  }
  // Row `i` of block `block`, or the empty row outside it.
  const RowType& Row(int32_t block, int32_t i) const {
    if (block < 0 || block >= blocks || i < 0 || i >= block_rows) return *static_cast<const RowType*>(empty_row);
    return Row(block * block_rows + i);
  }
};

}  // namespace Tables::Data

#endif  // MIRADO_TABLES_TABLE_DATA_H_
