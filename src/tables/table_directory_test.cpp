// The table directory and the TABLE/MAKE commands: which rows the words
// reach, the game mode behind "-", the MAKE family, and the gender reader.
#include "tables/table_directory.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/random_source.h"
#include "core/text.h"
#include "mirado/mirado.h"
#include "support/test_support.h"
#include "tables/tables.h"

namespace Tables {
namespace {

using mirado::testing::CallCommand;
using mirado::testing::Lines;
using mirado::testing::PinnedRandom;
using mirado::testing::TempSettings;
using Rows = std::vector<std::size_t>;

// A word a whole-word pattern of the directory accepts, written from the
// pattern itself (its first alternative at every choice, each optional part
// left out, each class by its first member, "." by one letter): the
// directory's patterns use
// only alternation, groups, "?", "+", "*" after ".", classes, "\\d" and
// "\\w". Empty for an empty pattern (which accepts any word).
std::string SampleWord(std::string_view pattern) {
  std::string word;
  int depth = 0;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    const char c = pattern[i];
    const bool optional_next = i + 1 < pattern.size() && (pattern[i + 1] == '?' || pattern[i + 1] == '*');
    if (c == '|') {
      // Skip the other alternatives of this group.
      int level = 0;
      for (++i; i < pattern.size(); ++i) {
        if (pattern[i] == '(') ++level;
        if (pattern[i] == ')' && level-- == 0) break;
      }
      --i;
      if (depth == 0) break;
      continue;
    }
    if (c == '(') {
      // An optional group is left out whole.
      int level = 0;
      std::size_t close = i;
      for (std::size_t j = i; j < pattern.size(); ++j) {
        if (pattern[j] == '(') ++level;
        if (pattern[j] == ')' && --level == 0) {
          close = j;
          break;
        }
      }
      if (close + 1 < pattern.size() && pattern[close + 1] == '?') {
        i = close + 1;
        continue;
      }
      ++depth;
      continue;
    }
    if (c == ')') {
      --depth;
      continue;
    }
    if (c == '?' || c == '+' || c == '*') continue;
    std::string piece(1, c);
    if (c == '[') {
      piece = std::string(1, pattern[i + 1]);
      i = pattern.find(']', i);
    } else if (c == '\\') {
      piece = pattern[i + 1] == 'd' ? "1" : "X";
      ++i;
    } else if (c == '.') {
      piece = "X";
    }
    if (i + 1 < pattern.size() && pattern[i + 1] == '?') continue;  // an optional character
    // A "." stands for one character even where "*" follows: an empty word
    // never matches a non-empty pattern.
    if (!optional_next || c == '.') word += piece;
  }
  return word;
}

TEST(TableDirectory, EveryRowIsReachedByItsOwnWords) {
  ASSERT_EQ(kTableDirectorySize, 78u);
  for (std::size_t i = 0; i < kTableDirectorySize; ++i) {
    const TableEntry& row = kTableDirectory[i];
    const std::string system = SampleWord(row.system), word2 = SampleWord(row.word2), word3 = SampleWord(row.word3);
    ASSERT_FALSE(system.empty()) << "row " << i;
    EXPECT_TRUE(mirado::FullMatch(system, row.system)) << "row " << i << ": " << system;
    const Rows rows = FindRows(row.family, system.c_str(), word2.c_str(), word3.c_str(), "");
    EXPECT_NE(std::find(rows.begin(), rows.end(), i), rows.end())
        << "row " << i << " is not reached by " << system << " " << word2 << " " << word3;
  }
}

// Every row answers a line of its own words, or of its words and what its
// table or maker needs after them (a kind word, two numbers, two
// syndromes), so no row of the directory is left without an answer.
TEST(TableDirectory, EveryRowAnswers) {
  TempSettings settings;
  const char* needs[] = {"", "CLT", "CON", "3 2", "エンジェルハィロゥ バロール", "FS"};
  for (std::size_t i = 0; i < kTableDirectorySize; ++i) {
    const TableEntry& row = kTableDirectory[i];
    std::string word = row.word3[0] != '\0' ? "X " + SampleWord(row.word3) : SampleWord(row.word2);
    bool answered = false;
    // A short code's first letter names its kind ("CHT"): try the letters.
    for (const char letter : std::string_view(row.shifted != nullptr ? "CSHFDGMTENKLOB" : "X")) {
      if (row.shifted != nullptr) word[0] = letter;
      const std::string head =
          std::string(row.family == kMakeFamily ? "#MAKE " : "#T ") + SampleWord(row.system) + " " + word;
      for (const char* words : needs) {
        if (!CallCommand("taro", "#trpg", head + " " + words).empty()) answered = true;
      }
      if (answered) break;
    }
    const std::string head = SampleWord(row.system) + " " + word;
    EXPECT_TRUE(answered) << "row " << i << " (" << head << ") answers nothing";
  }
}

TEST(TableDirectory, ShortCodesStandForTheirTableWord) {
  // A short-code row answers as its sibling row reached by the long word.
  for (std::size_t i = 0; i < kTableDirectorySize; ++i) {
    const TableEntry& row = kTableDirectory[i];
    if (row.shifted == nullptr) continue;
    const std::string system = SampleWord(row.system);
    const Rows sibling = FindRows(row.family, system.c_str(), row.shifted, "", "");
    ASSERT_EQ(sibling.size(), 1u) << "row " << i;
    EXPECT_EQ(kTableDirectory[sibling[0]].answer.described, row.answer.described) << "row " << i;
    EXPECT_EQ(kTableDirectory[sibling[0]].answer.handler, row.answer.handler) << "row " << i;
    EXPECT_EQ(kTableDirectory[sibling[0]].limit, row.limit) << "row " << i;
  }
}

TEST(TableDirectory, SharedPatternsAndMisses) {
  // Both cat rows, every matching row in order.
  EXPECT_EQ(FindRows(kTableFamily, "TENKA", "NEKO", "NEKO", ""), (Rows{52, 53}));
  // The DX name row takes DX and DX3 only; the emotion row any DX digit.
  EXPECT_EQ(FindRows(kTableFamily, "DX", "NAME", "", ""), (Rows{7}));
  EXPECT_EQ(FindRows(kTableFamily, "DX2", "NAME", "", ""), Rows{});
  EXPECT_EQ(FindRows(kMakeFamily, "DX", "", "", ""), (Rows{71}));
  EXPECT_EQ(FindRows(kMakeFamily, "DX4", "", "", ""), Rows{});
  // Table words of a maker row and the other way round find nothing.
  EXPECT_EQ(FindRows(kTableFamily, "SW", "", "", ""), Rows{});
  EXPECT_EQ(FindRows(kTableFamily, "SW", "XREQ", "", ""), Rows{});
  EXPECT_EQ(FindRows(kMakeFamily, "SW1", "REQ", "", ""), (Rows{68}));
  EXPECT_EQ(FindRows(kTableFamily, "MOE", "", "", ""), Rows{});
  // The GD row takes any word but an empty one is still a word the handler
  // turns away; an unknown system finds nothing.
  EXPECT_EQ(FindRows(kTableFamily, "GD", "", "", ""), (Rows{10}));
  EXPECT_EQ(FindRows(kTableFamily, "FIASCO", "EX", "", ""), Rows{});
  EXPECT_EQ(FindRows(kTableFamily, "", "EX", "", ""), Rows{});
}

class TableCommand : public ::testing::Test {
 protected:
  TempSettings settings_;
  PinnedRandom pinned_{7};
  std::string Requiem() {
    std::mt19937 reference = pinned_.Reference();
    const int total = static_cast<int>(reference() % 6) + static_cast<int>(reference() % 6) + 2;
    char head[64];
    std::snprintf(head, sizeof head, "レクイエム表：[%2d] ", total);
    return std::string("NOTICE #trpg :taro -> ") + head;  // written over the empty buffer
  }
};

TEST_F(TableCommand, WordsInAnyCaseAndWidth) {
  const std::string head = Requiem();
  for (const char* line :
       {"#TABLE SW REQ", "#table sw req", "#T SW1 REQUIEM", "＃ＴＡＢＬＥ ＳＷ ＲＥＱ", "#TBL sw Req"}) {
    const std::string reply = CallCommand("taro", "#trpg", line);
    EXPECT_EQ(reply.substr(0, head.size()), head) << line;
  }
  EXPECT_EQ(CallCommand("taro", "#trpg", "#TABLE SW"), "");
  EXPECT_EQ(CallCommand("taro", "#trpg", "#TABLE XYZ REQ"), "");
}

TEST_F(TableCommand, DashStandsForTheGameMode) {
  const std::string head = Requiem();
  EXPECT_EQ(CallCommand("taro", "#trpg", "#TABLE - REQ"), "");
  settings_.Write("[GameMode]\r\n#trpg=SW\r\n#other=FIASCO\r\ntaro=SW\r\n");
  EXPECT_EQ(CallCommand("taro", "#trpg", "#TABLE - REQ").substr(0, head.size()), head);
  EXPECT_EQ(CallCommand("taro", "#other", "#TABLE - REQ"), "");
  // In a private conversation the speaker's own mode counts.
  const std::string reply = CallCommand("taro", "taro", "#TABLE - FEAR");
  EXPECT_EQ(reply.rfind("NOTICE taro :taro -> 恐怖表：[", 0), 0u);  // written over the empty buffer
}

TEST_F(TableCommand, MakeWordsChooseTheMakers) {
  // The demon-jar words under MAKE reach the SW maker row, not the table.
  for (const char* line : {"#MAKE SW DJ", "#M SW DJ", "#MK SW DJ", "＃MAKE SW DJ", "♯MAKE SW DJ", "#ＭＡＫＥ SW DJ"}) {
    EXPECT_EQ(CallCommand("taro", "#trpg", line), "") << line;
  }
  EXPECT_NE(CallCommand("taro", "#trpg", "#T SW DJ"), "");
}

TEST_F(TableCommand, KeepsTheHostsTextAndWritesWholeLines) {
  std::string buffer(4096, '\0');
  const std::string host = "PRIVMSG #trpg :hello";
  buffer.replace(0, host.size(), host);
  ::Command("taro", "", "", "", "#trpg", "#TABLE SW FEAR", buffer.data());
  const std::string reply(buffer.c_str());
  EXPECT_EQ(reply.rfind(host + "\r\nNOTICE #trpg :taro -> 恐怖表：[", 0), 0u);
  EXPECT_EQ(Lines(reply).size(), 2u);
  // A nick holding a line break is no nick: nothing is added.
  buffer.assign(4096, '\0');
  buffer.replace(0, host.size(), host);
  ::Command("ta\rro", "", "", "", "#trpg", "#TABLE SW FEAR", buffer.data());
  EXPECT_EQ(std::string(buffer.c_str()), host);
}

TEST(ParseGender, EveryFormAndTheRandomFallback) {
  bool male = false;
  for (const char* word :
       {"男", "男性", "♂", "雄", "オス", "おとこ", "ダンセイ", "otoko", "M", "MALE", "ｍａｌｅ", "man", "MEN"}) {
    male = false;
    EXPECT_TRUE(ParseGender(&male, word, false)) << word;
    EXPECT_TRUE(male) << word;
  }
  for (const char* word :
       {"女", "女性", "♀", "雌", "メス", "おんな", "じょせい", "ONNA", "ona", "f", "FE", "female", "WOMAN", "women"}) {
    male = true;
    EXPECT_TRUE(ParseGender(&male, word, false)) << word;
    EXPECT_FALSE(male) << word;
  }
  male = true;
  EXPECT_FALSE(ParseGender(&male, "ねこ", false));
  EXPECT_TRUE(male);
  EXPECT_FALSE(ParseGender(&male, "", false));
  // A word naming neither takes the lowest bit of the next draw.
  for (uint32_t seed : {1u, 2u, 3u, 4u}) {
    RandomSource::Seed(seed);
    std::mt19937 reference(seed);
    EXPECT_FALSE(ParseGender(&male, "neko", true));
    EXPECT_EQ(male, (reference() & 1u) != 0) << seed;
  }
}

}  // namespace
}  // namespace Tables

