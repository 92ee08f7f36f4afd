// The fumble and penalty tables of the GD system. Word 2 names the table by
// the letters it contains (F fumble or P penalty, then the kind of attack),
// word 3 is a modifier added to the 2D10 roll; the result is kept to 0..18.
#include <cstdint>
#include <string>

#include "core/random_source.h"
#include "core/text.h"
#include "tables/table_data_list.h"
#include "tables/table_dice.h"
#include "tables/table_handlers.h"
#include "tables/table_text.h"

namespace Tables {
namespace {

struct GdTable {
  const char* pattern;  // matched against the whole of word 2
  const char* title;
  const Data::DataTable& rows;
};

// Tried in this order, first hit wins.
const GdTable kFumbleTables[] = {
    {".*S.*", "射撃ファンブル表", Data::gd_fumble_shooting},
    {".*A.*", "武器戦闘ファンブル表", Data::gd_fumble_weapon},
    {".*T.*", "投擲ファンブル表", Data::gd_fumble_thrown},
    {".*G.*", "格闘ファンブル表", Data::gd_fumble_unarmed},
};
// Thrown weapons hurt as weapons in hand do, so the two share their rows.
const GdTable kPenaltyTables[] = {
    {".*A.*", "武器戦闘ペナルティ表", Data::gd_penalty_weapon},
    {".*T.*", "投擲ペナルティ表", Data::gd_penalty_weapon},
    {".*G.*", "格闘ペナルティ表", Data::gd_penalty_unarmed},
    {".*E.*", "爆発ペナルティ表", Data::gd_penalty_explosion},
    {".*S.*2.*|.*2.*S.*", "射撃ペナルティ表(貫通)", Data::gd_penalty_shooting_through},
    {".*S.*(1.*)?|.*(1.*)?S.*", "射撃ペナルティ表(非貫通)", Data::gd_penalty_shooting},
};

template <std::size_t N>
const GdTable* Find(const GdTable (&tables)[N], const char* word) {
  for (const GdTable& table : tables) {
    if (mirado::FullMatch(word, table.pattern)) return &table;
  }
  return nullptr;
}

constexpr int32_t kHighest = 18;

}  // namespace

void GdTables(BotCommand::BotCommandAbstract& out, const TableWords& words) {
  char word[BotCommand::kLineSize];
  mirado::ToHalfWidth(words[0], word, sizeof word);
  if (word[0] == '\0') return;
  const int32_t raw = Roll2D10();
  const int32_t modifier = mirado::ReadDecimal(words[1]);
  // Added in 64 bits: the modifier may be any 32-bit number.
  const int64_t sum = static_cast<int64_t>(raw) + modifier;
  const int32_t final_value = static_cast<int32_t>(sum < 0 ? 0 : sum > kHighest ? kHighest : sum);

  if (mirado::FullMatch(word, ".*F.*")) {
    const GdTable* table = Find(kFumbleTables, word);
    if (table == nullptr) return;
    const char* row = table->rows.Text(final_value, 0);
    if (modifier == 0) {
      out.Say("%s：[%2d] %s", table->title, final_value, row);
    } else {
      out.Say("%s：[%02d+%d:%2d] %s", table->title, raw, modifier, final_value, row);
    }
    return;
  }
  if (!mirado::FullMatch(word, ".*P.*")) return;
  const GdTable* table = Find(kPenaltyTables, word);
  if (table == nullptr) return;
  // The row's "%d" marks take the two dice sums; the second count is rolled
  // first.
  const int32_t second = RandomSource::RollSum(table->rows.Number(final_value, 1), 6, false);
  const int32_t first = RandomSource::RollSum(table->rows.Number(final_value, 0), 6, false);
  const std::string text =
      FillMarks(table->rows.Text(final_value, 2), "%d", {std::to_string(first), std::to_string(second)});
  if (modifier == 0) {
    out.Say("%s：[%2d] %s", table->title, final_value, text.c_str());
  } else {
    out.Say("%s：[%2d+%d:%2d] %s", table->title, raw, modifier, final_value, text.c_str());
  }
}

}  // namespace Tables
