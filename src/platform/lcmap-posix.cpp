// The Japanese locale's width and kana mappings, from tables generated from
// dumps of LCMapStringW(0x411). Outside the dumped ranges (ASCII, Latin-1,
// general punctuation, kana and the half/full-width forms) the full-width map
// only upper-cases, as the Windows mapping does, and the half-width map leaves
// the text as it is.
#include <unicode/uchar.h>

#include <algorithm>

#include "platform/platform.h"

namespace mirado::platform {
namespace {

#include "platform/lcmap_tables.inc"

const MapEntry* Find(const MapEntry* begin, const MapEntry* end, char16_t c) {
  const MapEntry* it = std::lower_bound(begin, end, c, [](const MapEntry& e, char16_t v) { return e.in < v; });
  return it != end && it->in == c ? it : nullptr;
}

bool IsSoundMark(char16_t c) { return c == 0xFF9E || c == 0xFF9F; }

}  // namespace

std::u16string MapFullWidthKatakanaUpper(std::u16string_view text) {
  std::u16string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char16_t c = text[i];
    if (c >= 0xFF61 && c <= 0xFF9F && i + 1 < text.size() && IsSoundMark(text[i + 1])) {
      const char16_t next = text[i + 1];
      const auto* it = std::find_if(std::begin(kFullWidthPairs), std::end(kFullWidthPairs),
                                    [&](const PairEntry& p) { return p.first == c && p.second == next; });
      if (it != std::end(kFullWidthPairs)) {
        out.append(it->out, it->out + it->count);
        ++i;
        continue;
      }
    }
    if (const MapEntry* e = Find(std::begin(kFullWidth), std::end(kFullWidth), c)) {
      out.append(e->out, e->out + e->count);
    } else if (c >= 0xD800 && c <= 0xDFFF) {
      out.push_back(c);
    } else {
      out.push_back(static_cast<char16_t>(u_toupper(c)));
    }
  }
  return out;
}

std::u16string MapHalfWidth(std::u16string_view text) {
  std::u16string out;
  out.reserve(text.size() * 2);
  for (char16_t c : text) {
    if (const MapEntry* e = Find(std::begin(kHalfWidth), std::end(kHalfWidth), c)) {
      out.append(e->out, e->out + e->count);
    } else {
      out.push_back(c);
    }
  }
  return out;
}

}  // namespace mirado::platform
