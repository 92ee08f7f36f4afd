// The bounds every rule text and every roll reply keep.
#include <climits>

#include "dice/rules_testing.h"

namespace Dice::testing {
namespace {

TEST(RuleHelpers, ListsStopAt1023Bytes) {
  std::string text(1020, 'x');
  AppendInt(text, 123456);
  EXPECT_EQ(std::string(1020, 'x') + "123", text);
  AppendListed(text, ',', 7);
  EXPECT_EQ(1023u, text.size());
  std::string list;
  AppendList(list, std::vector<int32_t>(600, -10));
  EXPECT_EQ(1023u, list.size());
  EXPECT_EQ("-10,-10,", list.substr(0, 8));
  EXPECT_EQ(INT32_MAX, Saturate(int64_t{1} << 40));
  EXPECT_EQ(INT32_MIN, Saturate(-(int64_t{1} << 40)));
}

int TokenCount(const std::string& expression) {
  TokenList list;
  bool saw_operator = false, saw_keyword = false;
  if (!Tokenize(expression.c_str(), list, &saw_operator, &saw_keyword)) return kTokenCount;
  int count = 0;
  while (count < kTokenCount && list[count].type != kEnd) ++count;
  return count;
}

// A line as long as a roll may be (1023 bytes or the 128 tokens of a list) of
// the largest rolls of every keyword, repeated five times: it is answered, and
// the reply is cut at 1023 bytes (line breaks counted).
TEST(RuleHelpers, LongestLinesStayWithinTheReply) {
  for (const std::string term : {"1000EBR", "1000DB45", "DB@1@6#-997", "1000NC@-5", "1000NCA", "1000BRKA", "1000BRK@3",
                                 "1000TMHS", "1000PAG5", "1000PAOA", "HANA5", "SWAP", "RHD", "BELF", "AE50", "99PH"}) {
    std::string line = term;
    while (line.size() + term.size() + 5 <= 1023 && TokenCount(line + "+" + term) < kTokenCount) line += "+" + term;
    const std::vector<std::string> lines = RollLines(1, line + "**5");
    ASSERT_FALSE(lines.empty()) << term;
    std::size_t bytes = 0;
    for (const std::string& answered : lines) {
      EXPECT_EQ(0u, answered.find("NOTICE #trpg :taro -> ")) << term;
      bytes += answered.size() + 2;
    }
    EXPECT_LE(bytes, 1023u) << term;  // each line follows its CR LF
  }
}

}  // namespace
}  // namespace Dice::testing
