// The percentile check ("GD"): a tens and a units ten-sided die (00 to 99)
// against a skill. 01 is an absolute success and 00 a fumble; otherwise a
// roll above the skill fails, a units 0 at or under it is a critical worth
// 20, and any other success is worth the sum of its two digits.
#include "core/text.h"
#include "dice/rules.h"

namespace Dice {

int RulePercentileCheck(RuleResult& result, int32_t, const RuleInput& input) {
  if (!input.has_after) return 1;
  const int32_t tens = RandomSource::Draw(10);
  const int32_t units = RandomSource::Draw(10);
  const int32_t roll = tens * 10 + units;
  const char* mark;
  int32_t value = 0;
  if (tens == 0 && units == 1) {
    mark = "<絶対成功>";
    value = 1;
  } else if (tens == 0 && units == 0) {
    mark = "<ファンブル>";
  } else if (roll > input.after) {
    mark = "<失敗>";
  } else if (units == 0) {
    mark = "<クリティカル>";
    value = 20;
  } else {
    mark = "<成功>";
    value = tens + units;
  }
  result.value = value;
  mirado::FormatText(result.text, kTextSize, "[%02d]%s", roll, mark);
  return 0;
}

}  // namespace Dice
