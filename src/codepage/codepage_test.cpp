// The code page 932 converters against the dumps of the Windows functions:
// every single byte, every lead/trail pair and every mapped code unit.
#include "codepage/codepage.h"

#include <fstream>
#include <sstream>

#include "support/test_support.h"

namespace mirado::codepage {
namespace {

std::vector<std::vector<std::string>> Rows(const std::string& name) {
  std::ifstream in(mirado::testing::Flag("data") + "/" + name);
  EXPECT_TRUE(in) << "cannot read " << name << " (run with --data=src/platform/testdata)";
  std::vector<std::vector<std::string>> rows;
  std::string line;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream words(line);
    std::vector<std::string> row;
    for (std::string w; words >> w;) row.push_back(w);
    rows.push_back(row);
  }
  return rows;
}

std::string Bytes(const std::string& hex) {
  std::string out;
  for (std::size_t i = 0; i + 1 < hex.size(); i += 2)
    out += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
  return out;
}

TEST(Codepage, DecodesEveryByteAndPairAsWindowsDoes) {
  const auto rows = Rows("cp932-to-utf16.txt");
  ASSERT_EQ(11536u, rows.size());
  int mismatches = 0;
  for (const auto& row : rows) {
    const std::u16string got = Cp932ToUtf16(Bytes(row[0]));
    std::u16string want;
    for (std::size_t i = 1; i < row.size(); ++i) want += static_cast<char16_t>(std::stoi(row[i], nullptr, 16));
    if (row[0] == "00") want = std::u16string(1, u'\0');
    if (got != want && ++mismatches < 10) ADD_FAILURE() << "bytes " << row[0];
  }
  EXPECT_EQ(0, mismatches);
}

TEST(Codepage, EncodesEveryMappedUnitAsWindowsDoes) {
  const auto rows = Rows("utf16-to-cp932.txt");
  ASSERT_GT(rows.size(), 9000u);
  int mismatches = 0;
  for (const auto& row : rows) {
    const std::u16string unit(1, static_cast<char16_t>(std::stoi(row[0], nullptr, 16)));
    std::string want;
    for (std::size_t i = 1; i < row.size(); ++i) want += Bytes(row[i]);
    if (Utf16ToCp932(unit) != want && ++mismatches < 10) ADD_FAILURE() << "unit " << row[0];
  }
  EXPECT_EQ(0, mismatches);
}

TEST(Codepage, LenientCasesNeverFail) {
  EXPECT_EQ(u"\u30FB", Cp932ToUtf16("\x81"));  // lone lead byte at the end
  EXPECT_EQ(u"\u30FBA", Cp932ToUtf16("\x81\x20"
                                     "A"));  // a pair that cannot be, consumed whole
  EXPECT_EQ(u"\u0080\uF8F0\uF8F1", Cp932ToUtf16("\x80\xA0\xFD"));
  EXPECT_EQ(u"\\~\uFF71", Cp932ToUtf16("\x5C\x7E\xB1"));
  EXPECT_EQ(u"\uFF5E\u2460\u2170\uE000", Cp932ToUtf16("\x81\x60\x87\x40\xFA\x40\xF0\x40"));
  EXPECT_EQ("?????", Utf16ToCp932(u"\u20AC\u301C\u2016\U0001F600"));  // each half of a pair
  EXPECT_EQ("e\x81\x60", Utf16ToCp932(u"\u00E9\uFF5E"));
}

TEST(Codepage, NarrowLiteralsAreCodePage932) {
  // The build compiles narrow literals to code page 932; a toolchain change
  // that broke this would change every Japanese answer.
  EXPECT_EQ("\x83\x5F\x83\x43\x83\x58", std::string("ダイス"));
  EXPECT_EQ("\x95\x5C", std::string("表"));
}

TEST(CharacterPrefix, KeepsCharactersWholeAndNeverGrowsTheText) {
  const std::string text =
      "a\x82\xA0"
      "b";  // a, あ, b
  EXPECT_EQ(CharacterPrefix(text, 4), 4u);
  EXPECT_EQ(CharacterPrefix(text, 3), 3u);
  EXPECT_EQ(CharacterPrefix(text, 2), 1u);  // not half of あ
  EXPECT_EQ(CharacterPrefix(text, 0), 0u);
  // A lead byte that ends the text is half a character: left out, so a
  // resize to the prefix never appends a byte.
  EXPECT_EQ(CharacterPrefix("ab\x82", 10), 2u);
  EXPECT_EQ(CharacterPrefix("\x82", 1), 0u);
}

}  // namespace
}  // namespace mirado::codepage
