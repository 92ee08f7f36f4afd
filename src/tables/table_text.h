// Filling the placeholders that some table rows carry. A row is data, never
// a format string: only the one mark a table defines is replaced, and any
// other "%" in the row stays as it is.
#ifndef MIRADO_TABLES_TABLE_TEXT_H_
#define MIRADO_TABLES_TABLE_TEXT_H_

#include <initializer_list>
#include <string>
#include <string_view>

namespace Tables {

// `row` with each `mark` ("%s", "%d") replaced, left to right, by the next of
// `values`; marks beyond the values are kept as they are. Code page 932 safe:
// "%" is never the second byte of a double-byte character.
std::string FillMarks(std::string_view row, std::string_view mark, std::initializer_list<std::string_view> values);

}  // namespace Tables

#endif  // MIRADO_TABLES_TABLE_TEXT_H_
