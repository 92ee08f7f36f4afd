#include "pool/pool_dice_text.h"

#include <algorithm>

#include "core/text.h"

namespace PoolCommand {
namespace {

constexpr std::size_t kMaxFaceDigits = 10;
constexpr int64_t kMaxFace = 2147483647;

// Faces are not range-checked (B9 is a die), but must be a number the pool
// can write back as it was typed.
bool ReadFace(std::string_view digits, int32_t* face) {
  if (digits.empty() || digits.size() > kMaxFaceDigits) return false;
  int64_t value = 0;
  for (char c : digits) {
    if (c < '0' || c > '9') return false;  // \d also takes other scripts' digits
    value = value * 10 + (c - '0');
  }
  if (value > kMaxFace) return false;
  *face = static_cast<int32_t>(value);
  return true;
}

void AddDie(bool black, int32_t face, PoolDiceSet* dice) { (black ? dice->black : dice->white).push_back(face); }

}  // namespace

bool ReadDie(std::u16string_view text, PoolDiceSet* dice) {
  std::vector<std::u16string> groups;
  const bool black = mirado::FullMatchWide(text, u"([Bb])[:=]?(\\d+)", &groups);
  if (!black && !mirado::FullMatchWide(text, u"([Ww])[:=]?(\\d+)", &groups)) return false;
  int32_t face = 0;
  if (groups.size() < 3 || !ReadFace(mirado::ToNarrow(groups[2]), &face)) return false;
  AddDie(black, face, dice);
  return true;
}

PoolDiceSet ParsePoolText(const std::string& text) {
  PoolDiceSet dice;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find(' ', start);
    if (end == std::string::npos) end = text.size();
    const std::string piece = text.substr(start, end - start);
    std::vector<std::string> groups;
    const bool black = mirado::FullMatch(piece, "([Bb])[:=]?(\\d+)", false, &groups);
    int32_t face = 0;
    if ((black || mirado::FullMatch(piece, "([Ww])[:=]?(\\d+)", false, &groups)) && groups.size() >= 3 &&
        ReadFace(groups[2], &face)) {
      AddDie(black, face, &dice);
    }
    start = end + 1;
  }
  return dice;
}

std::string PoolText(PoolDiceSet& dice) {
  std::sort(dice.black.begin(), dice.black.end());
  std::sort(dice.white.begin(), dice.white.end());
  std::string text;
  for (int32_t face : dice.black) text += "B" + std::to_string(face) + " ";
  for (int32_t face : dice.white) text += "W" + std::to_string(face) + " ";
  return text;
}

std::string DiceDisplay(const std::vector<int32_t>& faces, const char* prefix) {
  std::string text;
  for (int32_t face : faces) text += "[" + std::string(prefix) + std::to_string(face) + "]";
  return text;
}

}  // namespace PoolCommand
