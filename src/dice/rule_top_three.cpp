// Top-three damage ("PAO", and "PAOA" with extra damage dice): six-sided dice
// (at least two), the three highest summed; every face shown three or more
// times adds 7 and is a critical; all dice of 2 or less are a fumble (value
// 0). "PAOA" also names one extra six-sided damage die for every 1 rolled.
//
// Counts below 2 roll two dice; more than kMaxDice dice are refused.
#include <algorithm>
#include <functional>

#include "dice/rules_second_set.h"
#include "plugin/text.h"

namespace Dice {

int RuleTopThree(RuleResult& result, int32_t type, const RuleInput& input) {
  const int32_t count = input.has_before && input.before >= 2 ? input.before : 2;
  if (count > kMaxDice) return 1;
  std::vector<int32_t> dice = SecondSet::RollDiceList(count, 6);
  std::string list;
  SecondSet::AppendList(list, dice);

  int32_t faces[7] = {};
  bool all_low = true;
  for (int32_t die : dice) {
    ++faces[die];
    all_low = all_low && die <= 2;
  }

  int32_t value = 0;
  char mark[64] = "";
  if (all_low) {
    mirado::CopyText(mark, sizeof mark, "<ファンブル>");
  } else {
    std::sort(dice.begin(), dice.end(), std::greater<int32_t>());
    for (std::size_t i = 0; i < dice.size() && i < 3; ++i) value += dice[i];
    int32_t criticals = 0;
    for (int face = 1; face <= 6; ++face) {
      if (faces[face] >= 3) ++criticals;
    }
    value += 7 * criticals;
    if (criticals > 0) mirado::FormatText(mark, sizeof mark, "<クリティカル:%d>", criticals);
  }
  char extra[64] = "";
  if (type == kTopThreeExtraDice && faces[1] > 0) {
    mirado::FormatText(extra, sizeof extra, "<ダメージ:+%dD6>", faces[1]);
  }
  result.value = value;
  mirado::FormatText(result.text, kTextSize, "[%s:%d]%s%s", list.c_str(), value, mark, extra);
  return 0;
}

}  // namespace Dice
