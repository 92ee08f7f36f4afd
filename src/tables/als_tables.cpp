// The tables of the ALS system: circumstances and the shard table. Both
// show the older rules' column beside the ff column. Handlers because their
// lines change with what the ff column holds.
#include "tables/table_data_list.h"
#include "tables/table_handlers.h"
#include "tables/table_kit.h"

namespace Tables {

// One roll (the second die halved) reads the same row of the birth,
// circumstance, quest and encounter tables. Where the ff rules changed a
// row, both versions are shown, the older one marked (旧).
void AlsCircumstances(BotCommand::BotCommandAbstract& out, const TableWords&) {
  const TableRoll roll = RollTable(Data::DiceKind::kHalfD66, 18);
  const int32_t a = roll.tens, b = roll.ones;
  const auto& birth = Data::als_birth.Row(roll.row);
  out.Say("出自：[%d,%d]%s", a, b, birth.birth);
  if (birth.ff_feature[0] == '\0') {
    out.Say("　　　特徴：%s（%s）", birth.feature, birth.note);
  } else {
    out.Say("　　　特徴：(旧)%s（%s）", birth.feature, birth.note);
    out.Say("　　　　　　(ff)%s（%s）", birth.ff_feature, birth.ff_note);
  }
  const auto& circumstance = Data::als_circumstance.Row(roll.row);
  if (circumstance.ff[0] == '\0') {
    out.Say("境遇：[%d,%d]%s", a, b, circumstance.older);
  } else {
    out.Say("境遇：[%d,%d](旧)%s ／ (ff)%s", a, b, circumstance.older, circumstance.ff);
  }
  const auto& quest = Data::als_quest.Row(roll.row);
  if (quest.ff[0] == '\0') {
    out.Say("　　　クエスト：%s", quest.older);
  } else {
    out.Say("　　　クエスト：(旧)%s ／ (ff)%s", quest.older, quest.ff);
  }
  const auto& encounter = Data::als_encounter.Row(roll.row);
  out.Say("邂逅：[%d,%d]%s", a, b, encounter.encounter);
  if (encounter.ff1[0] == '\0') {
    out.Say("　　　コネ：%s ／ %s ／ %s", encounter.conn1, encounter.conn2, encounter.conn3);
  } else {
    out.Say("　　　コネ：(旧) %s ／ %s ／ %s", encounter.conn1, encounter.conn2, encounter.conn3);
    out.Say("　　　コネ：(ff) %s ／ %s ／ %s", encounter.ff1, encounter.ff2, encounter.ff3);
  }
}

namespace {

// One 2D6 roll on a two-column shard table; the older column is padded to
// 12 bytes so the ff column lines up.
template <typename Shard>
void SayShard(BotCommand::BotCommandAbstract& out, const char* title, const Shard& table) {
  const TableRoll roll = RollTable(Data::DiceKind::k2D6, 11);
  const auto& row = table.Row(roll.row);
  out.Say("%s：[%2d] (旧)%-12s ／ (ff)%s", title, roll.shown, row.older, row.ff);
}

}  // namespace

void AlsShard(BotCommand::BotCommandAbstract& out, const TableWords&) {
  SayShard(out, "シャードの色彩", Data::als_shard_colour);
  SayShard(out, "　　　　　形状", Data::als_shard_form);
  SayShard(out, "　　　　　場所", Data::als_shard_place);
}

}  // namespace Tables
