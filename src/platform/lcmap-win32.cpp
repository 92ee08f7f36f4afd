// The Japanese locale's width and kana mappings through LCMapStringW(0x411).
#include <windows.h>

#include "platform/platform.h"

namespace mirado::platform {
namespace {

std::u16string Map(std::u16string_view text, DWORD flags) {
  if (text.empty()) return {};
  const auto* src = reinterpret_cast<const wchar_t*>(text.data());
  const int len = static_cast<int>(text.size());
  const int n = LCMapStringW(0x411, flags, src, len, nullptr, 0);
  if (n <= 0) return std::u16string(text);
  std::u16string out(static_cast<std::size_t>(n), u'\0');
  LCMapStringW(0x411, flags, src, len, reinterpret_cast<wchar_t*>(out.data()), n);
  return out;
}

}  // namespace

std::u16string MapFullWidthKatakanaUpper(std::u16string_view text) {
  return Map(text, LCMAP_FULLWIDTH | LCMAP_KATAKANA | LCMAP_UPPERCASE);
}

std::u16string MapHalfWidth(std::u16string_view text) { return Map(text, LCMAP_HALFWIDTH); }

}  // namespace mirado::platform
