// Helpers shared by the second set of game-system rules.
#include <charconv>

#include "core/random_source.h"
#include "dice/rules_second_set.h"

namespace Dice::SecondSet {

int32_t RollZeroBasedD10() { return RandomSource::RollSum(1, 10, true); }

void AppendInt(std::string& text, int64_t value) {
  if (IsFull(text)) return;
  char digits[24];
  const std::to_chars_result end = std::to_chars(digits, digits + sizeof digits, value);
  const std::size_t length = static_cast<std::size_t>(end.ptr - digits);
  const std::size_t room = kTextSize - 1 - text.size();
  text.append(digits, length < room ? length : room);
}

void AppendList(std::string& text, const std::vector<int32_t>& numbers) {
  for (std::size_t i = 0; i < numbers.size() && !IsFull(text); ++i) AppendListed(text, i > 0 ? ',' : '\0', numbers[i]);
}

}  // namespace Dice::SecondSet
