// The option words the name tables read from words 3 and 4: a word naming
// the origin of the names (one row of the table's own list) and a gender
// word. A later word overrides an earlier one.
#ifndef MIRADO_TABLES_NAME_OPTIONS_H_
#define MIRADO_TABLES_NAME_OPTIONS_H_

#include <cstddef>

#include "core/first_match.h"
#include "core/text.h"
#include "tables/table_directory.h"
#include "tables/tables.h"

namespace Tables {

template <typename Origin>
struct NameOptions {
  const Origin* origin = nullptr;  // null when no word named one
  bool gender_given = false;
  bool male = false;
};

// `origins` is a list of rows with a `pattern` member, tried in order on each
// word read in half width; the gender word is read by ParseGender.
template <typename Origin, std::size_t N>
NameOptions<Origin> ReadNameOptions(const TableWords& words, const Origin (&origins)[N]) {
  NameOptions<Origin> options;
  for (int i = 1; i <= 2; ++i) {
    char word[BotCommand::kLineSize];
    mirado::ToHalfWidth(words[i], word, sizeof word);
    if (const Origin* origin = mirado::FirstMatch(origins, &Origin::pattern, word)) options.origin = origin;
    if (ParseGender(&options.male, words[i], false)) options.gender_given = true;
  }
  return options;
}

}  // namespace Tables

#endif  // MIRADO_TABLES_NAME_OPTIONS_H_
