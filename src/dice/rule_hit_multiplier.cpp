// "MF": one d20 against fractions of a skill S. The hit multiplier is the
// largest of 32, 16, 8, 4, 2 and 1 whose fraction S/32 ... S/1 (integer
// division) the die does not exceed; 32 and 16 are open only when the
// critical value "@" reaches them. A die above S gives 0.
#include "core/text.h"
#include "dice/rules.h"

namespace Dice {

int RuleHitMultiplier(RuleResult& result, int32_t, const RuleInput& input) {
  if (!input.has_after) return 1;
  const int32_t skill = input.after;
  const int32_t limit = input.critical_count > 0 ? input.critical[0] : 0;
  const int32_t roll = RandomSource::Die(20);
  int32_t value = 0;
  if (skill / 32 >= roll && limit >= 32) {
    value = 32;
  } else if (skill / 16 >= roll && limit >= 16) {
    value = 16;
  } else {
    for (int32_t multiplier = 8; multiplier >= 1; multiplier /= 2) {
      if (skill / multiplier >= roll) {
        value = multiplier;
        break;
      }
    }
  }
  result.value = value;
  mirado::FormatText(result.text, kTextSize, "[%d]", roll);
  return 0;
}

}  // namespace Dice
