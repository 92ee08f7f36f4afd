// Code page 932 <-> UTF-16 from tables generated from the dumps of
// MultiByteToWideChar/WideCharToMultiByte(932), so that this build agrees with
// the Windows functions on every byte, including their lenient cases.
#include <algorithm>
#include <array>

#include "codepage/codepage.h"

namespace mirado::codepage {
namespace {

#include "codepage/cp932_tables.inc"

int TrailIndex(unsigned char b) {
  if (b >= 0x40 && b <= 0x7E) return b - 0x40;
  if (b >= 0x80 && b <= 0xFC) return b - 0x80 + 0x3F;
  return -1;
}

int LeadIndex(unsigned char b) { return b <= 0x9F ? b - 0x81 : b - 0xE0 + 0x1F; }

// Dense reverse table, built once: 0 means "no mapping" except for U+0000.
const std::array<uint16_t, 0x10000>& EncodeTable() {
  static const auto* table = [] {
    auto* t = new std::array<uint16_t, 0x10000>();
    t->fill(0);
    for (const auto& e : kEncode) (*t)[e.unit] = e.bytes;
    return t;
  }();
  return *table;
}

}  // namespace

std::u16string Cp932ToUtf16(std::string_view text) {
  std::u16string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto b = static_cast<unsigned char>(text[i]);
    if (!IsLeadByte(b)) {
      out.push_back(kSingleByte[b]);
      continue;
    }
    if (i + 1 >= text.size()) {  // a lone lead byte at the end
      out.push_back(u'\u30FB');
      break;
    }
    const int trail = TrailIndex(static_cast<unsigned char>(text[i + 1]));
    out.push_back(trail < 0 ? u'\u30FB' : kDoubleByte[LeadIndex(b) * kTrailCount + trail]);
    ++i;  // an invalid pair is consumed whole, as Windows does
  }
  return out;
}

std::string Utf16ToCp932(std::u16string_view text) {
  const auto& table = EncodeTable();
  std::string out;
  out.reserve(text.size() * 2);
  for (char16_t c : text) {
    const uint16_t v = table[c];
    if (v == 0 && c != 0) {
      out.push_back('?');
    } else if (v > 0xFF) {
      out.push_back(static_cast<char>(v >> 8));
      out.push_back(static_cast<char>(v & 0xFF));
    } else {
      out.push_back(static_cast<char>(v));
    }
  }
  return out;
}

}  // namespace mirado::codepage
