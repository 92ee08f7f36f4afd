// Rule table rows of the first set of game-system rules (types 400 to 421):
// written form, the number before and after the keyword, the rule.
#include "dice/rules.h"
#include "dice/rules_first_set.h"

namespace Dice {

using O = Operand;

const RuleEntry kFirstSetRules[] = {
    {400, "R", O::kRequired, O::kOptional, RuleDoubleCross},
    {401, "R", O::kRequired, O::kOptional, nullptr},
    {402, "R", O::kRequired, O::kOptional, RuleDoubleCross},
    {403, "2D6", O::kNotAllowed, O::kNotAllowed, nullptr},
    {404, "NW", O::kIgnored, O::kOptional, nullptr},
    {405, "MF", O::kNotAllowed, O::kRequired, nullptr},
    {406, "SR2e", O::kRequired, O::kOptional, nullptr},
    {407, "SR4e", O::kRequired, O::kOptional, nullptr},
    {408, "SR4e", O::kRequired, O::kOptional, nullptr},
    {409, "Rate", O::kNotAllowed, O::kRequired, nullptr},
    {411, "ANG", O::kRequired, O::kRequired, nullptr},
    {412, "GEH", O::kRequired, O::kOptional, nullptr},
    {413, "%%D", O::kNotAllowed, O::kRequired, nullptr},
    {414, "Rate", O::kNotAllowed, O::kRequired, nullptr},
    {415, "(1D10+1D6)", O::kNotAllowed, O::kNotAllowed, nullptr},
    {416, "(1D10+1D6)", O::kNotAllowed, O::kNotAllowed, nullptr},
    {417, "D", O::kRequired, O::kOptional, nullptr},
    {418, "1D6*", O::kNotAllowed, O::kRequired, nullptr},
    {419, "CW", O::kNotAllowed, O::kRequired, nullptr},
    {420, "1D36", O::kNotAllowed, O::kNotAllowed, nullptr},
    {421, "1D36", O::kNotAllowed, O::kNotAllowed, nullptr},
};
const std::size_t kFirstSetRuleCount = sizeof kFirstSetRules / sizeof kFirstSetRules[0];

}  // namespace Dice
