// The helpers every rule shares for its detail text.
#include <charconv>

#include "core/text.h"
#include "dice/rules.h"

namespace Dice {

void AppendText(std::string& text, const char* piece) {
  if (IsFull(text)) return;
  text.append(piece);
  if (text.size() <= kTextSize - 1) return;
  // Cut at 1023 bytes, but never between the two bytes of a character.
  text.resize(mirado::CharacterPrefix(text, kTextSize - 1));
}

void AppendListed(std::string& text, char separator, int64_t value) {
  if (IsFull(text)) return;
  char digits[24];
  char* p = digits;
  if (separator != '\0') *p++ = separator;
  p = std::to_chars(p, digits + sizeof digits, value).ptr;
  const std::size_t length = static_cast<std::size_t>(p - digits);
  const std::size_t room = kTextSize - 1 - text.size();
  text.append(digits, length < room ? length : room);
}

void AppendList(std::string& text, const std::vector<int32_t>& numbers) {
  for (std::size_t i = 0; i < numbers.size() && !IsFull(text); ++i) AppendListed(text, i > 0 ? ',' : '\0', numbers[i]);
}

void AppendFormatted(std::string& text, const char* format, ...) {
  if (IsFull(text)) return;
  char piece[128];
  va_list args;
  va_start(args, format);
  std::vsnprintf(piece, sizeof piece, format, args);
  va_end(args);
  AppendText(text, piece);
}

void SetText(RuleResult& result, const std::string& text) { mirado::CopyText(result.text, kTextSize, text); }

}  // namespace Dice
