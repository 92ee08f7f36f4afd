// Double trigger ("EBR"): a group of six-sided dice (two unless a number
// stands before the keyword); every die but a 1 counts one, and every 1 is a
// trigger that rolls two more dice in the next group. The chain ends with the
// first group that shows no 1.
//
// The chain ends by itself with probability 1 (a group shrinks to a third on
// average), but it is cut after kMaxGroups groups and a group never holds more
// than kMaxDice dice, so no call can spin or grow. A count of 0 or less rolls
// nothing (value 0, empty detail); more than kMaxDice dice are refused.
#include "dice/rules_second_set.h"

namespace Dice {
namespace {

constexpr int kMaxGroups = 100;

}  // namespace

int RuleDoubleTrigger(RuleResult& result, int32_t, const RuleInput& input) {
  int32_t count = input.has_before ? input.before : 2;
  if (count > kMaxDice) return 1;
  std::string text;
  int32_t value = 0, triggers = 0;
  for (int group = 0; count > 0 && group < kMaxGroups; ++group) {
    int32_t ones = 0;
    for (int32_t i = 0; i < count; ++i) {
      const int32_t die = RollDie(6);
      AppendText(text, i == 0 ? "[" : ",");
      AppendNumber(text, die);
      if (die == 1) ++ones;
    }
    AppendText(text, "]");
    value += count - ones;
    triggers += ones;
    count = 2 * ones < kMaxDice ? 2 * ones : kMaxDice;
  }
  if (triggers >= 2) {
    AppendText(text, "<ダブルトリガーx");
    AppendNumber(text, triggers);
    AppendText(text, ">");
  } else if (triggers == 1) {
    AppendText(text, "<ダブルトリガー>");
  }
  result.value = value;
  SetText(result, text);
  return 0;
}

}  // namespace Dice
