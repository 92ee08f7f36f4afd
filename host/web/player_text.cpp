#include "player_text.h"

#include <cstdint>
#include <cstdio>

#include "wire_text.h"

namespace mirado::web {
namespace {

std::string Describe(std::u16string_view character) {
  uint32_t cp = character[0];
  if (character.size() == 2) cp = 0x10000 + ((cp - 0xD800) << 10) + (character[1] - 0xDC00);
  char code[16];
  std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(cp));
  return "\"" + host::Utf16ToUtf8(character) + "\" (" + code + ")";
}

bool IsControl(char16_t c) { return c < 0x20 || c == 0x7F || (c >= 0x80 && c < 0xA0) || c == 0x2028 || c == 0x2029; }

}  // namespace

// The codec replaces what it cannot read with U+FFFD, so only well-formed
// text comes back byte for byte.
bool IsValidUtf8(std::string_view text) { return host::Utf16ToUtf8(host::Utf8ToUtf16(text)) == text; }

TextVerdict CheckPlayerText(std::string_view utf8, std::size_t limit, std::string* cp932, std::string* why) {
  if (!IsValidUtf8(utf8)) {
    *why = "the text is not valid UTF-8";
    return TextVerdict::kInvalidUtf8;
  }
  const std::u16string wide = host::Utf8ToUtf16(utf8);
  bool blank = true;
  for (std::size_t i = 0; i < wide.size();) {
    const std::size_t n = wide[i] >= 0xD800 && wide[i] <= 0xDBFF ? 2 : 1;
    const std::u16string_view character(wide.data() + i, n);
    if (IsControl(wide[i])) {
      *why = "the text holds a control character (one line at a time, no line breaks)";
      return TextVerdict::kControl;
    }
    // A character the code page holds comes back unchanged; any other is
    // one the plug-in would see as '?' or a best-fit stand-in.
    if (wide[i] >= 0x80 &&
        host::Utf8ToUtf16(host::Cp932ToUtf8(host::Utf8ToCp932(host::Utf16ToUtf8(character)))) != character) {
      *why = "the bot cannot take the character " + Describe(character) +
             ": it reads only what Shift-JIS (code page 932) can write";
      return TextVerdict::kNotInCodePage;
    }
    if (wide[i] != u' ' && wide[i] != u'\u3000') blank = false;
    i += n;
  }
  if (blank) {
    *why = "the text is empty";
    return TextVerdict::kEmpty;
  }
  *cp932 = host::Utf8ToCp932(utf8);
  if (cp932->size() > limit) {
    *why = "the line is too long: at most " + std::to_string(limit) + " bytes in Shift-JIS (about " +
           std::to_string(limit / 2) + " Japanese characters), this one takes " + std::to_string(cp932->size());
    return TextVerdict::kTooLong;
  }
  return TextVerdict::kOk;
}

int VerdictStatus(TextVerdict verdict) {
  switch (verdict) {
    case TextVerdict::kOk: return 200;
    case TextVerdict::kTooLong: return 413;
    case TextVerdict::kNotInCodePage: return 422;
    default: return 400;
  }
}

}  // namespace mirado::web
