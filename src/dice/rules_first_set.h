// Game-system rules, first set (token types 400 to 421).
#ifndef MIRADO_DICE_RULES_FIRST_SET_H_
#define MIRADO_DICE_RULES_FIRST_SET_H_

#include "dice/rules.h"

namespace Dice {

int RuleDoubleCross(RuleResult& result, int32_t type, const RuleInput& input);

}  // namespace Dice

#endif  // MIRADO_DICE_RULES_FIRST_SET_H_
