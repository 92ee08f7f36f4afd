// The Double Cross roll ("DX", "nR", "RC"): groups of ten-sided dice, every die
// at or above the critical value rolls again, and each group but the last
// counts 10 instead of its highest die.
//
// A chain ends by itself with probability 1, but with a critical value of 2 it
// can run long; it is cut after kMaxGroups groups, far beyond any real roll,
// so that no call can spin.
#include "dice/rules_first_set.h"

namespace Dice {
namespace {

constexpr int kMaxGroups = 100;

}  // namespace

int RuleDoubleCross(RuleResult& result, int32_t, const RuleInput& input) {
  const int32_t faces = 10;
  int32_t critical = input.critical_count > 0 ? input.critical[0] : (input.has_after ? input.after : 10);
  if (critical <= 0) critical = faces + 1;
  int32_t count = input.before;
  if (count <= 0) {
    count = 1;
    critical = faces + 1;
  }
  if (count > kMaxDice) return 1;
  std::string text;
  int32_t total = 0;
  for (int group = 0; count > 0 && group < kMaxGroups; ++group) {
    AppendText(text, "[");
    int32_t criticals = 0, highest = 0;
    for (int32_t i = 0; i < count; ++i) {
      const int32_t die = RollDie(faces);
      if (i > 0) AppendText(text, ",");
      AppendNumber(text, die);
      if (critical > 1 && die >= critical) ++criticals;
      if (die > highest) highest = die;
    }
    AppendText(text, "]");
    total += criticals > 0 ? faces : highest;
    count = criticals;
  }
  if (total > faces) {
    AppendText(text, "<クリティカル>");
  } else if (total <= 1) {
    AppendText(text, "<ファンブル>");
    total = 0;
  } else if (critical <= 1) {
    AppendText(text, "<自動成功>");
    total = 0;
  }
  result.value = total;
  SetText(result, text);
  return 0;
}

}  // namespace Dice
