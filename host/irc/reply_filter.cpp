#include "reply_filter.h"

#include "irc_message.h"

namespace mirado::irc {
namespace {

// Start offsets of the UTF-8 characters of `text`, plus its end.
std::vector<std::size_t> CharacterBounds(std::string_view text) {
  std::vector<std::size_t> bounds;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) bounds.push_back(i);
  }
  bounds.push_back(text.size());
  return bounds;
}

}  // namespace

std::vector<std::string> SplitForWire(const WireCodec& codec, std::string_view utf8, std::size_t budget) {
  std::vector<std::string> pieces;
  std::string whole = codec.FromUtf8(utf8);
  if (whole.size() <= budget) {
    if (!whole.empty()) pieces.push_back(std::move(whole));
    return pieces;
  }
  const std::vector<std::size_t> bounds = CharacterBounds(utf8);
  std::size_t first = 0;  // index into bounds of the piece's first character
  const std::size_t last = bounds.size() - 1;
  while (first < last) {
    // The longest run of characters from `first` that fits: the encoded size
    // grows with every character, so a binary search finds it.
    std::size_t lo = first + 1, hi = last;
    auto fits = [&](std::size_t end) {
      return codec.FromUtf8(utf8.substr(bounds[first], bounds[end] - bounds[first])).size() <= budget;
    };
    if (fits(hi)) {
      lo = hi;
    } else {
      while (lo + 1 < hi) {
        const std::size_t mid = lo + (hi - lo) / 2;
        if (fits(mid))
          lo = mid;
        else
          hi = mid;
      }
    }
    std::size_t end = lo;
    if (end < last) {
      // Break after a space when there is one in the second half of the piece.
      for (std::size_t k = end; k > first + (end - first) / 2; --k) {
        if (utf8[bounds[k] - 1] == ' ') {
          end = k;
          break;
        }
      }
    }
    pieces.push_back(codec.FromUtf8(utf8.substr(bounds[first], bounds[end] - bounds[first])));
    first = end;
  }
  return pieces;
}

}  // namespace mirado::irc
