// The name table of the INO system: a family and a given name, each of
// Japanese, Chinese or Western origin, read on D66, with the bearer's
// gender and the attribute of their power. A handler because the two name
// parts come from lists chosen by the option words.
#include <string>

#include "core/random_source.h"
#include "core/text.h"
#include "tables/name_options.h"
#include "tables/table_data_list.h"
#include "tables/table_handlers.h"
#include "tables/table_kit.h"

namespace Tables {
namespace {

using RandomSource::Draw;

enum Origin { kJapanese = 0, kChinese = 1, kWestern = 2 };

// Option words name the origin of the family name, then of the given name.
// "FO" (foreign) stands for Western, as most players mean by it, and for
// Chinese where the other part is already Western.
struct OriginWord {
  const char* pattern;
  Origin family;
  Origin given;
};
constexpr OriginWord kOriginWords[] = {
    {"JAPAN|JA|JP", kJapanese, kJapanese},
    {"CHINA|CH|CN", kChinese, kChinese},
    {"WEST|WE|EN|EP|US|EU", kWestern, kWestern},
    {"FOREIGN|FO|FOR", kWestern, kWestern},
    {"JAFO|JPFO|JF", kJapanese, kWestern},
    {"FOJA|FOJP|FJ", kWestern, kJapanese},
    {"JACH|JPCH|JACN|JC", kJapanese, kChinese},
    {"JAWE|JPWE|JW", kJapanese, kWestern},
    {"CNJA|CHJA|CNJP|CJ", kChinese, kJapanese},
    {"CNWE|CHWE|CW", kChinese, kWestern},
    {"CNFO|CHFO|CF", kChinese, kWestern},
    {"FOWE|FW", kChinese, kWestern},
    {"WEJA|WEJP|WJ", kWestern, kJapanese},
    {"WECN|WECH|WC", kWestern, kChinese},
    {"WEFO|WF", kWestern, kChinese},
    {"FOCN|FOCH|FC", kWestern, kChinese},
};

const Data::Table<Data::ino_name_row>& FamilyNames(Origin origin) {
  switch (origin) {
    case kChinese: return Data::ino_family_chinese;
    case kWestern: return Data::ino_family_western;
    default: return Data::ino_family_japanese;
  }
}

const Data::Table<Data::ino_name_row>& GivenNames(Origin origin, bool male) {
  switch (origin) {
    case kChinese: return male ? Data::ino_given_chinese_male : Data::ino_given_chinese_female;
    case kWestern: return male ? Data::ino_given_western_male : Data::ino_given_western_female;
    default: return male ? Data::ino_given_japanese_male : Data::ino_given_japanese_female;
  }
}

// One of the two origins other than `origin`, by one draw.
Origin OtherOrigin(Origin origin) {
  const int32_t pick = Draw(2);
  switch (origin) {
    case kJapanese: return pick == 0 ? kChinese : kWestern;
    case kChinese: return pick == 0 ? kJapanese : kWestern;
    default: return pick == 0 ? kJapanese : kChinese;
  }
}

}  // namespace

void InoName(BotCommand::BotCommandAbstract& out, const TableWords& words) {
  const NameOptions<OriginWord> options = ReadNameOptions(words, kOriginWords);
  bool male = options.male;
  const bool origin_given = options.origin != nullptr;
  Origin family_origin = origin_given ? options.origin->family : kJapanese;
  Origin given_origin = origin_given ? options.origin->given : kJapanese;
  if (!options.gender_given) male = Draw(2) == 1;
  if (!origin_given) {
    // Mostly Japanese; one in five foreign, Chinese or Western by one draw;
    // and one in twenty with a given name of another origin.
    family_origin = kJapanese;
    if (Draw(5) == 0) family_origin = (Draw(2) & 1) != 0 ? kChinese : kWestern;
    given_origin = family_origin;
    if (Draw(20) == 0) given_origin = OtherOrigin(family_origin);
  }
  const TableRoll family_roll = RollTable(Data::DiceKind::kD66, 36);
  const TableRoll given_roll = RollTable(Data::DiceKind::kD66, 36);
  // The attribute of the bearer's power: one draw after the names, shown
  // after the whole name on a line of its own.
  const char* attribute = Data::ino_attributes.Row(Draw(Data::ino_attributes.rows)).name;
  const Data::ino_name_row& family = FamilyNames(family_origin).Row(family_roll.row);
  const Data::ino_name_row& given = GivenNames(given_origin, male).Row(given_roll.row);

  // A Western family name follows the given name, as it is written in its
  // own language; otherwise the family name comes first. A Western name is
  // written in kana and has no reading of its own, shown as "－".
  const bool given_first = family_origin == kWestern;
  const Data::ino_name_row& first = given_first ? given : family;
  const Data::ino_name_row& second = given_first ? family : given;
  char name[BotCommand::kShortSize], readings[BotCommand::kShortSize], slots[32];
  mirado::FormatText(name, sizeof name, "%s %s", first.name, second.name);
  if (first.reading[0] == '\0' && second.reading[0] == '\0') {
    readings[0] = '\0';
  } else {
    mirado::FormatText(readings, sizeof readings, " (%s %s)", first.reading[0] != '\0' ? first.reading : "－",
                       second.reading[0] != '\0' ? second.reading : "－");
  }
  mirado::FormatText(slots, sizeof slots, "[%d%d,%d%d]", family_roll.tens, family_roll.ones, given_roll.tens,
                     given_roll.ones);
  out.Say("%s %s%s / %s", slots, name, readings, male ? "男性" : "女性");
  out.Say("  属性:%s〈%s〉", name, attribute);
}

}  // namespace Tables
