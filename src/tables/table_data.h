// The shape of a random table's constant data, as the generator
// (tools/gen_table_data.py) writes it from the files in data/: rows in the
// order of the roll values, each row a fixed number of cells. Text cells are
// code page 932 and fit their column's byte width (the shape tests check it);
// number cells are 32-bit signed integers.
#ifndef MIRADO_TABLES_TABLE_DATA_H_
#define MIRADO_TABLES_TABLE_DATA_H_

#include <cstddef>
#include <cstdint>

namespace Tables::Data {

struct DataColumn {
  const char* name;
  // The byte width of the field a text cell is kept in (a cell holds at most
  // width - 1 bytes); 0 for a number column.
  int32_t width;
  // True when a text cell of this column may be empty.
  bool optional;
};

struct DataTable {
  const char* name;
  int32_t rows;
  int32_t columns;
  const DataColumn* column;
  const char* const* cells;  // rows * columns, row by row
  const int32_t* numbers;    // the same layout; 0 in text columns
  bool repeats;              // rows may repeat (several rolls, one result)

  // The text of `column` in `row`; "" outside the table, so a bad index
  // can never read past the data.
  const char* Text(int32_t row, int32_t col) const {
    if (row < 0 || row >= rows || col < 0 || col >= columns) return "";
    return cells[row * columns + col];
  }
  // The number of `column` in `row`; 0 outside the table.
  int32_t Number(int32_t row, int32_t col) const {
    if (row < 0 || row >= rows || col < 0 || col >= columns) return 0;
    return numbers[row * columns + col];
  }
};

}  // namespace Tables::Data

#endif  // MIRADO_TABLES_TABLE_DATA_H_
