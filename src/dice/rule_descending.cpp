// Descending dice ("HANA"): a d20, then for each step a smaller die (d12,
// d10, d8, d6, d4); the value is the lowest die, an automatic success when it
// is at most the target (the first critical value, else 1).
//
// Steps are the number after the keyword, capped at 5 (no number: none). A
// negative number of steps rolls no dice; the value is then 9999.
#include "core/text.h"
#include "dice/rules.h"

namespace Dice {
namespace {

constexpr uint32_t kFaces[] = {20, 12, 10, 8, 6, 4};
constexpr int32_t kMaxSteps = 5;
constexpr int32_t kNoDice = 9999;

}  // namespace

int RuleDescending(RuleResult& result, int32_t, const RuleInput& input) {
  int32_t steps = input.has_after ? input.after : 0;
  if (steps > kMaxSteps) steps = kMaxSteps;
  const int32_t target = input.critical_count > 0 ? input.critical[0] : 1;
  std::vector<int32_t> dice;
  int32_t lowest = kNoDice;
  for (int32_t i = 0; i <= steps; ++i) {
    const int32_t die = RandomSource::Die(kFaces[i]);
    dice.push_back(die);
    if (die < lowest) lowest = die;
  }
  std::string list;
  AppendList(list, dice);
  result.value = lowest;
  mirado::FormatText(result.text, kTextSize, lowest <= target ? "[%s:%d]<自動成功>" : "[%s:%d]", list.c_str(), lowest);
  return 0;
}

}  // namespace Dice
