// The tables of the ALS system: circumstances and the shard table. Both
// show the older rules' column beside the ff column.
#include "tables/table_data_list.h"
#include "tables/table_dice.h"
#include "tables/table_handlers.h"

namespace Tables {

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
