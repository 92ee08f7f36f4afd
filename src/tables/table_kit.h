// The table kit: the pieces every random table and character maker is built
// from, and the one handler that serves a table of the common shape
// (an optional kind word, one die convention, one row, a fixed reply).
//
// A table of the common shape is described, not coded: its data file states
// its dice (@dice), its kinds (@kinds, @kind), its reply lines (@reply,
// @fill) and its rows, and the generator turns the file into a DescribedTable;
// its directory row names the words that reach it and its reply limit.
// Tables with real logic keep handlers, built from the same pieces:
// RollTable for the dice, KindSelector for the kind word, FormatReply for a
// reply line, ServeTable to run a described table from a handler.
#ifndef MIRADO_TABLES_TABLE_KIT_H_
#define MIRADO_TABLES_TABLE_KIT_H_

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "core/bot_command.h"
#include "tables/table_data.h"
#include "tables/table_directory.h"

namespace Tables {

// ---- Dice ------------------------------------------------------------------------
// One roll of a table's die convention (every die one draw modulo its faces,
// from the one die source): the row it reads within a block and what the
// reply shows.
struct TableRoll {
  int32_t row = 0;    // 0-based, within the block
  int32_t shown = 0;  // the single value a reply shows ([%2d], [%d], [%02d])
  int32_t tens = 0;   // the two faces a reply of a two-dice roll shows ([%d%d])
  int32_t ones = 0;
};
// Rolls `dice`; kDraw (and kNone) draws modulo `rows`.
TableRoll RollTable(Data::DiceKind dice, int32_t rows);
// The rows a die convention reaches (0 for kDraw and kNone: any count).
int32_t RowsOf(Data::DiceKind dice);

// A weighted pick: the table is read as a list of slots in which each row
// stands `weight` times (rows of weight 0 or less have none), and one draw
// modulo the slot count picks a slot. Returns the row (0 when no row has a
// slot); `slot` (when given) receives the slot drawn.
int32_t DrawWeightedSlot(const int32_t* weights, std::size_t stride, int32_t rows, int32_t* slot);
template <typename RowType>
int32_t DrawWeighted(const Data::Table<RowType>& table, int32_t RowType::*weight, int32_t* slot = nullptr) {
  const RowType& first = table.Row(0);
  return DrawWeightedSlot(&(first.*weight), table.stride, table.rows, slot);
}

// ---- Kind words ------------------------------------------------------------------
// How a kind word (word 3) is read before its patterns are tried.
enum class KindFolding : uint8_t {
  kHalfWidth,  // ToHalfWidth, then ToWide: patterns hold half-width katakana
  kWide,       // ToWide alone
  kFolded,     // ToWide, then FoldForMatch: patterns in full-width capitals
};
// Which kind a word that names none gets.
enum class KindFallback : uint8_t {
  kNoReply,    // no kind: the table gives no reply
  kFirstKind,  // the first kind
  kDrawnKind,  // one draw: odd picks the first kind, even the second
};
struct KindRow {
  const char16_t* pattern;  // whole-word, case-insensitive; empty never matches
  const char* name;         // shown in the reply (may be empty)
};
struct KindSelector {
  std::span<const KindRow> kinds;
  KindFolding folding;
  bool last_hit;  // every pattern is tried and the last that matches wins
  KindFallback fallback;

  // The kind `word` selects (0-based), the fallback's, or -1 for no reply.
  // An empty word never matches. The drawn fallback draws only when needed.
  int32_t Select(const char* word) const;
};

// ---- Reply lines -----------------------------------------------------------------
// One value a reply line shows.
struct ReplyValue {
  bool is_text;
  std::string_view text;
  int64_t number;
  static ReplyValue Text(std::string_view text) { return {true, text, 0}; }
  static ReplyValue Number(int64_t number) { return {false, {}, number}; }
};
// Fills `format` (a constant of the program or of a data file's @reply) with
// `values`, in order: "%s", "%-Ns" (left-justified in N bytes) take text;
// "%d", "%Nd", "%0Nd", "%+d" take numbers; "%%" is a percent sign. The
// values are text, never formats. False, and `out` empty, when the format
// asks for other conversions, more or fewer values, or a value of the other
// kind (the generator refuses such a data file; this keeps a mistake harmless).
bool FormatReply(std::string_view format, std::span<const ReplyValue> values, std::string* out);

// What fills one conversion of a described reply line.
enum class FillKind : uint8_t {
  kShown,    // the roll's single value
  kTens,     // the roll's first face
  kOnes,     // the roll's second face
  kKind,     // the kind's name
  kText,     // a text column of the row
  kNumber,   // a number column of the row
  kWrapped,  // a text column, inside `wrap` ("(%s)") when not empty, else ""
  kWord,     // a number column shown as words[0] for 0, words[1] otherwise
};
struct ReplyField {
  FillKind kind;
  int32_t column;  // for the row's columns
  const char* wrap;
  const char* words[2];
};
struct ReplyLineForm {
  const char* format;
  bool tight;  // the line follows the arrow without a space ("->【遭遇表】...")
  const ReplyField* fields;
  int32_t field_count;
};

// A described table: its data, its dice, its kinds (null: one block, no
// kind word) and its reply lines.
struct DescribedTable {
  const Data::DataTable* data;
  const KindSelector* kinds;
  const ReplyLineForm* lines;
  int32_t line_count;
};

// Runs a described table: the kind from word 3 (the table's kind selector),
// the roll on that kind's block, and its reply lines, each added through
// `out`. Nothing when the kind selector gives no kind.
void ServeTable(BotCommand::BotCommandAbstract& out, const DescribedTable& table, const TableWords& words);

// Adds one answer line: "-> " and the text, or "->" and the text when
// `tight`. The line is added whole or not at all.
bool SayText(BotCommand::BotCommandAbstract& out, std::string_view text, bool tight = false);

}  // namespace Tables

#endif  // MIRADO_TABLES_TABLE_KIT_H_
