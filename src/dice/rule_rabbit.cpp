// Rabbit points ("RHD"): two six-sided dice where a 6 counts 0 and earns a
// rabbit point; a double 6 counts 12 and fails automatically.
#include "core/text.h"
#include "dice/rules.h"

namespace Dice {

int RuleRabbit(RuleResult& result, int32_t, const RuleInput&) {
  const int32_t a = RandomSource::Die(6);
  const int32_t b = RandomSource::Die(6);
  int32_t sum = a % 6 + b % 6;
  const char* failure = "";
  if (sum == 0) {
    sum = 12;
    failure = "<自動失敗>";
  }
  const int32_t points = (a == 6 ? 1 : 0) + (b == 6 ? 1 : 0);
  char rabbit[64] = "";
  if (points > 0) mirado::FormatText(rabbit, sizeof rabbit, "<ラビットポイント:+%d>", points);
  result.value = sum;
  mirado::FormatText(result.text, kTextSize, "[%d,%d:%d]%s%s", a, b, sum, failure, rabbit);
  return 0;
}

}  // namespace Dice
