// The origin tables and the bond/ego table of the BBNT system.
#include "tables/table_data_list.h"
#include "tables/table_dice.h"
#include "tables/table_handlers.h"

namespace Tables {
namespace {

// The origin tables read the second die halved; both faces are shown.
void SayOrigin(BotCommand::BotCommandAbstract& out, const Data::DataTable& table, const char* title) {
  const D66 roll = RollD66();
  out.Say("%s：[%d%d] %s", title, roll.tens + 1, roll.ones + 1, table.Text(roll.HalfIndex(), 0));
}

}  // namespace

void BbntOriginLove(BotCommand::BotCommandAbstract& out, const TableWords&) {
  SayOrigin(out, Data::bbnt_origin_love, "出自（愛）");
}

void BbntOriginGuilt(BotCommand::BotCommandAbstract& out, const TableWords&) {
  SayOrigin(out, Data::bbnt_origin_guilt, "出自（罪）");
}

void BbntBondEgo(BotCommand::BotCommandAbstract& out, const TableWords&) {
  const D66 roll = RollD66();
  const Data::DataTable& table = Data::bbnt_bond_ego;
  out.Say("絆／エゴ：[%d%d] %s／%s", roll.tens + 1, roll.ones + 1, table.Text(roll.Index(), 0),
          table.Text(roll.Index(), 1));
}

}  // namespace Tables
