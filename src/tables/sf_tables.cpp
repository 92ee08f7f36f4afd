// The EX parameter table of the SF system: three stages of 36 rows, the
// stage named by word 3 (1 to 3; anything lower reads the first stage,
// anything higher the third), the row by D66.
#include "core/text.h"
#include "tables/table_data_list.h"
#include "tables/table_dice.h"
#include "tables/table_handlers.h"

namespace Tables {
namespace {

constexpr const char* kStageNames[] = {"一", "二", "三"};
constexpr int32_t kRowsPerStage = 36;

}  // namespace

void SfExParameter(BotCommand::BotCommandAbstract& out, const TableWords& words) {
  int64_t stage = static_cast<int64_t>(mirado::ParseNumber(words[1])) - 1;
  if (stage < 0) stage = 0;
  if (stage > 2) stage = 2;
  const D66 roll = RollD66();
  const int32_t row = static_cast<int32_t>(stage) * kRowsPerStage + roll.Index();
  const Data::DataTable& table = Data::sf_ex_parameters;
  out.Say("ＥＸパラメータ：第%s段階[%d] %s（条件：%s）", kStageNames[stage], 10 * (roll.tens + 1) + roll.ones + 1,
          table.Text(row, 0), table.Text(row, 1));
}

}  // namespace Tables
