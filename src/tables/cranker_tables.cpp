// The monster card table of the CRANKER system. A handler because it rolls
// twice: 1D6 picks the colour (the colour list the character maker shares),
// then 2D6 one of that colour's 11 cards.
#include "tables/table_data_list.h"
#include "tables/table_handlers.h"
#include "tables/table_kit.h"

namespace Tables {

void CrMonsterCard(BotCommand::BotCommandAbstract& out, const TableWords&) {
  const TableRoll colour = RollTable(Data::cr_colours.dice, Data::cr_colours.rows);
  const TableRoll card = RollTable(Data::cr_monster_cards.dice, Data::cr_monster_cards.block_rows);
  out.Say("モンスターカード：[%d][%02d] %s ／ %s", colour.shown, card.shown, Data::cr_colours.Row(colour.row).name,
          Data::cr_monster_cards.Row(colour.row, card.row).card);
}

}  // namespace Tables
