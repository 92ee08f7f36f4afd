// Rule table rows of the second set of game-system rules (types 422 and
// above): written form, the number before and after the keyword, the rule.
#include "dice/rules.h"
#include "dice/rules_second_set.h"

namespace Dice {

using O = Operand;

const RuleEntry kSecondSetRules[] = {
    {422, "1D100", O::kNotAllowed, O::kNotAllowed, nullptr}, {423, "1D100", O::kNotAllowed, O::kNotAllowed, nullptr},
    {424, "DBZ", O::kOptional, O::kOptional, nullptr},       {425, "EBR", O::kOptional, O::kIgnored, nullptr},
    {426, "NCR", O::kOptional, O::kIgnored, nullptr},        {427, "NCR", O::kOptional, O::kIgnored, nullptr},
    {428, "BRK", O::kRequired, O::kIgnored, nullptr},        {429, "BRK", O::kRequired, O::kIgnored, nullptr},
    {430, "TMHS", O::kRequired, O::kOptional, nullptr},      {431, "AE", O::kIgnored, O::kOptional, nullptr},
    {432, "2D6", O::kIgnored, O::kIgnored, nullptr},         {433, "2DR", O::kIgnored, O::kIgnored, nullptr},
    {434, "PH", O::kRequired, O::kOptional, nullptr},        {500, "PAG", O::kRequired, O::kOptional, nullptr},
    {501, "PAO", O::kOptional, O::kIgnored, nullptr},        {502, "PAO", O::kOptional, O::kIgnored, nullptr},
    {503, "HANA", O::kIgnored, O::kOptional, nullptr},
};
const std::size_t kSecondSetRuleCount = sizeof kSecondSetRules / sizeof kSecondSetRules[0];

}  // namespace Dice
