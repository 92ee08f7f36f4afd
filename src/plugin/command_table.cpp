// The command table, searched in order: the first row whose pattern matches
// the whole command name and whose parameter minimum is met runs. A prefixed
// word that matches no row is rolled as a dice expression.
#include <new>

#include "dice/dice.h"
#include "plugin/dispatch.h"
#include "tables/tables.h"

namespace BotCommand {
namespace {

template <typename T>
BotCommandAbstract* Create() {
  return new (std::nothrow) T();
}

}  // namespace

const CommandEntry kCommandTable[] = {
    {Create<RollDice>, "CALC|DICE|ROL[LE]", 1},
    {Create<RollDice_HideAll>, "S(ECRET)?", 1},
    {Create<RollDice_HideResult>, "S(ECRET)?D", 1},
    {Create<CallTable>, "TABLE|T|TBL?", 1},
    {Create<CallTable>, "MAKE|MK?", 1},
    {Create<Count>, "COUNT|CNT", 1},
};
const std::size_t kCommandTableSize = sizeof kCommandTable / sizeof kCommandTable[0];

}  // namespace BotCommand
