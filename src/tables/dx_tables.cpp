// The emotion and awakening tables of the DX system. Handlers because each
// reply draws from two lists.
#include <string>

#include "core/first_match.h"
#include "core/random_source.h"
#include "core/text.h"
#include "tables/table_data_list.h"
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
  const auto& positive = Data::dx_emotion.Row(RandomSource::Draw(Data::dx_emotion.rows));
  const auto& negative = Data::dx_emotion.Row(RandomSource::Draw(Data::dx_emotion.rows));
  out.Say("感情表：□%s ／ □%s", positive.positive, negative.negative);
}

void DxAwakening(BotCommand::BotCommandAbstract& out, const TableWords& words) {
  // Setting words are read in half width, so "ＬＥ" names Lost Eden too.
  char word[BotCommand::kLineSize];
  mirado::ToHalfWidth(words[1], word, sizeof word);
  const Setting* setting = mirado::FirstMatch(kSettings, &Setting::pattern, word);
  const auto& awakenings = setting != nullptr && setting->lost_eden ? Data::dx_awakening_le : Data::dx_awakening;
  const auto& awakening = awakenings.Row(RandomSource::Draw(10));
  const auto& impulse = Data::dx_impulse.Row(RandomSource::Draw(10));
  out.Say("%s覚醒：%s(%d)／衝動：%s(%d) = 侵蝕率基本値：%d", setting != nullptr ? setting->tag : "", awakening.name,
          awakening.erosion, impulse.name, impulse.erosion, awakening.erosion + impulse.erosion);
}

}  // namespace Tables
