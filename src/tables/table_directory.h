// The table directory: one row per random table or character maker, naming
// the command family, the words that reach it, what answers (a described
// table of the kit or a handler), the word a short code stands for and the
// reply's limit. Adding a table of the common shape is its data file and one
// row here (see README.md).
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

// The most bytes a row's reply may take (its terminator counted): whole
// lines that would pass it are left out.
enum ReplyLimit : int32_t { k1024 = 1024, k4096 = 4096 };

struct DescribedTable;  // a described table (table_kit.h)

// What answers a row: the kit serving a described table, or a handler.
struct Answer {
  constexpr Answer(const DescribedTable& table) : described(&table) {}  // NOLINT: a row reads as its table
  constexpr Answer(TableHandler handled) : handler(handled) {}          // NOLINT
  const DescribedTable* described = nullptr;
  TableHandler handler = nullptr;
};

struct TableEntry {
  Family family;
  Answer answer;
  // Whole-word, case-insensitive patterns. The system pattern is never empty
  // in a live row; an empty word pattern accepts any word, a missing one too.
  const char* system;
  const char* word2;
  const char* word3;
  const char* word4;
  // The row of a short code ("CLT", "MST") that stands for a table word: the
  // answer runs with words 2 to 4 as `shifted`, word 2 and word 3, so
  // "TABLE HM CLT" answers as "TABLE HM LOCATE CLT". Null for other rows.
  const char* shifted;
  ReplyLimit limit;
};

// A row of the TABLE family reached by `word2` after the system word.
constexpr TableEntry Table(const char* system, const char* word2, Answer answer, ReplyLimit limit) {
  return {kTableFamily, answer, system, word2, "", "", nullptr, limit};
}
// A row of a short code standing for the table word `shifted`.
constexpr TableEntry ShortCode(const char* system, const char* word2, const char* shifted, Answer answer,
                               ReplyLimit limit) {
  return {kTableFamily, answer, system, word2, "", "", shifted, limit};
}
// A row of the MAKE family.
constexpr TableEntry Maker(const char* system, const char* word2, Answer answer, ReplyLimit limit) {
  return {kMakeFamily, answer, system, word2, "", "", nullptr, limit};
}

extern const TableEntry kTableDirectory[];
extern const std::size_t kTableDirectorySize;

// The directory rows, in order, that accept these words: the rows of
// `family` whose system pattern matches `system` and whose word patterns
// match `word2` to `word4`. The walk ends at a row without an answer or a
// system pattern.
std::vector<std::size_t> FindRows(Family family, const char* system, const char* word2, const char* word3,
                                  const char* word4);

// Runs the answer of directory row `row` for words 2 to 4 (the shifted
// words for a short-code row), within the row's reply limit.
void RunRow(BotCommand::BotCommandAbstract& out, std::size_t row, const TableWords& words);

}  // namespace Tables

#endif  // MIRADO_TABLES_TABLE_DIRECTORY_H_
