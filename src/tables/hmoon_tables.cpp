// The tables of the HMOON system that need more than one roll: the
// monobeast's action, which may add morale dice or wake an ability. The
// encounter, body-part damage and location tables are described by their
// data files alone.
#include "core/random_source.h"
#include "core/text.h"
#include "tables/table_data_list.h"
#include "tables/table_handlers.h"
#include "tables/table_kit.h"

namespace Tables {
namespace {

// What an action adds besides its own line (the action table's bonus column).
enum ActionBonus : int32_t { kNoBonus = 0, kMorale = 1, kAbility = 2 };

}  // namespace

// 1D6 picks the action. A morale action then rolls its dice one by one and
// shows each face and their sum; an ability action rolls a D66 on the
// abilities the character maker also draws from.
void HmAction(BotCommand::BotCommandAbstract& out, const TableWords&) {
  const TableRoll roll = RollTable(Data::DiceKind::k1D6, 6);
  const auto& action = Data::hm_action.Row(roll.row);
  char line[BotCommand::kLineSize];
  mirado::FormatText(line, sizeof line, "【行動表】[%d] %s／%s", roll.shown, action.action, action.effect);
  if (!SayText(out, line, true)) return;
  if (action.bonus == kMorale) {
    char faces[BotCommand::kLineSize];
    mirado::BoundedText list(faces, sizeof faces);
    int32_t sum = 0;
    for (int32_t i = 0; i < action.dice; ++i) {
      const int32_t face = RandomSource::Die(6);
      if (i > 0) list.Add(",");
      list.Add(face);
      sum += face;
    }
    out.Say("モラル: +%dD6 = +[%s] = +%d", action.dice, faces, sum);
  } else if (action.bonus == kAbility) {
    const TableRoll ability = RollTable(Data::DiceKind::kD66, 36);
    out.Say("異能アビリティ: [%d%d] %s", ability.tens, ability.ones, Data::hm_abilities.Row(ability.row).name);
  }
}

}  // namespace Tables
