// The tables of the ALS system: circumstances and the shard table. Both
// show the older rules' column beside the ff column.
#include "tables/table_data_list.h"
#include "tables/table_dice.h"
#include "tables/table_handlers.h"

namespace Tables {

// One roll (the second die halved) reads the same row of the birth,
// circumstance, quest and encounter tables. Where the ff rules changed a
// row, both versions are shown, the older one marked (旧).
void AlsCircumstances(BotCommand::BotCommandAbstract& out, const TableWords&) {
  const D66 roll = RollD66();
  const int32_t row = roll.HalfIndex();
  const int32_t a = roll.tens + 1, b = roll.ones + 1;
  const Data::DataTable& birth = Data::als_birth;
  out.Say("出自：[%d,%d]%s", a, b, birth.Text(row, 0));
  if (birth.Text(row, 3)[0] == '\0') {
    out.Say("　　　特徴：%s（%s）", birth.Text(row, 1), birth.Text(row, 2));
  } else {
    out.Say("　　　特徴：(旧)%s（%s）", birth.Text(row, 1), birth.Text(row, 2));
    out.Say("　　　　　　(ff)%s（%s）", birth.Text(row, 3), birth.Text(row, 4));
  }
  const Data::DataTable& circumstance = Data::als_circumstance;
  if (circumstance.Text(row, 1)[0] == '\0') {
    out.Say("境遇：[%d,%d]%s", a, b, circumstance.Text(row, 0));
  } else {
    out.Say("境遇：[%d,%d](旧)%s ／ (ff)%s", a, b, circumstance.Text(row, 0), circumstance.Text(row, 1));
  }
  const Data::DataTable& quest = Data::als_quest;
  if (quest.Text(row, 1)[0] == '\0') {
    out.Say("　　　クエスト：%s", quest.Text(row, 0));
  } else {
    out.Say("　　　クエスト：(旧)%s ／ (ff)%s", quest.Text(row, 0), quest.Text(row, 1));
  }
  const Data::DataTable& encounter = Data::als_encounter;
  out.Say("邂逅：[%d,%d]%s", a, b, encounter.Text(row, 0));
  if (encounter.Text(row, 4)[0] == '\0') {
    out.Say("　　　コネ：%s ／ %s ／ %s", encounter.Text(row, 1), encounter.Text(row, 2), encounter.Text(row, 3));
  } else {
    out.Say("　　　コネ：(旧) %s ／ %s ／ %s", encounter.Text(row, 1), encounter.Text(row, 2), encounter.Text(row, 3));
    out.Say("　　　コネ：(ff) %s ／ %s ／ %s", encounter.Text(row, 4), encounter.Text(row, 5), encounter.Text(row, 6));
  }
}

void AlsShard(BotCommand::BotCommandAbstract& out, const TableWords&) {
  const int32_t colour = Roll2D6();
  const int32_t form = Roll2D6();
  const int32_t place = Roll2D6();
  // The older column is padded to 12 bytes so the ff column lines up.
  out.Say("シャードの色彩：[%2d] (旧)%-12s ／ (ff)%s", colour + 2, Data::als_shard_colour.Text(colour, 0),
          Data::als_shard_colour.Text(colour, 1));
  out.Say("　　　　　形状：[%2d] (旧)%-12s ／ (ff)%s", form + 2, Data::als_shard_form.Text(form, 0),
          Data::als_shard_form.Text(form, 1));
  out.Say("　　　　　場所：[%2d] (旧)%-12s ／ (ff)%s", place + 2, Data::als_shard_place.Text(place, 0),
          Data::als_shard_place.Text(place, 1));
}

}  // namespace Tables
