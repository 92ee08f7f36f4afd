// The DX base-character builder: the two syndromes and the works a player
// names on the line, their abilities summed, with the works' skills and its
// recommended Lois. No dice: a handler because the words are looked up in
// name lists, not rolled. MAKE DX and MAKE DX3 read the third edition's
// works, MAKE DX2 the second edition's; the syndromes are the same.
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string>
#include <utility>

#include "core/text.h"
#include "tables/table_data_list.h"
#include "tables/table_handlers.h"

namespace Tables {
namespace {

// The name lists of the syndromes and of each edition's works.
struct NameList {
  const mirado::LookupEntry* entries;
  std::size_t count;
  bool Find(int32_t* id, const char* word) const { return mirado::LookupFolded(id, word, entries, count); }
};
const NameList kSyndromeNames = {Data::dx_syndrome_names_lookup, Data::dx_syndrome_names_lookup_count};

// The works of one edition and the names that find them.
struct DxDataSet {
  const Data::Table<Data::dx_works_row>& works;
  NameList names;
};

const DxDataSet kDx3 = {Data::dx3_works, {Data::dx3_works_names_lookup, Data::dx3_works_names_lookup_count}};
const DxDataSet kDx2 = {Data::dx2_works, {Data::dx2_works_names_lookup, Data::dx2_works_names_lookup_count}};

// The five {skill, level} pairs of a works row, in order.
constexpr const char* Data::dx_works_row::*kSkills[] = {
    &Data::dx_works_row::skill1, &Data::dx_works_row::skill2, &Data::dx_works_row::skill3,
    &Data::dx_works_row::skill4, &Data::dx_works_row::skill5,
};
constexpr int32_t Data::dx_works_row::*kLevels[] = {
    &Data::dx_works_row::level1, &Data::dx_works_row::level2, &Data::dx_works_row::level3,
    &Data::dx_works_row::level4, &Data::dx_works_row::level5,
};

// What the words of a line name.
struct DxChoice {
  int32_t syndromes[2] = {0, 0};
  int32_t syndrome_count = 0;
  int32_t works = -1;
  int32_t works_count = 0;
};

// Reads words 2 to 4: each is a syndrome when the syndrome names know it,
// else a works when the works names of the edition do. An empty word is
// skipped, and so is a word that names neither: a stray word does not
// spoil a line that names its syndromes. False when a name leads outside
// the syndromes or the works (the line then gets no reply).
bool ReadChoice(const TableWords& words, const DxDataSet& set, DxChoice* choice) {
  for (const char* word : words) {
    if (word[0] == '\0') continue;
    int32_t id = 0;
    if (kSyndromeNames.Find(&id, word)) {
      if (id < 0 || id >= Data::dx_syndromes.rows) return false;
      // A third syndrome is only counted: the line is refused below.
      if (choice->syndrome_count < 2) choice->syndromes[choice->syndrome_count] = id;
      ++choice->syndrome_count;
    } else if (set.names.Find(&id, word)) {
      if (id < 0 || id >= set.works.rows) return false;
      choice->works = id;
      ++choice->works_count;
    }
  }
  return true;
}

// The skill line of a works: every skill with a positive level as
// "<name>LvN ", then its recommended Lois when it has one.
void SaySkills(BotCommand::BotCommandAbstract& out, const Data::dx_works_row& works) {
  char line[BotCommand::kLineSize];
  mirado::BoundedText text(line, sizeof line);
  text.Add("技能:");
  for (std::size_t i = 0; i < std::size(kSkills); ++i) {
    if (works.*kLevels[i] <= 0) continue;
    text.Add("<");
    text.Add(works.*kSkills[i]);
    text.Add(">Lv");
    text.Add(works.*kLevels[i]);
    text.Add(" ");
  }
  if (works.lois[0] != '\0') {
    text.Add(" 推奨ロイス:");
    text.Add(works.lois);
  }
  out.Say("%s", line);
}

void BuildCharacter(BotCommand::BotCommandAbstract& out, const TableWords& words, const DxDataSet& set) {
  DxChoice choice;
  if (!ReadChoice(words, set, &choice)) return;
  // Two syndromes (a pure breed names its one twice) and one works at most:
  // a second works word is no correction of the first but a line that names
  // two, and gets no reply.
  if (choice.syndrome_count != 2 || choice.works_count > 1) return;
  const auto& first = Data::dx_syndromes.Row(choice.syndromes[0]);
  const auto& second = Data::dx_syndromes.Row(choice.syndromes[1]);
  const bool has_works = choice.works >= 0;
  const Data::dx_works_row& works = set.works.Row(choice.works);  // the empty row without a works
  char works_part[BotCommand::kShortSize] = "";
  if (has_works) mirado::FormatText(works_part, sizeof works_part, "（%s）", works.name);
  out.Say("%s/%s%s　肉体:%d 感覚:%d 精神:%d 社会:%d", first.name, second.name, works_part,
          first.body + second.body + works.body, first.sense + second.sense + works.sense,
          first.mind + second.mind + works.mind, first.social + second.social + works.social);
  if (has_works) SaySkills(out, works);
}

}  // namespace

void DxBaseCharacterDx3(BotCommand::BotCommandAbstract& out, const TableWords& words) {
  BuildCharacter(out, words, kDx3);
}

void DxBaseCharacterDx2(BotCommand::BotCommandAbstract& out, const TableWords& words) {
  BuildCharacter(out, words, kDx2);
}

}  // namespace Tables
