// A ten-sided and a six-sided die added: "BAN" once, marked critical on a 10
// and fumble on a 1 of the ten-sided die; "BAND" ("VAN") goes on while the
// ten-sided die shows 1 or 10, a 1 making the next pair count negative and a
// 10 positive again (the first pair always counts positive).
//
// The chain goes on with a chance of 1/5 per pair; it is cut after kMaxPairs
// pairs (a chance below 1e-600), the last pair counting as the final one.
#include "core/text.h"
#include "dice/rules.h"

namespace Dice {
namespace {

constexpr int kMaxPairs = 1000;

}  // namespace

int RuleTenPlusSix(RuleResult& result, int32_t, const RuleInput&) {
  const int32_t ten = RandomSource::Draw(10) + 1;
  const int32_t six = RandomSource::Die(6);
  const char* mark = ten == 10 ? "<クリティカル>" : ten == 1 ? "<ファンブル>" : "";
  result.value = ten + six;
  mirado::FormatText(result.text, kTextSize, "[%2d,%d]%s", ten, six, mark);
  return 0;
}

int RuleTenPlusSixChain(RuleResult& result, int32_t, const RuleInput&) {
  std::string text;
  int32_t value = 0;
  bool subtract = false;
  for (int pair = 1;; ++pair) {
    const int32_t ten = RandomSource::Draw(10) + 1;
    const int32_t six = RandomSource::Die(6);
    AppendFormatted(text, "[%2d,%d]", ten, six);
    value += subtract ? -(ten + six) : ten + six;
    if ((ten != 1 && ten != 10) || pair >= kMaxPairs) break;
    subtract = ten == 1;
  }
  result.value = value;
  SetText(result, text);
  return 0;
}

}  // namespace Dice
