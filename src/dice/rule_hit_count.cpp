// Success counts on six-sided dice: "SRSE" counts exploding totals at a
// target; "SR" counts hits (5 and 6) and shows the net hits over a threshold;
// "SRE" also rolls every 6 again as a further group.
//
// A count of 0 or less rolls no dice ("SRSE" shows "[]"; "SR" shows nothing,
// so the detail shows the value 0). Both chains go on only on a 6, a chance
// of 1/6 per die; a die explodes at most kMaxExplosions times and "SRE" rolls
// at most kMaxGroups groups (either limit is reached with a chance below
// 1e-70), so a call stays bounded by its dice count.
#include "dice/rules.h"

namespace Dice {
namespace {

constexpr int kMaxExplosions = 100;
constexpr int kMaxGroups = 100;

}  // namespace

int RuleExplodingCount(RuleResult& result, int32_t, const RuleInput& input) {
  if (!input.has_before || input.before > kMaxDice) return 1;
  const int32_t count = input.before;
  const int32_t target = input.has_after && input.after >= 2 ? input.after : 2;
  std::string text = "[";
  int32_t successes = 0;
  for (int32_t i = 0; i < count; ++i) {
    int32_t die = RandomSource::Die(6);
    int32_t total = die;
    for (int explosion = 0; die == 6 && explosion < kMaxExplosions; ++explosion) {
      die = RandomSource::Die(6);
      total += die;
    }
    AppendListed(text, i > 0 ? ',' : '\0', total);
    if (total >= target) ++successes;
  }
  AppendText(text, "]");
  result.value = successes;
  SetText(result, text);
  return 0;
}

int RuleHitCount(RuleResult& result, int32_t type, const RuleInput& input) {
  if (!input.has_before || input.before > kMaxDice) return 1;
  int32_t threshold = 1;
  if (input.critical_count > 0 && input.critical[0] > 0) {
    threshold = input.critical[0];
  } else if (input.has_after && input.after > 0) {
    threshold = input.after;
  }
  std::string text;
  int32_t hits = 0;
  int32_t count = input.before;
  for (int group = 0; count > 0 && group < kMaxGroups; ++group) {
    int32_t sixes = 0;
    AppendText(text, "[");
    for (int32_t i = 0; i < count; ++i) {
      const int32_t die = RandomSource::Die(6);
      AppendListed(text, i > 0 ? ',' : '\0', die);
      if (die >= 5) ++hits;
      if (die == 6) ++sixes;
    }
    AppendText(text, "]");
    count = type == kHitCountReroll ? sixes : 0;
  }
  if (hits > 0) AppendFormatted(text, "<純ヒット:%d>", hits - threshold);
  result.value = hits;
  SetText(result, text);
  return 0;
}

}  // namespace Dice
