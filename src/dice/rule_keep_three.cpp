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
#include "core/text.h"
#include "dice/rules.h"

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

  // The dice are listed in rolling order and counted by face; the three kept
  // are taken from the counts, lowest faces first for a positive shift (or
  // none: then there are only the three), highest first for a negative one.
  std::string list;
  int32_t faces[7] = {};
  for (int64_t i = 0; i < count; ++i) {
    const int32_t die = RandomSource::Die(6);
    ++faces[die];
    AppendListed(list, i > 0 ? ',' : '\0', die);
  }
  int64_t value = 0;
  bool all_low = true, all_high = true;
  int kept = 0;
  for (int step = 0; step < 6 && kept < 3; ++step) {
    const int32_t face = shift >= 0 ? 1 + step : 6 - step;
    for (int32_t n = 0; n < faces[face] && kept < 3; ++n, ++kept) {
      if (face <= first_target) ++value;
      if (face <= second_target) ++value;
      all_low = all_low && face <= 2;
      all_high = all_high && face >= 5;
    }
  }
  const char* mark = "";
  if (all_low) {
    value += second_target;
    mark = "<クリティカル>";
  } else if (all_high) {
    mark = "<ファンブル>";
  }
  result.value = Saturate(value);
  mirado::FormatText(result.text, kTextSize, "[%s:%d]%s", list.c_str(), result.value, mark);
  return 0;
}

}  // namespace Dice
