// Turns a normalised roll expression into tokens: numbers (a decimal a.b
// becomes "(ab/10^k)"), operators, parentheses, rule keywords and the
// trailing critical (@) and fumble (# or \) values.
#include <cstring>

#include "core/text.h"
#include "dice/dice.h"

namespace Dice {
namespace {

constexpr int32_t kSaturated = 2147483647;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '$'; }

int32_t Saturating(int32_t value, int digit) {
  const int64_t next = static_cast<int64_t>(value) * 10 + digit;
  return next > kSaturated ? kSaturated : static_cast<int32_t>(next);
}

class Builder {
 public:
  explicit Builder(TokenList& list) : list_(list) {}
  // Only the first 128 tokens enter the list; later ones are dropped.
  void Add(int32_t type, int32_t value = 0) {
    if (count_ >= kTokenCount) return;
    list_[count_].type = type;
    list_[count_].value = value;
    list_[count_].text[0] = '\0';
    ++count_;
  }

 private:
  TokenList& list_;
  int count_ = 0;
};

int32_t OperatorType(char c) {
  switch (c) {
    case '+': return kPlus;
    case '-': return kMinus;
    case '*': return kTimes;
    case '/': return kDivide;
    case '%': return kModulo;
    case '^': return kPower;
    case '(': return kOpen;
    case ')': return kClose;
    default: return kEnd;
  }
}

}  // namespace

void TokenList::Remove(int i) {
  // Tokens after the first end token are all end tokens: only the used part
  // of the list moves.
  int j = i;
  for (; j + 1 < kTokenCount && tokens[j].type != kEnd; ++j) tokens[j] = tokens[j + 1];
  tokens[j].Clear();
}

bool Tokenize(const char* expression, TokenList& list, bool* saw_operator, bool* saw_keyword) {
  for (RollToken& token : list.tokens) token.Clear();
  Builder out(list);
  *saw_operator = false;
  *saw_keyword = false;
  bool operand_expected = true;
  bool value_list_started = false;
  const char* p = expression;
  while (*p != '\0') {
    const char c = *p;
    const bool value_mark = c == '@' || c == '#' || c == '\\';
    if (value_list_started && !value_mark) return false;
    if (IsDigit(c)) {
      int32_t whole = 0;
      while (IsDigit(*p)) whole = Saturating(whole, *p++ - '0');
      if (*p == '.' && IsDigit(p[1])) {
        ++p;
        int32_t all = whole;
        int32_t scale = 1;
        while (IsDigit(*p)) {
          all = Saturating(all, *p++ - '0');
          scale = Saturating(scale, 0);
        }
        if (*p == '.') return false;  // a second point
        out.Add(kOpen);
        out.Add(kNumber, all);
        out.Add(kDivide);
        out.Add(kNumber, scale);
        out.Add(kClose);
      } else {
        if (*p == '.') ++p;  // "1." is the number 1
        out.Add(kNumber, whole);
      }
      operand_expected = false;
    } else if (value_mark) {
      ++p;
      char collected[kTextSize];
      std::size_t n = 0;
      for (; *p != '\0'; ++p) {
        if (*p == '+') continue;
        if (!IsDigit(*p) && *p != '-') break;
        if (n + 1 < sizeof collected) collected[n++] = *p;
      }
      if (n == 0) return false;
      collected[n] = '\0';
      out.Add(c == '@' ? kCriticalValue : kFumbleValue, mirado::ReadDecimal(collected));
      value_list_started = true;
    } else if (IsLetter(c)) {
      char word[kTextSize];
      std::size_t n = 0;
      for (; IsLetter(*p); ++p) {
        const char u = (*p >= 'a' && *p <= 'z') ? static_cast<char>(*p - 'a' + 'A') : *p;
        if (n + 1 < sizeof word) word[n++] = u;
      }
      word[n] = '\0';
      const int32_t type = KeywordType(word);
      if (type == 0) return false;
      out.Add(type);
      *saw_keyword = true;
      operand_expected = false;
    } else if (const int32_t type = OperatorType(c); type != kEnd) {
      ++p;
      if (operand_expected && c == '+') continue;
      if (operand_expected && c == '-') {
        out.Add(kNegate);
        operand_expected = false;
        continue;
      }
      out.Add(type);
      operand_expected = type == kOpen;
      if (type != kOpen && type != kClose) *saw_operator = true;
    } else {
      return false;
    }
  }
  return true;
}

}  // namespace Dice
