// The tokenizer: typed numbers keep their exact value up to 64 bits, and a
// number beyond 32 bits is no operand of a rule keyword.
#include <gtest/gtest.h>

#include "core/text.h"
#include "dice/dice.h"
#include "dice/engine.h"

namespace Dice {
namespace {

bool Tokens(const char* expression, TokenList& list) {
  bool op = false, keyword = false;
  return Tokenize(expression, list, &op, &keyword);
}

TEST(Tokenizer, NumbersAreExactUpTo64Bits) {
  TokenList list;
  ASSERT_TRUE(Tokens("99999999999+2147483647", list));
  EXPECT_EQ(99999999999, list[0].Number());
  EXPECT_EQ(2147483647, list[0].value);  // what a rule would see
  EXPECT_EQ(2147483647, list[2].Number());
  EXPECT_EQ(0, list[2].wide_value);
  ASSERT_TRUE(Tokens("9223372036854775807", list));
  EXPECT_EQ(9223372036854775807, list[0].Number());
  EXPECT_FALSE(Tokens("9223372036854775808", list));
  EXPECT_FALSE(Tokens("1+99999999999999999999", list));
}

TEST(Tokenizer, DecimalsKeepAllTheirDigits) {
  TokenList list;
  ASSERT_TRUE(Tokens("1.1234567891", list));
  const int32_t types[] = {kOpen, kNumber, kDivide, kNumber, kClose, kEnd};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(types[i], list[i].type) << i;
  EXPECT_EQ(11234567891, list[1].Number());
  EXPECT_EQ(10000000000, list[3].Number());
  // Eighteen decimals fit; the nineteenth needs a scale beyond 64 bits.
  EXPECT_TRUE(Tokens("0.123456789012345678", list));
  EXPECT_FALSE(Tokens("0.1234567890123456789", list));
  EXPECT_FALSE(Tokens("92233720368547758.08", list));
}

TEST(Tokenizer, WideNumbersAreNoKeywordOperands) {
  TokenList list;
  EXPECT_FALSE(Tokens("99999999999D6", list));
  EXPECT_FALSE(Tokens("1D99999999999", list));
  EXPECT_FALSE(Tokens("2147483648D6", list));
  EXPECT_TRUE(Tokens("2147483647D1", list));
  EXPECT_TRUE(Tokens("2D6+99999999999", list));
  // A wide number in a decimal sits inside parentheses, away from the keyword.
  EXPECT_TRUE(Tokens("1.1234567891D6", list));
}

// A word that starts with kana, kanji, Greek or Cyrillic is turned away
// unrolled, and rightly: folded as the roll folds it, it does not tokenize.
// Full-width digits, letters and operators may start an expression.
TEST(Tokenizer, WordsNoFoldingMakesAnExpression) {
  for (const char* word : {"今日は2D6", "サイコロ", "α+1", "Ж", "①+1"}) {
    char folded[kTextSize], half[kTextSize];
    mirado::FoldOperators(word, folded, sizeof folded);
    mirado::ToHalfWidth(folded, half, sizeof half);
    TokenList list;
    bool op = false, keyword = false;
    EXPECT_FALSE(Tokenize(half, list, &op, &keyword)) << word;
    EXPECT_TRUE(CannotStartExpression(word)) << word;
  }
  for (const char* word : {"２Ｄ６", "＋１", "（１＋２）", "D6", "1", "\x81\x7E", "ﾀﾞｲｽ", ""}) {
    EXPECT_FALSE(CannotStartExpression(word)) << word;
  }
}

}  // namespace
}  // namespace Dice
