// Pattern matches, foldings, bounded formatting and the small parsers.
#include "core/text.h"

#include <cstring>

#include "core/fold_tables.h"
#include "support/test_support.h"

namespace mirado {
namespace {

TEST(FullMatch, MatchesTheWholeTextIgnoringCase) {
  EXPECT_TRUE(FullMatch("ROLL", "CALC|DICE|ROL[LE]"));
  EXPECT_TRUE(FullMatch("roll", "CALC|DICE|ROL[LE]"));
  EXPECT_FALSE(FullMatch("ROLLS", "CALC|DICE|ROL[LE]"));
  EXPECT_TRUE(FullMatch("x", "", true));  // an empty pattern gives onError
  EXPECT_FALSE(FullMatch("x", "", false));
  EXPECT_FALSE(FullMatch("", ".*", true));  // an empty subject never matches
  EXPECT_FALSE(FullMatch("abc", "(unclosed", false));
  EXPECT_TRUE(FullMatch("abc", "(unclosed", true));
}

TEST(FullMatch, CollectsGroupsAndMatchesBytes) {
  std::vector<std::string> groups;
  ASSERT_TRUE(FullMatch("\x81\x94ROLL", "(#|\\x81\\x94|\\x81\\xF2)(.*)", false, &groups));
  ASSERT_EQ(3u, groups.size());
  EXPECT_EQ("\x81\x94", groups[1]);
  EXPECT_EQ("ROLL", groups[2]);
  groups.clear();
  ASSERT_TRUE(FullMatch("ab", "(a)(x)?(b)", false, &groups));
  EXPECT_EQ((std::vector<std::string>{"ab", "a", "", "b"}), groups);
}

TEST(FullMatch, CacheNeverChangesAResult) {
  for (bool cached : {true, false, true}) {
    SetPatternCacheEnabled(cached);
    EXPECT_TRUE(FullMatch("2D6", "\\d+D\\d+"));
    EXPECT_FALSE(FullMatch("2D6", "(bad", false));
    EXPECT_TRUE(FullMatch("2D6", "(bad", true));
    EXPECT_TRUE(FullMatchWide(u"ダブルクロス", u"ダブル?クロス?.*"));
  }
  SetPatternCacheEnabled(true);
}

TEST(FullMatchWide, UsesUnicodeClassesAndFullWidthCase) {
  EXPECT_TRUE(FullMatchWide(u"dx", u"DX"));
  EXPECT_TRUE(FullMatchWide(u"ｄｘ３", u"ＤＸ\\d"));
  EXPECT_TRUE(FullMatchWide(u"忍術かな", u"\\w+"));
  EXPECT_TRUE(FullMatchWide(u"\u3000", u"\\s"));
  EXPECT_FALSE(FullMatchWide(u"DX", u"ＤＸ"));  // ASCII never equals full width
  EXPECT_FALSE(FullMatchWide(u"", u".*"));
  EXPECT_FALSE(FullMatchWide(u"x", u""));
  EXPECT_FALSE(FullMatchWide(u"x", u"[x"));
  std::vector<std::u16string> groups;
  ASSERT_TRUE(FullMatchWide(u"SW2", u"S(WORD)?W(ORLD)?(\\d?)", &groups));
  EXPECT_EQ((std::vector<std::u16string>{u"SW2", u"", u"", u"2"}), groups);
}

TEST(Folding, FoldForMatch) {
  auto fold = [](std::u16string s) {
    FoldForMatch(s);
    return s;
  };
  EXPECT_EQ(u"フアンブル表", fold(u"ファンブル表"));
  EXPECT_EQ(u"タンアンデド表", fold(u"ターンアンデッド表"));
  EXPECT_EQ(u"ＥＸ ３", fold(u"ex 3"));
  EXPECT_EQ(u"＃", fold(u"♯"));
  EXPECT_EQ(u"カタカナ", fold(u"かたかな"));
  EXPECT_EQ(u"ウイウエバビブ", fold(u"ヰヱヴァヴィヴ"));
  EXPECT_EQ(u"ABC", fold(u"・＝／（）ー―－‐．") + u"ABC");
}

TEST(Folding, HalfWidthSpacesAndOperators) {
  char out[64];
  ToHalfWidth("ＲＯＬＬ", out, sizeof out);
  EXPECT_STREQ("ROLL", out);
  ToHalfWidth("ガ", out, sizeof out);
  EXPECT_STREQ("\xB6\xDE", out);  // ｶﾞ
  ToHalfWidth("ひらがな", out, sizeof out);
  EXPECT_STREQ("ひらがな", out);
  ToHalfWidth("ＡＢＣＤ", out, 3);  // cut to the size
  EXPECT_STREQ("AB", out);
  FoldOperators("3×4÷2≦≧≠≒≪≫・･ー―‐", out, sizeof out);
  EXPECT_STREQ("3*4/2<=>=!==<>**---", out);
  char spaces[32] =
      "a\x81\x40"
      "b\x81\x40\x81\x40"
      "c";
  FoldSpaces(spaces);
  EXPECT_STREQ("a b  c", spaces);
}

TEST(Formatting, BoundedTextCutsItsPiecesAtTheBufferSize) {
  char buf[8];
  BoundedText text(buf, sizeof buf);
  EXPECT_STREQ("", buf);  // terminated before anything is added
  text.Add("2D6");
  text.Add(" = ");
  EXPECT_STREQ("2D6 = ", buf);
  EXPECT_FALSE(text.Full());
  text.Add(int64_t{-1234});  // one byte of room is left: "-"
  EXPECT_STREQ("2D6 = -", buf);
  EXPECT_TRUE(text.Full());
  text.Add("more");
  EXPECT_STREQ("2D6 = -", buf);
  char wide[32];
  BoundedText number(wide, sizeof wide);
  number.Add(int64_t{-9223372036854775807LL - 1});
  EXPECT_STREQ("-9223372036854775808", wide);
}

TEST(Formatting, CutsAtTheSizeAndMayReadItsDestination) {
  char buf[8];
  FormatText(buf, sizeof buf, "%s", "abcdefghijklmnopqrst");
  EXPECT_STREQ("abcdefg", buf);
  char line[32] = "NOTICE";
  FormatText(line, sizeof line, "%s %s", line, "#trpg");
  EXPECT_STREQ("NOTICE #trpg", line);
  char zeroed[8];
  std::memset(zeroed, 'x', sizeof zeroed);
  FormatText(zeroed, sizeof zeroed, "%d", 42);
  EXPECT_EQ(std::string("42\0\0\0\0\0\0", 8), std::string(zeroed, 8));
  std::string s;
  FormatToString(s, 5, "%s", "123456789");
  EXPECT_EQ("1234", s);
  char16_t wide[8];
  FormatTextWide(wide, 8, u"%s=%d%%", u"ab", 12345);
  EXPECT_EQ(std::u16string(u"ab=1234"), std::u16string(wide));
}

TEST(ReplaceAll, NeverSearchesInsertedText) {
  EXPECT_EQ(u"x%1x x%1x", ReplaceAll(u"%1 %1", u"%1", u"x%1x"));
  EXPECT_EQ(u"abc", ReplaceAll(u"abc", u"", u"z"));
  EXPECT_EQ(u"", ReplaceAll(u"aaa", u"a", u""));
}

TEST(Parsers, ParseNumberFoldsSignsAndDigits) {
  EXPECT_EQ(-3, ParseNumber("－３"));
  EXPECT_EQ(-3, ParseNumber("ー3"));
  EXPECT_EQ(12, ParseNumber("１２a"));
  EXPECT_EQ(0, ParseNumber("none"));
  EXPECT_EQ(7, ParseNumber("  +7"));
  EXPECT_EQ(2147483647, ParseNumber("99999999999"));
  EXPECT_EQ(-2147483647 - 1, ParseNumber("-99999999999"));
}

TEST(Parsers, LookupFoldedAndPrintableAscii) {
  const LookupEntry entries[] = {{1, u"ファンブル表"}, {2, u"ターン表"}};
  int32_t id = 0;
  EXPECT_TRUE(LookupFolded(&id, "ふぁんぶる表", entries, 2));
  EXPECT_EQ(1, id);
  EXPECT_TRUE(LookupFolded(&id, "タ－ン表", entries, 2));
  EXPECT_EQ(2, id);
  EXPECT_FALSE(LookupFolded(&id, "other", entries, 2));
  EXPECT_TRUE(IsPrintableAscii(""));
  EXPECT_TRUE(IsPrintableAscii("#2D6 ~"));
  EXPECT_FALSE(IsPrintableAscii("\t"));
  EXPECT_FALSE(IsPrintableAscii("表"));
}

}  // namespace
}  // namespace mirado

namespace mirado {
namespace {

// FoldOperators folds in one pass, which equals applying the rows in turn
// only while every search text is one character and no replacement holds a
// character some row searches for.
TEST(Text, OperatorFoldRowsAllowOnePass) {
  for (std::size_t i = 0; i < kOperatorFoldTableSize; ++i) {
    const std::u16string search = kOperatorFoldTable[i].search;
    const std::u16string replacement = kOperatorFoldTable[i].replacement;
    EXPECT_EQ(1u, search.size()) << i;
    for (const char16_t c : replacement) EXPECT_LT(c, 0x80) << i;
  }
}

}  // namespace
}  // namespace mirado
