// The four 2D6 tables of the SW system: requiem, turn undead, fear and the
// demon jar. Each row answers one total from 2 to 12.
#include "tables/table_data_list.h"
#include "tables/table_dice.h"
#include "tables/table_handlers.h"

namespace Tables {
namespace {

// "<title>：[total] <row><tail>"; the tail ends rows that are names only.
void SayTotal(BotCommand::BotCommandAbstract& out, const Data::DataTable& table, const char* title, const char* tail) {
  const int32_t total = Roll2D6();
  out.Say("%s：[%2d] %s%s", title, total + 2, table.Text(total, 0), tail);
}

}  // namespace

void SwRequiem(BotCommand::BotCommandAbstract& out, const TableWords&) {
  SayTotal(out, Data::sw_requiem, "レクイエム表", "");
}

void SwTurnUndead(BotCommand::BotCommandAbstract& out, const TableWords&) {
  SayTotal(out, Data::sw_turn_undead, "ターン・アンデッド表", "");
}

void SwFear(BotCommand::BotCommandAbstract& out, const TableWords&) { SayTotal(out, Data::sw_fear, "恐怖表", ""); }

void SwDemonJar(BotCommand::BotCommandAbstract& out, const TableWords&) {
  SayTotal(out, Data::sw_demon_jar, "デーモン・ジャー召喚表", "が出現する。");
}

}  // namespace Tables
