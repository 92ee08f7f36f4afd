// The lucky bag of the DBZ system: 2D6 picks what the bag holds, and the
// count in word 3 (at least 1) says how many dice its contents roll.
#include "core/random_source.h"
#include "core/text.h"
#include "tables/table_data_list.h"
#include "tables/table_dice.h"
#include "tables/table_handlers.h"
#include "tables/table_reply.h"

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
  const int32_t total = Roll2D6();
  const char* name = Data::dbz_bag.Text(total, 0);
  char detail[BotCommand::kShortSize];
  switch (Data::dbz_bag.Number(total, 1)) {
    case kGold:
      mirado::FormatText(detail, sizeof detail, " 金貨:%dD6 = %d", count, RandomSource::RollSum(count, 6, false));
      break;
    case kMagicStone: {
      const int32_t face = Draw(6);
      mirado::FormatText(detail, sizeof detail, "[%d]《%s》:%d", face + 1, Data::dbz_stones.Text(face, 0), count);
      break;
    }
    default: {
      const int32_t sum = RandomSource::RollSum(count, 6, false);
      int32_t row = sum - 3;
      if (row < 0) row = 0;
      if (row > 15) row = 15;
      const Data::DataTable& grades = Data::dbz_grades;
      mirado::FormatText(detail, sizeof detail, "[%02d]《%s１》:%d 《%s２》:%d 《%s３》:%d", sum, name,
                         grades.Number(row, 0), name, grades.Number(row, 1), name, grades.Number(row, 2));
      break;
    }
  }
  SayAfterArrow(out, "【掘り出し福袋】[%02d]%s", total + 2, detail);
}

}  // namespace Tables
