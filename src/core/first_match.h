// The one search behind every keyword list, kind word and sub-command table:
// the first (or last) row of a constant list whose pattern takes a whole word.
// Narrow rows hold `const char*` patterns and are matched with FullMatch
// (case-insensitive, code page 932 bytes); wide rows hold `const char16_t*`
// patterns and are matched with FullMatchWide. An empty pattern, an empty
// word and a pattern the engine cannot use never match.
#ifndef MIRADO_CORE_FIRST_MATCH_H_
#define MIRADO_CORE_FIRST_MATCH_H_

#include <iterator>
#include <string_view>

#include "core/text.h"

namespace mirado {

// `rows` is any list of rows: an array, a std::span over a table defined
// elsewhere, a vector.

// The first row for which `wanted(row)` holds, or null.
template <typename Rows, typename Predicate>
auto FirstRowWhere(const Rows& rows, Predicate wanted) -> decltype(&*std::begin(rows)) {
  for (const auto& row : rows) {
    if (wanted(row)) return &row;
  }
  return nullptr;
}

// Whether one pattern takes the word: narrow or wide by the pattern's type.
inline bool PatternTakes(const char* pattern, std::string_view word) { return FullMatch(word, pattern); }
inline bool PatternTakes(const char16_t* pattern, std::u16string_view word) { return FullMatchWide(word, pattern); }

// The first row whose pattern (the member `pattern`) takes `word`, or null.
template <typename Rows, typename Row, typename Pattern, typename Word>
const Row* FirstMatch(const Rows& rows, Pattern Row::*pattern, const Word& word) {
  return FirstRowWhere(rows, [&](const Row& row) { return PatternTakes(row.*pattern, word); });
}

// The last row whose pattern takes `word` (every row is tried), or null.
template <typename Rows, typename Row, typename Pattern, typename Word>
const Row* LastMatch(const Rows& rows, Pattern Row::*pattern, const Word& word) {
  const Row* found = nullptr;
  for (const Row& row : rows) {
    if (PatternTakes(row.*pattern, word)) found = &row;
  }
  return found;
}

}  // namespace mirado

#endif  // MIRADO_CORE_FIRST_MATCH_H_
