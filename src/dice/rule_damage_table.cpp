// The damage-table roll ("DH"): 2D6 read on the row of the damage rating in
// the damage table, once for every 60 points of the rating (the last roll on
// the remainder), and the total named by its wound mark.
//
// The rating decides the number of rolls: more than kMaxRolls rolls (a rating
// above 30000, i.e. more than kMaxDice dice) are refused like any other dice
// count beyond the limit.
#include "dice/rule_data.h"
#include "dice/rules.h"

namespace Dice {
namespace {

constexpr int32_t kRowsPerRoll = 60;
constexpr int32_t kMaxRolls = kMaxDice / 2;

const char* WoundMark(int64_t total) {
  static const char* const kMarks[] = {"<無傷>", "<微傷>", "<軽傷>", "<重傷>", "<半死半生>", "<気絶>", "<死亡>"};
  return kMarks[total <= 0 ? 0 : total >= 6 ? 6 : total];
}

}  // namespace

int RuleDamageTable(RuleResult& result, int32_t, const RuleInput& input) {
  if (!input.has_after) return 1;
  int32_t rating = input.after < 0 ? 0 : input.after;
  if (rating > kRowsPerRoll * kMaxRolls) return 1;
  std::string text;
  int64_t total = 0;
  do {
    const int32_t a = RandomSource::Die(6);
    const int32_t b = RandomSource::Die(6);
    const int32_t row = rating < kRowsPerRoll ? rating : kRowsPerRoll;
    const int32_t entry = a == 1 && b == 1 ? 0 : kDamageTable[row][a + b - 3];
    AppendFormatted(text, "[%d,%d:%d]", a, b, entry);
    total += entry;
    rating -= kRowsPerRoll;
  } while (rating > 0);
  AppendText(text, WoundMark(total));
  result.value = Saturate(total);
  SetText(result, text);
  return 0;
}

}  // namespace Dice
