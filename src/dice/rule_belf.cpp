// 2D6 with doubles ("BELF"): two six-sided dice; doubles of 2 or more are
// marked with their face, a double 1 is a fumble.
#include "core/text.h"
#include "dice/rules.h"

namespace Dice {

int RuleDoubles2D6(RuleResult& result, int32_t, const RuleInput&) {
  const int32_t a = RandomSource::Die(6);
  const int32_t b = RandomSource::Die(6);
  char mark[64] = "";
  if (a == b && a >= 2) {
    mirado::FormatText(mark, sizeof mark, "<%dゾロ>", a);
  } else if (a == b) {
    mirado::CopyText(mark, sizeof mark, "<ファンブル>");
  }
  result.value = a + b;
  mirado::FormatText(result.text, kTextSize, "[%d,%d]%s", a, b, mark);
  return 0;
}

}  // namespace Dice
