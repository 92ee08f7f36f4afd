// The heroine maker: a heroine of the night's stories from her two
// attributes, looks, way of speaking, birthday, impression and role.
//
// Draws, in order: two attributes (the second drawn again until it differs
// from the first), then the name origin, hair colour, hair style, eyes,
// first-person word and tone, each the sum of two draws modulo 7 (so the
// middle rows of their thirteen come up most), the second speech element
// (one draw modulo its 38), the birthday (modulo 12), and the impression
// and role (sums of two draws modulo 7).
#include "core/random_source.h"
#include "tables/table_data_list.h"
#include "tables/table_handlers.h"
#include "tables/table_kit.h"

namespace Tables {
namespace {

using RandomSource::Draw;

// One of the thirteen rows of a list by the sum of two draws modulo 7.
const char* BellRow(const Data::Table<Data::moe_word_row>& list) {
  const int32_t first = Draw(7);
  return list.Row(first + Draw(7)).text;
}

// A generator that kept giving the same attribute would never let the second
// draw end; after this many equal draws the next attribute in the list is
// taken instead (a real generator never comes near it).
constexpr int kMostRedraws = 64;

}  // namespace

void HeroineMaker(BotCommand::BotCommandAbstract& out, const TableWords&) {
  const int32_t attributes = Data::moe_attributes.rows;
  const int32_t first = Draw(attributes);
  int32_t second = Draw(attributes);
  for (int i = 0; second == first && i < kMostRedraws; ++i) second = Draw(attributes);
  if (second == first) second = (first + 1) % attributes;
  const char* origin = BellRow(Data::moe_name_origin);
  const char* hair_colour = BellRow(Data::moe_hair_colour);
  const char* hair_style = BellRow(Data::moe_hair_style);
  const char* eyes = BellRow(Data::moe_eyes);
  const char* first_person = BellRow(Data::moe_first_person);
  const char* tone = BellRow(Data::moe_tone);
  const char* speech = Data::moe_speech.Row(Draw(Data::moe_speech.rows)).text;
  const char* birthday = Data::moe_birthday.Row(Draw(Data::moe_birthday.rows)).text;
  const char* impression = BellRow(Data::moe_impression);
  const char* role = BellRow(Data::moe_role);

  if (!out.Say("【ＮＷ　%sの名前を持つ萌えヒロイン】", origin)) return;
  if (!out.Say("ヒロイン属性：%s ＆ %s", Data::moe_attributes.Row(first).name, Data::moe_attributes.Row(second).name)) {
    return;
  }
  if (!out.Say("髪の毛／瞳　：%sの%s ／ %s", hair_colour, hair_style, eyes)) return;
  if (!out.Say("人称／口調　：%s／%s ／ %s", first_person, tone, speech)) return;
  if (!out.Say("誕生日と星座：%s", birthday)) return;
  out.Say("印象／ロール：%s ／ %s", impression, role);
}

}  // namespace Tables
