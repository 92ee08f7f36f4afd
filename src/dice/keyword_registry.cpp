// The roll keyword registry: every keyword is one row here — its words, the
// written form the expression shows, the numbers before and after it, its
// rule. The tokenizer, the renderer, the rule dispatcher and the tests all
// read this one table. Adding a keyword is one row and its rule function.
#include <cstring>
#include <vector>

#include "core/random_source.h"
#include "dice/rule_data.h"
#include "dice/rules.h"

namespace Dice {

using O = Operand;

// The rule functions, by family; each is defined in its own rule file.
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

const KeywordEntry kKeywordRegistry[] = {
    // type                 words                        form          before          after           rule
    {kPlainDice, {"D"}, "D", O::kOptional, O::kOptional, RulePlainDice},
    {kOrderedD66, {"DF"}, "D66", O::kIgnored, O::kIgnored, RuleOrderedD66},
    {kBitAnd, {"AND"}, "AND", O::kRequired, O::kRequired, RuleBits},
    {kBitOr, {"OR"}, "OR", O::kRequired, O::kRequired, RuleBits},
    {kBitNot, {"NOT"}, "NOT", O::kIgnored, O::kRequired, RuleBits},
    {kBitXor, {"XOR"}, "XOR", O::kRequired, O::kRequired, RuleBits},
    {kBitNand, {"NAND"}, "NAND", O::kRequired, O::kRequired, RuleBits},
    {kBitNor, {"NOR"}, "NOR", O::kRequired, O::kRequired, RuleBits},
    {kDoubleCross, {"DX"}, "R", O::kRequired, O::kOptional, RuleDoubleCross},
    {kDoubleCrossFumble, {"DXF"}, "R", O::kRequired, O::kOptional, RuleDoubleCross},
    {kErosionRoll, {"RC"}, "R", O::kRequired, O::kOptional, RuleDoubleCross, true},
    {kTwoD6Critical, {"SF"}, "2D6", O::kNotAllowed, O::kNotAllowed, RuleTwoD6Critical},
    {kTwoD6PlusTen, {"NW", "SFM"}, "NW", O::kIgnored, O::kOptional, RuleTwoD6PlusTen},
    {kHitMultiplier, {"MF"}, "MF", O::kNotAllowed, O::kRequired, RuleHitMultiplier},
    {kExplodingCount, {"SRSE"}, "SR2e", O::kRequired, O::kOptional, RuleExplodingCount},
    {kHitCount, {"SR"}, "SR4e", O::kRequired, O::kOptional, RuleHitCount},
    {kHitCountReroll, {"SRE"}, "SR4e", O::kRequired, O::kOptional, RuleHitCount},
    {kRating, {"SW"}, "Rate", O::kNotAllowed, O::kRequired, RuleRating},
    {kRetypedR, {"R"}, nullptr, O::kOptional, O::kOptional, nullptr},
    {kCountUnder, {"AN"}, "ANG", O::kRequired, O::kRequired, RuleCountUnder},
    {kCountOverLuck, {"GE"}, "GEH", O::kRequired, O::kOptional, RuleCountOverLuck},
    {kPercentileCheck, {"GD"}, "%%D", O::kNotAllowed, O::kRequired, RulePercentileCheck},
    {kDamageRoll, {"DH"}, "Rate", O::kNotAllowed, O::kRequired, RuleDamageTable},
    {kTenPlusSix, {"BAN"}, "(1D10+1D6)", O::kNotAllowed, O::kNotAllowed, RuleTenPlusSix},
    {kTenPlusSixChain, {"BAND", "VAN"}, "(1D10+1D6)", O::kNotAllowed, O::kNotAllowed, RuleTenPlusSixChain},
    {kMaximumCount, {"AR", "ARA"}, "D", O::kRequired, O::kOptional, RuleMaximumCount},
    {kDieTimesFactor, {"MD"}, "1D6*", O::kNotAllowed, O::kRequired, RuleDieTimesFactor},
    {kLadder, {"CW"}, "CW", O::kNotAllowed, O::kRequired, RuleLadder},
    {kD36Scale, {"GDS"}, "1D36", O::kNotAllowed, O::kNotAllowed, RuleD36Scale},
    {kD36ScalePlain, {"GDSP"}, "1D36", O::kNotAllowed, O::kNotAllowed, RuleD36Scale},
    {kSwap, {"SWAP"}, "1D100", O::kNotAllowed, O::kNotAllowed, RuleSwappedPercentile},
    {kSwapLargerFirst, {"RSWAP"}, "1D100", O::kNotAllowed, O::kNotAllowed, RuleSwappedPercentile},
    {kKeepThree, {"DB", "DBZ"}, "DBZ", O::kOptional, O::kOptional, RuleKeepThree},
    {kDoubleTrigger, {"EBR"}, "EBR", O::kOptional, O::kIgnored, RuleDoubleTrigger},
    {kNechronica, {"NC", "NCR"}, "NCR", O::kOptional, O::kIgnored, RuleNechronica},
    {kNechronicaAttack, {"NA", "NCA", "NCRA"}, "NCR", O::kOptional, O::kIgnored, RuleNechronica},
    {kSetCount, {"BRK"}, "BRK", O::kRequired, O::kIgnored, RuleSetCount},
    {kSetCountLocations, {"BRKA"}, "BRK", O::kRequired, O::kIgnored, RuleSetCount},
    {kHitOrMiss, {"TMHS"}, "TMHS", O::kRequired, O::kOptional, RuleHitOrMiss},
    {kPercentileDoubles, {"AE"}, "AE", O::kIgnored, O::kOptional, RulePercentileDoubles},
    {kDoubles2D6, {"BELF"}, "2D6", O::kIgnored, O::kIgnored, RuleDoubles2D6},
    {kRabbit, {"RHD"}, "2DR", O::kIgnored, O::kIgnored, RuleRabbit},
    {kGradedPercentile, {"PH"}, "PH", O::kRequired, O::kOptional, RuleGradedPercentile},
    {kAccident, {"PAG"}, "PAG", O::kRequired, O::kOptional, RuleAccident},
    {kTopThree, {"PAO"}, "PAO", O::kOptional, O::kIgnored, RuleTopThree},
    {kTopThreeExtraDice, {"PAOA"}, "PAO", O::kOptional, O::kIgnored, RuleTopThree},
    {kDescending, {"HANA"}, "HANA", O::kIgnored, O::kOptional, RuleDescending},
};
const std::size_t kKeywordRegistrySize = sizeof kKeywordRegistry / sizeof kKeywordRegistry[0];

const KeywordEntry* FindKeyword(int32_t type) {
  for (const KeywordEntry& row : kKeywordRegistry) {
    if (row.type == type) return &row;
  }
  return nullptr;
}

namespace {

// The registry's words by their first letter, built once: every chat line's
// first word is looked up here, and most of them are no keyword at all.
struct WordIndex {
  struct Word {
    const char* text;
    int32_t type;
  };
  std::vector<Word> by_letter[26];
  WordIndex() {
    for (const KeywordEntry& row : kKeywordRegistry) {
      for (const char* word : row.words) {
        if (word != nullptr && word[0] >= 'A' && word[0] <= 'Z') by_letter[word[0] - 'A'].push_back({word, row.type});
      }
    }
  }
};

}  // namespace

int32_t KeywordType(const char* word) {
  static const WordIndex index;
  if (word[0] < 'A' || word[0] > 'Z') return 0;
  for (const WordIndex::Word& candidate : index.by_letter[word[0] - 'A']) {
    if (std::strcmp(candidate.text, word) == 0) return candidate.type;
  }
  return 0;
}

const char* WrittenForm(int32_t type) {
  const KeywordEntry* row = FindKeyword(type);
  return row != nullptr ? row->written_form : nullptr;
}

bool RaisesErosion(int32_t type) {
  const KeywordEntry* row = FindKeyword(type);
  return row != nullptr && row->raises_erosion;
}

int DispatchRule(RuleResult& result, int32_t type, const RuleInput& input) {
  const KeywordEntry* rule = FindKeyword(type);
  if (rule == nullptr || rule->rule == nullptr) return 1;
  if ((rule->before == Operand::kNotAllowed && input.has_before) ||
      (rule->after == Operand::kNotAllowed && input.has_after) ||
      (rule->before == Operand::kRequired && !input.has_before) ||
      (rule->after == Operand::kRequired && !input.has_after)) {
    return 1;
  }
  RuleInput used = input;
  if (rule->before == Operand::kIgnored) used.has_before = false;
  if (rule->after == Operand::kIgnored) used.has_after = false;
  result = RuleResult();
  return rule->rule(result, type, used);
}

}  // namespace Dice
