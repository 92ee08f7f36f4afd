// The text encoding spoken on the IRC connection, and the conversions between
// it and the plug-in's code page 932. No conversion ever fails: what cannot be
// converted is replaced, so malformed text never reaches the plug-in.
#ifndef MIRADO_HOST_IRC_WIRE_CODEC_H_
#define MIRADO_HOST_IRC_WIRE_CODEC_H_

#include <optional>
#include <string>
#include <string_view>

namespace mirado::irc {

enum class WireEncoding { kUtf8, kIso2022Jp, kCp932 };

// "utf-8", "iso-2022-jp" or "cp932", any letter case; the usual other names
// ("utf8", "jis", "shift_jis", "sjis") are accepted too.
std::optional<WireEncoding> ParseWireEncoding(std::string_view name);
const char* WireEncodingName(WireEncoding encoding);

class WireCodec {
 public:
  explicit WireCodec(WireEncoding encoding) : encoding_(encoding) {}
  WireEncoding encoding() const { return encoding_; }

  // Wire bytes to valid UTF-8 (invalid input becomes U+FFFD).
  std::string ToUtf8(std::string_view wire) const;
  // UTF-8 to wire bytes (characters the encoding lacks become '?').
  std::string FromUtf8(std::string_view utf8) const;

  // Wire bytes to the plug-in's code page 932, without CR, LF and NUL.
  // Characters that exist in two Unicode forms (the wave dash and a few
  // signs, which Japanese clients send in their JIS form) are taken in the
  // form code page 932 maps, so 〜 from any client is the plug-in's 〜.
  std::string ToPlugin(std::string_view wire) const;
  // Code page 932 from the plug-in to wire bytes.
  std::string FromPlugin(std::string_view cp932) const;

 private:
  WireEncoding encoding_;
};

// Replaces the JIS forms U+301C, U+2016, U+2212, U+00A2, U+00A3, U+00AC by
// the forms code page 932 holds (U+FF5E, U+2225, U+FF0D, U+FFE0, U+FFE1,
// U+FFE2) in valid UTF-8 text; `to_jis` maps the other way.
std::string MapJisVariants(std::string_view utf8, bool to_jis);

}  // namespace mirado::irc

#endif  // MIRADO_HOST_IRC_WIRE_CODEC_H_
