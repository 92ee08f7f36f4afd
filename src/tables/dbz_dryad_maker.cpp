// The dryad maker of the DBZ system: a plant spirit's name, gender, apparent
// age and personality, with the personality groups it gets on with. A
// handler because five dice read five tables and the age rolls its own dice.
#include "core/random_source.h"
#include "core/text.h"
#include "tables/table_data_list.h"
#include "tables/table_handlers.h"
#include "tables/table_kit.h"

namespace Tables {
namespace {

constexpr int32_t kGroups = 6;

// The apparent age: the first count of D6, times the second count of D6
// when there is one, plus the addend; `formula` shows the rolled sums
// ("4+9", "7*8").
int32_t RollAge(const Data::dbz_dryad_ages_row& rule, char* formula, std::size_t size) {
  mirado::BoundedText shown(formula, size);
  int32_t age = RandomSource::RollSum(rule.first, 6, false);
  shown.Add(age);
  if (rule.second != 0) {
    const int32_t second = RandomSource::RollSum(rule.second, 6, false);
    shown.Add("*");
    shown.Add(second);
    age *= second;
  }
  if (rule.addend != 0) {
    // A negative addend shows its own sign.
    if (rule.addend > 0) shown.Add("+");
    shown.Add(rule.addend);
    age += rule.addend;
  }
  return age;
}

// The personality's compatibility: its own text, or each group's name
// followed by ○ (gets on) or × (does not), joined by "/".
void WriteCompatibility(const Data::dbz_dryad_personalities_row& personality, char* text, std::size_t size) {
  if (personality.compatibility[0] != '\0') {
    mirado::CopyText(text, size, personality.compatibility);
    return;
  }
  const int32_t flags[kGroups] = {personality.with_hot,     personality.with_gloomy, personality.with_love,
                                  personality.with_natural, personality.with_fickle, personality.with_stubborn};
  mirado::BoundedText written(text, size);
  for (int32_t group = 0; group < kGroups; ++group) {
    if (group > 0) written.Add("/");
    written.Add(Data::dbz_dryad_groups.Row(group).name);
    written.Add(flags[group] != 0 ? "○" : "×");
  }
}

}  // namespace

void DbzDryad(BotCommand::BotCommandAbstract& out, const TableWords&) {
  // Five dice in this order: group, personality, gender, name, age rule.
  const TableRoll group = RollTable(Data::DiceKind::k1D6, kGroups);
  const TableRoll kind = RollTable(Data::DiceKind::k1D6, 6);
  const TableRoll gender = RollTable(Data::DiceKind::k1D6, 6);
  const TableRoll name = RollTable(Data::DiceKind::k1D6, 6);
  const TableRoll age_rule = RollTable(Data::DiceKind::k1D6, 6);

  const bool male = Data::dbz_dryad_genders.Row(gender.row).male != 0;
  const auto& names = Data::dbz_dryad_names.Row(group.row, name.row);
  char formula[BotCommand::kShortSize];
  const int32_t age = RollAge(Data::dbz_dryad_ages.Row(age_rule.row), formula, sizeof formula);
  const auto& personality = Data::dbz_dryad_personalities.Row(group.row, kind.row);
  char compatibility[BotCommand::kShortSize];
  WriteCompatibility(personality, compatibility, sizeof compatibility);

  if (!out.Say("【ダークブレイズ ドライアド作成】名前:[%d]%s 性別:[%d]%s 外見:[%d]%s=%d歳", name.shown,
               male ? names.male : names.female, gender.shown, male ? "男" : "女", age_rule.shown, formula, age)) {
    return;
  }
  out.Say("性格:[%d%d]%s/%s 満足:%d/%d/%d 不満足:%d/%d/%d 相性:%s", group.shown, kind.shown,
          Data::dbz_dryad_groups.Row(group.row).name, personality.name, personality.satisfied1, personality.satisfied2,
          personality.satisfied3, personality.unsatisfied1, personality.unsatisfied2, personality.unsatisfied3,
          compatibility);
}

}  // namespace Tables
