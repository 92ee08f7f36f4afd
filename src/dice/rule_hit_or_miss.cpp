// Hit or miss ("TMHS"): six-sided dice, each at or above the threshold a hit.
// The threshold is the first critical value when above 0, else the number
// after the keyword when above 0, else 5.
//
// A count of 0 or less rolls nothing (a miss); more than kMaxDice dice are
// refused.
#include "dice/rules.h"

namespace Dice {

int RuleHitOrMiss(RuleResult& result, int32_t, const RuleInput& input) {
  const int32_t count = input.before;
  if (count > kMaxDice) return 1;
  int32_t threshold = 5;
  if (input.critical_count > 0 && input.critical[0] > 0) {
    threshold = input.critical[0];
  } else if (input.has_after && input.after > 0) {
    threshold = input.after;
  }
  std::string text = "[";
  int32_t hits = 0;
  for (int32_t i = 0; i < count; ++i) {
    const int32_t die = RandomSource::Die(6);
    AppendListed(text, i > 0 ? ',' : '\0', die);
    if (die >= threshold) ++hits;
  }
  AppendText(text, "]");
  AppendText(text, hits > 0 ? "<ヒット>" : "<ミス>");
  result.value = hits;
  SetText(result, text);
  return 0;
}

}  // namespace Dice
