// Double trigger ("EBR"): a group of six-sided dice (two unless a number
// stands before the keyword); every die but a 1 counts one, and every 1 is a
// trigger that rolls two more dice in the next group. The chain ends with the
// first group that shows no 1.
//
// The chain ends by itself with probability 1 (a group is a third of the one
// before on average, so 1000 dice roll about 1500 in all), but it is cut
// before a group that would take the dice of this roll beyond kMaxChainDice
// (twice the largest dice count, as for the Double Cross chain); the groups
// rolled so far count as usual, and so do the triggers of the last one. No
// real chain comes near the bound (from 1000 dice, 1500 on average with a
// standard deviation of about 43, it lies over ten deviations away), and it
// keeps a line full of such rolls within a few milliseconds. A count of 0 or less rolls nothing (value 0, empty
// detail); more than kMaxDice dice are refused.
#include "dice/rules.h"

namespace Dice {
namespace {

constexpr int64_t kMaxChainDice = 2 * static_cast<int64_t>(kMaxDice);

}  // namespace

int RuleDoubleTrigger(RuleResult& result, int32_t, const RuleInput& input) {
  int32_t count = input.has_before ? input.before : 2;
  if (count > kMaxDice) return 1;
  std::string text;
  int64_t rolled = 0;
  int32_t value = 0, triggers = 0;
  while (count > 0 && rolled + count <= kMaxChainDice) {
    rolled += count;
    int32_t ones = 0;
    for (int32_t i = 0; i < count; ++i) {
      const int32_t die = RandomSource::Die(6);
      AppendListed(text, i == 0 ? '[' : ',', die);
      if (die == 1) ++ones;
    }
    AppendText(text, "]");
    value += count - ones;
    triggers += ones;
    count = 2 * ones;
  }
  if (triggers >= 2) {
    AppendText(text, "<ダブルトリガーx");
    AppendInt(text, triggers);
    AppendText(text, ">");
  } else if (triggers == 1) {
    AppendText(text, "<ダブルトリガー>");
  }
  result.value = value;
  SetText(result, text);
  return 0;
}

}  // namespace Dice
