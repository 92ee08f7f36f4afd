// Graded percentile ("PH"): the difference of two ratings (before minus after
// the keyword) gives a chance from the chance table, shifted by the first
// critical value in rows; one percentile die then grades the result: 96 and
// above a fumble, else at most a tenth of the chance a critical, a fifth
// "just", a half "assault", the chance a success.
//
// Beyond the table's last row every 20 points of difference add a row, and
// each row past it adds 10 percent. Rows and chance are reckoned in 64 bits;
// a chance beyond 32 bits is shown as the largest 32-bit number.
#include "core/text.h"
#include "dice/rule_data.h"
#include "dice/rules.h"

namespace Dice {
namespace {

int64_t ChanceRowOf(int64_t difference) {
  for (int i = 0; i < kChanceRowCount; ++i) {
    if (kChanceTable[i].bound >= difference) return i;
  }
  return kChanceRowCount + (difference - 70) / 20;
}

int64_t ChanceOf(int64_t row) {
  if (row < 0) return 5;
  if (row < kChanceRowCount) return kChanceTable[row].chance;
  return 10 * row - 115;
}

const char* Grade(int32_t rolled, int64_t chance) {
  if (rolled >= 96) return "<ファンブル>";
  if (rolled <= chance / 10) return "<クリティカル>";
  if (rolled <= chance / 5) return "<ジャスト>";
  if (rolled <= chance / 2) return "<アサルト>";
  if (rolled <= chance) return "<成功>";
  return "<失敗>";
}

}  // namespace

int RuleGradedPercentile(RuleResult& result, int32_t, const RuleInput& input) {
  const int64_t difference = static_cast<int64_t>(input.before) - (input.has_after ? input.after : 0);
  int64_t row = ChanceRowOf(difference);
  if (input.critical_count > 0) row += input.critical[0];
  const int64_t chance = ChanceOf(row);
  const int32_t rolled = RandomSource::Die(100);
  result.value = rolled;
  mirado::FormatText(result.text, kTextSize, "[%02d%%%%:%02d]%s", Saturate(chance), rolled, Grade(rolled, chance));
  return 0;
}

}  // namespace Dice
