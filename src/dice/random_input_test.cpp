// Random expressions shaped like what players type (dice, keywords, numbers,
// operators, value lists, judgement suffixes, now and then a stray piece):
// none may crash, overrun the reply or take long. A fixed seed keeps the run
// the same every time.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "dice/rules.h"
#include "support/test_support.h"

namespace Dice {
namespace {

using mirado::testing::CallCommand;
using mirado::testing::TempSettings;

class Generator {
 public:
  explicit Generator(uint32_t seed) : random_(seed) {}

  std::string Line() {
    static const char* prefixes[] = {"#", "#", "#", "", "#S ", "#SD ", "#COUNT ", "#COUNT =", "#CALC "};
    std::string line = Pick(prefixes);
    line += Term(0);
    const int more = Below(4);
    for (int i = 0; i < more; ++i) line += Pick(kOperators) + Term(0);
    while (Below(4) == 0) line += std::string(Below(2) == 0 ? "@" : "#") + Number();
    if (Below(3) == 0) line += Pick(kComparisons) + Number();
    if (Below(4) == 0) line += "**" + Number();
    if (Below(10) == 0) line.insert(static_cast<std::size_t>(Below(static_cast<int>(line.size()) + 1)), Pick(kNoise));
    if (line.size() > 1023) line.resize(1023);
    return line;
  }

 private:
  static constexpr const char* kOperators[] = {"+", "-", "*", "/", "%", "^"};
  static constexpr const char* kComparisons[] = {">=", "<=", "=", "==", "!=", "<>", "<", ">", "=>", "=<"};
  static constexpr const char* kNumbers[] = {"0",  "1",  "2",   "3",   "5",    "6",    "8",  "10",  "12",         "20",
                                             "36", "66", "100", "999", "1000", "1001", "-3", "2.5", "99999999999"};
  static constexpr const char* kNoise[] = {"(", ")", ".", " ", "\x81\x97", "\x82\x60", "\x81\x5B", "\x81", "$", "\\"};

  template <std::size_t N>
  std::string Pick(const char* const (&items)[N]) {
    return items[Below(static_cast<int>(N))];
  }
  // Any word of any keyword of the registry.
  std::string Keyword() {
    for (;;) {
      const KeywordEntry& row = kKeywordRegistry[Below(static_cast<int>(kKeywordRegistrySize))];
      const char* word = row.words[Below(3)];
      if (word != nullptr) return word;
    }
  }
  int Below(int n) { return static_cast<int>(random_() % static_cast<uint32_t>(n)); }
  std::string Number() { return Pick(kNumbers); }

  std::string Term(int depth) {
    switch (Below(depth < 2 ? 6 : 5)) {
      case 0: return Number();
      case 1: return Number() + "D" + Number();
      case 2: return Number() + Keyword() + (Below(2) == 0 ? Number() : "");
      case 3: return Keyword() + Number();
      case 4: return Keyword();
      default: return "(" + Term(depth + 1) + Pick(kOperators) + Term(depth + 1) + ")";
    }
  }

  std::mt19937 random_;
};

TEST(RandomInput, ExpressionsAreAnsweredSafely) {
  TempSettings settings;
  settings.Write("[ClosedDice]\r\n#trpg=#game\r\n#game=#trpg\r\n");
  Generator generator(20261208u);
  // The most dice a line can draw (see RollCommand.WorstExpressionsDoBoundedWork).
  constexpr std::size_t kMostDraws = 5u * 128u * 2000u;
  int answered = 0;
  for (int round = 0; round < 3000; ++round) {
    const std::string line = generator.Line();
    mirado::testing::ForcedDraws::ResetTotal();
    mirado::testing::ForcedDraws draws({}, static_cast<uint32_t>(round) + 1u);
    const std::string reply = CallCommand("taro", "#trpg", line);
    ASSERT_LE(reply.size(), 1023u) << line;
    ASSERT_LE(mirado::testing::ForcedDraws::total(), kMostDraws) << line;
    if (!reply.empty()) ++answered;
  }
  EXPECT_GT(answered, 600);  // the generator reaches the rules, not only the tokenizer
}

}  // namespace
}  // namespace Dice
