#include "wire_codec.h"

#include <array>
#include <utility>

#include "iso2022jp.h"
#include "plugin_loader.h"
#include "wire_text.h"

namespace mirado::irc {
namespace {

std::string Lower(std::string_view text) {
  std::string out(text);
  for (auto& c : out) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
  return out;
}

// JIS form (as ISO-2022-JP decoders and most non-Windows systems produce it)
// and code page 932 form (as Windows maps the same code) of one character.
constexpr std::array<std::pair<std::string_view, std::string_view>, 6> kVariants = {{
    {"\xE3\x80\x9C", "\xEF\xBD\x9E"},  // wave dash / full-width tilde
    {"\xE2\x80\x96", "\xE2\x88\xA5"},  // double vertical line / parallel to
    {"\xE2\x88\x92", "\xEF\xBC\x8D"},  // minus sign / full-width hyphen-minus
    {"\xC2\xA2", "\xEF\xBF\xA0"},      // cent sign
    {"\xC2\xA3", "\xEF\xBF\xA1"},      // pound sign
    {"\xC2\xAC", "\xEF\xBF\xA2"},      // not sign
}};

}  // namespace

std::optional<WireEncoding> ParseWireEncoding(std::string_view name) {
  const std::string n = Lower(name);
  if (n == "utf-8" || n == "utf8") return WireEncoding::kUtf8;
  if (n == "iso-2022-jp" || n == "iso2022jp" || n == "jis") return WireEncoding::kIso2022Jp;
  if (n == "cp932" || n == "shift_jis" || n == "shift-jis" || n == "sjis" || n == "windows-31j")
    return WireEncoding::kCp932;
  return std::nullopt;
}

const char* WireEncodingName(WireEncoding encoding) {
  switch (encoding) {
    case WireEncoding::kUtf8: return "utf-8";
    case WireEncoding::kIso2022Jp: return "iso-2022-jp";
    case WireEncoding::kCp932: return "cp932";
  }
  return "utf-8";
}

std::string MapJisVariants(std::string_view utf8, bool to_jis) {
  std::string out;
  out.reserve(utf8.size());
  std::size_t i = 0;
  while (i < utf8.size()) {
    bool mapped = false;
    for (const auto& [jis, cp932] : kVariants) {
      const std::string_view from = to_jis ? cp932 : jis;
      if (utf8.compare(i, from.size(), from) == 0) {
        out += to_jis ? jis : cp932;
        i += from.size();
        mapped = true;
        break;
      }
    }
    if (!mapped) out.push_back(utf8[i++]);
  }
  return out;
}

std::string WireCodec::ToUtf8(std::string_view wire) const {
  switch (encoding_) {
    case WireEncoding::kUtf8: return host::Utf16ToUtf8(host::Utf8ToUtf16(wire));
    case WireEncoding::kIso2022Jp: return Iso2022JpToUtf8(wire);
    case WireEncoding::kCp932: return host::Cp932ToUtf8(wire);
  }
  return {};
}

std::string WireCodec::FromUtf8(std::string_view utf8) const {
  switch (encoding_) {
    case WireEncoding::kUtf8: return host::Utf16ToUtf8(host::Utf8ToUtf16(utf8));
    case WireEncoding::kIso2022Jp: return Utf8ToIso2022Jp(MapJisVariants(utf8, true));
    case WireEncoding::kCp932: return host::Utf8ToCp932(utf8);
  }
  return {};
}

std::string WireCodec::ToPlugin(std::string_view wire) const {
  const std::string clean = host::StripControls(std::string(wire));
  return host::StripControls(host::Utf8ToCp932(MapJisVariants(ToUtf8(clean), false)));
}

std::string WireCodec::FromPlugin(std::string_view cp932) const { return FromUtf8(host::Cp932ToUtf8(cp932)); }

}  // namespace mirado::irc
