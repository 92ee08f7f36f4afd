// The CRANKER character maker: a card ranker's name, gender, colour,
// background and legend card in three lines.
//
// Draws, in order: the gender (one draw, only when word 2 names none), 1D6
// background, 1D6 colour, an ordered D66 for each of the legend card's two
// words, 1D6 for where the legend card came from, then 1D6 for the family
// name and 1D6 for the given name from the gender's lists.
#include <string>

#include "core/text.h"
#include "tables/table_data_list.h"
#include "tables/table_handlers.h"
#include "tables/table_kit.h"
#include "tables/tables.h"

namespace Tables {
namespace {

// The blocks of the name-part list.
enum NameBlock : int32_t { kMaleFamily = 0, kMaleGiven = 1, kFemaleFamily = 2, kFemaleGiven = 3 };

// One part of a name, rolled with the list's die.
const Data::cr_name_parts_row& RollNamePart(int32_t block) {
  const TableRoll roll = RollTable(Data::cr_name_parts.dice, Data::cr_name_parts.block_rows);
  return Data::cr_name_parts.Row(block, roll.row);
}

// The name is the family name and the given name with a space between.
// Kanji parts carry their reading and kana parts need none, so the reading
// follows in one pair of brackets, the two parts' readings joined by "・"
// and a dash for a part without one: "（あまぎ・かける）", "（あまぎ・―）",
// "（―・かける）". A name with no reading in either part is all kana and
// shows no brackets.
std::string NameWithReading(const Data::cr_name_parts_row& family, const Data::cr_name_parts_row& given) {
  char name[BotCommand::kLineSize];
  mirado::FormatText(name, sizeof name, "%s %s", family.name, given.name);
  std::string text = name;
  const bool family_read = family.reading[0] != '\0', given_read = given.reading[0] != '\0';
  if (!family_read && !given_read) return text;
  char readings[BotCommand::kLineSize];
  mirado::FormatText(readings, sizeof readings, "%s・%s", family_read ? family.reading : "―",
                     given_read ? given.reading : "―");
  char bracketed[BotCommand::kLineSize];
  mirado::FormatText(bracketed, sizeof bracketed, "（%s）", readings);
  return text + bracketed;
}

}  // namespace

void CrCharacter(BotCommand::BotCommandAbstract& out, const TableWords& words) {
  bool male = false;
  ParseGender(&male, words[0], true);
  const TableRoll background = RollTable(Data::cr_backgrounds.dice, Data::cr_backgrounds.rows);
  const TableRoll colour = RollTable(Data::cr_colours.dice, Data::cr_colours.rows);
  const TableRoll first = RollTable(Data::cr_legend_first.dice, Data::cr_legend_first.rows);
  const TableRoll second = RollTable(Data::cr_legend_second.dice, Data::cr_legend_second.rows);
  const TableRoll origin = RollTable(Data::cr_legend_origin.dice, Data::cr_legend_origin.rows);
  const auto& family = RollNamePart(male ? kMaleFamily : kFemaleFamily);
  const auto& given = RollNamePart(male ? kMaleGiven : kFemaleGiven);

  char legend[BotCommand::kLineSize];
  mirado::FormatText(legend, sizeof legend, "%s＋%s", Data::cr_legend_first.Row(first.row).word,
                     Data::cr_legend_second.Row(second.row).word);
  out.Say("名前：%s", NameWithReading(family, given).c_str());
  out.Say("性別：%s　　カラー：%s　　背景：%s", male ? "男" : "女", Data::cr_colours.Row(colour.row).name,
          Data::cr_backgrounds.Row(background.row).text);
  out.Say("レジェンド：%s ／ %s", legend, Data::cr_legend_origin.Row(origin.row).text);
}

}  // namespace Tables
