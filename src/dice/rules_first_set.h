// Game-system rules, first set (token types 400 to 421), and the two tables
// they read. Every rule has the signature of RuleFunction: it checks its
// operands before it rolls anything, so a refused roll draws no dice and
// leaves the result untouched; otherwise it fills the value and the detail
// text (at most 1023 bytes) and returns 0.
#ifndef MIRADO_DICE_RULES_FIRST_SET_H_
#define MIRADO_DICE_RULES_FIRST_SET_H_

#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <string>

#include "dice/rules.h"

namespace Dice {

// "DX", "nR" (400), "DXF" (401), "RC" (402): exploding groups of dice.
int RuleDoubleCross(RuleResult& result, int32_t type, const RuleInput& input);
// "SF" (403): 2D6 rerolled on the critical list, negative on the fumble list.
int RuleTwoD6Critical(RuleResult& result, int32_t type, const RuleInput& input);
// "NW", "SFM" (404): 2D6, +10 and again on the critical list.
int RuleTwoD6PlusTen(RuleResult& result, int32_t type, const RuleInput& input);
// "MF" (405): d20 against fractions of a skill, for a hit multiplier.
int RuleHitMultiplier(RuleResult& result, int32_t type, const RuleInput& input);
// "SRSE" (406): exploding six-sided dice, count of totals at a target.
int RuleExplodingCount(RuleResult& result, int32_t type, const RuleInput& input);
// "SR" (407), "SRE" (408): hits on 5 and 6, SRE rerolling sixes.
int RuleHitCount(RuleResult& result, int32_t type, const RuleInput& input);
// "SW", "R" without a number before it (409): the rating table.
int RuleRating(RuleResult& result, int32_t type, const RuleInput& input);
// "AN" (411): count of six-sided dice at or under a value.
int RuleCountUnder(RuleResult& result, int32_t type, const RuleInput& input);
// "GE" (412): count of six-sided dice at or over a target, with luck.
int RuleCountOverLuck(RuleResult& result, int32_t type, const RuleInput& input);
// "GD" (413): percentile check.
int RulePercentileCheck(RuleResult& result, int32_t type, const RuleInput& input);
// "DH" (414): the damage table.
int RuleDamageTable(RuleResult& result, int32_t type, const RuleInput& input);
// "BAN" (415): d10 plus d6 with marks; "BAND", "VAN" (416): chained.
int RuleTenPlusSix(RuleResult& result, int32_t type, const RuleInput& input);
int RuleTenPlusSixChain(RuleResult& result, int32_t type, const RuleInput& input);
// "AR", "ARA" (417): dice with a count of maximum faces.
int RuleMaximumCount(RuleResult& result, int32_t type, const RuleInput& input);
// "MD" (418): one six-sided die times a factor.
int RuleDieTimesFactor(RuleResult& result, int32_t type, const RuleInput& input);
// "CW" (419): the d12 ladder.
int RuleLadder(RuleResult& result, int32_t type, const RuleInput& input);
// "GDS" (420), "GDSP" (421): 2D6 read on the 11..66 scale.
int RuleD36Scale(RuleResult& result, int32_t type, const RuleInput& input);

// The rating table: row = rating 0 to 100, column = 2D6 sum 3 to 12.
constexpr int kRatingRows = 101;
extern const int8_t kRatingTable[kRatingRows][10];
// The damage table: row = damage rating 0 to 60, column = 2D6 sum 3 to 12.
constexpr int kDamageRows = 61;
extern const int8_t kDamageTable[kDamageRows][10];

// ---- Dice ---------------------------------------------------------------------
// One output of the process-wide generator, which every die of these rules is
// drawn from (a die of N faces is one output modulo N, plus 1 unless
// zero-based), or, in tests inside the core, of the replacement set below.
uint32_t DrawForRule();
inline int32_t DrawDie(uint32_t faces) { return static_cast<int32_t>(DrawForRule() % faces + 1u); }
inline int32_t DrawZeroBased(uint32_t faces) { return static_cast<int32_t>(DrawForRule() % faces); }

// For tests inside the core (never exported from the library): replaces the
// outputs the rules draw, so that a test can force the dice that drive a
// chain to its bound; null restores the generator. The scoped form restores
// it when it goes out of scope.
using DrawFunction = uint32_t (*)();
void SetDrawForTesting(DrawFunction draw);
class ScopedDrawForTesting {
 public:
  explicit ScopedDrawForTesting(DrawFunction draw) { SetDrawForTesting(draw); }
  ~ScopedDrawForTesting() { SetDrawForTesting(nullptr); }
  ScopedDrawForTesting(const ScopedDrawForTesting&) = delete;
  ScopedDrawForTesting& operator=(const ScopedDrawForTesting&) = delete;
};

// A 64-bit total brought into the 32-bit range of a token value.
inline int32_t SaturateToInt32(int64_t value) {
  return value > INT32_MAX ? INT32_MAX : value < INT32_MIN ? INT32_MIN : static_cast<int32_t>(value);
}

// Appends a formatted piece (cut at 127 bytes) to a rule text, never beyond
// 1023 bytes; once the text is full nothing is formatted any more, so a long
// chain costs no more than its dice.
inline void AppendFormatted(std::string& text, const char* format, ...) __attribute__((format(printf, 2, 3)));
inline void AppendFormatted(std::string& text, const char* format, ...) {
  if (text.size() >= kTextSize - 1) return;
  char piece[128];
  va_list args;
  va_start(args, format);
  std::vsnprintf(piece, sizeof piece, format, args);
  va_end(args);
  AppendText(text, piece);
}

// Appends `separator` (none when '\0') and the decimal form of `value`, never
// beyond 1023 bytes: the dice lists of the rules, without the cost of a
// formatted write per die.
inline void AppendListed(std::string& text, char separator, int32_t value) {
  if (text.size() >= kTextSize - 1) return;
  char digits[16];
  char* const end = digits + sizeof digits;
  char* p = end;
  uint32_t magnitude = value < 0 ? 0u - static_cast<uint32_t>(value) : static_cast<uint32_t>(value);
  do {
    *--p = static_cast<char>('0' + magnitude % 10);
    magnitude /= 10;
  } while (magnitude != 0);
  if (value < 0) *--p = '-';
  if (separator != '\0') *--p = separator;
  text.append(p, static_cast<std::size_t>(end - p));
  if (text.size() > kTextSize - 1) text.resize(kTextSize - 1);
}

}  // namespace Dice

#endif  // MIRADO_DICE_RULES_FIRST_SET_H_
