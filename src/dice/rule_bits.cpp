// Bit operations on 32-bit signed integers (AND, OR, NOT, XOR, NAND, NOR) and
// the ordered D66, whose tens are never larger than its units.
#include "core/text.h"
#include "dice/rules_generic.h"

namespace Dice {

int RuleBits(RuleResult& result, int32_t type, const RuleInput& input) {
  const int32_t a = input.before, b = input.after;
  switch (type) {
    case 303: result.value = a & b; break;
    case 304: result.value = a | b; break;
    case 305: result.value = ~b; break;
    case 306: result.value = a ^ b; break;
    case 307: result.value = ~(a & b); break;
    case 308: result.value = ~(a | b); break;
    default: return 1;
  }
  mirado::FormatText(result.text, kTextSize, "[%d]", result.value);
  return 0;
}

int RuleOrderedD66(RuleResult& result, int32_t, const RuleInput&) {
  const int32_t a = RollDie(6);
  const int32_t b = RollDie(6);
  result.value = a < b ? a * 10 + b : b * 10 + a;
  mirado::FormatText(result.text, kTextSize, "[%d,%d:%02d]", a, b, result.value);
  return 0;
}

}  // namespace Dice
