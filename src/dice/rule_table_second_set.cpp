// Rule table rows of the second set of game-system rules (types 422 and
// above): written form, the number before and after the keyword, the rule.
#include "dice/rules.h"
#include "dice/rules_second_set.h"

namespace Dice {

using O = Operand;

const RuleEntry kSecondSetRules[] = {
    {kSwap, "1D100", O::kNotAllowed, O::kNotAllowed, RuleSwappedPercentile},
    {kSwapLargerFirst, "1D100", O::kNotAllowed, O::kNotAllowed, RuleSwappedPercentile},
    {kKeepThree, "DBZ", O::kOptional, O::kOptional, RuleKeepThree},
    {kDoubleTrigger, "EBR", O::kOptional, O::kIgnored, RuleDoubleTrigger},
    {kNechronica, "NCR", O::kOptional, O::kIgnored, RuleNechronica},
    {kNechronicaAttack, "NCR", O::kOptional, O::kIgnored, RuleNechronica},
    {kSetCount, "BRK", O::kRequired, O::kIgnored, RuleSetCount},
    {kSetCountLocations, "BRK", O::kRequired, O::kIgnored, RuleSetCount},
    {kHitOrMiss, "TMHS", O::kRequired, O::kOptional, RuleHitOrMiss},
    {kPercentileDoubles, "AE", O::kIgnored, O::kOptional, RulePercentileDoubles},
    {kDoubles2D6, "2D6", O::kIgnored, O::kIgnored, RuleDoubles2D6},
    {kRabbit, "2DR", O::kIgnored, O::kIgnored, RuleRabbit},
    {kGradedPercentile, "PH", O::kRequired, O::kOptional, RuleGradedPercentile},
    {kAccident, "PAG", O::kRequired, O::kOptional, RuleAccident},
    {kTopThree, "PAO", O::kOptional, O::kIgnored, RuleTopThree},
    {kTopThreeExtraDice, "PAO", O::kOptional, O::kIgnored, RuleTopThree},
    {kDescending, "HANA", O::kIgnored, O::kOptional, RuleDescending},
};
const std::size_t kSecondSetRuleCount = sizeof kSecondSetRules / sizeof kSecondSetRules[0];

}  // namespace Dice
