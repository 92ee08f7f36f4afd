#include "iso2022jp.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>

#include "wire_text.h"

namespace mirado::irc {
namespace {

// Full-width forms of U+FF61..U+FF9F, in order.
constexpr char16_t kFullWidthKana[] =
    u"。「」、・ヲァィゥェォャュョッーアイウエオカキクケコサシスセソタチツテトナニヌネノハヒフヘホマミムメモヤユヨラリ"
    u"ルレロワン゛゜";
static_assert(sizeof kFullWidthKana / sizeof kFullWidthKana[0] == 0xFF9F - 0xFF61 + 2);

bool TakesVoicedMark(char16_t c) {
  return (c >= u'カ' && c <= u'ト' && c != u'ッ' && (c <= u'チ' ? (c - u'カ') % 2 == 0 : (c - u'ツ') % 2 == 0)) ||
         c == u'ハ' || c == u'ヒ' || c == u'フ' || c == u'ヘ' || c == u'ホ';
}
bool TakesSemiVoicedMark(char16_t c) { return c == u'ハ' || c == u'ヒ' || c == u'フ' || c == u'ヘ' || c == u'ホ'; }

bool IsValidUtf8(std::string_view text) {
  const std::string round = host::Utf16ToUtf8(host::Utf8ToUtf16(text));
  return round == text;
}

std::size_t Utf8Length(unsigned char lead) {
  if (lead < 0x80) return 1;
  if (lead >= 0xF0) return 4;
  if (lead >= 0xE0) return 3;
  if (lead >= 0xC0) return 2;
  return 1;
}

class Iconv {
 public:
  Iconv(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
  ~Iconv() {
    if (ok()) iconv_close(cd_);
  }
  Iconv(const Iconv&) = delete;
  Iconv& operator=(const Iconv&) = delete;
  bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

  // Converts `in` as far as it goes, appending to `out`. Returns 0 when all
  // of it was converted, else the errno that stopped it (EILSEQ, EINVAL) with
  // `in` advanced to the offending byte.
  int Convert(std::string_view& in, std::string& out) {
    char* src = const_cast<char*>(in.data());
    std::size_t src_left = in.size();
    while (true) {
      if (src_left == 0) {
        in = std::string_view();
        return 0;
      }
      char chunk[1024];
      char* dst = chunk;
      std::size_t dst_left = sizeof chunk;
      const std::size_t r = iconv(cd_, &src, &src_left, &dst, &dst_left);
      const int error = r == static_cast<std::size_t>(-1) ? errno : 0;
      out.append(chunk, sizeof chunk - dst_left);
      if (error == E2BIG) continue;
      in = std::string_view(src, src_left);
      if (error != 0) return error;
    }
  }
  // Writes the sequence that returns the output to its initial (ASCII) state.
  void Finish(std::string& out) {
    char chunk[16];
    char* dst = chunk;
    std::size_t dst_left = sizeof chunk;
    iconv(cd_, nullptr, nullptr, &dst, &dst_left);
    out.append(chunk, sizeof chunk - dst_left);
  }

 private:
  iconv_t cd_;
};

}  // namespace

std::u16string HalfWidthKanaToFullWidth(std::u16string_view text) {
  std::u16string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char16_t c = text[i];
    if (c < 0xFF61 || c > 0xFF9F) {
      out.push_back(c);
      continue;
    }
    char16_t full = kFullWidthKana[c - 0xFF61];
    const char16_t next = i + 1 < text.size() ? text[i + 1] : 0;
    if (next == 0xFF9E && (TakesVoicedMark(full) || full == u'ウ')) {
      full = full == u'ウ' ? u'ヴ' : static_cast<char16_t>(full + 1);
      ++i;
    } else if (next == 0xFF9F && TakesSemiVoicedMark(full)) {
      full = static_cast<char16_t>(full + 2);
      ++i;
    }
    out.push_back(full);
  }
  return out;
}

std::string Iso2022JpToUtf8(std::string_view wire) {
  bool eight_bit = false;
  for (char c : wire) eight_bit = eight_bit || static_cast<unsigned char>(c) >= 0x80;
  if (eight_bit && IsValidUtf8(wire)) return std::string(wire);

  Iconv cd("UTF-8", "ISO-2022-JP");
  if (!cd.ok()) return host::Utf16ToUtf8(host::Utf8ToUtf16(wire));
  std::string out;
  std::string_view in = wire;
  while (!in.empty()) {
    const int error = cd.Convert(in, out);
    if (error == 0) break;
    out += "\xEF\xBF\xBD";       // U+FFFD for the byte that could not be decoded
    if (error == EINVAL) break;  // cut short at the end of the line
    in.remove_prefix(1);
  }
  return out;
}

std::string Utf8ToIso2022Jp(std::string_view utf8) {
  const std::string text = host::Utf16ToUtf8(HalfWidthKanaToFullWidth(host::Utf8ToUtf16(utf8)));
  Iconv cd("ISO-2022-JP", "UTF-8");
  std::string out;
  if (!cd.ok()) {
    for (char c : text) out.push_back(static_cast<unsigned char>(c) < 0x80 ? c : '?');
    return out;
  }
  std::string_view in = text;
  while (!in.empty()) {
    if (cd.Convert(in, out) == 0) break;
    std::string_view mark = "?";
    cd.Convert(mark, out);
    in.remove_prefix(std::min(in.size(), Utf8Length(static_cast<unsigned char>(in[0]))));
  }
  cd.Finish(out);
  return out;
}

}  // namespace mirado::irc
