// The roll command as a whole: the reply limit, the tokenizer's bounds, the
// suffix parser's outputs, and the time the worst expressions take.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "core/settings_store.h"
#include "dice/roll_dice.h"
#include "support/test_support.h"

namespace Dice {
namespace {

using mirado::testing::CallCommand;
using mirado::testing::Lines;
using mirado::testing::PinnedRandom;
using mirado::testing::TempSettings;

TEST(RollCommand, ReplyHoldsWholeLinesWithin1023Bytes) {
  TempSettings settings;
  PinnedRandom pinned(1);
  const std::string nick(200, 'n');
  // seed 1, six-sided dice: 2 6 | 1 3 | 2 2 | 6 6 | 6 1. Each line is 235
  // bytes with its CR LF: four fit in 1023 bytes, the fifth is not rolled.
  const char* rolls[] = {"[2,6] = 8", "[1,3] = 4", "[2,2] = 4", "[6,6] = 12"};
  std::string full;
  for (const char* roll : rolls) full += "\r\nNOTICE #trpg :" + nick + " -> 2D6 = " + roll;
  ASSERT_LE(full.size(), 1023u);
  EXPECT_EQ(full, CallCommand(nick, "#trpg", "#2D6**5"));
}

TEST(RollCommand, ACounterThatCannotBeSavedIsNotReportedAsChanged) {
  TempSettings settings;
  // A folder where Mirado.ini should be: nothing can be stored.
  std::filesystem::create_directory(settings.path());
  const std::vector<std::string> lines = Lines(CallCommand("taro", "#trpg", "#COUNT =5"));
  ASSERT_EQ(2u, lines.size());
  EXPECT_EQ("NOTICE #trpg :taro -> 5 = 5", lines[0]);
  EXPECT_EQ(std::string("NOTICE #trpg :taro -> ") + SettingsStore::WriteFailureMessage(), lines[1]);
  std::filesystem::remove(settings.path());
}

TEST(RollCommand, LongDetailsNeverOverrunTheReply) {
  TempSettings settings;
  PinnedRandom pinned(7);
  const std::string reply = CallCommand("taro", "#trpg", "#1000D1");
  ASSERT_EQ(1023u, reply.size());
  EXPECT_EQ(0u, reply.rfind("\r\nNOTICE #trpg :taro -> 1000D1 = [1,1,1,", 0));
}

TEST(RollCommand, TokenizerBounds) {
  TokenList list;
  bool op = false, keyword = false;
  // A negate, a number and 70 pairs of "+1": tokens after the 128th (the
  // last seven pairs) are dropped.
  std::string expression = "-1";
  for (int i = 0; i < 70; ++i) expression += "+1";
  ASSERT_TRUE(Tokenize(expression.c_str(), list, &op, &keyword));
  EXPECT_TRUE(op);
  EXPECT_FALSE(keyword);
  Fraction value;
  ASSERT_TRUE(Evaluate(list, &value));
  EXPECT_EQ(62, value.numerator);
  // Numbers saturate; value lists end the expression.
  ASSERT_TRUE(Tokenize("99999999999", list, &op, &keyword));
  EXPECT_EQ(2147483647, list[0].value);
  EXPECT_FALSE(Tokenize("3DX@8*2", list, &op, &keyword));
  ASSERT_TRUE(Tokenize("3DX@8+1", list, &op, &keyword));  // "+" inside a value list is skipped: @81
  EXPECT_EQ(81, list[2].value);
  EXPECT_TRUE(Tokenize("3DX@8#2", list, &op, &keyword));
  EXPECT_FALSE(Tokenize("@", list, &op, &keyword));
  EXPECT_TRUE(Tokenize("2D6@+-3", list, &op, &keyword));
  // A skipped "+" and a negate are no operators.
  ASSERT_TRUE(Tokenize("+-5", list, &op, &keyword));
  EXPECT_FALSE(op);
}

TEST(RollCommand, SuffixParserOutputs) {
  struct Case {
    const char* in;
    const char* head;
    int op;
    double target;
    int repeat;
  } cases[] = {
      {"1D100<=50", "1D100", 5, 50, 1},
      {"2D6**3>=7", "2D6", 7, 7, 3},
      {"2D6>=5<=9", "2D6", 5, 9, 1},
      {"2D6<>7", "2D6", 3, 7, 1},
      {"2D6=7", "2D6", 2, 7, 1},
      {"1D6>=-3", "1D6", 7, -3, 1},
      {"2D6**2.9", "2D6", 0, 0, 2},
      {"2D6>=7+1", "2D6>=7+1", 0, 0, 1},
      {"<=5", "<", 2, 5, 1},
      {"2D6**99999999999", "2D6", 0, 0, 1000},
  };
  for (const Case& c : cases) {
    char expression[1024];
    std::strcpy(expression, c.in);
    int op = -1, repeat = -1;
    Fraction target;
    StripComparison(expression, &op, &target, &repeat);
    EXPECT_STREQ(c.head, expression) << c.in;
    EXPECT_EQ(c.op, op) << c.in;
    EXPECT_EQ(c.target, static_cast<double>(target.numerator) / static_cast<double>(target.denominator)) << c.in;
    EXPECT_EQ(c.repeat, repeat) << c.in;
  }
}

// Every expression of at most 1023 bytes does bounded work: a line holds at
// most 128 tokens, a rule rolls at most 1000 dice at once and a chain of
// rerolled dice stops at 2000, and a roll is repeated at most five times,
// so no line draws more than 5 x 128 x 2000 dice. (Its time is in bench/.)
TEST(RollCommand, WorstExpressionsDoBoundedWork) {
  TempSettings settings;
  constexpr std::size_t kMostDraws = 5u * 128u * 2000u;
  const char* terms[] = {"1000D6",  "1000D1000", "1000DX",  "2DX2",     "1000RC", "1000SR", "1000SRE",   "1000ARA",
                         "1000EBR", "1000NC",    "1000BRK", "1000TMHS", "HANA5",  "SW100",  "D999999999"};
  for (const char* term : terms) {
    std::string expression = "#";
    while (expression.size() + std::strlen(term) + 5 < 1020) expression += std::string(term) + "+";
    expression += "1**5";
    mirado::testing::ForcedDraws::ResetTotal();
    mirado::testing::ForcedDraws draws({}, 1u);
    const std::string reply = CallCommand("taro", "#trpg", expression);
    EXPECT_LE(reply.size(), 1023u) << term;
    EXPECT_LE(mirado::testing::ForcedDraws::total(), kMostDraws) << term;
  }
}

}  // namespace
}  // namespace Dice
