// The name table of the DX system: a code name and a personal name, with
// family and given names of Japanese or foreign origin, chosen by weight. A
// handler because the lists are chosen by option words and draws.
#include <string>

#include "core/random_source.h"
#include "core/text.h"
#include "tables/name_options.h"
#include "tables/table_data_list.h"
#include "tables/table_handlers.h"
#include "tables/table_kit.h"

namespace Tables {
namespace {

// Option words for the origin of the two names (a later word overrides an
// earlier one).
struct Origins {
  const char* pattern;
  bool foreign_family;
  bool foreign_given;
};
constexpr Origins kOrigins[] = {
    {"JAPAN|JA|JP", false, false},
    {"FOREIGN|FO|FOR", true, true},
    {"JAFO|JPFO|JF", false, true},
    {"FOJA|FOJP|FJ", true, false},
};

// The kind byte of a name record: a Japanese name has a kana reading, a
// foreign one a reading in Latin letters.
constexpr int32_t kForeignKind = 1;

using RandomSource::Draw;

}  // namespace

void DxName(BotCommand::BotCommandAbstract& out, const TableWords& words) {
  const NameOptions<Origins> options = ReadNameOptions(words, kOrigins);
  bool male = options.male;
  const bool origin_given = options.origin != nullptr;
  bool foreign_family = origin_given && options.origin->foreign_family;
  bool foreign_given = origin_given && options.origin->foreign_given;
  if (!options.gender_given) male = Draw(2) == 1;
  if (!origin_given) {
    // Mostly Japanese: one in five is wholly foreign, and one in 25 of the
    // rest has a foreign family name.
    if (Draw(5) == 0) {
      foreign_family = foreign_given = true;
    } else {
      foreign_given = false;
      foreign_family = Draw(25) == 0;
    }
  }
  const Data::Table<Data::dx_name_row>& given_names =
      foreign_given ? (male ? Data::dx_given_foreign_male : Data::dx_given_foreign_female)
                    : (male ? Data::dx_given_japanese_male : Data::dx_given_japanese_female);
  const Data::Table<Data::dx_name_row>& family_names =
      foreign_family ? Data::dx_family_foreign : Data::dx_family_japanese;
  int32_t given_slot = 0, family_slot = 0;
  const Data::dx_name_row& given = given_names.Row(DrawWeighted(given_names, &Data::dx_name_row::weight, &given_slot));
  const Data::dx_name_row& family =
      family_names.Row(DrawWeighted(family_names, &Data::dx_name_row::weight, &family_slot));
  const int32_t code = Draw(Data::dx_code_names.rows);

  // A foreign family name follows the given name, as it is written in its
  // own language; otherwise the family name comes first. The readings
  // follow the names, set apart by a comma where kana meets Latin letters.
  const bool given_first = family.kind == kForeignKind;
  const bool mixed = family.kind != given.kind;
  const Data::dx_name_row& first = given_first ? given : family;
  const Data::dx_name_row& second = given_first ? family : given;
  char names[BotCommand::kShortSize], readings[BotCommand::kShortSize];
  mirado::FormatText(names, sizeof names, "%s %s", first.name, second.name);
  if (mixed) {
    mirado::FormatText(readings, sizeof readings, "%s, %s", first.reading, second.reading);
  } else {
    mirado::FormatText(readings, sizeof readings, "%s %s", first.reading, second.reading);
  }
  const auto& code_name = Data::dx_code_names.Row(code);
  out.Say("[%02d]   \"%s(%s)\"", code + 1, code_name.name, code_name.reading);
  out.Say("[%02d,%02d] %s (%s) / %s", (family_slot + 1) % 100, (given_slot + 1) % 100, names, readings,
          male ? "男性" : "女性");
}

}  // namespace Tables
