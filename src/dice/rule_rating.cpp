// The rating-table roll ("SW", or "R" with no number before it): 2D6 read on
// the row of the rating (0 to 100) of the rating table. A sum at or above the
// critical value "@" (when above 2) rolls again and adds; the bonus "#" (0 to
// 4) lowers that value for the first roll only. A first roll of 1 and 1 is an
// automatic failure; a later one adds 0.
//
// With the lowest critical value, 3, a chain goes on with a chance of 35/36
// per roll; it is cut after kMaxRolls rolls (a chance below 1e-12), the last
// roll counting as the final one.
#include "dice/rule_data.h"
#include "dice/rules.h"

namespace Dice {
namespace {

constexpr int kMaxRolls = 1000;
constexpr int32_t kNoCritical = 1000;

}  // namespace

int RuleRating(RuleResult& result, int32_t, const RuleInput& input) {
  if (!input.has_after) return 1;
  const int32_t rating = input.after < 0 ? 0 : input.after > 100 ? 100 : input.after;
  const int32_t critical = input.critical_count > 0 && input.critical[0] > 2 ? input.critical[0] : kNoCritical;
  int32_t bonus = input.fumble_count > 0 ? input.fumble[0] : 0;
  bonus = bonus < 0 ? 0 : bonus > 4 ? 4 : bonus;

  std::string text;
  int64_t total = 0;
  int rolls = 0;
  for (;;) {
    const int32_t a = RandomSource::Die(6);
    const int32_t b = RandomSource::Die(6);
    const int32_t sum = a + b;
    ++rolls;
    if (rolls == 1 && sum == 2) {
      result.value = 0;
      SetText(result, "[1,1]<自動的失敗>");
      return 0;
    }
    const int32_t entry = sum == 2 ? 0 : kRatingTable[rating][sum - 3];
    AppendFormatted(text, "[%d,%d:%d]", a, b, entry);
    total += entry;
    if (sum < critical - bonus || rolls >= kMaxRolls) break;
    bonus = 0;
  }
  if (rolls > 1) AppendText(text, "<クリティカル>");
  result.value = Saturate(total);
  SetText(result, text);
  return 0;
}

}  // namespace Dice
