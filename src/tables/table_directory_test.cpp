// The table directory and the TABLE/MAKE commands: which rows the words
// reach, the game mode behind "-", the MAKE family, and the gender reader.
#include "tables/table_directory.h"

#include <gtest/gtest.h>

#include <ctime>
#include <string>
#include <vector>

#include "core/random_source.h"
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

struct Reach {
  Family family;
  const char* system;
  const char* word2;
  const char* word3;
  Rows rows;
};

TEST(TableDirectory, EveryRowIsReachedByItsSystemAndWord) {
  const Reach cases[] = {
      {kTableFamily, "SF", "EX", "", {0}},
      {kTableFamily, "SFV3", "CHARACTER", "", {1}},
      {kTableFamily, "NW2", "char", "", {1}},
      {kTableFamily, "NW", "LIFEPATH", "", {2}},
      {kTableFamily, "NW", "R", "", {3}},
      {kTableFamily, "NW1", "TITLE", "", {4}},
      {kTableFamily, "DX2", "FEEL", "", {5}},
      {kTableFamily, "DX", "URGE", "", {6}},
      {kTableFamily, "DX3", "NAME", "", {7}},
      {kTableFamily, "INO2", "NAME", "", {8}},
      {kTableFamily, "DH", "F", "", {9}},
      {kTableFamily, "GD", "FS", "", {10}},
      {kTableFamily, "SW", "REQUIEM", "", {11}},
      {kTableFamily, "SW1", "TU", "", {12}},
      {kTableFamily, "SW", "FEAR", "", {13}},
      {kTableFamily, "SW", "DJ", "", {14}},
      {kTableFamily, "AR", "LIFE", "", {15}},
      {kTableFamily, "BB", "LOVE", "", {16}},
      {kTableFamily, "BBNT", "GILTY", "", {17}},
      {kTableFamily, "BBT", "KZN", "", {18}},
      {kTableFamily, "ALF2", "LIFE", "", {19}},
      {kTableFamily, "ALS", "SHARD", "", {20}},
      {kTableFamily, "DB", "BAG", "", {21}},
      {kTableFamily, "HMOON", "ET", "", {22}},
      {kTableFamily, "HM", "DAMAGE", "", {23}},
      {kTableFamily, "HM", "MAT", "", {24}},
      {kTableFamily, "HM", "LOCATION", "", {25}},
      {kTableFamily, "HM", "FLT", "", {26}},
      {kTableFamily, "SNB", "ESOTERIC", "", {27}},
      {kTableFamily, "SHINOBI", "SCENE", "", {28}},
      {kTableFamily, "SINOBI", "KST", "", {29}},
      {kTableFamily, "SNB", "FUMBLE", "", {30}},
      {kTableFamily, "SNB", "BADSTATUS", "", {31}},
      {kTableFamily, "SNB", "BF", "", {32}},
      {kTableFamily, "SNB", "EMO", "", {33}},
      {kTableFamily, "SNB", "FAILURE", "", {34}},
      {kTableFamily, "SNB", "NEW", "", {35}},
      {kTableFamily, "BC", "HAPPY", "", {36}},
      {kTableFamily, "BLOODCRUSADE", "AHT", "", {37}},
      {kTableFamily, "BC", "RT", "", {38}},
      {kTableFamily, "BC", "SCENE", "", {39}},
      {kTableFamily, "BC", "XST", "", {40}},
      {kTableFamily, "BC", "INITIATIVE", "", {41}},
      {kTableFamily, "BC", "REGION", "", {42}},
      {kTableFamily, "BC", "CRAZY", "", {43}},
      {kTableFamily, "BC", "MUTANT", "", {44}},
      {kTableFamily, "CRANKER", "MONSTER", "", {45}},
      {kTableFamily, "CR", "MAGIC", "", {46}},
      {kTableFamily, "CARDRANKER", "LOCATION", "", {47}},
      {kTableFamily, "CR", "XLT", "", {48}},
      {kTableFamily, "CR", "DESTINY", "", {49}},
      {kTableFamily, "CR", "XFT", "", {50}},
      {kTableFamily, "CRANK", "BATTLE", "", {51}},
      {kTableFamily, "TENKA", "CAT", "", {52}},
      {kTableFamily, "TRR", "WHO", "NEKO", {53}},
      {kTableFamily, "TENKA", "NAME", "", {54}},
      {kTableFamily, "TRR", "LIFE", "", {55}},
      {kTableFamily, "TENKA", "COVER", "", {56}},
      {kTableFamily, "NC", "LINGER", "", {57}},
      {kTableFamily, "NECHRONICA", "MEMORY", "", {58}},
      {kTableFamily, "NECHRO", "ATTACK", "", {59}},
      {kTableFamily, "NC", "TAKARAMONO", "", {60}},
      {kTableFamily, "NC", "ANJI", "", {61}},
      {kTableFamily, "BELF", "1ST", "", {62}},
      {kTableFamily, "BELLFAHLE", "HOBBY", "", {63}},
      {kTableFamily, "BELF", "CHAR", "", {64}},
      {kTableFamily, "RABBITHOLE", "USAPYON", "", {65}},
      {kMakeFamily, "MOE", "", "", {66}},
      {kMakeFamily, "NW", "MOE", "", {67}},
      {kMakeFamily, "SW", "anything", "", {68}},
      {kMakeFamily, "DBZ", "DRYAD", "", {69}},
      {kMakeFamily, "DX2", "", "", {70}},
      {kMakeFamily, "DX3", "", "", {71}},
      {kMakeFamily, "TENKA", "", "", {72}},
      {kMakeFamily, "HMOON", "", "", {73}},
      {kMakeFamily, "SNB", "", "", {74}},
      {kMakeFamily, "CR", "", "", {75}},
      {kMakeFamily, "BELF", "SAMPLE", "", {76}},
      {kMakeFamily, "RHD", "", "", {77}},
  };
  ASSERT_EQ(kTableDirectorySize, 78u);
  std::vector<bool> seen(kTableDirectorySize, false);
  for (const Reach& reach : cases) {
    EXPECT_EQ(FindRows(reach.family, reach.system, reach.word2, reach.word3, ""), reach.rows)
        << reach.system << " " << reach.word2 << " " << reach.word3;
    for (std::size_t row : reach.rows) seen[row] = true;
  }
  for (std::size_t i = 0; i < seen.size(); ++i) EXPECT_TRUE(seen[i]) << "row " << i << " not reached";
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

// Every table of the first group, with the longest and oddest words a line
// can carry after it: each answer comes quickly and is made of whole NOTICE
// lines.
TEST(TableCommandInput, LongAndOddWordsAnswerQuicklyInWholeLines) {
  TempSettings settings;
  const char* tables[] = {"SF EX",    "SF CHAR", "NW LIFE", "NW REL",   "NW TITLE", "DX FEEL",   "DX AWAKE", "DX NAME",
                          "INO NAME", "DH F",    "GD FS",   "GD PS2",   "SW REQ",   "SW TU",     "SW FEAR",  "SW DJ",
                          "ARA LIFE", "BBNT L",  "BBNT G",  "BBNT EGO", "ALS LIFE", "ALS SHARD", "DBZ BAG"};
  const std::string digits(480, '9');
  const std::string odd = std::string(470, 'x') + "%s%n%d\x81";
  const std::string words[] = {digits + " -" + digits, odd + " " + odd, "\x82\xA0 \x81\x94\x81\x94"};
  for (const char* table : tables) {
    for (const std::string& rest : words) {
      const std::string line = std::string("#T ") + table + " " + rest;
      const std::clock_t start = std::clock();
      const std::string reply = CallCommand(std::string(200, 'n'), "#trpg", line.substr(0, 1023));
      // Processor time, in milliseconds (<chrono> cannot be compiled for
      // code page 932 literals).
      EXPECT_LT(static_cast<double>(std::clock() - start) * 1000.0 / CLOCKS_PER_SEC, 50.0) << table;
      for (const std::string& answer : Lines(reply)) {
        EXPECT_EQ(answer.rfind("NOTICE #trpg :", 0), 0u) << table;
      }
    }
  }
}

}  // namespace
}  // namespace Tables
