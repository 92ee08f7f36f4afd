// The tables of the TENKA system that are more than one described row: the
// cat's answer (its line speaks as the speaker's cat, "<name>猫 ->", so it is
// not written through Say), the name table (a gender word and four
// dice over two lists) and the life path (three half-die tables rolled
// together, then one more die for whom the encounter names). The cover table
// is described by its data file.
#include <string>

#include "core/random_source.h"
#include "tables/table_data_list.h"
#include "tables/table_handlers.h"
#include "tables/table_kit.h"
#include "tables/tables.h"

namespace Tables {

void TenkaCat(BotCommand::BotCommandAbstract& out, const TableWords&) {
  const std::string cat = std::string(out.Name()) + "猫";
  out.Reply.Notice(out.ReplyTarget != nullptr ? out.ReplyTarget : "", cat, "「にゃー。」");
}

// Word 3 names the gender; any other word leaves it to one draw. The family
// name is read with the second die as its tens, the given name likewise.
void TenkaName(BotCommand::BotCommandAbstract& out, const TableWords& words) {
  using RandomSource::Draw;
  bool male = true;
  ParseGender(&male, words[1], true);
  const int32_t a = Draw(6), b = Draw(6), c = Draw(6), d = Draw(6);
  const auto& family = Data::tenka_family_names.Row(b * 6 + a);
  const auto& given = Data::tenka_given_names.Row(male ? 0 : 1, d * 6 + c);
  out.Say("名前:[%d%d,%d%d] %s%s（%s %s） 性別:%s", b + 1, a + 1, d + 1, c + 1, family.name, given.name, family.reading,
          given.reading, male ? "男" : "女");
}

// The six dice are drawn all units first, then all tens, in the order birth,
// circumstance, encounter; the encounter's last die picks one of its two or
// three people.
void TenkaLifePath(BotCommand::BotCommandAbstract& out, const TableWords&) {
  using RandomSource::Draw;
  int32_t units[3], tens[3];
  for (int32_t& die : units) die = Draw(6);
  for (int32_t& die : tens) die = Draw(6);
  const auto row = [&](int32_t i) { return tens[i] * 3 + units[i] / 2; };
  const auto& birth = Data::tenka_birth.Row(row(0));
  const auto& circumstance = Data::tenka_circumstance.Row(row(1));
  const auto& encounter = Data::tenka_encounter.Row(row(2));
  const char* const people[] = {encounter.person1, encounter.person2, encounter.person3};
  const int32_t person = Draw(encounter.person3[0] != '\0' ? 3 : 2);
  out.Say("ライフパス／出自:[%d%d] %-12s ／ 特徴: %s", tens[0] + 1, units[0] + 1, birth.name, birth.feature);
  out.Say("　　　　　／境遇:[%d%d] %-12s ／ 宿星: %s", tens[1] + 1, units[1] + 1, circumstance.name, circumstance.star);
  out.Say("　　　　　／邂逅:[%d%d] %-12s ／ 対象: %s", tens[2] + 1, units[2] + 1, encounter.name, people[person]);
}

}  // namespace Tables
