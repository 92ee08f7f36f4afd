// The tables of the NW system (the personality table is shared with SF):
// personality, relations, life path and epithet.
#include <string>

#include "tables/table_data_list.h"
#include "tables/table_dice.h"
#include "tables/table_handlers.h"
#include "tables/table_text.h"

namespace Tables {
namespace {

// One of six sentence templates, filled with two words drawn from the word
// list (the first draw fills the first blank).
std::string FillTemplate(const Data::DataTable& templates, const Data::DataTable& words) {
  const int32_t sentence = Draw(templates.rows);
  const int32_t first = Draw(words.rows);
  const int32_t second = Draw(words.rows);
  return FillMarks(templates.Text(sentence, 0), "%s", {words.Text(first, 0), words.Text(second, 0)});
}

}  // namespace

void SfPersonality(BotCommand::BotCommandAbstract& out, const TableWords&) {
  out.Say("性格表：%s", FillTemplate(Data::personality_templates, Data::personality_words).c_str());
}

void NwRelations(BotCommand::BotCommandAbstract& out, const TableWords&) {
  out.Say("人間関係：%s", FillTemplate(Data::nw_relation_templates, Data::nw_relation_words).c_str());
}

void NwLifePath(BotCommand::BotCommandAbstract& out, const TableWords&) {
  const int32_t origin = Draw(Data::nw_life_path.rows);
  const int32_t experience = Draw(Data::nw_life_path.rows);
  out.Say("ライフパス：%s／%s", Data::nw_life_path.Text(origin, 0), Data::nw_life_path.Text(experience, 1));
}

void NwEpithet(BotCommand::BotCommandAbstract& out, const TableWords&) {
  const int32_t first = Draw(Data::nw_epithet_first.rows);
  const int32_t second = Draw(Data::nw_epithet_second.rows);
  const int32_t noun = Draw(Data::nw_epithet_noun.rows);
  out.Say("二つ名：%s%s%s", Data::nw_epithet_first.Text(first, 0), Data::nw_epithet_second.Text(second, 0),
          Data::nw_epithet_noun.Text(noun, 0));
}

}  // namespace Tables
