// The counter commands against what the transcripts cannot stage: a file
// that refuses writes, a reply buffer the host has nearly filled, shared
// section names used as a private conversation, hand-edited junk, and lines
// of arbitrary bytes.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <random>
#include <string>

#ifndef _WIN32
#include <unistd.h>
#endif

#include "core/settings_store.h"
#include "state/state.h"
#include "support/test_support.h"

namespace {

using mirado::testing::CallCommand;
using mirado::testing::Lines;
using mirado::testing::PinnedRandom;
using mirado::testing::TempSettings;

// Every line of a reply is a NOTICE (or nothing at all).
void ExpectWellFormed(const std::string& reply) {
  for (const std::string& line : Lines(reply)) EXPECT_EQ(0u, line.rfind("NOTICE ", 0)) << line;
}

TEST(SetCounter, WriteFailureIsToldAndNothingIsClaimed) {
#ifdef _WIN32
  GTEST_SKIP() << "blocks the POSIX store's own temporary file";
#else
  TempSettings settings;
  PinnedRandom pinned(1);
  settings.Write("[GameMode]\r\n#dx=DX\r\n[#dx]\r\nTARO=7\r\n[ClosedDice]\r\n#dx=#game\r\n");
  const std::string before = settings.Read();
  // The store writes a new file beside Mirado.ini and renames it over the
  // old one; a folder in that new file's place makes every write fail while
  // reads go on (for root too, unlike a read-only folder).
  const std::string blocker = settings.path() + ".tmp" + std::to_string(static_cast<long>(getpid()));
  ASSERT_TRUE(std::filesystem::create_directory(blocker));
  // The counter command answers in its own words; scene entry and
  // resurrection with the store's.
  const std::string set_failure = "NOTICE #dx :taro -> 設定ファイルの書込に失敗しました";
  const std::string failure = std::string("NOTICE #dx :taro -> ") + SettingsStore::kSaveFailedMessage;
  for (const char* line : {"#SET 5 C10 F2", "#SET MEMO=x", "#SET S=#other", "#SET S=", "#SET INIT", "#SET INIT ALL",
                           "#SCENE_IN", "#DX_RESURRECT リザレクト"}) {
    SCOPED_TRACE(line);
    const auto lines = Lines(CallCommand("taro", "#dx", line));
    ASSERT_EQ(1u, lines.size());
    EXPECT_EQ(std::string(line).rfind("#SET", 0) == 0 ? set_failure : failure, lines[0]);
  }
  std::filesystem::remove(blocker);
  EXPECT_EQ(before, settings.Read());
#endif
}

TEST(SetCounter, AnswerThatCannotBeSentStoresNothing) {
  TempSettings settings;
  // The host left room for fewer bytes than the answer needs.
  std::string buffer(4096, '\0');
  std::fill(buffer.begin(), buffer.begin() + 4060, 'h');
  BotCommand::ParamArea params = {"5", "C10"};
  BotCommand::SetCounter command;
  command.Init(buffer.data(), "#trpg", "taro", "#SET", "5 C10 ", params);
  command.Execute();
  EXPECT_EQ(std::string(4060, 'h'), std::string(buffer.c_str()));
  EXPECT_EQ("", SettingsStore::ReadString(settings.path().c_str(), "#trpg", "TARO", ""));
  EXPECT_EQ("", SettingsStore::ReadString(settings.path().c_str(), "CriticalValue", "TARO", ""));
}

TEST(SetCounter, PrivateTalkNamedLikeASharedSectionIsRefused) {
  TempSettings settings;
  settings.Write("[Pool]\r\n#trpg=1 2 3 \r\n[CharactersName]\r\nTARO=太郎\r\n[ClosedDice]\r\n#trpg=Pool\r\n");
  const std::string before = settings.Read();
  for (const char* nick : {"Pool", "charactersname", "ClosedDice"}) {
    for (const char* line : {"#SET INIT LIST", "#SET 5", "#SET MEMO=x", "#GET LIST"}) {
      SCOPED_TRACE(std::string(nick) + " " + line);
      const auto lines = Lines(CallCommand(nick, nick, line));
      ASSERT_EQ(1u, lines.size());
      EXPECT_NE(std::string::npos, lines[0].find("予約名"));
    }
  }
  // Nor may a hidden memo go to such a destination.
  const auto lines = Lines(CallCommand("taro", "#trpg", "#SET MEMO=x"));
  ASSERT_EQ(1u, lines.size());
  EXPECT_NE(std::string::npos, lines[0].find("予約名"));
  EXPECT_EQ(before, settings.Read());
}

TEST(GetCounter, HandEditedJunkIsReadSafely) {
  TempSettings settings;
  // 255 digits: the reader wraps them at 32 bits (10^255 - 1 itself would
  // wrap to -1, which reads as no counter).
  const std::string digits = "1" + std::string(254, '2');
  const std::string memo(3000, 'm');
  settings.Write("[#trpg]\r\nTARO=" + digits + "\r\nTARO.Memo=" + memo + "\r\njunk line\r\n=\r\n.\r\nX..=5\r\n" +
                 "[CriticalValue]\r\nTARO=" + digits + ",,,-,+," + digits + "\r\n");
  const auto own = Lines(CallCommand("taro", "#trpg", "#GET"));
  ASSERT_EQ(2u, own.size());
  EXPECT_EQ(0u, own[0].rfind("NOTICE #trpg :taro -> カウンタ：", 0));
  EXPECT_EQ("NOTICE #trpg :taro -> メモ：" + memo.substr(0, 1023), own[1]);
  // The listing reads at most 1024 bytes of the section and answers one line.
  const auto list = Lines(CallCommand("taro", "#trpg", "#GET LIST"));
  ASSERT_EQ(1u, list.size());
  EXPECT_LE(list[0].size(), std::string("NOTICE #trpg :").size() + 1023);
  // A new list replaces the junk.
  ASSERT_EQ(1u, Lines(CallCommand("taro", "#trpg", "#SET C10")).size());
  EXPECT_EQ("10", SettingsStore::ReadString(settings.path().c_str(), "CriticalValue", "TARO", ""));
}

TEST(GetCounter, ListingNamesRegisteredOddNicks) {
  TempSettings settings;
  const std::string file = settings.path();
  const char* path = file.c_str();
  ASSERT_TRUE(SettingsStore::WriteString(path, "CharactersName", "[GM]TARO", "軍師"));
  ASSERT_TRUE(SettingsStore::WriteString(path, "CharactersName", "A=B", "花子"));
  CallCommand("[GM]Taro", "#trpg", "#SET 5");
  CallCommand("a=b", "#trpg", "#SET MEMO=hi");
  CallCommand(";x", "#trpg", "#SET 2");
  const auto list = Lines(CallCommand("taro", "#trpg", "#GET LIST"));
  ASSERT_EQ(1u, list.size());
  EXPECT_EQ("NOTICE #trpg :軍師:5　花子(Memo):hi　;X:2　", list[0]);
}

// Lines of arbitrary bytes (no CR, LF or NUL, which hosts strip) to every
// state command: no crash, well-formed answers, a few milliseconds each.
TEST(StateCommands, ArbitraryLinesAreSafeAndQuick) {
  TempSettings settings;
  PinnedRandom pinned(3);
  settings.Write("[GameMode]\r\n#dx=DX\r\n#als=ALS\r\n");
  std::mt19937 bytes(12345);
  const char* words[] = {"#SET ", "#SETCNT INIT ", "#GET ", "#GET LIST ", "#SCENE_IN ", "#DX_RESURRECT ", "#SET MEMO="};
  for (int round = 0; round < 20; ++round) {
    for (const char* word : words) {
      std::string line(word);
      while (line.size() < 1023) {
        char c = static_cast<char>(bytes() % 255 + 1);
        if (c == '\r' || c == '\n') c = ' ';
        line += c;
      }
      for (const char* channel : {"#dx", "#als"}) {
        ExpectWellFormed(CallCommand("taro", channel, line));
      }
    }
  }
  // Repeated keywords and digits are the worst case of the patterns.
  for (const std::string& line :
       {"#DX_RESURRECT " + std::string(1009, 'R'), "#DX_RESURRECT リザレクト" + std::string(1000, '9'),
        "#SET " + std::string(1018, '-'), "#SET C" + std::string(1017, '+') + "1"}) {
    ExpectWellFormed(CallCommand("taro", "#dx", line));
  }
}

}  // namespace
