// Infix to postfix, then evaluation in fractions of 32-bit parts. Every
// product wraps at 32 bits, as the arithmetic always has; what would trap or
// be undefined (dividing the smallest integer by -1, converting a double that
// is out of range or not a number) is handled explicitly: the division wraps,
// and a power whose double result cannot be an integer part is an error, so
// the roll is not answered instead of showing a meaningless number.
#include <cmath>
#include <cstdint>

#include "dice/dice.h"

namespace Dice {
namespace {

constexpr int kStackSize = 256;

int32_t Mul(int32_t a, int32_t b) { return static_cast<int32_t>(static_cast<uint32_t>(a) * static_cast<uint32_t>(b)); }
int32_t Neg(int32_t a) { return static_cast<int32_t>(0u - static_cast<uint32_t>(a)); }
int32_t Sub(int32_t a, int32_t b) { return static_cast<int32_t>(static_cast<uint32_t>(a) - static_cast<uint32_t>(b)); }
int32_t Add(int32_t a, int32_t b) { return static_cast<int32_t>(static_cast<uint32_t>(a) + static_cast<uint32_t>(b)); }
// Truncating division and remainder (b != 0); INT_MIN / -1 wraps.
int32_t Div(int32_t a, int32_t b) { return b == -1 ? Neg(a) : a / b; }
int32_t Rem(int32_t a, int32_t b) { return b == -1 ? 0 : a % b; }

// a^n wrapping at 32 bits (n >= 0), by squaring: the same result as n
// multiplications, in at most 31 steps.
int32_t PowWrap(int32_t a, int32_t n) {
  uint32_t result = 1, base = static_cast<uint32_t>(a);
  for (uint32_t e = static_cast<uint32_t>(n); e != 0; e >>= 1) {
    if ((e & 1u) != 0) result *= base;
    base *= base;
  }
  return static_cast<int32_t>(result);
}

// A double truncated to a 32-bit integer; false when it is not representable.
bool Truncate(double v, int32_t* out) {
  if (!std::isfinite(v)) return false;
  const double t = std::trunc(v);
  if (t < -2147483648.0 || t > 2147483647.0) return false;
  *out = static_cast<int32_t>(t);
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

bool Power(const Fraction& l, const Fraction& r, Fraction* out) {
  const int32_t a = l.numerator, b = l.denominator, c = r.numerator, d = r.denominator;
  if (c == 0) {
    *out = {1, 1};
  } else if (d == 1 && c > 0) {
    *out = {PowWrap(a, c), PowWrap(b, c)};
  } else if (d == 1) {
    const double e = -static_cast<double>(c);
    int32_t num, den;
    if (!Truncate(std::pow(static_cast<double>(b), e), &num) || !Truncate(std::pow(static_cast<double>(a), e), &den)) {
      return false;
    }
    *out = {num, den};
  } else {
    int32_t num;
    const double v = std::pow(static_cast<double>(a) / b, static_cast<double>(c) / d) * 100.0;
    if (!Truncate(v, &num)) return false;
    *out = {num, 100};
  }
  return true;
}

bool Apply(int32_t op, const Fraction& l, const Fraction& r, Fraction* out) {
  const int32_t a = l.numerator, b = l.denominator, c = r.numerator, d = r.denominator;
  switch (op) {
    case kPlus: *out = {Add(Mul(a, d), Mul(c, b)), Mul(b, d)}; break;
    case kMinus: *out = {Sub(Mul(a, d), Mul(c, b)), Mul(b, d)}; break;
    case kTimes: *out = {Mul(a, c), Mul(b, d)}; break;
    case kDivide:
      if (c == 0) return false;
      *out = {Mul(a, d), Mul(b, c)};
      break;
    case kModulo:
      if (c == 0) return false;
      *out = {Rem(Mul(d, a), c), b};
      break;
    case kPower:
      if (!Power(l, r, out)) return false;
      break;
    default: return false;
  }
  if (out->denominator == 0) return false;
  if (out->denominator < 0) *out = {Neg(out->numerator), Neg(out->denominator)};
  if (out->numerator == 0) {
    out->denominator = 1;
  } else if (Rem(out->numerator, out->denominator) == 0) {
    *out = {Div(out->numerator, out->denominator), 1};
  } else if (Rem(out->denominator, out->numerator) == 0) {
    *out = {1, Div(out->denominator, out->numerator)};
  }
  return true;
}

}  // namespace

bool Evaluate(const TokenList& list, Fraction* result) {
  const RollToken* postfix[kStackSize + kTokenCount];
  const int n = ToPostfix(list, postfix);
  Fraction stack[kStackSize];
  int depth = 0;
  for (int i = 0; i < n; ++i) {
    const int32_t type = postfix[i]->type;
    if (type == kNumber) {
      if (depth >= kStackSize) return false;
      stack[depth++] = {postfix[i]->value, 1};
    } else if (type == kNegate) {
      if (depth < 1) return false;
      stack[depth - 1].numerator = Neg(stack[depth - 1].numerator);
    } else if (IsOperator(type)) {
      if (depth < 2) return false;
      const Fraction right = stack[--depth];
      const Fraction left = stack[--depth];
      if (!Apply(type, left, right, &stack[depth])) return false;
      ++depth;
    } else {
      return false;
    }
  }
  if (depth == 0) return false;
  *result = stack[depth - 1];
  return true;
}

}  // namespace Dice
