// Success judgement: the comparison and repetition suffix of a roll
// expression ("1D100<=50", "2D6>=7**3"). The suffix is a run of pairs of an
// operator and a signed, possibly decimal number at the very end; the head
// before it is what gets rolled.
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "core/text.h"
#include "dice/dice.h"

namespace Dice {
namespace {

// The operator table, in the order that decides which comparison wins.
struct ComparisonOperator {
  const char* pattern;
  int code;  // 1 is the repetition count
};
constexpr ComparisonOperator kOperators[] = {
    {"\\*\\*", 1}, {"<=|=<", 5}, {">=|=>", 7}, {"<<?", 4}, {">>?", 6}, {"==?", 2}, {"!=|><|<>", 3},
};

const std::string& SuffixPattern() {
  static const std::string pattern = [] {
    std::string alternation;
    for (const auto& op : kOperators) {
      if (!alternation.empty()) alternation += "|";
      alternation += op.pattern;
    }
    char buffer[kTextSize];
    mirado::FormatText(buffer, sizeof buffer, "^(.+?)((?:(?:%s)[+-]?\\d+(?:\\.\\d+)?)+)$", alternation.c_str());
    return std::string(buffer);
  }();
  return pattern;
}

bool IsOperatorChar(char c) { return c == '*' || c == '<' || c == '>' || c == '=' || c == '!'; }

// The code of an operator as written out; 0 for none.
int CodeOf(const std::string& op) {
  for (const auto& entry : kOperators) {
    if (mirado::FullMatch(op, entry.pattern)) return entry.code;
  }
  return 0;
}

struct Pair {
  int code;
  double number;
};

std::vector<Pair> Pairs(const std::string& run) {
  std::vector<Pair> pairs;
  std::size_t i = 0;
  while (i < run.size()) {
    const std::size_t op_start = i;
    while (i < run.size() && IsOperatorChar(run[i])) ++i;
    const std::string op = run.substr(op_start, i - op_start);
    const std::size_t number_start = i;
    if (i < run.size() && (run[i] == '+' || run[i] == '-')) ++i;
    while (i < run.size() && (std::isdigit(static_cast<unsigned char>(run[i])) || run[i] == '.')) ++i;
    const std::string number = run.substr(number_start, i - number_start);
    if (op.empty() || number.empty()) break;
    pairs.push_back({CodeOf(op), std::strtod(number.c_str(), nullptr)});
  }
  return pairs;
}

}  // namespace

void StripComparison(char* expression, int* compare_op, double* compare_target, int* repeat_count) {
  *compare_op = 0;
  *compare_target = 0;
  *repeat_count = 1;
  // A suffix ends in an ASCII digit (no trail byte of a two-byte character is
  // one) and holds an operator character: most chat lines are turned away
  // here without running the pattern, with the same result.
  const std::size_t length = std::strlen(expression);
  if (length < 3 || expression[length - 1] < '0' || expression[length - 1] > '9') return;
  if (std::strpbrk(expression, "*<>=!") == nullptr) return;
  std::vector<std::string> groups;
  if (!mirado::FullMatch(expression, SuffixPattern(), false, &groups) || groups.size() < 3) return;
  const std::vector<Pair> pairs = Pairs(groups[2]);
  for (const auto& entry : kOperators) {
    const Pair* last = nullptr;
    for (const auto& pair : pairs) {
      if (pair.code == entry.code) last = &pair;  // the last pair of an entry counts
    }
    if (last == nullptr) continue;
    if (entry.code == 1) {
      // Truncated toward zero; huge counts are clamped by the roll anyway.
      const double count = std::trunc(last->number);
      *repeat_count = count > 1000 ? 1000 : count < -1000 ? -1000 : static_cast<int>(count);
    } else if (*compare_op == 0) {
      *compare_op = entry.code;
      *compare_target = last->number;
    }
  }
  mirado::CopyText(expression, kTextSize, groups[1]);
}

}  // namespace Dice
