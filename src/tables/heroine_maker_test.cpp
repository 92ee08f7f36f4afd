// The heroine maker: its draw order, the two distinct attributes and the
// lists read by the sum of two draws modulo 7.
#include <string>
#include <vector>

#include "tables/table_data_list.h"
#include "tables/table_test_support.h"

namespace Tables {
namespace {

struct Heroine {
  int first, second;               // attributes
  int origin, colour, style, eye;  // rows 0..12
  int person, tone, speech, birthday, impression, role;
};

std::string Reply(const Heroine& h) {
  const auto word = [](const Data::Table<Data::moe_word_row>& list, int row) {
    return std::string(list.Row(row).text);
  };
  return Head() + "【ＮＷ　" + word(Data::moe_name_origin, h.origin) + "の名前を持つ萌えヒロイン】" + Head() +
         "ヒロイン属性：" + Data::moe_attributes.Row(h.first).name + " ＆ " + Data::moe_attributes.Row(h.second).name +
         Head() + "髪の毛／瞳　：" + word(Data::moe_hair_colour, h.colour) + "の" +
         word(Data::moe_hair_style, h.style) + " ／ " + word(Data::moe_eyes, h.eye) + Head() + "人称／口調　：" +
         word(Data::moe_first_person, h.person) + "／" + word(Data::moe_tone, h.tone) + " ／ " +
         Data::moe_speech.Row(h.speech).text + Head() + "誕生日と星座：" + Data::moe_birthday.Row(h.birthday).text +
         Head() + "印象／ロール：" + word(Data::moe_impression, h.impression) + " ／ " + word(Data::moe_role, h.role);
}

// The draws after the attributes: each list row as the pair (0, row) or
// (row - 6, 6), the speech element and the birthday as one draw each.
std::vector<uint32_t> ListDraws(const Heroine& h) {
  std::vector<uint32_t> draws;
  const auto pair = [&](int row) {
    draws.push_back(static_cast<uint32_t>(row <= 6 ? 0 : row - 6));
    draws.push_back(static_cast<uint32_t>(row <= 6 ? row : 6));
  };
  for (int row : {h.origin, h.colour, h.style, h.eye, h.person, h.tone}) pair(row);
  draws.push_back(static_cast<uint32_t>(h.speech));
  draws.push_back(static_cast<uint32_t>(h.birthday));
  pair(h.impression);
  pair(h.role);
  return draws;
}

TEST(HeroineMaker, DrawOrderFirstAndLastRows) {
  const Heroine low = {0, 113, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
  const Heroine high = {113, 0, 12, 12, 12, 12, 12, 12, 37, 11, 12, 12};
  const Heroine middle = {56, 57, 6, 7, 5, 6, 3, 9, 20, 6, 6, 1};
  for (const Heroine& h : {low, high, middle}) {
    testing::Draws draws;
    draws.first = {static_cast<uint32_t>(h.first), static_cast<uint32_t>(h.second)};
    for (uint32_t d : ListDraws(h)) draws.first.push_back(d);
    EXPECT_EQ(Answer("#MAKE MOE", draws), Reply(h));
    EXPECT_EQ(Answer("#MAKE NW MOE", draws), Reply(h));
  }
}

TEST(HeroineMaker, SecondAttributeIsDrawnAgainUntilItDiffers) {
  const Heroine h = {7, 30, 6, 6, 6, 6, 6, 6, 0, 0, 6, 6};
  testing::Draws draws;
  draws.first = {7, 7, 7 + 114, 30};
  for (uint32_t d : ListDraws(h)) draws.first.push_back(d);
  EXPECT_EQ(Answer("#MAKE MOE", draws), Reply(h));
  // A source that keeps giving the same attribute does not hold the maker:
  // after 64 more equal draws it takes the next attribute.
  draws.first.assign(66, 113);
  for (uint32_t d : ListDraws(h)) draws.first.push_back(d);
  Heroine wrapped = h;
  wrapped.first = 113;
  wrapped.second = 0;
  EXPECT_EQ(Answer("#MAKE MOE", draws), Reply(wrapped));
}

TEST(HeroineMaker, WordsThatReachItAndEveryEntry) {
  // NW reaches it only with MOE; MOE is no table.
  EXPECT_EQ(Answer("#MAKE NW", 11), "");
  EXPECT_EQ(Answer("#TABLE MOE", 11), "");
  testing::ExpectEveryRow("#MAKE MOE", Data::moe_attributes, 0);
  testing::ExpectEveryRow("#MAKE MOE", Data::moe_speech, 0);
  // The end rows of the thirteen come up once in 49.
  for (const Data::DataTable* list :
       {&Data::moe_name_origin, &Data::moe_hair_colour, &Data::moe_hair_style, &Data::moe_eyes, &Data::moe_first_person,
        &Data::moe_tone, &Data::moe_impression, &Data::moe_role}) {
    testing::ExpectEveryRow("#MAKE MOE", *list, 0, 6000);
  }
  testing::ExpectEveryRow("#MAKE MOE", Data::moe_birthday, 0);
}

}  // namespace
}  // namespace Tables
