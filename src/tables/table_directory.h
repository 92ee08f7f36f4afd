// The table directory: one row per random table or character maker, naming
// the command family, the words that reach it and the function that answers.
// Adding a table is one row here and its handler (see README.md).
#ifndef MIRADO_TABLES_TABLE_DIRECTORY_H_
#define MIRADO_TABLES_TABLE_DIRECTORY_H_

#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/bot_command.h"
#include "core/sizes.h"

namespace Tables {

// Words 2, 3 and 4 of the command line (after the command word and the
// system word), each a 1024-byte text, empty when missing.
using TableWords = char[3][BotCommand::kLineSize];

// Draws from the random source and writes one reply through `out` (its Say,
// or the helpers of table_reply.h).
using TableHandler = void (*)(BotCommand::BotCommandAbstract& out, const TableWords& words);

enum Family : uint8_t { kTableFamily = 0, kMakeFamily = 1 };

struct TableEntry {
  Family family;
  TableHandler handler;
  // Whole-word, case-insensitive patterns. The system pattern is never empty
  // in a live row; an empty word pattern accepts any word, a missing one too.
  const char* system;
  const char* word2;
  const char* word3;
  const char* word4;
};

extern const TableEntry kTableDirectory[];
extern const std::size_t kTableDirectorySize;

// The directory rows, in order, that accept these words: the rows of
// `family` whose system pattern matches `system` and whose word patterns
// match `word2` to `word4`. The walk ends at a row without handler or system
// pattern.
std::vector<std::size_t> FindRows(Family family, const char* system, const char* word2, const char* word3,
                                  const char* word4);

// A row whose tables are not built yet: answers nothing.
void NoTable(BotCommand::BotCommandAbstract& out, const TableWords& words);

}  // namespace Tables

#endif  // MIRADO_TABLES_TABLE_DIRECTORY_H_
