// "MD": one six-sided die times a factor, shown as "[die]*factor". The
// product wraps in 32 bits like every product of the roll arithmetic.
#include "core/text.h"
#include "dice/rules.h"

namespace Dice {

int RuleDieTimesFactor(RuleResult& result, int32_t, const RuleInput& input) {
  if (!input.has_after) return 1;
  const int32_t die = RandomSource::Die(6);
  result.value = static_cast<int32_t>(static_cast<uint32_t>(die) * static_cast<uint32_t>(input.after));
  mirado::FormatText(result.text, kTextSize, "[%d]*%d", die, input.after);
  return 0;
}

}  // namespace Dice
