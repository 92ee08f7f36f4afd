// Drawing through whole decks: orders checked against an independent
// MT19937 (std::mt19937), exhaustion and the next order, jokers, face-down
// routing, and deck records damaged by hand.
#include <gtest/gtest.h>

#include <random>
#include <set>
#include <string>
#include <vector>

#include "cards/deck_clock.h"
#include "core/settings_store.h"
#include "support/test_support.h"

namespace Cards {
namespace {

using mirado::testing::CallCommand;
using mirado::testing::Lines;
using mirado::testing::PinnedRandom;
using mirado::testing::TempSettings;

int64_t g_now = 0;
int64_t FixedClock() { return g_now; }

// The deck clock fixed at `now` for the life of the object.
class FixedTime {
 public:
  explicit FixedTime(int64_t now) {
    g_now = now;
    SetClockForTesting(FixedClock);
  }
  ~FixedTime() { SetClockForTesting(nullptr); }
};

// The order a deck of `size` cards has for `seed`: each position swapped
// with the reference generator's next output modulo the size.
std::vector<int> ReferenceOrder(uint32_t seed, int size) {
  std::mt19937 reference(seed);
  std::vector<int> order(size);
  for (int i = 0; i < size; ++i) order[i] = i;
  for (int i = 0; i < size; ++i) std::swap(order[i], order[reference() % static_cast<uint32_t>(size)]);
  return order;
}

std::string StandardName(int card) {
  static const char* const suits[] = {"スペード", "クラブ", "ハート", "ダイヤ"};
  static const char* const ranks[] = {"Ａ", "２", "３", "４", "５", "６", "７", "８", "９", "10", "Ｊ", "Ｑ", "Ｋ"};
  if (card == 52) return "ジョーカー(黒)";
  if (card == 53) return "ジョーカー(赤)";
  return std::string(suits[card / 13]) + "の" + ranks[card % 13];
}

std::string Draw(const std::string& nick = "taro", const std::string& channel = "#trpg", const char* word = "") {
  return CallCommand(nick, channel, std::string("#CARD ") + word);
}

std::string Stored(const TempSettings& settings, const char* section, const char* key = "#trpg") {
  return SettingsStore::ReadString(settings.path().c_str(), section, key, "<none>");
}

TEST(DrawCard, WholeStandardDeckThenANewOrder) {
  TempSettings settings;
  FixedTime time(1000);
  ASSERT_EQ("\r\nNOTICE #trpg :デッキを設定しました。", Draw("taro", "#trpg", "SET 0"));
  EXPECT_EQ("1000", Stored(settings, "CardShuffle"));
  const std::vector<int> order = ReferenceOrder(1000, 52);
  std::set<std::string> seen;
  for (int i = 0; i < 51; ++i) {
    const std::string expected =
        "\r\nNOTICE #trpg :taro -> " + StandardName(order[i]) + " （残り" + std::to_string(51 - i) + "/52）";
    ASSERT_EQ(expected, Draw()) << "draw " << i + 1;
    seen.insert(StandardName(order[i]));
  }
  // The last card comes with the notice, and a new seed is stored with it.
  g_now = 2000;
  EXPECT_EQ("\r\nNOTICE #trpg :taro -> " + StandardName(order[51]) +
                " （残り0/52）\r\nNOTICE #trpg :カードが尽きました。デッキを再設定します。",
            Draw());
  seen.insert(StandardName(order[51]));
  EXPECT_EQ(52u, seen.size());
  EXPECT_EQ("2000", Stored(settings, "CardShuffle"));
  EXPECT_EQ("0", Stored(settings, "CardCount"));
  EXPECT_EQ("\r\nNOTICE #trpg :taro -> " + StandardName(ReferenceOrder(2000, 52)[0]) + " （残り51/52）", Draw());
}

TEST(DrawCard, JokersByOption) {
  TempSettings settings;
  FixedTime time(77);
  const struct {
    const char* option;
    int size;
  } cases[] = {{"1", 53}, {"2", 54}, {"5", 54}, {"-1", 52}, {"x", 52}};
  for (const auto& c : cases) {
    Draw("taro", "#trpg", (std::string("SET STD ") + c.option).c_str());
    std::set<std::string> names;
    for (int i = 0; i < c.size; ++i) {
      const auto lines = Lines(Draw());
      ASSERT_FALSE(lines.empty());
      const std::string& line = lines[0];
      const std::string tail = "/" + std::to_string(c.size) + "）";
      ASSERT_EQ(tail, line.substr(line.size() - tail.size())) << c.option;
      names.insert(line.substr(0, line.find(" （")));
    }
    EXPECT_EQ(static_cast<std::size_t>(c.size), names.size()) << c.option;
    EXPECT_EQ(c.size >= 53, names.count("NOTICE #trpg :taro -> ジョーカー(黒)") == 1) << c.option;
    EXPECT_EQ(c.size == 54, names.count("NOTICE #trpg :taro -> ジョーカー(赤)") == 1) << c.option;
  }
}

TEST(DrawCard, FaceDownGoesToTheDrawerAndExhaustsTheChannelsDeck) {
  TempSettings settings;
  settings.Write("[CardShuffle]\r\n#a=5\r\n[CardCount]\r\n#a=21\r\n[CardMode1]\r\n#a=CST\r\n");
  FixedTime time(9);
  const std::string reply = Draw("Taro", "#a", "B");
  const auto lines = Lines(reply);
  ASSERT_EQ(3u, lines.size()) << reply;
  EXPECT_EQ("NOTICE #a :Taro -> 裏向きでドローしました。", lines[0]);
  EXPECT_EQ(0u, lines[1].rfind("NOTICE Taro :[#a] Taro -> ", 0)) << lines[1];
  EXPECT_NE(std::string::npos, lines[1].find("（残り0/22）"));
  EXPECT_EQ("NOTICE Taro :カードが尽きました。デッキを再設定します。", lines[2]);
  EXPECT_EQ("9", Stored(settings, "CardShuffle", "#a"));
  EXPECT_EQ("<none>", Stored(settings, "CardShuffle", "Taro"));
}

TEST(DrawCard, OrientationComesFromAFreshSeed) {
  TempSettings settings;
  settings.Write("[CardShuffle]\r\n#trpg=1000\r\n[CardMode1]\r\n#trpg=MAJOR\r\n");
  // The pinned clock reseeds the generator: seed 5489 starts with an even
  // output (upright), seed 1 with an odd one (reversed).
  {
    PinnedRandom pinned(5489);
    ASSERT_EQ(0u, pinned.Reference()() % 2);
    EXPECT_EQ("\r\nNOTICE #trpg :taro -> ０.《愚者／The Fool》正位置（残り21/22）", Draw());
  }
  PinnedRandom pinned(1);
  ASSERT_EQ(1u, pinned.Reference()() % 2);
  EXPECT_EQ("\r\nNOTICE #trpg :taro -> 21.《世界／The World》逆位置（残り20/22）", Draw());
}

// Records edited by hand never deal from an order their count does not
// belong to: the deck starts over from the clock's seed.
TEST(DrawCard, DamagedRecordsStartOver) {
  TempSettings settings;
  FixedTime time(4242);
  const std::string fresh_card = StandardName(ReferenceOrder(4242, 52)[0]);
  const std::string unreadable = "\r\nNOTICE #trpg :デッキの記録が読み取れないため、デッキを再設定します。";
  const std::string exhausted = "\r\nNOTICE #trpg :カードが尽きました。デッキを再設定します。";
  const struct {
    const char* seed;
    const char* count;
    std::string notice;
  } cases[] = {
      {"abc", "3", unreadable},
      {"12x", "0", unreadable},
      {"1000", "-3", unreadable},
      {"1000", "two", unreadable},
      {"99999999999999", "1", unreadable},
      {nullptr, "5", unreadable},
      {"1000", "52", exhausted},
      {"1000", "999999999999", exhausted},
  };
  for (const auto& c : cases) {
    std::string ini = "[CardMode1]\r\n#trpg=STD\r\n[CardCount]\r\n#trpg=" + std::string(c.count) + "\r\n";
    if (c.seed != nullptr) ini += "[CardShuffle]\r\n#trpg=" + std::string(c.seed) + "\r\n";
    settings.Write(ini);
    EXPECT_EQ(c.notice + "\r\nNOTICE #trpg :taro -> " + fresh_card + " （残り51/52）", Draw())
        << (c.seed ? c.seed : "no seed") << " / " << c.count;
    EXPECT_EQ("4242", Stored(settings, "CardShuffle"));
    EXPECT_EQ("1", Stored(settings, "CardCount"));
  }
}

TEST(DrawCard, SeedsReadAsTheyWereWritten) {
  TempSettings settings;
  FixedTime time(31);
  // A deck without a seed and no card dealt takes one and keeps it.
  settings.Write("[CardMode1]\r\n#trpg=STD\r\n");
  EXPECT_EQ("\r\nNOTICE #trpg :taro -> " + StandardName(ReferenceOrder(31, 52)[0]) + " （残り51/52）", Draw());
  EXPECT_EQ("31", Stored(settings, "CardShuffle"));
  // A seed past 2^31 (written after 2038) and its unsigned form agree.
  const std::string expected =
      "\r\nNOTICE #trpg :taro -> " + StandardName(ReferenceOrder(4294967295u, 52)[0]) + " （残り51/52）";
  settings.Write("[CardMode1]\r\n#trpg=STD\r\n[CardShuffle]\r\n#trpg=-1\r\n");
  EXPECT_EQ(expected, Draw());
  settings.Write("[CardMode1]\r\n#trpg=STD\r\n[CardShuffle]\r\n#trpg=4294967295\r\n");
  EXPECT_EQ(expected, Draw());
}

TEST(DrawCard, FailedWritesClaimNothing) {
  TempSettings settings;
  settings.Write("[CardMode1]\r\n#trpg=STD\r\n[CardShuffle]\r\n#trpg=1\r\n");
  // The same file, read through a folder that cannot be written.
  SettingsStore::SetModuleDirectory(settings.dir() + "missing/");
  const std::string failed = "\r\nNOTICE #trpg :taro -> " + std::string(SettingsStore::WriteFailureMessage());
  EXPECT_EQ(failed, Draw("taro", "#trpg", "SET 0"));
  EXPECT_EQ(failed, Draw("taro", "#trpg", "RESET"));
  SettingsStore::SetModuleDirectory(settings.dir());
}

}  // namespace
}  // namespace Cards
