// The roll commands as the layers above see them: the factories of the
// command table's roll rows, and the roll of a word that names no command.
#include <new>

#include "core/text.h"
#include "dice/dice.h"
#include "dice/roll_dice.h"

namespace Dice {

BotCommand::BotCommandAbstract* NewRoll() { return new (std::nothrow) BotCommand::RollDice(); }
BotCommand::BotCommandAbstract* NewClosedRoll() { return new (std::nothrow) BotCommand::RollDice_HideAll(); }
BotCommand::BotCommandAbstract* NewClosedRollShowingExpression() {
  return new (std::nothrow) BotCommand::RollDice_HideResult();
}
BotCommand::BotCommandAbstract* NewCountingRoll() { return new (std::nothrow) BotCommand::Count(); }

void RollWord(char* output, const char* channel, const char* nick, const char* word, const char* rest,
              BotCommand::ParamArea& params, bool answer_always) {
  BotCommand::ParamArea area;  // every slot is written below
  mirado::CopyText(area[0], BotCommand::kLineSize, word);
  for (std::size_t i = 1; i < BotCommand::kParamCount; ++i) {
    mirado::CopyText(area[i], BotCommand::kLineSize, params[i - 1]);
  }
  // On the stack: most chat lines end here, and a roll needs no allocation.
  BotCommand::RollDice roll;
  roll.Init(output, channel, nick, "#CALC", rest, area);
  roll.answerAlways = answer_always;
  roll.Execute();
}

}  // namespace Dice
