// The counting roll: the roll's value goes into the speaker's counter.
#include "dice/roll_dice.h"

namespace BotCommand {

void Count::Execute() {
  RollDice roll;
  roll.TakeContext(*this);
  roll.counterMode = true;
  roll.Execute();
}

}  // namespace BotCommand
