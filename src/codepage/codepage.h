// Code page 932 (Shift-JIS) text: its character boundaries and its
// conversion to and from UTF-16. The one small library the plug-in and its
// hosts share: the plug-in reads and writes code page 932, a host converts
// between it and the outside world. The Windows build uses
// MultiByteToWideChar/WideCharToMultiByte(932); the POSIX build uses tables
// generated from dumps of those functions, so both agree byte for byte.
// No function throws.
#ifndef MIRADO_CODEPAGE_CODEPAGE_H_
#define MIRADO_CODEPAGE_CODEPAGE_H_

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace mirado::codepage {

// True for the first byte of a double-byte Shift-JIS character.
inline bool IsLeadByte(unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }
// True for a byte that can follow a lead byte as the second half of a
// character (0x40-0x7E, 0x80-0xFC). A lead byte followed by anything else is
// a cut character, and the byte after it stands alone.
inline bool IsTrailByte(unsigned char b) { return (b >= 0x40 && b <= 0x7E) || (b >= 0x80 && b <= 0xFC); }
// The length of the longest prefix of `text` of at most `limit` bytes that
// ends on a character boundary (a lead byte and its trail byte stay
// together). Never more than text.size(): a lead byte that ends the text is
// half a character and is left out.
inline std::size_t CharacterPrefix(std::string_view text, std::size_t limit) {
  std::size_t end = 0;
  // Bytes below 0x80 are characters of their own: skip them eight at a time.
  const std::size_t fits = limit < text.size() ? limit : text.size();
  while (end + 8 <= fits) {
    std::uint64_t eight;
    std::memcpy(&eight, text.data() + end, sizeof eight);
    if ((eight & 0x8080808080808080ull) != 0) break;
    end += 8;
  }
  while (end < text.size()) {
    const std::size_t width = IsLeadByte(static_cast<unsigned char>(text[end])) ? 2 : 1;
    if (end + width > limit || end + width > text.size()) break;
    end += width;
  }
  return end;
}

// Never fails: invalid or cut double-byte sequences become U+30FB (consuming
// both bytes), characters without a mapping become '?', and best-fit mappings
// apply, exactly as MultiByteToWideChar/WideCharToMultiByte(932) do.
std::u16string Cp932ToUtf16(std::string_view text);
std::string Utf16ToCp932(std::u16string_view text);

}  // namespace mirado::codepage

#endif  // MIRADO_CODEPAGE_CODEPAGE_H_
