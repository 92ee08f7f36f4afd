// The EX parameter table of the SF system: three stages of 36 rows, the
// stage named by word 3 (1 to 3; anything lower reads the first stage,
// anything higher the third), the row by D66. A handler because the stage
// comes from a number, not a kind word.
#include "core/text.h"
#include "tables/table_data_list.h"
#include "tables/table_handlers.h"
#include "tables/table_kit.h"

namespace Tables {
namespace {

constexpr const char* kStageNames[] = {"一", "二", "三"};

}  // namespace

void SfExParameter(BotCommand::BotCommandAbstract& out, const TableWords& words) {
  int64_t stage = static_cast<int64_t>(mirado::ParseNumber(words[1])) - 1;
  if (stage < 0) stage = 0;
  if (stage > 2) stage = 2;
  const TableRoll roll = RollTable(Data::DiceKind::kD66, 36);
  const auto& row = Data::sf_ex_parameters.Row(static_cast<int32_t>(stage), roll.row);
  out.Say("ＥＸパラメータ：第%s段階[%d] %s（条件：%s）", kStageNames[stage], roll.shown, row.name, row.condition);
}

}  // namespace Tables
