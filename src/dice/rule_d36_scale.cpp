// "GDS" and "GDSP": two six-sided dice read as one roll on the scale 11..16,
// 21..26, ..., 61..66 (first die 6 times, second once, plus the modifier "@"),
// never below 11; "GDSP" marks doubles as critical.
#include "dice/rules.h"

namespace Dice {

int RuleD36Scale(RuleResult& result, int32_t type, const RuleInput& input) {
  const int32_t modifier = input.critical_count > 0 ? input.critical[0] : 0;
  const int32_t x = RandomSource::Draw(6);
  const int32_t y = RandomSource::Draw(6);
  const int64_t index = 6 * x + y + static_cast<int64_t>(modifier);
  const int64_t value = index + 4 * (index / 6) + 11;
  std::string text;
  AppendFormatted(text, "[%d,%d", x + 1, y + 1);
  if (modifier > 0) AppendFormatted(text, "(+%d)", modifier);
  if (modifier < 0) AppendFormatted(text, "(%d)", modifier);
  AppendText(text, type == kD36ScalePlain && x == y ? "]<クリティカル>" : "]");
  result.value = Saturate(value < 11 ? 11 : value);
  SetText(result, text);
  return 0;
}

}  // namespace Dice
