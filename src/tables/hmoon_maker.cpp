// The character maker of the HMOON system: a hunter's name, gender, age,
// ability, history and weapon in four lines.
//
// Draws, in order: the gender (only when word 2 names none), 1D6 for the
// name category, 1D6 for the age rule and given-name list, then an ordered
// D66 on the category's name list (when it has one), the age dice and an
// ordered D66 on the given names (when the category makes a given name), a
// D66 for the ability, 1D6 for the history and 1D6 for the weapon.
#include <string>

#include "core/random_source.h"
#include "core/text.h"
#include "tables/table_data_list.h"
#include "tables/table_handlers.h"
#include "tables/table_kit.h"
#include "tables/tables.h"

namespace Tables {
namespace {

// One part of a name: the entry drawn, and how the draw is shown.
struct NamePart {
  const Data::hm_name_row* entry = nullptr;  // null when the part is not made
  char shown[32] = "";
};

// An ordered D66 on block `list` of `names`, shown as "[face,low high]".
NamePart DrawName(const Data::Table<Data::hm_name_row>& names, int32_t list, int32_t face) {
  NamePart part;
  int32_t low = 0, high = 0;
  const int32_t row = RandomSource::RollPairIndex(&low, &high);
  part.entry = &names.Row(list, row);
  mirado::FormatText(part.shown, sizeof part.shown, "[%d,%d%d]", face, low + 1, high + 1);
  return part;
}

// The readings after the names. With both parts, a part without a reading
// (a name written in kana) shows a dash; a name with no reading at all shows
// no brackets rather than empty ones.
std::string Readings(const NamePart& family, const NamePart& given) {
  const char* first = family.entry != nullptr ? family.entry->reading : "";
  const char* second = given.entry != nullptr ? given.entry->reading : "";
  char text[BotCommand::kShortSize];
  if (first[0] == '\0' && second[0] == '\0') return "";
  if (family.entry != nullptr && given.entry != nullptr) {
    if (first[0] != '\0' && second[0] != '\0') {
      mirado::FormatText(text, sizeof text, "(%s・%s)", first, second);
    } else if (first[0] == '\0') {
      mirado::FormatText(text, sizeof text, "(－ %s)", second);
    } else {
      mirado::FormatText(text, sizeof text, "(%s －)", first);
    }
  } else {
    mirado::FormatText(text, sizeof text, "(%s%s)", first, second);
  }
  return text;
}

}  // namespace

void HmMaker(BotCommand::BotCommandAbstract& out, const TableWords& words) {
  bool male = false;
  ParseGender(&male, words[0], true);
  const TableRoll category_roll = RollTable(Data::DiceKind::k1D6, 6);
  const TableRoll rule_roll = RollTable(Data::DiceKind::k1D6, 6);
  const auto& category = Data::hm_name_categories.Row(category_roll.row);
  const auto& rule = Data::hm_age_rules.Row(rule_roll.row);

  NamePart family;
  if (category.list >= 0) {
    family = DrawName(Data::hm_names, category.list, category_roll.shown);
  } else {
    mirado::FormatText(family.shown, sizeof family.shown, "[%d]", category_roll.shown);
  }
  NamePart given;
  char age[8] = "？";
  if (category.given != 0) {
    mirado::FormatText(age, sizeof age, "%2d", RandomSource::RollSum(rule.dice, 6, false) + rule.addend);
    given = DrawName(Data::hm_given, male ? rule.male : rule.female, rule_roll.shown);
  }
  // A code name of the first category is written in quotation marks.
  const char* quote = category.quoted != 0 ? "\"" : "";
  char names[BotCommand::kShortSize];
  mirado::FormatText(names, sizeof names, "%s%s%s%s", quote, family.entry != nullptr ? family.entry->name : "", quote,
                     given.entry != nullptr ? given.entry->name : "");

  const TableRoll ability = RollTable(Data::DiceKind::kD66, 36);
  const TableRoll history_roll = RollTable(Data::DiceKind::k1D6, 6);
  const TableRoll weapon_roll = RollTable(Data::DiceKind::k1D6, 6);
  const auto& history = Data::hm_history.Row(history_roll.row);
  const auto& weapon = Data::hm_weapons.Row(weapon_roll.row);

  if (!out.Say("%s%s %s%s ", family.shown, given.shown, names, Readings(family, given).c_str())) return;
  if (!out.Say("性別:%s    年齢:%s    異能:[%d%d] %s", male ? "男" : "女", age, ability.tens, ability.ones,
               Data::hm_abilities.Row(ability.row).name)) {
    return;
  }
  if (!out.Say("履歴:[%d] %-6s/%-14s《%s》《%s》", history_roll.shown, history.career, history.detail, history.first,
               history.second)) {
    return;
  }
  out.Say("武器:[%d] %-21s《%s》", weapon_roll.shown, weapon.name, weapon.note);
}

}  // namespace Tables
