// Infix to postfix, then evaluation in exact fractions (fraction.cpp). A
// value whose exact result cannot be represented (beyond 64-bit parts) is an
// evaluation error, like a division by zero: the roll is not answered rather
// than shown a wrapped or rounded number.
#include <cmath>
#include <cstdint>

#include "dice/engine.h"

namespace Dice {
namespace {

constexpr int kStackSize = 256;

// base^exponent exactly (exponent >= 0), by squaring; false when it does not
// fit. The base is squared only while exponent bits remain, so a result that
// fits never fails on a square it does not need.
bool IntegerPower(int64_t base, int64_t exponent, int64_t* out) {
  int64_t result = 1;
  // 0, 1 and -1 stay small for any exponent.
  if (base == 0 || base == 1) {
    *out = exponent == 0 ? 1 : base;
    return true;
  }
  if (base == -1) {
    *out = (exponent & 1) != 0 ? -1 : 1;
    return true;
  }
  for (;;) {
    if ((exponent & 1) != 0 && __builtin_mul_overflow(result, base, &result)) return false;
    exponent >>= 1;
    if (exponent == 0) break;
    if (__builtin_mul_overflow(base, base, &base)) return false;
  }
  *out = result;
  return true;
}

int Precedence(int32_t type) {
  switch (type) {
    case kPlus:
    case kMinus:
    case kNegate: return 1;
    case kTimes:
    case kDivide:
    case kModulo: return 2;
    case kPower: return 3;
    default: return 0;
  }
}

bool IsOperator(int32_t type) { return Precedence(type) > 0; }

// Infix to postfix; stops at an unmatched ")" or at the first token that is
// no number, operator or parenthesis.
int ToPostfix(const TokenList& list, RollToken const** postfix) {
  const RollToken* stack[kStackSize];
  int depth = 0, n = 0;
  for (int i = 0; i < kTokenCount; ++i) {
    const RollToken& t = list[i];
    if (t.type == kNumber) {
      postfix[n++] = &t;
    } else if (t.type == kOpen) {
      if (depth < kStackSize) stack[depth++] = &t;
    } else if (t.type == kClose) {
      while (depth > 0 && stack[depth - 1]->type != kOpen) postfix[n++] = stack[--depth];
      if (depth == 0) break;
      --depth;  // drop the "("
    } else if (IsOperator(t.type)) {
      while (depth > 0 && stack[depth - 1]->type != kOpen && Precedence(stack[depth - 1]->type) >= Precedence(t.type)) {
        postfix[n++] = stack[--depth];
      }
      if (depth < kStackSize) stack[depth++] = &t;
    } else {
      break;
    }
  }
  while (depth > 0) postfix[n++] = stack[--depth];
  return n;
}

// An exponent of 0 gives 1; a whole exponent gives the exact power (a
// negative one its reciprocal); any other exponent goes through double
// precision and keeps two decimals, truncated toward zero, as the power of a
// fraction always has.
bool Power(const Fraction& l, const Fraction& r, Fraction* out) {
  const int64_t c = r.numerator, d = r.denominator;
  if (c == 0) {
    *out = {1, 1};
    return true;
  }
  if (d == 1) {
    // The smallest exponent is negated safely: parts never hold INT64_MIN.
    const int64_t e = c > 0 ? c : -c;
    int64_t num, den;
    if (!IntegerPower(l.numerator, e, &num) || !IntegerPower(l.denominator, e, &den)) return false;
    return c > 0 ? Fraction::Divide({num, 1}, {den, 1}, out) : Fraction::Divide({den, 1}, {num, 1}, out);
  }
  const double v = std::trunc(std::pow(static_cast<double>(l.numerator) / static_cast<double>(l.denominator),
                                       static_cast<double>(c) / static_cast<double>(d)) *
                              100.0);
  // Out of range or not a number (a negative base): no answer.
  if (!(v > -9.2e18 && v < 9.2e18)) return false;
  return Fraction::Divide({static_cast<int64_t>(v), 1}, {100, 1}, out);
}

bool Apply(int32_t op, const Fraction& l, const Fraction& r, Fraction* out) {
  switch (op) {
    case kPlus: return Fraction::Add(l, r, out);
    case kMinus: return Fraction::Subtract(l, r, out);
    case kTimes: return Fraction::Multiply(l, r, out);
    case kDivide: return Fraction::Divide(l, r, out);
    case kModulo: return Fraction::Remainder(l, r, out);
    case kPower: return Power(l, r, out);
    default: return false;
  }
}

// One entry of the evaluation stack, left unset until it is pushed: setting
// all 128 entries on every roll cost more than evaluating most expressions.
union StackEntry {
  StackEntry() {}
  Fraction value;
};

}  // namespace

bool Evaluate(const TokenList& list, Fraction* result) {
  const RollToken* postfix[kStackSize + kTokenCount];
  const int n = ToPostfix(list, postfix);
  // Every entry comes from a number token, so the list's size bounds it.
  StackEntry stack[kTokenCount];
  int depth = 0;
  for (int i = 0; i < n; ++i) {
    const int32_t type = postfix[i]->type;
    if (type == kNumber) {
      if (depth >= kTokenCount) return false;
      stack[depth++].value = {postfix[i]->Number(), 1};
    } else if (type == kNegate) {
      if (depth < 1) return false;
      stack[depth - 1].value.numerator = -stack[depth - 1].value.numerator;
    } else if (IsOperator(type)) {
      if (depth < 2) return false;
      const Fraction right = stack[--depth].value;
      const Fraction left = stack[--depth].value;
      if (!Apply(type, left, right, &stack[depth].value)) return false;
      ++depth;
    } else {
      return false;
    }
  }
  if (depth == 0) return false;
  *result = stack[depth - 1].value;
  return true;
}

}  // namespace Dice
