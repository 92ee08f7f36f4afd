// The emotion and awakening tables of the DX system.
#include <string>

#include "core/text.h"
#include "tables/table_data_list.h"
#include "tables/table_dice.h"
#include "tables/table_handlers.h"

namespace Tables {
namespace {

// The settings word 3 may name, first hit wins: the tag shown before the
// awakening, and whether the Lost Eden awakening table is used. Any other
// word (or none) is the plain setting without a tag.
struct Setting {
  const char* pattern;
  const char* tag;
  bool lost_eden;
};
constexpr Setting kSettings[] = {
    {"LE", "[ロストエデン]", true}, {"K", "[Ｋ市]", false},    {"S", "[Ｓ市]", false},    {"T", "[Ｔ市]", false},
    {"DC", "[魔街]", false},        {"HE", "[平安京]", false}, {"HM", "[平安京]", false},
};

}  // namespace

void DxEmotion(BotCommand::BotCommandAbstract& out, const TableWords&) {
  const int32_t positive = Draw(Data::dx_emotion.rows);
  const int32_t negative = Draw(Data::dx_emotion.rows);
  out.Say("感情表：□%s ／ □%s", Data::dx_emotion.Text(positive, 0), Data::dx_emotion.Text(negative, 1));
}

void DxAwakening(BotCommand::BotCommandAbstract& out, const TableWords& words) {
  // Setting words are read in half width, so "ＬＥ" names Lost Eden too.
  char word[BotCommand::kLineSize];
  mirado::ToHalfWidth(words[1], word, sizeof word);
  const char* tag = "";
  const Data::DataTable* awakenings = &Data::dx_awakening;
  for (const Setting& setting : kSettings) {
    if (mirado::FullMatch(word, setting.pattern)) {
      tag = setting.tag;
      if (setting.lost_eden) awakenings = &Data::dx_awakening_le;
      break;
    }
  }
  const int32_t awakening = Draw(10);
  const int32_t impulse = Draw(10);
  const int32_t awakening_value = awakenings->Number(awakening, 0);
  const int32_t impulse_value = Data::dx_impulse.Number(impulse, 0);
  out.Say("%s覚醒：%s(%d)／衝動：%s(%d) = 侵蝕率基本値：%d", tag, awakenings->Text(awakening, 1), awakening_value,
          Data::dx_impulse.Text(impulse, 1), impulse_value, awakening_value + impulse_value);
}

}  // namespace Tables
