// Code page 932 <-> UTF-16 through the Windows conversion functions.
#include <windows.h>

#include "codepage/codepage.h"

namespace mirado::codepage {

std::u16string Cp932ToUtf16(std::string_view text) {
  if (text.empty()) return {};
  const int n = MultiByteToWideChar(932, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::u16string out(static_cast<std::size_t>(n > 0 ? n : 0), u'\0');
  if (n > 0) {
    MultiByteToWideChar(932, 0, text.data(), static_cast<int>(text.size()), reinterpret_cast<wchar_t*>(out.data()), n);
  }
  return out;
}

std::string Utf16ToCp932(std::u16string_view text) {
  if (text.empty()) return {};
  const auto* src = reinterpret_cast<const wchar_t*>(text.data());
  const int n = WideCharToMultiByte(932, 0, src, static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(n > 0 ? n : 0), '\0');
  if (n > 0) {
    WideCharToMultiByte(932, 0, src, static_cast<int>(text.size()), out.data(), n, nullptr, nullptr);
  }
  return out;
}

}  // namespace mirado::codepage
