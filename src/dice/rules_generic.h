// The generic rule functions.
#ifndef MIRADO_DICE_RULES_GENERIC_H_
#define MIRADO_DICE_RULES_GENERIC_H_

#include "dice/rules.h"

namespace Dice {

int RulePlainDice(RuleResult& result, int32_t type, const RuleInput& input);
int RuleOrderedD66(RuleResult& result, int32_t type, const RuleInput& input);
int RuleBits(RuleResult& result, int32_t type, const RuleInput& input);

}  // namespace Dice

#endif  // MIRADO_DICE_RULES_GENERIC_H_
