#include <cstdio>

#include "core/random_source.h"
#include "core/text.h"
#include "dice/rules.h"
#include "platform/platform.h"

namespace Dice {

int32_t RollDie(uint32_t faces) { return RandomSource::RollSum(1, faces, false); }

void AppendText(std::string& text, const char* piece) {
  if (text.size() >= kTextSize - 1) return;
  text.append(piece);
  if (text.size() <= kTextSize - 1) return;
  // Cut at 1023 bytes, but never between the two bytes of a character.
  text.resize(mirado::platform::CharacterPrefix(text, kTextSize - 1));
}

void AppendNumber(std::string& text, int32_t value) {
  if (text.size() >= kTextSize - 1) return;  // full: skip the formatting too
  char digits[16];
  std::snprintf(digits, sizeof digits, "%d", value);
  AppendText(text, digits);
}

void SetText(RuleResult& result, const std::string& text) { mirado::CopyText(result.text, kTextSize, text); }

}  // namespace Dice
