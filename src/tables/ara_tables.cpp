// The life path of the ARA system: birth, circumstance and fate, each read
// on 18 rows (a six-sided die times three plus a three-sided one). A handler
// because three rolls fill one reply.
#include "core/random_source.h"
#include "tables/table_data_list.h"
#include "tables/table_handlers.h"

namespace Tables {
namespace {

int32_t RollEighteen() {
  const int32_t six = RandomSource::Draw(6);
  return six * 3 + RandomSource::Draw(3);
}

}  // namespace

void AraLifePath(BotCommand::BotCommandAbstract& out, const TableWords&) {
  const auto& birth = Data::ara_birth.Row(RollEighteen());
  const auto& circumstance = Data::ara_circumstance.Row(RollEighteen());
  const auto& fate = Data::ara_fate.Row(RollEighteen());
  out.Say("出自：%s　　境遇：%s　　運命：%s", birth.birth, circumstance.text, fate.text);
  out.Say("特徴：%s（%s／%s）", birth.feature, birth.note1, birth.note2);
}

}  // namespace Tables
