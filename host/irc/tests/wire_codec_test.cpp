#include "wire_codec.h"

#include <gtest/gtest.h>

#include "iso2022jp.h"
#include "reply_filter.h"

namespace mirado::irc {
namespace {

// "くっ！" in the three encodings (JIS X 0208 rows 4 and 1).
const std::string kUtf8Mark = "\xE3\x81\x8F\xE3\x81\xA3\xEF\xBC\x81";
const std::string kCp932Mark = "\x82\xAD\x82\xC1\x81\x49";
const std::string kJisMark = "\x1B$B$/$C!*\x1B(B";

TEST(WireEncoding, Names) {
  EXPECT_EQ(ParseWireEncoding("UTF-8"), WireEncoding::kUtf8);
  EXPECT_EQ(ParseWireEncoding("iso-2022-jp"), WireEncoding::kIso2022Jp);
  EXPECT_EQ(ParseWireEncoding("JIS"), WireEncoding::kIso2022Jp);
  EXPECT_EQ(ParseWireEncoding("Shift_JIS"), WireEncoding::kCp932);
  EXPECT_EQ(ParseWireEncoding("cp932"), WireEncoding::kCp932);
  EXPECT_FALSE(ParseWireEncoding("latin1"));
  EXPECT_STREQ(WireEncodingName(WireEncoding::kIso2022Jp), "iso-2022-jp");
}

TEST(WireCodec, JapaneseRoundTripsInEveryEncoding) {
  const WireCodec utf8(WireEncoding::kUtf8), jis(WireEncoding::kIso2022Jp), sjis(WireEncoding::kCp932);
  EXPECT_EQ(utf8.ToPlugin("#70+2 " + kUtf8Mark), "#70+2 " + kCp932Mark);
  EXPECT_EQ(jis.ToPlugin("#70+2 " + kJisMark), "#70+2 " + kCp932Mark);
  EXPECT_EQ(sjis.ToPlugin("#70+2 " + kCp932Mark), "#70+2 " + kCp932Mark);
  EXPECT_EQ(utf8.FromPlugin("<" + kCp932Mark + ">"), "<" + kUtf8Mark + ">");
  EXPECT_EQ(jis.FromPlugin("<" + kCp932Mark + ">"), "<" + kJisMark + ">");
  EXPECT_EQ(sjis.FromPlugin("<" + kCp932Mark + ">"), "<" + kCp932Mark + ">");
}

TEST(WireCodec, BadInputIsReplacedNeverPassedOn) {
  const WireCodec utf8(WireEncoding::kUtf8), jis(WireEncoding::kIso2022Jp), sjis(WireEncoding::kCp932);
  // Stray continuation bytes, an overlong form, an encoded surrogate and a
  // cut-off sequence become replacements ('?' in code page 932); CR, LF and
  // NUL disappear.
  EXPECT_EQ(utf8.ToPlugin("a\x80"
                          "b"),
            "a?b");
  EXPECT_EQ(utf8.ToPlugin("\xC0\xAF"
                          "x"),
            "??x");
  EXPECT_EQ(utf8.ToPlugin("\xED\xA0\x80"
                          "x"),
            "???x");
  const std::string cut = utf8.ToPlugin("b\xE3\x81");
  EXPECT_EQ(cut.substr(0, 2), "b?");
  EXPECT_EQ(cut.find_first_not_of("b?"), std::string::npos);
  EXPECT_EQ(utf8.ToPlugin(std::string("a\r\nb\0c", 7)), "abc");
  // A lead byte at the end of a code page 932 line is no character.
  EXPECT_EQ(sjis.ToPlugin("ab\x82"), "ab\x81\x45");
  // ISO-2022-JP: an unknown escape and a line cut inside a double-byte
  // character; the result is plain valid code page 932.
  const std::string broken = jis.ToPlugin("\x1B$B$/\x1B$Z!*\x1B$B$");
  EXPECT_EQ(broken.substr(0, 2), "\x82\xAD");
  EXPECT_EQ(utf8.ToPlugin(utf8.FromPlugin(broken)), broken);
  // A client speaking UTF-8 on an ISO-2022-JP channel is understood.
  EXPECT_EQ(jis.ToPlugin(kUtf8Mark), kCp932Mark);
  // Characters an encoding lacks go out as '?'.
  EXPECT_EQ(jis.FromUtf8("\xF0\x9F\x8E\xB2!"), "?!");
}

TEST(WireCodec, JisFormsOfTildeAndMinusReachThePluginAsItsOwn) {
  // The wave dash U+301C (what non-Windows clients send) becomes the plug-in's
  // 0x81 0x60, and goes out of ISO-2022-JP as JIS 0x2141.
  const WireCodec utf8(WireEncoding::kUtf8), jis(WireEncoding::kIso2022Jp);
  EXPECT_EQ(utf8.ToPlugin("1\xE3\x80\x9C"
                          "3"),
            "1\x81\x60"
            "3");
  EXPECT_EQ(utf8.ToPlugin("1\xEF\xBD\x9E"
                          "3"),
            "1\x81\x60"
            "3");
  EXPECT_EQ(utf8.ToPlugin("\xE2\x88\x92"), "\x81\x7C");
  EXPECT_EQ(jis.FromPlugin("\x81\x60"), "\x1B$B!A\x1B(B");
}

TEST(Iso2022Jp, HalfWidthKanaBecomeFullWidth) {
  // ｶﾞｯﾂﾎﾟ: voiced and semi-voiced marks join the letter before them.
  EXPECT_EQ(HalfWidthKanaToFullWidth(u"\uFF76\uFF9E\uFF6F\uFF82\uFF8E\uFF9F"), u"ガッツポ");
  EXPECT_EQ(HalfWidthKanaToFullWidth(u"\uFF73\uFF9E\uFF71\uFF9E"), u"ヴア゛");
  EXPECT_EQ(Utf8ToIso2022Jp("\xEF\xBD\xB6\xEF\xBE\x9E"), "\x1B$B%,\x1B(B");
}

TEST(SplitForWire, CutsAtCharactersWithinTheBudget) {
  std::string text;
  for (int i = 0; i < 50; ++i) text += kUtf8Mark;  // 150 characters
  for (const auto encoding : {WireEncoding::kUtf8, WireEncoding::kIso2022Jp, WireEncoding::kCp932}) {
    const WireCodec codec(encoding);
    const auto pieces = SplitForWire(codec, text, 100);
    ASSERT_GT(pieces.size(), 1u);
    std::string joined;
    for (const auto& piece : pieces) {
      EXPECT_LE(piece.size(), 100u);
      // Every piece stands on its own: it decodes without replacements.
      const std::string decoded = codec.ToUtf8(piece);
      EXPECT_EQ(decoded.find("\xEF\xBF\xBD"), std::string::npos);
      joined += decoded;
    }
    EXPECT_EQ(joined, text) << WireEncodingName(encoding);
  }
  // A space in the second half of a piece is the preferred place to cut.
  const auto words = SplitForWire(WireCodec(WireEncoding::kUtf8), "aaaa bbbb cccc", 11);
  EXPECT_EQ(words, (std::vector<std::string>{"aaaa bbbb ", "cccc"}));
  EXPECT_TRUE(SplitForWire(WireCodec(WireEncoding::kUtf8), "", 10).empty());
}

}  // namespace
}  // namespace mirado::irc
