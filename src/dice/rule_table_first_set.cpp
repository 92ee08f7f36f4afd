// Rule table rows of the first set of game-system rules (types 400 to 421):
// written form, the number before and after the keyword, the rule; and the
// source these rules draw their dice from.
#include "core/random_source.h"
#include "dice/rules.h"
#include "dice/rules_first_set.h"

namespace Dice {

using O = Operand;

const RuleEntry kFirstSetRules[] = {
    {400, "R", O::kRequired, O::kOptional, RuleDoubleCross},
    {401, "R", O::kRequired, O::kOptional, RuleDoubleCross},
    {402, "R", O::kRequired, O::kOptional, RuleDoubleCross},
    {403, "2D6", O::kNotAllowed, O::kNotAllowed, RuleTwoD6Critical},
    {404, "NW", O::kIgnored, O::kOptional, RuleTwoD6PlusTen},
    {405, "MF", O::kNotAllowed, O::kRequired, RuleHitMultiplier},
    {406, "SR2e", O::kRequired, O::kOptional, RuleExplodingCount},
    {407, "SR4e", O::kRequired, O::kOptional, RuleHitCount},
    {408, "SR4e", O::kRequired, O::kOptional, RuleHitCount},
    {409, "Rate", O::kNotAllowed, O::kRequired, RuleRating},
    {411, "ANG", O::kRequired, O::kRequired, RuleCountUnder},
    {412, "GEH", O::kRequired, O::kOptional, RuleCountOverLuck},
    {413, "%%D", O::kNotAllowed, O::kRequired, RulePercentileCheck},
    {414, "Rate", O::kNotAllowed, O::kRequired, RuleDamageTable},
    {415, "(1D10+1D6)", O::kNotAllowed, O::kNotAllowed, RuleTenPlusSix},
    {416, "(1D10+1D6)", O::kNotAllowed, O::kNotAllowed, RuleTenPlusSixChain},
    {417, "D", O::kRequired, O::kOptional, RuleMaximumCount},
    {418, "1D6*", O::kNotAllowed, O::kRequired, RuleDieTimesFactor},
    {419, "CW", O::kNotAllowed, O::kRequired, RuleLadder},
    {420, "1D36", O::kNotAllowed, O::kNotAllowed, RuleD36Scale},
    {421, "1D36", O::kNotAllowed, O::kNotAllowed, RuleD36Scale},
};
const std::size_t kFirstSetRuleCount = sizeof kFirstSetRules / sizeof kFirstSetRules[0];

namespace {

DrawFunction g_draw_for_testing = nullptr;

}  // namespace

uint32_t DrawForRule() { return g_draw_for_testing != nullptr ? g_draw_for_testing() : RandomSource::Next32(); }

void SetDrawForTesting(DrawFunction draw) { g_draw_for_testing = draw; }

}  // namespace Dice
