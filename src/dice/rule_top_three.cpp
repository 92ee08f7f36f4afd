// Top-three damage ("PAO", and "PAOA" with extra damage dice): six-sided dice
// (at least two), the three highest summed; every face shown three or more
// times adds 7 and is a critical; all dice of 2 or less are a fumble (value
// 0). "PAOA" also names one extra six-sided damage die for every 1 rolled,
// a fumble included (the 1s were rolled all the same).
//
// Counts below 2 roll two dice; more than kMaxDice dice are refused.
#include "core/text.h"
#include "dice/rules.h"

namespace Dice {

int RuleTopThree(RuleResult& result, int32_t type, const RuleInput& input) {
  const int32_t count = input.has_before && input.before >= 2 ? input.before : 2;
  if (count > kMaxDice) return 1;
  // The dice are listed in rolling order and counted by face; the three
  // highest are taken from the counts.
  std::string list;
  int32_t faces[7] = {};
  for (int32_t i = 0; i < count; ++i) {
    const int32_t die = RandomSource::Die(6);
    ++faces[die];
    AppendListed(list, i > 0 ? ',' : '\0', die);
  }

  int32_t value = 0;
  char mark[64] = "";
  if (faces[3] + faces[4] + faces[5] + faces[6] == 0) {
    mirado::CopyText(mark, sizeof mark, "<ファンブル>");
  } else {
    int kept = 0;
    for (int face = 6; face >= 1 && kept < 3; --face) {
      for (int32_t n = 0; n < faces[face] && kept < 3; ++n, ++kept) value += face;
    }
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
