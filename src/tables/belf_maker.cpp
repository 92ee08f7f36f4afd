// The sample characters of the BELF system: a D66 picks one of the 36
// students of the sample pages, shown with the page that carries them in
// the book and in its PDF edition. A handler because the page numbers are
// counted from the roll.
#include <cstdint>

#include "tables/table_data_list.h"
#include "tables/table_handlers.h"
#include "tables/table_kit.h"

namespace Tables {
namespace {

// The first sample's page in the book and in the PDF edition.
constexpr int32_t kFirstPage = 314;
constexpr int32_t kFirstPdfPage = 321;

}  // namespace

void BelfSample(BotCommand::BotCommandAbstract& out, const TableWords&) {
  const TableRoll roll = RollTable(Data::DiceKind::kD66, 36);
  const auto& sample = Data::belf_samples.Row(roll.row);
  out.Say("[%d%d]%s（%s/15） P.%03d/PDF P.%03d", roll.tens, roll.ones, sample.name, sample.male ? "♂" : "♀",
          roll.row + kFirstPage, roll.row + kFirstPdfPage);
  out.Say("精神力:%2d  耐久力:%2d  魅力値:%2d", sample.mind, sample.stamina, sample.charm);
  out.Say("感知:%d 器用:%d 敏捷:%d 知力:%d 体力:%d 外見:%d", sample.sense, sample.dexterity, sample.agility,
          sample.intellect, sample.body, sample.looks);
}

}  // namespace Tables
