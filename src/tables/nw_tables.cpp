// The tables of the NW system (the personality table is shared with SF):
// personality, relations, life path and epithet. Handlers because each reply
// is put together from several draws.
#include <string>

#include "core/random_source.h"
#include "tables/table_data_list.h"
#include "tables/table_handlers.h"
#include "tables/table_text.h"

namespace Tables {
namespace {

using RandomSource::Draw;

// One of six sentence templates, filled with two words drawn from the word
// list (the first draw fills the first blank).
template <typename Templates, typename Words>
std::string FillTemplate(const Templates& templates, const Words& words) {
  const char* sentence = templates.Row(Draw(templates.rows)).text;
  const char* first = words.Row(Draw(words.rows)).word;
  const char* second = words.Row(Draw(words.rows)).word;
  return FillMarks(sentence, "%s", {first, second});
}

}  // namespace

void SfPersonality(BotCommand::BotCommandAbstract& out, const TableWords&) {
  out.Say("性格表：%s", FillTemplate(Data::personality_templates, Data::personality_words).c_str());
}

void NwRelations(BotCommand::BotCommandAbstract& out, const TableWords&) {
  out.Say("人間関係：%s", FillTemplate(Data::nw_relation_templates, Data::nw_relation_words).c_str());
}

void NwLifePath(BotCommand::BotCommandAbstract& out, const TableWords&) {
  const auto& origin = Data::nw_life_path.Row(Draw(Data::nw_life_path.rows));
  const auto& experience = Data::nw_life_path.Row(Draw(Data::nw_life_path.rows));
  out.Say("ライフパス：%s／%s", origin.origin, experience.experience);
}

void NwEpithet(BotCommand::BotCommandAbstract& out, const TableWords&) {
  const char* first = Data::nw_epithet_first.Row(Draw(Data::nw_epithet_first.rows)).part;
  const char* second = Data::nw_epithet_second.Row(Draw(Data::nw_epithet_second.rows)).part;
  const char* noun = Data::nw_epithet_noun.Row(Draw(Data::nw_epithet_noun.rows)).part;
  out.Say("二つ名：%s%s%s", first, second, noun);
}

}  // namespace Tables
