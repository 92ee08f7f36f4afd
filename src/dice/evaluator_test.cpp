// Exact fractions and the evaluator: values beyond 32 bits, remainders of
// fractions, powers, truncation for display, and what gets no answer.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "dice/engine.h"

namespace Dice {
namespace {

// Tokenizes and evaluates; false when either step refuses.
bool Value(const char* expression, Fraction* out) {
  static TokenList list;
  bool op = false, keyword = false;
  return Tokenize(expression, list, &op, &keyword) && Evaluate(list, out);
}

std::string Shown(const Fraction& f, int decimals = 2) {
  char text[64];
  f.Write(decimals, text, sizeof text);
  return text;
}

void ExpectValue(const char* expression, int64_t numerator, int64_t denominator) {
  Fraction f;
  ASSERT_TRUE(Value(expression, &f)) << expression;
  EXPECT_EQ(numerator, f.numerator) << expression;
  EXPECT_EQ(denominator, f.denominator) << expression;
}

TEST(Evaluator, ArithmeticIsExactBeyond32Bits) {
  ExpectValue("2147483647+1", 2147483648, 1);
  ExpectValue("46341*46341", 2147488281, 1);
  ExpectValue("65536*65536", 4294967296, 1);
  ExpectValue("(0-2147483647-1)/(0-1)", 2147483648, 1);
  // Lowest terms keep small values small: no 2,500,000,000 denominator.
  ExpectValue("1/50000+1/50000", 1, 25000);
  ExpectValue("6/4", 3, 2);
  ExpectValue("9223372036854775807-1", 9223372036854775806, 1);
}

TEST(Evaluator, RemainderOfFractions) {
  ExpectValue("7.5%2", 3, 2);
  ExpectValue("7%2.5", 2, 1);
  ExpectValue("10%3", 1, 1);
  // The remainder takes the sign of the dividend, as whole numbers always did.
  ExpectValue("-7%2", -1, 1);
  ExpectValue("7%(0-2)", 1, 1);
  ExpectValue("-7.5%2", -3, 2);
  Fraction f;
  EXPECT_FALSE(Value("7.5%0", &f));
}

TEST(Evaluator, Powers) {
  ExpectValue("2^31", 2147483648, 1);
  ExpectValue("10^10", 10000000000, 1);
  ExpectValue("2^62", int64_t{1} << 62, 1);
  ExpectValue("(0-2)^3", -8, 1);
  ExpectValue("2^(0-2)", 1, 4);
  ExpectValue("(2/3)^2", 4, 9);
  ExpectValue("(0-2)^(0-3)", -1, 8);
  ExpectValue("5^0", 1, 1);
  ExpectValue("0^5", 0, 1);
  // 0, 1 and -1 take any exponent without overflowing.
  ExpectValue("1^99999999999", 1, 1);
  ExpectValue("(0-1)^99999999999", -1, 1);
  // A fractional exponent keeps two decimals of its double result.
  ExpectValue("2^0.5", 141, 100);
  ExpectValue("4^0.5", 2, 1);
  Fraction f;
  EXPECT_FALSE(Value("2^63", &f));
  EXPECT_FALSE(Value("10^19", &f));
  EXPECT_FALSE(Value("0^(0-1)", &f));
  EXPECT_FALSE(Value("(0-4)^0.5", &f));
  EXPECT_FALSE(Value("3^99999999999", &f));
}

TEST(Evaluator, WhatCannotBeHeldGetsNoAnswer) {
  Fraction f;
  EXPECT_FALSE(Value("9223372036854775807+1", &f));
  EXPECT_FALSE(Value("0-9223372036854775807-1", &f));  // the smallest 64-bit value is not held either
  EXPECT_FALSE(Value("4294967296*4294967296", &f));
  EXPECT_FALSE(Value("1/9223372036854775807/2", &f));
  EXPECT_FALSE(Value("5/0", &f));
}

TEST(Fraction, WriteTruncatesTheExactValue) {
  EXPECT_EQ("0", Shown({-1, 1000}));
  EXPECT_EQ("0", Shown({1, 25000}));
  EXPECT_EQ("0.29", Shown({29, 100}));
  EXPECT_EQ("0.57", Shown({57, 100}));
  EXPECT_EQ("1.15", Shown({115, 100}));
  EXPECT_EQ("3.5", Shown({7, 2}));
  EXPECT_EQ("-3.33", Shown({-10, 3}));
  EXPECT_EQ("0.05", Shown({1, 20}));
  EXPECT_EQ("-0.05", Shown({-1, 20}));
  EXPECT_EQ("10", Shown({10, 1}));
  EXPECT_EQ("1234567", Shown({1234567, 1}));
  EXPECT_EQ("-9223372036854775807", Shown({-9223372036854775807, 1}));
  EXPECT_EQ("0.333333333333333333", Shown({1, 3}, 18));
  // Bounded by the buffer.
  char small[4];
  Fraction{1234567, 1}.Write(2, small, sizeof small);
  EXPECT_STREQ("123", small);
}

TEST(Fraction, ComparesExactly) {
  // 1/3 and 0.33333333333333333 are one and the same double.
  Fraction target;
  const char digits[] = "0.33333333333333333";
  ASSERT_TRUE(Fraction::ParseDecimal(digits, digits + sizeof digits - 1, &target));
  EXPECT_GT(Fraction::Compare({1, 3}, target), 0);
  EXPECT_EQ(0, Fraction::Compare({6, 4}, {3, 2}));
  EXPECT_LT(Fraction::Compare({-9223372036854775807, 1}, {9223372036854775807, 1}), 0);
}

}  // namespace
}  // namespace Dice
