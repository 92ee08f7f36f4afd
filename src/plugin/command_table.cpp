// The command table, searched in order: the first row whose pattern matches
// the whole command name and whose parameter minimum is met runs. A prefixed
// word that matches no row is rolled as a dice expression.
#include <new>

#include "cards/cards.h"
#include "dice/dice.h"
#include "plugin/dispatch.h"
#include "plugin/plugin_commands.h"
#include "pool/pool.h"
#include "state/state.h"
#include "tables/tables.h"

namespace BotCommand {
namespace {

template <typename T>
BotCommandAbstract* Create() {
  return new (std::nothrow) T();
}

}  // namespace

const CommandEntry kCommandTable[] = {
    {Dice::NewRoll, "CALC|DICE|ROL[LE]", 1},
    {Dice::NewClosedRoll, "S(ECRET)?", 1},
    {Dice::NewClosedRollShowingExpression, "S(ECRET)?D", 1},
    {Create<CallTable>, "TABLE|T|TBL?", 1},
    {Create<CallTable>, "MAKE|MK?", 1},
    {Create<SetCounter>, "SET(COUNT|CNT)?", 0},
    {Create<GetCounter>, "GET(COUNT|CNT)?", 0},
    {Dice::NewCountingRoll, "COUNT|CNT", 1},
    {Create<SceneIn>, "SCENE_?IN", 0},
    {Create<DX_Resurrect>, "DX_RES([UA]RR?ECT)?", 0},
    {Create<PoolDice>, "POOL", 1},
    {Create<CallHelp>, "HELP", 0},
    {Create<RegisterName>, "REG|REGIST(ER)?", 0},
    {Create<SetGameMode>, "MODE|G(AME)?MODE", 0},
    {Create<DrawCard>, "CARD", 0},
};
const std::size_t kCommandTableSize = sizeof kCommandTable / sizeof kCommandTable[0];

}  // namespace BotCommand
