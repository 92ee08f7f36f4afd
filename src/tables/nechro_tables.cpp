// The attack roll of the NECHRO system: 1D10 plus a modifier from word 3
// ("+2", "-1"), or a die stated outright ("=10", no roll), read on the hit
// table; a total beyond 10 adds its excess to the damage. A handler because
// the die and the modifier come from the word. The other NECHRO tables are
// described by their data files.
#include <cstdint>
#include <string>

#include "core/random_source.h"
#include "core/text.h"
#include "tables/table_data_list.h"
#include "tables/table_handlers.h"
#include "tables/table_kit.h"
#include "tables/table_text.h"

namespace Tables {
namespace {

// The last row stands for every total of 11 and more.
constexpr int64_t kLastRow = 10;
// The face the excess is counted from.
constexpr int64_t kHighestFace = 10;

}  // namespace

void NcAttack(BotCommand::BotCommandAbstract& out, const TableWords& words) {
  // Read in half width, as the directory reads the words: "＋３" is +3, and
  // the attack phrase of the alias table passes its number in full width.
  char word[BotCommand::kLineSize];
  mirado::ToHalfWidth(words[1], word, sizeof word);
  const bool given = mirado::FullMatch(word, "=?[+-]?\\d+");
  // Both parts are read as 32-bit numbers and added in 64 bits, so no word
  // can overflow the total.
  int64_t die = 0, modifier = 0;
  if (given && word[0] == '=') {
    die = mirado::ReadDecimal(word + 1);
  } else {
    if (given) modifier = mirado::ReadDecimal(word);
    die = RandomSource::Die(10);
  }
  const int64_t total = die + modifier;
  const int64_t row = total - 1 < 0 ? 0 : total - 1 > kLastRow ? kLastRow : total - 1;
  const auto& result = Data::nc_attack.Row(static_cast<int32_t>(row));
  std::string excess;
  if (result.excess[0] != '\0') {
    excess = "／" + FillMarks(result.excess, "%d", {std::to_string(total - kHighestFace)});
  }
  if (modifier != 0) {
    out.Say("攻撃判定:[%02lld%+lld=%02lld] %s%s", static_cast<long long>(die), static_cast<long long>(modifier),
            static_cast<long long>(total), result.result, excess.c_str());
  } else {
    out.Say("攻撃判定:[%02lld] %s%s", static_cast<long long>(die), result.result, excess.c_str());
  }
}

}  // namespace Tables
