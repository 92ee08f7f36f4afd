// The comparison suffix: exact targets, the shortest head, and one pass over
// the line whatever its shape.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>

#include "dice/engine.h"

namespace Dice {
namespace {

struct Parsed {
  std::string head;
  int op = -1;
  Fraction target;
  int repeat = -1;
};

Parsed Strip(const std::string& in) {
  char expression[kTextSize];
  std::strcpy(expression, in.c_str());
  Parsed p;
  StripComparison(expression, &p.op, &p.target, &p.repeat);
  p.head = expression;
  return p;
}

// The head, the comparison code and the exact target a line leaves.
void ExpectParsed(const std::string& in, const std::string& head, int op, int64_t numerator = 0,
                  int64_t denominator = 1) {
  const Parsed p = Strip(in);
  EXPECT_EQ(head, p.head) << in;
  EXPECT_EQ(op, p.op) << in;
  EXPECT_EQ(numerator, p.target.numerator) << in;
  EXPECT_EQ(denominator, p.target.denominator) << in;
}

TEST(Judgement, TargetsAreExact) {
  ExpectParsed("1D6>=2.5", "1D6", 7, 5, 2);
  ExpectParsed("1D100<=1234567", "1D100", 5, 1234567);
  ExpectParsed("1D6>=-0.25**2", "1D6", 7, -1, 4);
  EXPECT_EQ(2, Strip("1D6>=-0.25**2").repeat);
  // A deciding target beyond exact range is no suffix: the line is rolled
  // whole, and the tokenizer refuses it.
  ExpectParsed("1D6<=99999999999999999999", "1D6<=99999999999999999999", 0);
  // A pair that does not decide may hold any number.
  ExpectParsed("2D6>=99999999999999999999<=9", "2D6", 5, 9);
}

TEST(Judgement, ShortestHead) {
  // The head may end inside a run of operator characters.
  ExpectParsed("1D6<<=5", "1D6<", 5, 5);
  ExpectParsed("2D6!==7", "2D6!", 2, 7);
  ExpectParsed("1+<=5", "1+", 5, 5);
  // A run of pairs from the very start leaves the first pair as the head.
  ExpectParsed("=1=2=3", "=1", 2, 3);
  // No suffix: a point without digits, two points, a point at the end, a
  // pair not at the end.
  for (const char* line : {"1D6>=.5", "1D6>=1.2.5", "1D6>=2.", "1D6>=5D"}) ExpectParsed(line, line, 0);
}

// A 1022-byte line of pairs, the longest a suffix can be (its time is
// measured in bench/: one pass takes microseconds).
TEST(Judgement, LongSuffixLinesParse) {
  std::string almost, whole;
  for (int i = 0; i < 508; ++i) almost += "=1";
  almost += "=1.a1";
  for (int i = 0; i < 510; ++i) whole += "=1";
  whole += "=2";
  ASSERT_EQ(1021u, almost.size());
  ASSERT_EQ(1022u, whole.size());
  for (const std::string& line : {almost, whole}) {
    const Parsed p = Strip(line);
    if (line == whole) {
      EXPECT_EQ("=1", p.head);
      EXPECT_EQ(2, p.target.numerator);
    } else {
      EXPECT_EQ(almost, p.head);
    }
  }
}

}  // namespace
}  // namespace Dice
