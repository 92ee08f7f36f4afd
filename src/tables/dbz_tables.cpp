// The lucky bag of the DBZ system: 2D6 picks what the bag holds, and the
// count in word 3 (at least 1) says how many dice its contents roll. A
// handler because each kind of content rolls its own way.
#include "core/random_source.h"
#include "core/text.h"
#include "tables/table_data_list.h"
#include "tables/table_handlers.h"
#include "tables/table_kit.h"

namespace Tables {
namespace {

enum BagKind { kGold = 0, kMagicStone = 1, kMaterial = 2 };

// More dice than any bag is opened with; a larger count gets no answer
// rather than minutes of rolling or a sum that no longer fits.
constexpr int32_t kMostDice = 100;

}  // namespace

void DbzLuckyBag(BotCommand::BotCommandAbstract& out, const TableWords& words) {
  int32_t count = mirado::ReadDecimal(words[1]);
  if (count < 1) count = 1;
  if (count > kMostDice) return;
  const TableRoll total = RollTable(Data::DiceKind::k2D6, 11);
  const auto& bag = Data::dbz_bag.Row(total.row);
  const char* name = bag.name;
  char detail[BotCommand::kShortSize];
  switch (bag.kind) {
    case kGold:
      mirado::FormatText(detail, sizeof detail, " 金貨:%dD6 = %d", count, RandomSource::RollSum(count, 6, false));
      break;
    case kMagicStone: {
      const TableRoll stone = RollTable(Data::DiceKind::k1D6, 6);
      mirado::FormatText(detail, sizeof detail, "[%d]《%s》:%d", stone.shown, Data::dbz_stones.Row(stone.row).name,
                         count);
      break;
    }
    default: {
      const int32_t sum = RandomSource::RollSum(count, 6, false);
      int32_t row = sum - 3;
      if (row < 0) row = 0;
      if (row > 15) row = 15;
      const auto& grades = Data::dbz_grades.Row(row);
      mirado::FormatText(detail, sizeof detail, "[%02d]《%s１》:%d 《%s２》:%d 《%s３》:%d", sum, name, grades.grade1,
                         name, grades.grade2, name, grades.grade3);
      break;
    }
  }
  char text[BotCommand::kLineSize];
  mirado::FormatText(text, sizeof text, "【掘り出し福袋】[%02d]%s", total.shown, detail);
  SayText(out, text, true);
}

}  // namespace Tables
