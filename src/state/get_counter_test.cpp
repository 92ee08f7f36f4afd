// "#GET": the speaker's own counter and memo, and the channel's listing
// within its 1023-byte line.
#include <gtest/gtest.h>

#include <string>

#include "support/test_support.h"

namespace {

using mirado::testing::CallCommand;
using mirado::testing::Lines;
using mirado::testing::TempSettings;

std::string Memos(const std::string& channel, int count, int length) {
  std::string ini = "[" + channel + "]\r\n";
  for (int i = 0; i < count; ++i) {
    ini += "P" + std::string(1, static_cast<char>('A' + i % 26)) + std::string(1, static_cast<char>('A' + i / 26)) +
           ".Memo=" + std::string(static_cast<std::size_t>(length), 'm') + "\r\n";
  }
  return ini;
}

TEST(GetCounter, OwnCounterAndMemo) {
  TempSettings settings;
  EXPECT_EQ(Lines(CallCommand("taro", "#trpg", "#GET")),
            (std::vector<std::string>{"NOTICE #trpg :taro -> カウンタ/メモが設定されていません。"}));
  settings.Write("[#trpg]\r\nTARO=12\r\nTARO.Memo=HP減少中\r\n");
  EXPECT_EQ(Lines(CallCommand("taro", "#trpg", "#GET")),
            (std::vector<std::string>{"NOTICE #trpg :taro -> カウンタ：12", "NOTICE #trpg :taro -> メモ：HP減少中"}));
}

TEST(GetCounter, ListingKeepsWholeEntriesWithinTheLine) {
  TempSettings settings;
  // Twenty memos of 60 bytes: each entry "PAA(Memo):mmm…　" takes 72 bytes,
  // so about 14 fit after the line's head.
  settings.Write(Memos("#trpg", 20, 60));
  const auto lines = Lines(CallCommand("taro", "#trpg", "#GET LIST"));
  ASSERT_EQ(lines.size(), 1u);
  const std::string& line = lines[0];
  EXPECT_LE(line.size(), 1023u);
  const std::string head = "NOTICE #trpg :";
  ASSERT_EQ(line.rfind(head, 0), 0u);
  const std::string entry = "(Memo):" + std::string(60, 'm') + "　";
  const std::size_t entry_size = 3 + entry.size();
  const std::size_t whole = (1023 - head.size() - 2) / entry_size;
  EXPECT_EQ(line.size(), head.size() + whole * entry_size + 2);
  EXPECT_EQ(line.substr(line.size() - 2), "…");  // the list goes on
  // A section that fits is listed without the mark.
  settings.Write(Memos("#trpg", 3, 60));
  const auto short_list = Lines(CallCommand("taro", "#trpg", "#GET ＬＩＳＴ"));
  ASSERT_EQ(short_list.size(), 1u);
  EXPECT_EQ(short_list[0].size(), head.size() + 3 * entry_size);
}

TEST(GetCounter, OneLongMemoIsCutAtACharacter) {
  TempSettings settings;
  // A channel name of 200 bytes and one memo of 500 double-byte characters.
  const std::string channel = "#" + std::string(199, 'c');
  std::string memo;
  for (int i = 0; i < 500; ++i) memo += "あ";
  settings.Write("[" + channel + "]\r\nTARO.Memo=" + memo + "\r\n");
  const auto lines = Lines(CallCommand("taro", channel, "#GET CH"));
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_LE(lines[0].size(), 1023u);
  EXPECT_EQ(lines[0].substr(lines[0].size() - 2), "…");
  // Every byte after the head is a whole character: あ pairs, then the mark.
  const std::string body = lines[0].substr(std::string("NOTICE " + channel + " :taro(Memo):").size());
  EXPECT_EQ(body.size() % 2, 0u);
  for (std::size_t i = 0; i + 2 < body.size(); i += 2) EXPECT_EQ(body.substr(i, 2), "あ") << i;
}

}  // namespace