namespace Tables {
namespace {

// Every table and maker of the directory, with the longest and oddest words
// a line can carry after it, and a long nick: each answer is made of whole
// NOTICE lines within the row's limit. (How long it takes is measured in
// bench/.)
TEST(TableCommandInput, LongAndOddWordsAnswerInWholeLines) {
  TempSettings settings;
  const std::string digits(480, '9');
  const std::string odd = std::string(470, 'x') + "%s%n%d\x81";
  const std::string words[] = {digits + " -" + digits, odd + " " + odd, "\x82\xA0 \x81\x94\x81\x94", "=10 +3"};
  const std::string nick(200, 'n');
  for (std::size_t i = 0; i < kTableDirectorySize; ++i) {
    const TableEntry& row = kTableDirectory[i];
    const std::string head = std::string(row.family == kMakeFamily ? "#MAKE " : "#T ") + SampleWord(row.system) + " " +
                             SampleWord(row.word2) + " ";
    for (const std::string& rest : words) {
      const std::string reply = CallCommand(nick, "#trpg", (head + rest).substr(0, 1023));
      EXPECT_LE(reply.size(), static_cast<std::size_t>(row.limit) - 1) << "row " << i;
      // The TENKA cat answers as the speaker's cat ("name猫 ->").
      for (const std::string& answer : Lines(reply)) {
        const std::string head = "NOTICE #trpg :" + nick;
        EXPECT_EQ(answer.rfind(head, 0), 0u) << "row " << i;
        EXPECT_TRUE(answer.compare(head.size(), 3, " ->") == 0 || answer.compare(head.size(), 5, "猫 ->") == 0)
            << "row " << i;
      }
    }
  }
}

}  // namespace
}  // namespace Tables
