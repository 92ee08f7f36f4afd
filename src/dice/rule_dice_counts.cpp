// Counts over a handful of dice: "AN" counts six-sided dice at or under a
// value, "GE" counts six-sided dice at or over a target (all dice equal count
// double, by luck), "AR" sums dice and counts those showing the maximum face.
//
// A count of 0 or less rolls no dice: "AN" shows "[]" and 0; "GE" shows
// "[:達成0/未達成0]<絶対失敗>" (no success was made); "AR" shows "[]<MAX:0個>"
// and 0 (with no die there is neither a maximum nor an all-ones fumble).
// Counts above kMaxDice are refused.
#include "dice/rules.h"

namespace Dice {

int RuleCountUnder(RuleResult& result, int32_t, const RuleInput& input) {
  if (!input.has_before || !input.has_after || input.before > kMaxDice) return 1;
  const int32_t limit = input.after < 0 ? 0 : input.after;
  std::string text = "[";
  int32_t count = 0;
  for (int32_t i = 0; i < input.before; ++i) {
    const int32_t die = RandomSource::Die(6);
    AppendListed(text, i > 0 ? ',' : '\0', die);
    if (die <= limit) ++count;
  }
  AppendText(text, "]");
  result.value = count;
  SetText(result, text);
  return 0;
}

int RuleCountOverLuck(RuleResult& result, int32_t, const RuleInput& input) {
  if (!input.has_before || input.before > kMaxDice) return 1;
  const int32_t dice = input.before < 0 ? 0 : input.before;
  const int32_t target = input.has_after && input.after >= 0 ? input.after : 4;
  std::string text = "[";
  int32_t successes = 0, first = 0;
  bool all_equal = true;
  for (int32_t i = 0; i < dice; ++i) {
    const int32_t die = RandomSource::Die(6);
    AppendListed(text, i > 0 ? ',' : '\0', die);
    if (die >= target) ++successes;
    if (i == 0) first = die;
    if (die != first) all_equal = false;
  }
  int32_t value = successes;
  const char* mark = "";
  if (dice > 1 && all_equal && successes >= 1) {
    value = 2 * successes;
    mark = "<幸運の助け>";
  } else if (successes < 1) {
    mark = "<絶対失敗>";
  }
  AppendFormatted(text, ":達成%d/未達成%d]%s", value, dice - successes, mark);
  result.value = value;
  SetText(result, text);
  return 0;
}

int RuleMaximumCount(RuleResult& result, int32_t, const RuleInput& input) {
  if (!input.has_before || input.before > kMaxDice) return 1;
  const int32_t faces = input.has_after ? input.after : 6;
  if (faces <= 0) return 1;
  const int32_t needed = input.critical_count > 0 && input.critical[0] > 0 ? input.critical[0] : 2;
  const int32_t dice = input.before;
  std::string text = "[";
  int64_t sum = 0;
  int32_t maxima = 0;
  for (int32_t i = 0; i < dice; ++i) {
    const int32_t die = RandomSource::Die(faces);
    AppendListed(text, i > 0 ? ',' : '\0', die);
    sum += die;
    if (die == faces) ++maxima;
  }
  if (maxima >= needed) {
    AppendFormatted(text, "]<MAX:%d個/クリティカル>", maxima);
  } else if (sum > dice || dice <= 0) {
    AppendFormatted(text, "]<MAX:%d個>", maxima);
  } else {
    AppendFormatted(text, "]<MAX:%d個/ファンブル>", maxima);
  }
  result.value = Saturate(sum);
  SetText(result, text);
  return 0;
}

}  // namespace Dice
