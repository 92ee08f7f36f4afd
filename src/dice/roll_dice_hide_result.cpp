// The closed roll that shows the destination the expression, not the result.
#include "dice/roll_dice.h"

namespace BotCommand {

void RollDice_HideResult::Execute() {
  RollDice roll;
  roll.TakeContext(*this);
  roll.closedMode = true;
  roll.Execute();
}

}  // namespace BotCommand
