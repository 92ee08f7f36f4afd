#include "tables/table_text.h"

namespace Tables {

std::string FillMarks(std::string_view row, std::string_view mark, std::initializer_list<std::string_view> values) {
  std::string filled;
  auto next = values.begin();
  std::size_t pos = 0;
  while (pos < row.size()) {
    const std::size_t found = mark.empty() ? std::string_view::npos : row.find(mark, pos);
    if (found == std::string_view::npos || next == values.end()) {
      filled.append(row.substr(pos));
      break;
    }
    filled.append(row.substr(pos, found - pos));
    filled.append(*next++);
    pos = found + mark.size();
  }
  return filled;
}

}  // namespace Tables
