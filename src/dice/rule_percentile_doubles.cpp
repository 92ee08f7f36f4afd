// Percentile with doubles ("AE"): two zero-based ten-sided dice as tens and
// units (00 to 99) against a target (the number after the keyword, else the
// first critical value); equal digits make a success critical and a failure a
// fumble. Without a target no mark is shown.
#include "core/text.h"
#include "dice/rules.h"

namespace Dice {

int RulePercentileDoubles(RuleResult& result, int32_t, const RuleInput& input) {
  const int32_t tens = RandomSource::Draw(10);
  const int32_t units = RandomSource::Draw(10);
  const int32_t rolled = tens * 10 + units;
  const bool has_target = input.has_after || input.critical_count > 0;
  const int32_t target = input.has_after ? input.after : (input.critical_count > 0 ? input.critical[0] : 0);
  const bool doubles = tens == units;
  const char* mark = "";
  if (has_target && rolled > target) {
    mark = doubles ? "<失敗/ファンブル>" : "<失敗>";
  } else if (has_target) {
    mark = doubles ? "<成功/クリティカル>" : "<成功>";
  }
  result.value = rolled;
  mirado::FormatText(result.text, kTextSize, "[%02d]%s", rolled, mark);
  return 0;
}

}  // namespace Dice
