// Bit operations on 32-bit signed integers (AND, OR, NOT, XOR, NAND, NOR) and
// the ordered D66, whose tens are never larger than its units.
#include "core/text.h"
#include "dice/rules.h"

namespace Dice {

int RuleBits(RuleResult& result, int32_t type, const RuleInput& input) {
  const int32_t a = input.before, b = input.after;
  switch (type) {
    case kBitAnd: result.value = a & b; break;
    case kBitOr: result.value = a | b; break;
    case kBitNot: result.value = ~b; break;
    case kBitXor: result.value = a ^ b; break;
    case kBitNand: result.value = ~(a & b); break;
    case kBitNor: result.value = ~(a | b); break;
    default: return 1;
  }
  mirado::FormatText(result.text, kTextSize, "[%d]", result.value);
  return 0;
}

int RuleOrderedD66(RuleResult& result, int32_t, const RuleInput&) {
  const int32_t a = RandomSource::Die(6);
  const int32_t b = RandomSource::Die(6);
  result.value = a < b ? a * 10 + b : b * 10 + a;
  mirado::FormatText(result.text, kTextSize, "[%d,%d:%02d]", a, b, result.value);
  return 0;
}

}  // namespace Dice
