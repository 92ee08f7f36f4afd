// The Japanese-locale width and kana mappings against the dumps of
// LCMapStringW(0x411).
#include <fstream>
#include <sstream>

#include "platform/platform.h"
#include "support/test_support.h"

namespace mirado::platform {
namespace {

struct Row {
  std::u16string in, out;
};

std::vector<Row> Rows(const std::string& name) {
  std::ifstream in(mirado::testing::Flag("data") + "/" + name);
  EXPECT_TRUE(in) << "cannot read " << name;
  std::vector<Row> rows;
  std::string line;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream words(line);
    std::string input, unit;
    words >> input;
    Row row;
    std::istringstream parts(input);
    for (std::string part; std::getline(parts, part, '+');)
      row.in += static_cast<char16_t>(std::stoi(part, nullptr, 16));
    while (words >> unit) row.out += static_cast<char16_t>(std::stoi(unit, nullptr, 16));
    rows.push_back(row);
  }
  return rows;
}

TEST(Lcmap, FullWidthKatakanaUpperAgreesWithTheDump) {
  const auto rows = Rows("lcmap-fullwidth.txt");
  ASSERT_GT(rows.size(), 800u);
  int mismatches = 0;
  for (const auto& row : rows) {
    if (MapFullWidthKatakanaUpper(row.in) != row.out && ++mismatches < 10) ADD_FAILURE() << "input " << row.in.size();
  }
  EXPECT_EQ(0, mismatches);
}

TEST(Lcmap, HalfWidthAgreesWithTheDump) {
  const auto rows = Rows("lcmap-halfwidth.txt");
  ASSERT_GT(rows.size(), 700u);
  int mismatches = 0;
  for (const auto& row : rows) {
    if (MapHalfWidth(row.in) != row.out && ++mismatches < 10) ADD_FAILURE() << "input " << static_cast<int>(row.in[0]);
  }
  EXPECT_EQ(0, mismatches);
}

TEST(Lcmap, WholeWords) {
  EXPECT_EQ(u"ＥＸ\u3000３", MapFullWidthKatakanaUpper(u"ex 3"));
  EXPECT_EQ(u"ガパ\\", MapFullWidthKatakanaUpper(u"ｶﾞﾊﾟ\\"));
  EXPECT_EQ(u"ヴァ", MapFullWidthKatakanaUpper(u"\u3094\u3041"));  // ゔ and a small あ
  EXPECT_EQ(u"漢字Ａ", MapFullWidthKatakanaUpper(u"漢字a"));
  EXPECT_EQ(u"ROLL ｶﾞ", MapHalfWidth(u"ＲＯＬＬ\u3000ガ"));
  EXPECT_EQ(u"ひらがな", MapHalfWidth(u"ひらがな"));
}

}  // namespace
}  // namespace mirado::platform
