// The fumble table of the DH system: 2D6, each row already labelled with its
// total.
#include "tables/table_data_list.h"
#include "tables/table_dice.h"
#include "tables/table_handlers.h"

namespace Tables {

void DhFumble(BotCommand::BotCommandAbstract& out, const TableWords&) {
  out.Say("%s", Data::dh_fumble.Text(Roll2D6(), 0));
}

}  // namespace Tables
