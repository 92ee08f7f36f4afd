// The first-impression table of the BELF system: 2D6 plus the first number
// (word 3) minus the second (word 4), read against the rows' upper bounds.
// A handler because it reads two numbers and searches by bound. The hobby
// and character tables are described by their data files.
#include <cstdint>

#include "core/first_match.h"
#include "core/random_source.h"
#include "core/text.h"
#include "tables/table_data_list.h"
#include "tables/table_handlers.h"
#include "tables/table_kit.h"

namespace Tables {

void BelfImpression(BotCommand::BotCommandAbstract& out, const TableWords& words) {
  if (words[1][0] == '\0' || words[2][0] == '\0') return;
  const int32_t x = mirado::ParseNumber(words[1]);
  const int32_t y = mirado::ParseNumber(words[2]);
  const int32_t r = RandomSource::RollSum(2, 6, false);
  // In 64 bits: x - y of two 32-bit numbers may not fit 32.
  const int64_t value = static_cast<int64_t>(r) + x - y;
  // The rows rise with their bounds: the first whose bound the value does
  // not pass. A value above the highest bound is read on the highest row,
  // as the table's order means.
  const Data::Table<Data::belf_impression_row>& table = Data::belf_impression;
  const auto* found = mirado::FirstRowWhere(table.AllRows(), [&](const auto& row) { return row.bound >= value; });
  const auto& row = found != nullptr ? *found : table.Row(table.rows - 1);
  out.Say("第一印象表: %2d+[%2d]-%2d = [%2lld] %s", x, r, y, static_cast<long long>(value), row.text);
}

}  // namespace Tables
