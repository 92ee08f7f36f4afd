// Rule "D": N dice of M faces (3D is 3D6), or without a number before it the
// digit dice (D66 is a tens and a units die of six faces).
//
// A count of 0 or less rolls nothing: the detail is "[]" and the value 0, the
// plain reading of "no dice". More than kMaxDice dice are refused like any
// other expression that cannot be rolled, which bounds the work of a call.
#include "dice/rules.h"

namespace Dice {
namespace {

int RollCounted(RuleResult& result, int32_t count, int32_t faces, const RuleInput& input) {
  if (faces <= 0 || count > kMaxDice) return 1;
  std::string text = "[";
  uint32_t sum = 0;  // wraps at 32 bits like the rest of the arithmetic
  int32_t first = 0, second = 0;
  for (int32_t i = 0; i < count; ++i) {
    const int32_t die = RandomSource::Die(faces);
    sum += static_cast<uint32_t>(die);
    if (i == 0) first = die;
    if (i == 1) second = die;
    if (i > 0) AppendText(text, ",");
    AppendInt(text, die);
  }
  AppendText(text, "]");
  // The game mode is read only for the one roll it can change.
  if (count == 2 && faces == 6 && input.Mode() == mirado::GameMode::kQuickStart) {
    if (first == 1) AppendText(text, "<負けるな>");
    if (second == 1) AppendText(text, "<生きろ>");
  }
  result.value = static_cast<int32_t>(sum);
  SetText(result, text);
  return 0;
}

// Digit dice: each digit d > 0, read from the units upward, is one die of d
// faces counted at its place; reading stops at the first 0.
int RollDigits(RuleResult& result, int32_t number) {
  if (number <= 0 || number % 10 == 0) return 1;
  int32_t dice[10];
  int count = 0;
  uint32_t sum = 0, place = 1;  // 2 at the 10^9 place wraps, like other sums
  for (int32_t rest = number; rest > 0 && rest % 10 != 0; rest /= 10, place *= 10) {
    const int32_t die = RandomSource::Die(rest % 10);
    dice[count++] = die;
    sum += static_cast<uint32_t>(die) * place;
    if (rest < 10) break;
  }
  std::string text = "[";
  for (int i = count - 1; i >= 0; --i) {
    AppendInt(text, dice[i]);
    if (i > 0) AppendText(text, ",");
  }
  AppendText(text, "]");
  result.value = static_cast<int32_t>(sum);
  SetText(result, text);
  return 0;
}

}  // namespace

int RulePlainDice(RuleResult& result, int32_t, const RuleInput& input) {
  if (input.has_before) {
    return RollCounted(result, input.before, input.has_after ? input.after : 6, input);
  }
  if (!input.has_after) return 1;
  return RollDigits(result, input.after);
}

}  // namespace Dice
