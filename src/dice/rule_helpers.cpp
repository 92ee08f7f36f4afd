#include <cstdio>

#include "dice/rules.h"
#include "plugin/random_source.h"
#include "plugin/text.h"

namespace Dice {

int32_t RollDie(uint32_t faces) { return RandomSource::RollSum(1, faces, false); }

void AppendText(std::string& text, const char* piece) {
  if (text.size() >= kTextSize - 1) return;
  text.append(piece);
  if (text.size() <= kTextSize - 1) return;
  // Cut at 1023 bytes, but never between the two bytes of a character.
  std::size_t end = 0;
  while (end < text.size()) {
    const unsigned char c = static_cast<unsigned char>(text[end]);
    const std::size_t width = ((c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC)) ? 2 : 1;
    if (end + width > kTextSize - 1) break;
    end += width;
  }
  text.resize(end);
}

void AppendNumber(std::string& text, int32_t value) {
  if (text.size() >= kTextSize - 1) return;  // full: skip the formatting too
  char digits[16];
  std::snprintf(digits, sizeof digits, "%d", value);
  AppendText(text, digits);
}

void SetText(RuleResult& result, const std::string& text) { mirado::CopyText(result.text, kTextSize, text); }

}  // namespace Dice
