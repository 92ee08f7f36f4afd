// Success judgement: the comparison and repetition suffix of a roll
// expression ("1D100<=50", "2D6>=7**3"). The suffix is a run of pairs of an
// operator and a signed, possibly decimal number at the very end; the head
// before it, the shortest one that leaves such a run, is what gets rolled.
//
// The run is read once, from the end of the line backwards. Operator
// characters and number characters are disjoint, so the pairs are fixed by
// where one kind of character gives way to the other; the only choice is
// where the head ends, and the earliest possible start is found on the way.
#include <cstring>
#include <iterator>

#include "dice/engine.h"

namespace Dice {
namespace {

// The operator table, in the order that decides which comparison wins, each
// operator written out in all its forms.
struct ComparisonOperator {
  const char* forms[3];
  int code;  // 1 is the repetition count
};
constexpr ComparisonOperator kOperators[] = {
    {{"**"}, 1},      {{"<=", "=<"}, 5}, {{">=", "=>"}, 7},       {{"<", "<<"}, 4},
    {{">", ">>"}, 6}, {{"=", "=="}, 2},  {{"!=", "><", "<>"}, 3},
};
constexpr int kRepetition = 1;

bool IsOperatorChar(char c) { return c == '*' || c == '<' || c == '>' || c == '=' || c == '!'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The table row of the operator written in [begin, end); -1 for none.
int RowOf(const char* begin, const char* end) {
  const std::size_t length = static_cast<std::size_t>(end - begin);
  for (int row = 0; row < static_cast<int>(std::size(kOperators)); ++row) {
    for (const char* form : kOperators[row].forms) {
      if (form != nullptr && std::strlen(form) == length && std::memcmp(form, begin, length) == 0) return row;
    }
  }
  return -1;
}

// The start of the number "[+-]digits[.digits]" that ends at `end`, or null.
const char* NumberStart(const char* begin, const char* end) {
  const char* p = end;
  while (p > begin && IsDigit(p[-1])) --p;
  if (p == end) return nullptr;
  if (p > begin && p[-1] == '.') {
    const char* point = p - 1;
    p = point;
    while (p > begin && IsDigit(p[-1])) --p;
    if (p == point) return nullptr;
  }
  if (p > begin && (p[-1] == '+' || p[-1] == '-')) --p;
  return p;
}

struct Pair {
  int row;
  const char* number;  // [number, end)
  const char* end;
};

// The repetition count: the number truncated toward zero, held within
// +-1000 (the roll clamps it to 1..5 anyway).
int RepeatCount(const char* begin, const char* end) {
  const char* p = begin;
  const bool negative = *p == '-';
  if (*p == '+' || *p == '-') ++p;
  int count = 0;
  for (; p < end && IsDigit(*p); ++p) {
    if (count < 1000) count = count * 10 + (*p - '0');
  }
  if (count > 1000) count = 1000;
  return negative ? -count : count;
}

}  // namespace

void StripComparison(char* expression, int* compare_op, Fraction* compare_target, int* repeat_count) {
  *compare_op = 0;
  *compare_target = {0, 1};
  *repeat_count = 1;
  const std::size_t length = std::strlen(expression);
  const char* const begin = expression;
  const char* end = expression + length;
  // The pairs, last first; each takes at least two bytes of the line.
  Pair pairs[kTextSize / 2];
  int count = 0;
  const char* head_end = nullptr;  // where the shortest head ends so far
  while (end > begin && count < static_cast<int>(std::size(pairs))) {
    const char* number = NumberStart(begin, end);
    if (number == nullptr || number == begin || !IsOperatorChar(number[-1])) break;
    const char* run = number;
    while (run > begin && IsOperatorChar(run[-1])) --run;
    if (run > begin && RowOf(run, number) >= 0) {
      // The whole run is one operator; an earlier pair may come before it.
      pairs[count++] = {RowOf(run, number), number, end};
      head_end = run;
      end = run;
      continue;
    }
    // The head ends inside the run: the longest operator at its end (two
    // characters, then one) starts the suffix, and no pair comes earlier.
    for (const char* op = number - 2; op < number; ++op) {
      if (op > run && RowOf(op, number) >= 0) {
        pairs[count++] = {RowOf(op, number), number, end};
        head_end = op;
        break;
      }
    }
    break;
  }
  if (head_end == nullptr) return;

  // The repetition entry and the first compared entry of the table decide;
  // within an entry the last pair in the text counts.
  const Pair* repetition = nullptr;
  const Pair* comparison = nullptr;
  for (int i = count - 1; i >= 0; --i) {
    const Pair& pair = pairs[i];
    if (kOperators[pair.row].code == kRepetition) {
      repetition = &pair;
    } else if (comparison == nullptr || pair.row <= comparison->row) {
      comparison = &pair;
    }
  }
  Fraction target;
  if (comparison != nullptr && !Fraction::ParseDecimal(comparison->number, comparison->end, &target)) {
    return;  // a target beyond exact range: no suffix, so no answer
  }
  if (repetition != nullptr) *repeat_count = RepeatCount(repetition->number, repetition->end);
  if (comparison != nullptr) {
    *compare_op = kOperators[comparison->row].code;
    *compare_target = target;
  }
  expression[head_end - begin] = '\0';
}

}  // namespace Dice
