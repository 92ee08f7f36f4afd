// The one place the hosts learn the word that makes the bot leave.
#include "part_word.h"

namespace mirado::host {
namespace {

// Skips spaces: ASCII, and the ideographic space (0x81 0x40 in code page 932).
std::size_t SkipSpaces(std::string_view s, std::size_t i) {
  while (i < s.size()) {
    if (s[i] == ' ')
      ++i;
    else if (s.compare(i, 2, "\x81\x40") == 0)
      i += 2;
    else
      break;
  }
  return i;
}

}  // namespace

bool IsPartCommand(std::string_view s) {
  std::size_t i = SkipSpaces(s, 0);
  if (i < s.size() && s[i] == '#') {
    ++i;
  } else if (s.compare(i, 2, "\x81\x94") == 0 || s.compare(i, 2, "\x81\xF2") == 0) {
    i += 2;
  } else {
    return false;
  }
  for (const char want : {'P', 'A', 'R', 'T'}) {
    if (i < s.size() && (s[i] == want || s[i] == want + 32)) {
      i += 1;
      continue;
    }
    // Full-width letters: Ａ..Ｚ are 0x82 0x60.., ａ..ｚ are 0x82 0x81...
    const auto lead = i < s.size() ? static_cast<unsigned char>(s[i]) : 0;
    const auto trail = i + 1 < s.size() ? static_cast<unsigned char>(s[i + 1]) : 0;
    if (lead == 0x82 && (trail == 0x60 + (want - 'A') || trail == 0x81 + (want - 'A'))) {
      i += 2;
      continue;
    }
    return false;
  }
  return i == s.size() || SkipSpaces(s, i) != i;
}

}  // namespace mirado::host
