// The Double Cross roll ("DX", "nR", "RC"; "DXF" with a free number of
// faces): groups of dice, every die at or above the critical value rolls again
// in the next group, and each group but the last counts the number of faces
// instead of its highest die.
//
// A chain ends by itself with probability 1 (the critical value is at least 2,
// so every die may stop it), but a low critical value on many dice or on dice
// of many faces can make it very long. The chain is therefore cut before a
// group that would take the dice rolled in this roll beyond kMaxChainDice
// (twice the largest dice count); the groups rolled so far count as usual.
// That allows 1000DX10 (about 1111 dice) and far more than any real chain
// (30DX2 rolls 300 dice on average), and keeps an expression full of such
// rolls within a few milliseconds. The total saturates at the largest 32-bit
// value (a chain of dice with a billion faces could pass it).
#include "dice/rules.h"

namespace Dice {
namespace {

constexpr int64_t kMaxChainDice = 2 * static_cast<int64_t>(kMaxDice);

}  // namespace

int RuleDoubleCross(RuleResult& result, int32_t type, const RuleInput& input) {
  const bool free_faces = type == kDoubleCrossFumble;
  int32_t faces = 10;
  if (free_faces && input.has_after) {
    if (input.after <= 0) return 1;
    faces = input.after;
  }
  int64_t critical;
  if (input.critical_count > 0) {
    critical = input.critical[0];
  } else if (free_faces) {
    critical = faces;
  } else {
    critical = input.has_after ? input.after : 10;
  }
  if (critical <= 0) critical = static_cast<int64_t>(faces) + 1;
  int32_t count = input.before;
  if (count <= 0) {
    count = 1;
    critical = static_cast<int64_t>(faces) + 1;
  }
  if (count > kMaxDice) return 1;

  std::string text;
  int64_t total = 0, rolled = 0;
  while (count > 0 && rolled + count <= kMaxChainDice) {
    rolled += count;
    AppendText(text, "[");
    int32_t criticals = 0, highest = 0;
    for (int32_t i = 0; i < count; ++i) {
      const int32_t die = RandomSource::Die(faces);
      AppendListed(text, i > 0 ? ',' : '\0', die);
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
  result.value = Saturate(total);
  SetText(result, text);
  return 0;
}

}  // namespace Dice
