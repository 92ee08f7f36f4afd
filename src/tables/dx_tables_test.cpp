// The DX emotion and awakening tables: their draws and the setting tags.
#include <string>

#include "tables/table_data_list.h"
#include "tables/table_test_support.h"

namespace Tables {
namespace {

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

}  // namespace
}  // namespace Tables
