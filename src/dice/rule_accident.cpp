// Accident roll ("PAG"): ten-sided dice (1 to 10); a 10 scores the ten bonus
// (the first critical value, else 2), a 1 scores nothing and is an accident,
// any other die scores 1 when it reaches the target (the number after the
// keyword, else 10).
//
// A count of 0 or less rolls nothing; more than kMaxDice dice are refused.
// The score is summed in 64 bits and saturated to 32 bits (a huge bonus).
#include "core/text.h"
#include "dice/rules.h"

namespace Dice {

int RuleAccident(RuleResult& result, int32_t, const RuleInput& input) {
  const int32_t count = input.before;
  if (count > kMaxDice) return 1;
  const int32_t target = input.has_after ? input.after : 10;
  const int32_t bonus = input.critical_count > 0 ? input.critical[0] : 2;
  std::string list;
  int64_t score = 0;
  int32_t accidents = 0;
  for (int32_t i = 0; i < count; ++i) {
    const int32_t die = RandomSource::Draw(10) + 1;
    AppendListed(list, i > 0 ? ',' : '\0', die);
    if (die == 10) {
      score += bonus;
    } else if (die == 1) {
      ++accidents;
    } else if (die >= target) {
      ++score;
    }
  }
  result.value = Saturate(score);
  if (accidents > 0) {
    mirado::FormatText(result.text, kTextSize, "[%s:%d]<アクシデント:%d>", list.c_str(), result.value, accidents);
  } else {
    mirado::FormatText(result.text, kTextSize, "[%s:%d]", list.c_str(), result.value);
  }
  return 0;
}

}  // namespace Dice
