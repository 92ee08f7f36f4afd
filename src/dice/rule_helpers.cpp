#include <cstdio>

#include "dice/rules.h"
#include "plugin/random_source.h"
#include "plugin/text.h"

namespace Dice {

int32_t RollDie(uint32_t faces) { return RandomSource::RollSum(1, faces, false); }

void AppendText(std::string& text, const char* piece) {
  if (text.size() >= kTextSize - 1) return;
  text.append(piece);
  if (text.size() > kTextSize - 1) text.resize(kTextSize - 1);
}

void AppendNumber(std::string& text, int32_t value) {
  char digits[16];
  std::snprintf(digits, sizeof digits, "%d", value);
  AppendText(text, digits);
}

void SetText(RuleResult& result, const std::string& text) { mirado::CopyText(result.text, kTextSize, text); }

}  // namespace Dice
