// Game-system rules, second set (token types 422 and above).
#ifndef MIRADO_DICE_RULES_SECOND_SET_H_
#define MIRADO_DICE_RULES_SECOND_SET_H_

#include "dice/rules.h"

namespace Dice {}  // namespace Dice

#endif  // MIRADO_DICE_RULES_SECOND_SET_H_
