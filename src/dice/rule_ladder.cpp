// The d12 ladder ("CW"): starting from a value, roll a twelve-sided die again
// and again while it does not climb above the last value (an 11 never
// climbs). The value is the number of rolls before the climbing one; a 12
// ends the ladder at once as a fumble worth 0.
//
// Every roll ends the ladder with a chance of at least 1/12 (a 12 always
// does), so it goes on with a chance of at most 11/12 per roll; it is cut
// after kMaxRolls rolls (a chance below 1e-37) and then counts the rolls made.
#include "dice/rules.h"

namespace Dice {
namespace {

constexpr int kMaxRolls = 1000;

}  // namespace

int RuleLadder(RuleResult& result, int32_t, const RuleInput& input) {
  if (!input.has_after) return 1;
  int32_t last = input.after;
  std::string text;
  int32_t counted = 0;
  while (counted < kMaxRolls) {
    const int32_t die = RandomSource::Die(12);
    AppendFormatted(text, "[%d]", die);
    if (die == 12) {
      AppendText(text, "<ファンブル>");
      result.value = 0;
      SetText(result, text);
      return 0;
    }
    if (die > last && die != 11) break;
    ++counted;
    last = die;
  }
  result.value = counted;
  SetText(result, text);
  return 0;
}

}  // namespace Dice
