// The roll keywords and their rules: the registry row every keyword is, the
// rule functions grouped by game system or rule family, and the one set of
// helpers they share (drawing dice, writing detail texts, bounding values).
//
// Every rule has the signature of RuleFunction: it checks its operands before
// it rolls anything, so a refused roll draws no dice and leaves the result
// untouched; otherwise it fills the value and the detail text (at most 1023
// bytes) and returns 0.
#ifndef MIRADO_DICE_RULES_H_
#define MIRADO_DICE_RULES_H_

#include <cstdarg>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "core/random_source.h"
#include "dice/dice.h"

namespace Dice {

// How a rule treats the number before or after its keyword.
enum class Operand {
  kOptional,    // used when present
  kRequired,    // missing: the roll is refused
  kIgnored,     // consumed by the binding, not used
  kNotAllowed,  // present: the roll is refused before the rule runs
};

// Returns 0 and fills the result (type number, value, text of at most 1023
// bytes), or nonzero to abandon the roll.
using RuleFunction = int (*)(RuleResult& result, int32_t type, const RuleInput& input);

// One roll keyword: the words that make it (upper case, as the tokenizer
// folds them), the written form the expression shows, how it takes the
// numbers around it, its rule (null: the token is retyped before the rules
// run, or the roll is refused) and whether it raises the erosion rate.
struct KeywordEntry {
  int32_t type;
  const char* words[3];
  const char* written_form;
  Operand before;
  Operand after;
  RuleFunction rule;
  bool raises_erosion = false;
};

extern const KeywordEntry kKeywordRegistry[];
extern const std::size_t kKeywordRegistrySize;
// The row of `type`, or null.
const KeywordEntry* FindKeyword(int32_t type);

// ---- Rules, by family -------------------------------------------------------------
// Plain dice "D" and digit dice; the ordered D66 "DF"; the bit operations.
int RulePlainDice(RuleResult& result, int32_t type, const RuleInput& input);
int RuleOrderedD66(RuleResult& result, int32_t type, const RuleInput& input);
int RuleBits(RuleResult& result, int32_t type, const RuleInput& input);
// Double Cross: "DX", "nR", "DXF", "RC": exploding groups of dice.
int RuleDoubleCross(RuleResult& result, int32_t type, const RuleInput& input);
// 2D6 lists: "SF" rerolled on the critical list, negative on the fumble list;
// "NW", "SFM": +10 and again on the critical list.
int RuleTwoD6Critical(RuleResult& result, int32_t type, const RuleInput& input);
int RuleTwoD6PlusTen(RuleResult& result, int32_t type, const RuleInput& input);
// "MF": d20 against fractions of a skill, for a hit multiplier.
int RuleHitMultiplier(RuleResult& result, int32_t type, const RuleInput& input);
// Counted dice: "SRSE" exploding count; "SR", "SRE" hits on 5 and 6; "AN"
// at or under a value; "GE" at or over a target with luck; "AR" maximums.
int RuleExplodingCount(RuleResult& result, int32_t type, const RuleInput& input);
int RuleHitCount(RuleResult& result, int32_t type, const RuleInput& input);
int RuleCountUnder(RuleResult& result, int32_t type, const RuleInput& input);
int RuleCountOverLuck(RuleResult& result, int32_t type, const RuleInput& input);
int RuleMaximumCount(RuleResult& result, int32_t type, const RuleInput& input);
// Rating and damage tables: "SW", "R" (rating), "DH" (damage).
int RuleRating(RuleResult& result, int32_t type, const RuleInput& input);
int RuleDamageTable(RuleResult& result, int32_t type, const RuleInput& input);
// Percentiles: "GD" check; "SWAP", "RSWAP"; "AE" doubles; "PH" graded.
int RulePercentileCheck(RuleResult& result, int32_t type, const RuleInput& input);
int RuleSwappedPercentile(RuleResult& result, int32_t type, const RuleInput& input);
int RulePercentileDoubles(RuleResult& result, int32_t type, const RuleInput& input);
int RuleGradedPercentile(RuleResult& result, int32_t type, const RuleInput& input);
// d10 plus d6: "BAN" with marks; "BAND", "VAN" chained.
int RuleTenPlusSix(RuleResult& result, int32_t type, const RuleInput& input);
int RuleTenPlusSixChain(RuleResult& result, int32_t type, const RuleInput& input);
// "MD": one six-sided die times a factor. "CW": the d12 ladder.
int RuleDieTimesFactor(RuleResult& result, int32_t type, const RuleInput& input);
int RuleLadder(RuleResult& result, int32_t type, const RuleInput& input);
// "GDS", "GDSP": 2D6 read on the 11..66 scale.
int RuleD36Scale(RuleResult& result, int32_t type, const RuleInput& input);
// "DB", "DBZ": keep three. "EBR": trigger chains.
int RuleKeepThree(RuleResult& result, int32_t type, const RuleInput& input);
int RuleDoubleTrigger(RuleResult& result, int32_t type, const RuleInput& input);
// Nechronica: "NC", "NCR" checks; "NA", "NCA", "NCRA" attacks.
int RuleNechronica(RuleResult& result, int32_t type, const RuleInput& input);
// Sets: "BRK", "BRKA" (with body locations). "TMHS": hit or miss.
int RuleSetCount(RuleResult& result, int32_t type, const RuleInput& input);
int RuleHitOrMiss(RuleResult& result, int32_t type, const RuleInput& input);
// 2D6 variants: "BELF" doubles; "RHD" rabbit.
int RuleDoubles2D6(RuleResult& result, int32_t type, const RuleInput& input);
int RuleRabbit(RuleResult& result, int32_t type, const RuleInput& input);
// "PAG" accident; "PAO", "PAOA" top three; "HANA" descending.
int RuleAccident(RuleResult& result, int32_t type, const RuleInput& input);
int RuleTopThree(RuleResult& result, int32_t type, const RuleInput& input);
int RuleDescending(RuleResult& result, int32_t type, const RuleInput& input);

// ---- Dice ---------------------------------------------------------------------
// Largest number of dice one rule rolls at once; more is refused.
constexpr int32_t kMaxDice = 1000;

// Every die comes from the one die source of the core (RandomSource::Die,
// RandomSource::Draw), whose forced-draw seam the tests use.

// ---- Values ---------------------------------------------------------------------
// Sums of dice and large modifiers are kept in 64 bits and brought into the
// 32-bit range of a token value at the end.
inline int32_t Saturate(int64_t value) {
  return value > INT32_MAX ? INT32_MAX : value < INT32_MIN ? INT32_MIN : static_cast<int32_t>(value);
}

// ---- Detail texts ------------------------------------------------------------------
// Every rule text is cut at 1023 bytes, never between the two bytes of a
// character; once a text is full, appending costs one comparison, so a
// thousand dice are written only as far as they fit.
inline bool IsFull(const std::string& text) { return text.size() >= kTextSize - 1; }
void AppendText(std::string& text, const char* piece);
// Appends `separator` (none when '\0') and the decimal form of `value`.
void AppendListed(std::string& text, char separator, int64_t value);
inline void AppendInt(std::string& text, int64_t value) { AppendListed(text, '\0', value); }
// Appends the numbers separated by ",".
void AppendList(std::string& text, const std::vector<int32_t>& numbers);
// Appends a formatted piece (cut at 127 bytes).
void AppendFormatted(std::string& text, const char* format, ...) __attribute__((format(printf, 2, 3)));
// Copies a finished text into the result.
void SetText(RuleResult& result, const std::string& text);

}  // namespace Dice

#endif  // MIRADO_DICE_RULES_H_
