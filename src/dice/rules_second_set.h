// Game-system rules, second set (token types 422 and above): swapped
// percentiles, keep-three checks, trigger chains, Nechronica, set counting,
// hit counts, graded percentiles and several 2D6 and d10 variants. Every rule
// has the shared signature of rules.h: it returns 0 and fills the result, or
// nonzero (before rolling anything) to refuse the roll.
#ifndef MIRADO_DICE_RULES_SECOND_SET_H_
#define MIRADO_DICE_RULES_SECOND_SET_H_

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "dice/rules.h"

namespace Dice {

// The token types of the second set.
enum SecondSetType : int32_t {
  kSwap = 422,               // "SWAP": smaller digit first
  kSwapLargerFirst = 423,    // "RSWAP"
  kKeepThree = 424,          // "DB", "DBZ"
  kDoubleTrigger = 425,      // "EBR"
  kNechronica = 426,         // "NC", "NCR"
  kNechronicaAttack = 427,   // "NA", "NCA", "NCRA"
  kSetCount = 428,           // "BRK"
  kSetCountLocations = 429,  // "BRKA"
  kHitOrMiss = 430,          // "TMHS"
  kPercentileDoubles = 431,  // "AE"
  kDoubles2D6 = 432,         // "BELF"
  kRabbit = 433,             // "RHD"
  kGradedPercentile = 434,   // "PH"
  kAccident = 500,           // "PAG"
  kTopThree = 501,           // "PAO"
  kTopThreeExtraDice = 502,  // "PAOA"
  kDescending = 503,         // "HANA"
};

int RuleSwappedPercentile(RuleResult& result, int32_t type, const RuleInput& input);  // 422, 423
int RuleKeepThree(RuleResult& result, int32_t type, const RuleInput& input);          // 424
int RuleDoubleTrigger(RuleResult& result, int32_t type, const RuleInput& input);      // 425
int RuleNechronica(RuleResult& result, int32_t type, const RuleInput& input);         // 426, 427
int RuleSetCount(RuleResult& result, int32_t type, const RuleInput& input);           // 428, 429
int RuleHitOrMiss(RuleResult& result, int32_t type, const RuleInput& input);          // 430
int RulePercentileDoubles(RuleResult& result, int32_t type, const RuleInput& input);  // 431
int RuleDoubles2D6(RuleResult& result, int32_t type, const RuleInput& input);         // 432
int RuleRabbit(RuleResult& result, int32_t type, const RuleInput& input);             // 433
int RuleGradedPercentile(RuleResult& result, int32_t type, const RuleInput& input);   // 434
int RuleAccident(RuleResult& result, int32_t type, const RuleInput& input);           // 500
int RuleTopThree(RuleResult& result, int32_t type, const RuleInput& input);           // 501, 502
int RuleDescending(RuleResult& result, int32_t type, const RuleInput& input);         // 503

// The game data and helpers of these rules live in a namespace of their own,
// apart from the first set's.
namespace SecondSet {

// ---- Game data (in the rule_*_data.cpp files) ------------------------------------

// Body locations of the faces 1 to 6 ("BRKA"), index face - 1.
extern const char* const kBodyLocations[6];

// The Nechronica attack table: row 0 for a highest die of 1 or less, row d - 1
// for 2 to 10, row 10 for 11 and more. The location text is a format taking
// one int (d - 10); null for the rows that have none.
struct AttackRow {
  const char* result_word;
  const char* location;
};
constexpr int kAttackRowCount = 11;
extern const AttackRow kAttackTable[kAttackRowCount];

// The chance table of the graded percentile ("PH"): the first row whose bound
// is at least the difference gives the chance in percent.
struct ChanceRow {
  int32_t bound;
  int32_t chance;
};
constexpr int kChanceRowCount = 25;
extern const ChanceRow kChanceTable[kChanceRowCount];

// ---- Small helpers shared by these rules -----------------------------------------

// One zero-based ten-sided die (0 to 9).
int32_t RollZeroBasedD10();

// True once a rule text holds 1023 bytes and cannot grow.
inline bool IsFull(const std::string& text) { return text.size() >= kTextSize - 1; }

// Appends one number, cut like every rule text at 1023 bytes. A full text
// costs nothing: a thousand dice are written only as far as they fit.
void AppendInt(std::string& text, int64_t value);

// Appends the numbers separated by ",", bounded like AppendInt.
void AppendList(std::string& text, const std::vector<int32_t>& numbers);

// Appends `separator` (none when '\0') and one number while the text has
// room; a die rolled after the text is full costs one comparison.
inline void AppendListed(std::string& text, char separator, int64_t value) {
  if (IsFull(text)) return;
  if (separator != '\0') text.push_back(separator);
  AppendInt(text, value);
}

// Sums of dice and large modifiers are kept in 64 bits and saturated to 32
// bits at the end, so no operand can overflow a rule's value.
inline int32_t Saturate(int64_t value) {
  if (value > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
  if (value < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(value);
}

}  // namespace SecondSet
}  // namespace Dice

#endif  // MIRADO_DICE_RULES_SECOND_SET_H_
