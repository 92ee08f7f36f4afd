// The generic rules: plain dice, the bit operations and the ordered D66.
#include "dice/rules.h"
#include "dice/rules_generic.h"

namespace Dice {

using O = Operand;

const RuleEntry kGenericRules[] = {
    {300, "D", O::kOptional, O::kOptional, RulePlainDice}, {302, "D66", O::kIgnored, O::kIgnored, RuleOrderedD66},
    {303, "AND", O::kRequired, O::kRequired, RuleBits},    {304, "OR", O::kRequired, O::kRequired, RuleBits},
    {305, "NOT", O::kIgnored, O::kRequired, RuleBits},     {306, "XOR", O::kRequired, O::kRequired, RuleBits},
    {307, "NAND", O::kRequired, O::kRequired, RuleBits},   {308, "NOR", O::kRequired, O::kRequired, RuleBits},
};
const std::size_t kGenericRuleCount = sizeof kGenericRules / sizeof kGenericRules[0];

}  // namespace Dice
