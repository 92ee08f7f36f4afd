// Helpers shared by the second set of game-system rules.
#include "dice/rules_second_set.h"
#include "plugin/random_source.h"

namespace Dice::SecondSet {

int32_t RollZeroBasedD10() { return RandomSource::RollSum(1, 10, true); }

std::vector<int32_t> RollDiceList(int32_t count, uint32_t faces) {
  std::vector<int32_t> dice;
  if (count <= 0) return dice;
  dice.reserve(static_cast<std::size_t>(count));
  for (int32_t i = 0; i < count; ++i) dice.push_back(RollDie(faces));
  return dice;
}

void AppendList(std::string& text, const std::vector<int32_t>& numbers) {
  for (std::size_t i = 0; i < numbers.size() && text.size() < kTextSize - 1; ++i) {
    if (i > 0) AppendText(text, ",");
    AppendNumber(text, numbers[i]);
  }
}

}  // namespace Dice::SecondSet
