// The fumble and penalty tables of the GD system. Word 2 names the table by
// the letters it contains (F fumble or P penalty, then the kind of attack),
// word 3 is a modifier added to the 2D10 roll; the result is kept to 0..18.
// A handler because word 2 picks one of ten tables by the letters it holds.
#include <cstdint>
#include <string>

#include "core/first_match.h"
#include "core/random_source.h"
#include "core/text.h"
#include "tables/table_data_list.h"
#include "tables/table_handlers.h"
#include "tables/table_kit.h"
#include "tables/table_text.h"

namespace Tables {
namespace {

// A table word's letters pick a table: matched against the whole of word 2.
template <typename RowType>
struct GdTable {
  const char* pattern;
  const char* title;
  const Data::Table<RowType>& rows;
};

// Tried in this order, first hit wins.
const GdTable<Data::gd_fumble_row> kFumbleTables[] = {
    {".*S.*", "射撃ファンブル表", Data::gd_fumble_shooting},
    {".*A.*", "武器戦闘ファンブル表", Data::gd_fumble_weapon},
    {".*T.*", "投擲ファンブル表", Data::gd_fumble_thrown},
    {".*G.*", "格闘ファンブル表", Data::gd_fumble_unarmed},
};
// Thrown weapons hurt as weapons in hand do, so the two share their rows.
const GdTable<Data::gd_penalty_row> kPenaltyTables[] = {
    {".*A.*", "武器戦闘ペナルティ表", Data::gd_penalty_weapon},
    {".*T.*", "投擲ペナルティ表", Data::gd_penalty_weapon},
    {".*G.*", "格闘ペナルティ表", Data::gd_penalty_unarmed},
    {".*E.*", "爆発ペナルティ表", Data::gd_penalty_explosion},
    {".*S.*2.*|.*2.*S.*", "射撃ペナルティ表(貫通)", Data::gd_penalty_shooting_through},
    {".*S.*(1.*)?|.*(1.*)?S.*", "射撃ペナルティ表(非貫通)", Data::gd_penalty_shooting},
};

constexpr int32_t kHighest = 18;

}  // namespace

void GdTables(BotCommand::BotCommandAbstract& out, const TableWords& words) {
  char word[BotCommand::kLineSize];
  mirado::ToHalfWidth(words[0], word, sizeof word);
  if (word[0] == '\0') return;
  const int32_t raw = RollTable(Data::DiceKind::k2D10, 19).row;
  const int32_t modifier = mirado::ReadDecimal(words[1]);
  // Added in 64 bits: the modifier may be any 32-bit number.
  const int64_t sum = static_cast<int64_t>(raw) + modifier;
  const int32_t final_value = static_cast<int32_t>(sum < 0 ? 0 : sum > kHighest ? kHighest : sum);

  if (mirado::FullMatch(word, ".*F.*")) {
    const auto* table = mirado::FirstMatch(kFumbleTables, &GdTable<Data::gd_fumble_row>::pattern, word);
    if (table == nullptr) return;
    const char* row = table->rows.Row(final_value).text;
    if (modifier == 0) {
      out.Say("%s：[%2d] %s", table->title, final_value, row);
    } else {
      out.Say("%s：[%02d+%d:%2d] %s", table->title, raw, modifier, final_value, row);
    }
    return;
  }
  if (!mirado::FullMatch(word, ".*P.*")) return;
  const auto* table = mirado::FirstMatch(kPenaltyTables, &GdTable<Data::gd_penalty_row>::pattern, word);
  if (table == nullptr) return;
  const Data::gd_penalty_row& row = table->rows.Row(final_value);
  // The row's "%d" marks take the two dice sums; the second count is rolled
  // first.
  const int32_t second = RandomSource::RollSum(row.dice2, 6, false);
  const int32_t first = RandomSource::RollSum(row.dice1, 6, false);
  const std::string text = FillMarks(row.text, "%d", {std::to_string(first), std::to_string(second)});
  if (modifier == 0) {
    out.Say("%s：[%2d] %s", table->title, final_value, text.c_str());
  } else {
    out.Say("%s：[%2d+%d:%2d] %s", table->title, raw, modifier, final_value, text.c_str());
  }
}

}  // namespace Tables
