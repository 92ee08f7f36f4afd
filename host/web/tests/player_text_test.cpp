#include "player_text.h"

#include <gtest/gtest.h>

#include "names.h"

namespace mirado::web {
namespace {

TextVerdict Check(const std::string& text, std::string* cp932 = nullptr, std::size_t limit = 1023) {
  std::string bytes, why;
  const TextVerdict verdict = CheckPlayerText(text, limit, &bytes, &why);
  if (verdict != TextVerdict::kOk) {
    EXPECT_FALSE(why.empty());
  }
  if (cp932 != nullptr) *cp932 = bytes;
  return verdict;
}

TEST(PlayerText, JapaneseBecomesCodePage932) {
  std::string cp932;
  EXPECT_EQ(Check("\xE6\x80\xA7\xE6\xA0\xBC\xE8\xA1\xA8", &cp932), TextVerdict::kOk);  // 性格表
  EXPECT_EQ(cp932, "\x90\xAB\x8A\x69\x95\x5C");
  EXPECT_EQ(Check("#2D6+3", &cp932), TextVerdict::kOk);
  EXPECT_EQ(cp932, "#2D6+3");
}

TEST(PlayerText, RefusesWhatThePlugInCannotTake) {
  EXPECT_EQ(Check("\xC3\x28"), TextVerdict::kInvalidUtf8);
  EXPECT_EQ(Check("\xED\xA0\x80"), TextVerdict::kInvalidUtf8);  // a surrogate
  EXPECT_EQ(Check("\xC0\xAF"), TextVerdict::kInvalidUtf8);      // overlong '/'
  EXPECT_EQ(Check("a\nb"), TextVerdict::kControl);
  EXPECT_EQ(Check(std::string("a\0b", 3)), TextVerdict::kControl);
  EXPECT_EQ(Check("\xF0\x9F\x8E\xB2 roll"), TextVerdict::kNotInCodePage);  // 🎲
  EXPECT_EQ(Check("\xC3\xA9"), TextVerdict::kNotInCodePage);               // é has only a best fit
  EXPECT_EQ(Check("   "), TextVerdict::kEmpty);
  EXPECT_EQ(Check(""), TextVerdict::kEmpty);
  // The bound counts code page 932 bytes: 512 kana are 1024 of them.
  std::string kana;
  for (int i = 0; i < 511; ++i) kana += "\xE3\x81\x82";
  EXPECT_EQ(Check(kana + "a"), TextVerdict::kOk);
  EXPECT_EQ(Check(kana + "ab"), TextVerdict::kTooLong);
  EXPECT_EQ(VerdictStatus(TextVerdict::kTooLong), 413);
  EXPECT_EQ(VerdictStatus(TextVerdict::kNotInCodePage), 422);
  EXPECT_EQ(VerdictStatus(TextVerdict::kInvalidUtf8), 400);
}

TEST(PlayerText, ValidUtf8) {
  EXPECT_TRUE(IsValidUtf8("plain \xE3\x81\x82 \xEF\xBF\xBD"));  // U+FFFD itself is fine
  EXPECT_FALSE(IsValidUtf8("\xFF"));
  EXPECT_FALSE(IsValidUtf8("\xE3\x81"));  // cut
}

TEST(Names, RoomsAreChannels) {
  std::string why;
  EXPECT_EQ(RoomChannel("trpg", &why).value_or(""), "#trpg");
  EXPECT_EQ(RoomChannel("#trpg", &why).value_or(""), "#trpg");
  EXPECT_EQ(RoomChannel("\xE5\x8D\x93", &why).value_or(""), "#\xE5\x8D\x93");  // 卓
  for (const char* bad : {"", "#", "a b", "a,b", "a:b", "a/b", "a\x07", "\xF0\x9F\x8E\xB2"}) {
    EXPECT_FALSE(RoomChannel(bad, &why)) << bad;
  }
  EXPECT_FALSE(RoomChannel(std::string(50, 'a'), &why));
  EXPECT_TRUE(RoomChannel(std::string(49, 'a'), &why));
}

TEST(Names, Nicks) {
  std::string why;
  EXPECT_TRUE(IsValidNick("taro", &why));
  EXPECT_TRUE(IsValidNick("[GM]Taro", &why));
  EXPECT_TRUE(IsValidNick("\xE3\x81\xAF\xE3\x81\xAA\xE3\x81\x93", &why));  // はなこ
  EXPECT_TRUE(IsValidNick("<img>", &why));                                 // markup is only text
  EXPECT_TRUE(IsValidNick("<svg/onload=alert(1)>", &why));
  for (const char* bad : {"", "#taro", "-x", "a b", "a,b", "a:b", "a!b", "a@b", "mirado", "MIRADO",
                          "\xE3\x81\x82\xE3\x80\x80\xE3\x81\x82"}) {
    EXPECT_FALSE(IsValidNick(bad, &why)) << bad;
  }
  EXPECT_FALSE(IsValidNick(std::string(33, 'a'), &why));
  EXPECT_EQ(FoldName("TaRo[GM]"), "taro[gm]");
}

}  // namespace
}  // namespace mirado::web
