// ISO-2022-JP, the 7-bit encoding of Japanese IRC networks, through the C
// library's iconv. Neither direction fails: undecodable bytes become U+FFFD,
// characters ISO-2022-JP lacks become '?'.
#ifndef MIRADO_HOST_IRC_ISO2022JP_H_
#define MIRADO_HOST_IRC_ISO2022JP_H_

#include <string>
#include <string_view>

namespace mirado::irc {

// Decodes a line. A line that holds 8-bit bytes cannot be ISO-2022-JP; when it
// is valid UTF-8 (a client set to UTF-8 on a JIS channel) it is taken as that.
std::string Iso2022JpToUtf8(std::string_view wire);

// Encodes valid UTF-8; every result ends in ASCII mode, so lines and pieces of
// lines stand on their own. Half-width katakana, which ISO-2022-JP does not
// hold, are written as their full-width forms.
std::string Utf8ToIso2022Jp(std::string_view utf8);

// Half-width katakana (U+FF61..U+FF9F) to full width, a following sound mark
// combined into the voiced letter as Japanese text expects (ｶﾞ becomes ガ).
std::u16string HalfWidthKanaToFullWidth(std::u16string_view text);

}  // namespace mirado::irc

#endif  // MIRADO_HOST_IRC_ISO2022JP_H_
