// The closed roll that hides everything from the destination.
#include "dice/roll_dice.h"

namespace BotCommand {

void RollDice_HideAll::Execute() {
  RollDice roll;
  roll.TakeContext(*this);
  roll.closedMode = true;
  roll.hideExpression = true;
  roll.Execute();
}

}  // namespace BotCommand
