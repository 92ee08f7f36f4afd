// Keep-three check ("DB", "DBZ"): three six-sided dice against two targets,
// each die scoring 1 for every target it does not exceed. A shift rolls extra
// dice and keeps the three lowest (positive shift) or the three highest
// (negative shift). Three dice of 2 or less are a critical (the second target
// is added), three of 5 or more a fumble.
//
// The shift is the number before the keyword minus 3 (5DB rolls five dice and
// keeps the lowest three), else the first fumble value, else 0. The targets
// are the two digits of the number after the keyword (45: 4 and 5), else the
// first two critical values; with neither the roll is refused. More than
// kMaxDice dice are refused.
#include <algorithm>
#include <functional>

#include "dice/rules_second_set.h"
#include "plugin/text.h"

namespace Dice {

int RuleKeepThree(RuleResult& result, int32_t, const RuleInput& input) {
  int64_t shift = 0;
  if (input.has_before) {
    shift = static_cast<int64_t>(input.before) - 3;
  } else if (input.fumble_count > 0) {
    shift = input.fumble[0];
  }
  int32_t first_target = 0, second_target = 0;
  if (input.has_after) {
    first_target = (input.after % 100) / 10;
    second_target = input.after % 10;
  } else if (input.critical_count >= 2) {
    first_target = input.critical[0];
    second_target = input.critical[1];
  } else {
    return 1;
  }
  const int64_t count = 3 + (shift < 0 ? -shift : shift);
  if (count > kMaxDice) return 1;

  std::vector<int32_t> dice = SecondSet::RollDiceList(static_cast<int32_t>(count), 6);
  std::string list;
  SecondSet::AppendList(list, dice);
  if (shift > 0) std::sort(dice.begin(), dice.end());
  if (shift < 0) std::sort(dice.begin(), dice.end(), std::greater<int32_t>());

  int64_t value = 0;
  bool all_low = true, all_high = true;
  for (int i = 0; i < 3; ++i) {
    if (dice[i] <= first_target) ++value;
    if (dice[i] <= second_target) ++value;
    all_low = all_low && dice[i] <= 2;
    all_high = all_high && dice[i] >= 5;
  }
  const char* mark = "";
  if (all_low) {
    value += second_target;
    mark = "<クリティカル>";
  } else if (all_high) {
    mark = "<ファンブル>";
  }
  result.value = SecondSet::Saturate(value);
  mirado::FormatText(result.text, kTextSize, "[%s:%d]%s", list.c_str(), result.value, mark);
  return 0;
}

}  // namespace Dice
