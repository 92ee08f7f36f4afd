// Exact fractions for roll values: 64-bit parts, every intermediate product
// taken in 128 bits, every result reduced to lowest terms and checked to fit.
// Reducing keeps values exact over the widest range (1/50000 + 1/50000 is
// 1/25000, not a 2,500,000,000 denominator) and never changes a value.
#include <cstdint>
#include <cstring>

#include "dice/engine.h"

namespace Dice {
namespace {

__extension__ typedef __int128 Wide;
__extension__ typedef unsigned __int128 WideMagnitude;

constexpr Wide kLimit = INT64_MAX;  // parts stay within -kLimit..kLimit

WideMagnitude Magnitude(Wide v) { return v < 0 ? -static_cast<WideMagnitude>(v) : static_cast<WideMagnitude>(v); }

// Greatest common divisor; operands that fit 64 bits take the fast path,
// which is every ordinary roll.
WideMagnitude Gcd(WideMagnitude a, WideMagnitude b) {
  while (a > UINT64_MAX || b > UINT64_MAX) {
    if (b == 0) return a;
    const WideMagnitude r = a % b;
    a = b;
    b = r;
  }
  uint64_t x = static_cast<uint64_t>(a), y = static_cast<uint64_t>(b);
  while (y != 0) {
    const uint64_t r = x % y;
    x = y;
    y = r;
  }
  return x;
}

// numerator / denominator in lowest terms with a positive denominator; false
// when the denominator is zero or a reduced part does not fit.
bool Make(Wide numerator, Wide denominator, Fraction* out) {
  if (denominator == 0) return false;
  if (denominator < 0) {
    numerator = -numerator;
    denominator = -denominator;
  }
  if (numerator == 0) {
    *out = {0, 1};
    return true;
  }
  // Whole numbers, most of every roll, need no reduction; parts that fit 64
  // bits are reduced in 64-bit arithmetic, which is several times faster.
  if (denominator != 1) {
    const WideMagnitude g = Gcd(Magnitude(numerator), static_cast<WideMagnitude>(denominator));
    if (Magnitude(numerator) <= INT64_MAX && denominator <= kLimit) {
      const int64_t n = static_cast<int64_t>(numerator), d = static_cast<int64_t>(denominator);
      const int64_t g64 = static_cast<int64_t>(g);
      *out = {n / g64, d / g64};
      return true;
    }
    numerator /= static_cast<Wide>(g);
    denominator /= static_cast<Wide>(g);
  }
  if (numerator > kLimit || numerator < -kLimit || denominator > kLimit) return false;
  *out = {static_cast<int64_t>(numerator), static_cast<int64_t>(denominator)};
  return true;
}

Wide W(int64_t v) { return static_cast<Wide>(v); }

}  // namespace

// Products of two parts are below 2^126 and their sums below 2^127, so the
// 128-bit intermediates never overflow.
bool Fraction::Add(const Fraction& l, const Fraction& r, Fraction* out) {
  return Make(W(l.numerator) * r.denominator + W(r.numerator) * l.denominator, W(l.denominator) * r.denominator, out);
}

bool Fraction::Subtract(const Fraction& l, const Fraction& r, Fraction* out) {
  return Make(W(l.numerator) * r.denominator - W(r.numerator) * l.denominator, W(l.denominator) * r.denominator, out);
}

bool Fraction::Multiply(const Fraction& l, const Fraction& r, Fraction* out) {
  return Make(W(l.numerator) * r.numerator, W(l.denominator) * r.denominator, out);
}

bool Fraction::Divide(const Fraction& l, const Fraction& r, Fraction* out) {
  if (r.numerator == 0) return false;
  return Make(W(l.numerator) * r.denominator, W(l.denominator) * r.numerator, out);
}

// a/b rem c/d over the common denominator b*d: (a*d rem c*b) / (b*d). For
// whole numbers this is the ordinary remainder; 7.5 rem 2 is 1.5.
bool Fraction::Remainder(const Fraction& l, const Fraction& r, Fraction* out) {
  if (r.numerator == 0) return false;
  return Make((W(l.numerator) * r.denominator) % (W(r.numerator) * l.denominator), W(l.denominator) * r.denominator,
              out);
}

int Fraction::Compare(const Fraction& l, const Fraction& r) {
  const Wide a = W(l.numerator) * r.denominator, b = W(r.numerator) * l.denominator;
  return a < b ? -1 : a > b ? 1 : 0;
}

bool Fraction::AppendDigit(int64_t* number, int digit) {
  return !__builtin_mul_overflow(*number, 10, number) && !__builtin_add_overflow(*number, digit, number);
}

bool Fraction::ParseDecimal(const char* begin, const char* end, Fraction* out) {
  const char* p = begin;
  const bool negative = p < end && *p == '-';
  if (p < end && (*p == '+' || *p == '-')) ++p;
  int64_t digits = 0, scale = 1;
  bool any = false, point = false;
  for (; p < end; ++p) {
    if (*p == '.' && !point && any) {
      point = true;
      continue;
    }
    if (*p < '0' || *p > '9') return false;
    if (!AppendDigit(&digits, *p - '0')) return false;
    if (point && !AppendDigit(&scale, 0)) return false;
    any = true;
  }
  if (!any || (point && scale == 1)) return false;
  return Make(negative ? -W(digits) : W(digits), W(scale), out);
}

void Fraction::Write(int decimals, char* out, std::size_t size) const {
  if (size == 0) return;
  if (decimals < 0) decimals = 0;
  if (decimals > 18) decimals = 18;
  Wide scale = 1;
  for (int i = 0; i < decimals; ++i) scale *= 10;
  // |numerator| * 10^18 < 2^123: exact in 128 bits. Division truncates
  // toward zero.
  const Wide scaled = W(numerator) * scale / denominator;
  WideMagnitude whole = Magnitude(scaled) / static_cast<WideMagnitude>(scale);
  WideMagnitude part = Magnitude(scaled) % static_cast<WideMagnitude>(scale);
  char text[64];
  int n = 0;
  // The decimals, least significant first, without trailing zeros.
  int places = decimals;
  while (places > 0 && part % 10 == 0) {
    part /= 10;
    --places;
  }
  for (int i = 0; i < places; ++i) {
    text[n++] = static_cast<char>('0' + static_cast<int>(part % 10));
    part /= 10;
  }
  if (places > 0) text[n++] = '.';
  do {
    text[n++] = static_cast<char>('0' + static_cast<int>(whole % 10));
    whole /= 10;
  } while (whole != 0);
  if (scaled < 0) text[n++] = '-';
  std::size_t i = 0;
  for (; i + 1 < size && n > 0; ++i) out[i] = text[--n];
  out[i] = '\0';
}

}  // namespace Dice
