// The life path of the ARA system: birth, circumstance and fate, each read
// on 18 rows (a six-sided die times three plus a three-sided one).
#include "tables/table_data_list.h"
#include "tables/table_dice.h"
#include "tables/table_handlers.h"

namespace Tables {
namespace {

int32_t RollEighteen() {
  const int32_t six = Draw(6);
  return six * 3 + Draw(3);
}

}  // namespace

void AraLifePath(BotCommand::BotCommandAbstract& out, const TableWords&) {
  const int32_t birth = RollEighteen();
  const int32_t circumstance = RollEighteen();
  const int32_t fate = RollEighteen();
  const Data::DataTable& births = Data::ara_birth;
  out.Say("出自：%s　　境遇：%s　　運命：%s", births.Text(birth, 0), Data::ara_circumstance.Text(circumstance, 0),
          Data::ara_fate.Text(fate, 0));
  out.Say("特徴：%s（%s／%s）", births.Text(birth, 1), births.Text(birth, 2), births.Text(birth, 3));
}

}  // namespace Tables
