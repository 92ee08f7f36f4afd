// Turns a normalised roll expression into tokens: numbers, exact up to 64
// bits (a decimal a.b becomes "(ab/10^k)"), operators, parentheses, rule
// keywords and the trailing critical (@) and fumble (# or \) values.
#include <cstring>

#include "core/text.h"
#include "dice/dice.h"
#include "dice/engine.h"

namespace Dice {
namespace {

constexpr int64_t kInt32Max = 2147483647;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '$'; }

class Builder {
 public:
  explicit Builder(TokenList& list) : list_(list) {}
  // Clears what an earlier use of the list left after the new tokens. The
  // used tokens of a list always come first (the first end token is followed
  // by end tokens only), so the clearing stops at the first end token.
  ~Builder() {
    for (int i = count_; i < kTokenCount && list_[i].type != kEnd; ++i) list_[i].Clear();
  }
  Builder(const Builder&) = delete;
  Builder& operator=(const Builder&) = delete;
  // Only the first 128 tokens enter the list; later ones are dropped. A
  // number keeps its exact value; one beyond 32 bits cannot be the operand
  // of a rule keyword (the rules count and roll in 32 bits), so a keyword
  // next to one is refused: false.
  bool Add(int32_t type, int64_t number = 0) {
    if (count_ >= kTokenCount) return true;
    const bool wide = number > kInt32Max;
    if (count_ > 0) {
      const RollToken& previous = list_[count_ - 1];
      if (wide && previous.type >= kFirstKeyword) return false;
      if (type >= kFirstKeyword && previous.type == kNumber && previous.wide_value != 0) return false;
    }
    RollToken& token = list_[count_++];
    token.type = type;
    token.value = static_cast<int32_t>(wide ? kInt32Max : number);
    token.wide_value = wide ? number : 0;
    token.text[0] = '\0';
    return true;
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
  for (; j + 1 < kTokenCount && tokens[j].type != kEnd; ++j) tokens[j].CopyFrom(tokens[j + 1]);
  tokens[j].Clear();
}

bool CannotStartExpression(const char* word) {
  const auto b = static_cast<unsigned char>(word[0]);
  return mirado::IsLeadByte(b) && b >= 0x83;
}

bool Tokenize(const char* expression, TokenList& list, bool* saw_operator, bool* saw_keyword) {
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
      // Exact up to 64 bits; a number or decimal beyond that gets no answer
      // rather than a saturated or rounded value.
      int64_t all = 0;
      while (IsDigit(*p)) {
        if (!Fraction::AppendDigit(&all, *p++ - '0')) return false;
      }
      if (*p == '.' && IsDigit(p[1])) {
        ++p;
        int64_t scale = 1;
        while (IsDigit(*p)) {
          if (!Fraction::AppendDigit(&all, *p++ - '0') || !Fraction::AppendDigit(&scale, 0)) return false;
        }
        if (*p == '.') return false;  // a second point
        if (!out.Add(kOpen) || !out.Add(kNumber, all) || !out.Add(kDivide) || !out.Add(kNumber, scale) ||
            !out.Add(kClose)) {
          return false;
        }
      } else {
        if (*p == '.') ++p;  // "1." is the number 1
        if (!out.Add(kNumber, all)) return false;
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
      if (type == 0 || !out.Add(type)) return false;
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
