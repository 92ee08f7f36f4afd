// Conversions between the text of the outside world (UTF-8) and the plug-in's
// code page 932. Never fail: invalid UTF-8 becomes U+FFFD, characters code
// page 932 cannot hold become '?', and invalid code page 932 bytes become
// U+30FB, as the Windows conversion functions do.
#ifndef MIRADO_HOST_WIRE_TEXT_H_
#define MIRADO_HOST_WIRE_TEXT_H_

#include <string>
#include <string_view>

namespace mirado::host {

std::string Utf8ToCp932(std::string_view utf8);
std::string Cp932ToUtf8(std::string_view cp932);
std::u16string Utf8ToUtf16(std::string_view utf8);
std::string Utf16ToUtf8(std::u16string_view utf16);

}  // namespace mirado::host

#endif  // MIRADO_HOST_WIRE_TEXT_H_
