// The short tables of the DH, DX, ALS and DBZ systems: their reply formats
// byte for byte, the first and last rows, and every row turning up.
#include <string>

#include "tables/table_data_list.h"
#include "tables/table_test_support.h"

namespace Tables {
namespace {

using testing::Answer;
using testing::ExpectEveryRow;
using testing::Faces;
using testing::Head;

TEST(DhFumble, TotalsTwoAndTwelveAndEveryRow) {
  EXPECT_EQ(Answer("#T DH FUMBLE", Faces({{6, 0}, {6, 0}})), Head() + Data::dh_fumble.Text(0, 0));
  EXPECT_EQ(Answer("#T DH F", Faces({{6, 5}, {6, 5}})), Head() + Data::dh_fumble.Text(10, 0));
  EXPECT_EQ(std::string(Data::dh_fumble.Text(0, 0)).substr(0, 5), "[ 2] ");
  EXPECT_EQ(std::string(Data::dh_fumble.Text(10, 0)).substr(0, 5), "[12] ");
  ExpectEveryRow("#T DH F", Data::dh_fumble, 0);
}

TEST(DxEmotion, TwoSeparateDraws) {
  const uint32_t seed = 11;
  std::mt19937 r(seed);
  const int positive = static_cast<int>(r() % 20), negative = static_cast<int>(r() % 20);
  EXPECT_EQ(Answer("#T DX2 EMOTION", seed),
            Head() + "感情表：□" + Data::dx_emotion.Text(positive, 0) + " ／ □" + Data::dx_emotion.Text(negative, 1));
  ExpectEveryRow("#T DX FEEL", Data::dx_emotion, 0);
  ExpectEveryRow("#T DX FEEL", Data::dx_emotion, 1);
}

std::string Awakening(uint32_t seed, const std::string& tag, const Data::DataTable& awakenings) {
  std::mt19937 r(seed);
  const int a = static_cast<int>(r() % 10), i = static_cast<int>(r() % 10);
  const int av = awakenings.Number(a, 0), iv = Data::dx_impulse.Number(i, 0);
  return Head() + tag + "覚醒：" + awakenings.Text(a, 1) + "(" + std::to_string(av) + ")／衝動：" +
         Data::dx_impulse.Text(i, 1) + "(" + std::to_string(iv) + ") = 侵蝕率基本値：" + std::to_string(av + iv);
}

TEST(DxAwakening, SettingTagsAndTheLostEdenTable) {
  for (uint32_t seed : {3u, 4u}) {
    EXPECT_EQ(Answer("#T DX AWAKE", seed), Awakening(seed, "", Data::dx_awakening));
    EXPECT_EQ(Answer("#T DX AWAKE le", seed), Awakening(seed, "[ロストエデン]", Data::dx_awakening_le));
    EXPECT_EQ(Answer("#T DX URGE Le", seed), Awakening(seed, "[ロストエデン]", Data::dx_awakening_le));
    EXPECT_EQ(Answer("#T DX AWAKE K", seed), Awakening(seed, "[Ｋ市]", Data::dx_awakening));
    EXPECT_EQ(Answer("#T DX AWAKE s", seed), Awakening(seed, "[Ｓ市]", Data::dx_awakening));
    EXPECT_EQ(Answer("#T DX AWAKE T", seed), Awakening(seed, "[Ｔ市]", Data::dx_awakening));
    EXPECT_EQ(Answer("#T DX AWAKE DC", seed), Awakening(seed, "[魔街]", Data::dx_awakening));
    EXPECT_EQ(Answer("#T DX AWAKE HE", seed), Awakening(seed, "[平安京]", Data::dx_awakening));
    EXPECT_EQ(Answer("#T DX AWAKE hm", seed), Awakening(seed, "[平安京]", Data::dx_awakening));
    EXPECT_EQ(Answer("#T DX AWAKE LEX", seed), Awakening(seed, "", Data::dx_awakening));
  }
  ExpectEveryRow("#T DX AWAKE", Data::dx_awakening, 1);
  ExpectEveryRow("#T DX AWAKE LE", Data::dx_awakening_le, 1);
  ExpectEveryRow("#T DX AWAKE", Data::dx_impulse, 1);
}

// The older column padded with spaces to 12 bytes.
std::string Padded(const char* text) {
  std::string padded = text;
  if (padded.size() < 12) padded.append(12 - padded.size(), ' ');
  return padded;
}

TEST(AlsShard, ThreeTotalsWithTheOlderColumnPadded) {
  const testing::Draws seed = Faces({{6, 0}, {6, 0}, {6, 5}, {6, 5}, {6, 2}, {6, 3}});
  EXPECT_EQ(Answer("#T ALS SHARD", seed),
            Head() + "シャードの色彩：[ 2] (旧)" + Padded(Data::als_shard_colour.Text(0, 0)) + " ／ (ff)" +
                Data::als_shard_colour.Text(0, 1) + Head() + "　　　　　形状：[12] (旧)" +
                Padded(Data::als_shard_form.Text(10, 0)) + " ／ (ff)" + Data::als_shard_form.Text(10, 1) + Head() +
                "　　　　　場所：[ 7] (旧)" + Padded(Data::als_shard_place.Text(5, 0)) + " ／ (ff)" +
                Data::als_shard_place.Text(5, 1));
  ExpectEveryRow("#T ALS SHARD", Data::als_shard_colour, 1);
  ExpectEveryRow("#T ALF SHARD", Data::als_shard_form, 1);
  ExpectEveryRow("#T ALG SHARD", Data::als_shard_place, 1);
}

std::string Bag(int total, const std::string& detail) {
  char head[32];
  std::snprintf(head, sizeof head, "[%02d]", total);
  return "\r\nNOTICE #trpg :taro ->【掘り出し福袋】" + std::string(head) + detail;
}

TEST(DbzLuckyBag, KindsCountsAndGradeRows) {
  // Totals 2 to 4 are magic stones, 7 gold, as the bag's rows say.
  for (int total : {0, 1, 2}) EXPECT_EQ(Data::dbz_bag.Number(total, 1), 1);
  EXPECT_EQ(std::string(Data::dbz_bag.Text(5, 0)), "金貨");
  // Gold: 3 and 4 make 7; no count, 0 or a negative count roll one die.
  testing::Draws seed = Faces({{6, 2}, {6, 3}, {6, 4}});
  for (const char* line : {"#T DBZ BAG", "#T DBZ BAG 0", "#T DB BAG -4", "#T DBZ BAG x"}) {
    EXPECT_EQ(Answer(line, seed), Bag(7, " 金貨:1D6 = 5")) << line;
  }
  seed = Faces({{6, 2}, {6, 3}, {6, 4}, {6, 5}, {6, 0}});
  EXPECT_EQ(Answer("#T DBZ BAG 3", seed), Bag(7, " 金貨:3D6 = 12"));
  // A magic stone: the stone die after the total; the count is shown.
  seed = Faces({{6, 0}, {6, 0}, {6, 5}});
  EXPECT_EQ(Answer("#T DBZ BAG 4", seed), Bag(2, std::string("[6]《") + Data::dbz_stones.Text(5, 0) + "》:4"));
  // Materials (total 8, 鉱石): three ones read the first grade row, five
  // sixes (30) the last; one die of 2 is below 3 and reads the first too.
  const std::string ore = Data::dbz_bag.Text(6, 0);
  auto grades = [&](int sum, int row) {
    char text[128];
    std::snprintf(text, sizeof text, "[%02d]《%s１》:%d 《%s２》:%d 《%s３》:%d", sum, ore.c_str(),
                  Data::dbz_grades.Number(row, 0), ore.c_str(), Data::dbz_grades.Number(row, 1), ore.c_str(),
                  Data::dbz_grades.Number(row, 2));
    return std::string(text);
  };
  seed = Faces({{6, 2}, {6, 4}, {6, 0}, {6, 0}, {6, 0}});
  EXPECT_EQ(Answer("#T DBZ BAG 3", seed), Bag(8, grades(3, 0)));
  seed = Faces({{6, 2}, {6, 4}, {6, 1}});
  EXPECT_EQ(Answer("#T DBZ BAG", seed), Bag(8, grades(2, 0)));
  // Six dice of 5, 5, 5, 5, 5 and 5 make 30.
  seed = Faces({{6, 2}, {6, 4}, {6, 4}, {6, 4}, {6, 4}, {6, 4}, {6, 4}, {6, 4}});
  EXPECT_EQ(Answer("#T DBZ BAG 6", seed), Bag(8, grades(30, 15)));
  // More dice than any bag holds: no answer instead of a long roll.
  EXPECT_EQ(Answer("#T DBZ BAG 100", 3).empty(), false);
  EXPECT_EQ(Answer("#T DBZ BAG 101", 3), "");
  EXPECT_EQ(Answer("#T DBZ BAG 99999999999", 3), "");
  ExpectEveryRow("#T DBZ BAG", Data::dbz_stones, 0);
}

}  // namespace
}  // namespace Tables
