// The dice pool: set-up sizes against the reference generator, every
// sub-command word and short form, die notations, the pool's bound, and
// pool entries damaged by hand.
#include <gtest/gtest.h>
#ifndef _WIN32
#include <unistd.h>
#endif

#include <algorithm>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "core/random_source.h"
#include "core/settings_store.h"
#include "core/text.h"
#include "pool/pool.h"
#include "pool/pool_dice_text.h"
#include "pool/pool_kinds.h"
#include "support/test_support.h"

namespace PoolCommand {
namespace {

using mirado::testing::CallCommand;
using mirado::testing::Lines;
using mirado::testing::TempSettings;

std::string Pool(const std::string& words, const std::string& channel = "#trpg") {
  return CallCommand("taro", channel, "#POOL " + words);
}

std::string Stored(const TempSettings& settings, const char* section = kPoolSection) {
  return SettingsStore::ReadString(settings.path().c_str(), section, "#trpg", "<none>", 4096);
}

std::string Joined(const char* colour, std::vector<int> faces) {
  std::sort(faces.begin(), faces.end());
  std::string text;
  for (int face : faces) text += colour + std::to_string(face) + " ";
  return text;
}

// The set-up draws black, then white, from wherever the generator stands.
TEST(PoolDice, SetupSizesAndFacesFollowTheGenerator) {
  TempSettings settings;
  const struct {
    const char* words;
    int players;
  } cases[] = {{"SET FIASCO", 4},   {"SET FIASCO 1", 1},  {"SET FIASCO 10", 10}, {"SET FIASCO 11", 4},
               {"SET FIASCO 0", 4}, {"SET FIASCO -3", 4}, {"SET FIASCO x", 4},   {"SET fiasco ３", 3}};
  for (const auto& c : cases) {
    RandomSource::Seed(777);
    std::mt19937 reference(777);
    std::vector<int> black, white;
    for (int i = 0; i < 2 * c.players; ++i) {
      black.push_back(static_cast<int>(reference() % 6) + 1);
      white.push_back(static_cast<int>(reference() % 6) + 1);
    }
    const auto lines = Lines(Pool(c.words));
    ASSERT_EQ(3u, lines.size()) << c.words;
    EXPECT_EQ("NOTICE #trpg :#trpg のダイスプールを Fiasco（" + std::to_string(c.players) + "人用）にセットしました。",
              lines[0]);
    // Stored with a space after each die; the reader trims the last one.
    const std::string stored = Joined("B", black) + Joined("W", white);
    EXPECT_EQ(stored.substr(0, stored.size() - 1), Stored(settings)) << c.words;
    EXPECT_EQ("Fiasco", Stored(settings, kPoolModeSection));
    std::sort(black.begin(), black.end());
    std::string display = "NOTICE #trpg :黒：";
    for (int face : black) display += "[B" + std::to_string(face) + "]";
    EXPECT_EQ(display, lines[1]);
  }
}

// Each word, and the short forms, reach their operation.
TEST(PoolDice, EverySubCommandWord) {
  TempSettings settings;
  const std::string no_pool = "\r\nNOTICE #trpg :ダイスプールがセットされていません。";
  const std::string deleted = "\r\nNOTICE #trpg :#trpg のダイスプールを削除しました。";
  for (const char* word : {"?", "CONFIRM", "confirm", "RESET", "reset 3", "B3", "ADD B3", "PUSH B3", "< B3", "<B3",
                           "GET B3", "POP B3", "> B3", ">B3", "REMOVE B3", "REMOV B3", "RM B3", "REM B3", "REMOVEB3"}) {
    EXPECT_EQ(no_pool, Pool(word)) << word;
  }
  for (const char* word : {"DEL", "DELETE", "INI", "INIT", "INIIALIZ", "INITIALIZ", "INITIALIZE", "del"}) {
    EXPECT_EQ(deleted, Pool(word)) << word;
  }
  for (const char* word : {"SET", "="}) {
    EXPECT_EQ("\r\nNOTICE #trpg :ダイスプールの種別を指定してください。", Pool(word)) << word;
  }
  for (const char* word : {"SET FIASCO", "= FIASCO", "=FIASCO", "SET Fiasco 2", "=fiasco 2", "ＳＥＴ ｆｉａｓｃｏ"}) {
    settings.Write("");
    EXPECT_EQ(3u, Lines(Pool(word)).size()) << word;
    EXPECT_EQ("Fiasco", Stored(settings, kPoolModeSection)) << word;
  }
  const std::string wrong_kind =
      "\r\nNOTICE #trpg :ダイスプール種別の取得に失敗しました。種別名にミスが無いか確認して下さい。";
  EXPECT_EQ(wrong_kind, Pool("SET FIASCOS"));
  // "INITIAL" is no word of the pool: it is read as a die to add, and is
  // none, so the pool is left as it is without an answer.
  EXPECT_EQ("", Pool("INITIAL"));
  EXPECT_EQ("Fiasco", Stored(settings, kPoolModeSection));
  settings.Write("[Pool.Mode]\r\n#trpg=Dungeon\r\n");
  EXPECT_EQ(wrong_kind, Pool("?"));
  // Deleting needs no kind.
  EXPECT_EQ(deleted, Pool("DEL"));
  EXPECT_EQ("<none>", Stored(settings, kPoolModeSection));
}

TEST(PoolDice, AddAndRemoveWithFacesPresentAndAbsent) {
  TempSettings settings;
  settings.Write("[Pool]\r\n#trpg=B2 W4 \r\n[Pool.Mode]\r\n#trpg=Fiasco\r\n");
  EXPECT_EQ(
      "\r\nNOTICE #trpg :ダイスプールに 黒[6][1] を追加しました。"
      "\r\nNOTICE #trpg :　　プール：B1 B2 B6 W4",
      Pool("ADD B6 x B1 W"));
  EXPECT_EQ(
      "\r\nNOTICE #trpg :ダイスプールに 白[3] を追加しました。"
      "\r\nNOTICE #trpg :　　プール：B1 B2 B6 W3 W4",
      Pool("w:3"));
  EXPECT_EQ(
      "\r\nNOTICE #trpg :ダイスプールから 2個 取り除きました。（残り3個）"
      "\r\nNOTICE #trpg :　　プール：B1 B6 W3",
      Pool("GET W4 B5 B2 W4"));
  // Nothing readable as a die: no answer and no change.
  EXPECT_EQ("", Pool("GET X1 B"));
  EXPECT_EQ("", Pool("ADD"));
  EXPECT_EQ("B1 B6 W3", Stored(settings));
  // Removing from an empty pool answers nothing.
  settings.Write("[Pool.Mode]\r\n#trpg=Fiasco\r\n");
  EXPECT_EQ("", Pool("GET B1"));
  EXPECT_EQ("<none>", Stored(settings));
}

TEST(PoolDice, DieNotations) {
  PoolDiceSet dice;
  for (const char16_t* good : {u"B3", u"b3", u"B:3", u"b=3", u"W5", u"w:5", u"W=5", u"B9", u"B0", u"B2147483647"}) {
    EXPECT_TRUE(ReadDie(good, &dice)) << mirado::ToNarrow(good);
  }
  EXPECT_EQ(7u, dice.black.size());
  EXPECT_EQ(3u, dice.white.size());
  for (const char16_t* bad : {u"B", u"3", u"X3", u"B-3", u"B3.5", u"B:=3", u"BB3", u"B 3", u"B2147483648",
                              u"B99999999999", u"B\u0663", u"3B"}) {
    EXPECT_FALSE(ReadDie(bad, &dice)) << mirado::ToNarrow(bad);
  }
  EXPECT_EQ(10u, dice.size());
}

// The stored pool stays within one line of the file: an addition that would
// pass it is refused and the pool is kept whole.
TEST(PoolDice, PoolIsBounded) {
  TempSettings settings;
  std::string full;
  while (full.size() + 3 <= kMaxPoolText) full += "B1 ";
  settings.Write("[Pool]\r\n#trpg=" + full + "\r\n[Pool.Mode]\r\n#trpg=Fiasco\r\n");
  EXPECT_EQ("\r\nNOTICE #trpg :ダイスプールがいっぱいです。ダイスは追加されませんでした。", Pool("B2"));
  EXPECT_EQ(full.substr(0, full.size() - 1), Stored(settings));
  // Removing still works, and then there is room again.
  EXPECT_EQ(2u, Lines(Pool("GET B1")).size());
  EXPECT_EQ(2u, Lines(Pool("B2")).size());
  // A full pool's answers keep every line within 1023 bytes, showing whole
  // dice and a mark that the pool goes on; from a long channel name too.
  for (const std::string& channel : {std::string("#trpg"), "#" + std::string(150, 'c')}) {
    settings.Write("[Pool]\r\n" + channel + "=" + full + "\r\n[Pool.Mode]\r\n" + channel + "=Fiasco\r\n");
    for (const char* words : {"?", "GET B1", "B2"}) {
      const auto lines = Lines(Pool(words, channel));
      ASSERT_FALSE(lines.empty()) << words;
      for (const std::string& line : lines) {
        EXPECT_LE(line.size(), 1023u) << words;
        if (line.find("プール：") != std::string::npos && line.size() > 1000) {
          EXPECT_EQ(line.substr(line.size() - 4), "B1…") << words;
        }
      }
    }
  }
}

TEST(PoolDice, DamagedEntries) {
  TempSettings settings;
  // A hand-made entry past the reader's length: the die cut in two is not
  // read as a smaller face.
  std::string long_pool(1020, 'x');
  long_pool += " B123456";
  settings.Write("[Pool]\r\n#trpg=" + long_pool + "\r\n[Pool.Mode]\r\n#trpg=Fiasco\r\n");
  EXPECT_EQ(
      "\r\nNOTICE #trpg :ダイスプールに 黒[4] を追加しました。"
      "\r\nNOTICE #trpg :　　プール：B4",
      Pool("B4"));
  // Stray characters, doubled spaces and odd case in the stored text.
  settings.Write("[Pool]\r\n#trpg=  b3  W:2 ##  B=1 W x\r\n[Pool.Mode]\r\n#trpg=FIASCO\r\n");
  EXPECT_EQ(
      "\r\nNOTICE #trpg :ダイスプールから 1個 取り除きました。（残り2個）"
      "\r\nNOTICE #trpg :　　プール：B1 W2",
      Pool("GET B3"));
  // Kind and pool of spaces only.
  settings.Write("[Pool]\r\n#trpg=   \r\n[Pool.Mode]\r\n#trpg=Fiasco\r\n");
  EXPECT_EQ("\r\nNOTICE #trpg :プール種別：Fiasco\r\nNOTICE #trpg :　　プール：No Data", Pool("?"));
}

TEST(PoolDice, FailedWritesClaimNothing) {
  TempSettings settings;
  // A folder that cannot be written (deleting from a missing file succeeds).
  SettingsStore::SetModuleDirectory(settings.dir() + "missing/");
  const std::string failed = "\r\nNOTICE #trpg :taro -> " + std::string(SettingsStore::WriteFailureMessage());
  for (const char* words : {"SET FIASCO", "=fiasco 2"}) EXPECT_EQ(failed, Pool(words)) << words;
  SettingsStore::SetModuleDirectory(settings.dir());
}

TEST(PoolDice, DeletingAPoolThatCannotBeSavedIsTold) {
#ifdef _WIN32
  GTEST_SKIP() << "blocks the POSIX store's own temporary file";
#else
  TempSettings settings;
  Pool("SET FIASCO 2");
  const std::string before = settings.Read();
  ASSERT_NE(Stored(settings), "<none>");
  // A folder in the place of the store's new file makes every write fail
  // while reads go on.
  const std::string blocker = settings.path() + ".tmp" + std::to_string(static_cast<long>(getpid()));
  ASSERT_TRUE(std::filesystem::create_directory(blocker));
  for (const char* words : {"DEL", "INIT", "DELETE"}) {
    EXPECT_EQ(Lines(Pool(words)),
              (std::vector<std::string>{std::string("NOTICE #trpg :taro -> ") + SettingsStore::WriteFailureMessage()}))
        << words;
  }
  std::filesystem::remove(blocker);
  EXPECT_EQ(before, settings.Read());
#endif
}

}  // namespace
}  // namespace PoolCommand
