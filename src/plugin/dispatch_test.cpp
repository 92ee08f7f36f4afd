// Line splitting and the command table: which command a line reaches, with
// which command word and parameters.
#include "plugin/dispatch.h"

#include <cstring>
#include <iterator>
#include <string>
#include <vector>

#include "mirado/mirado.h"
#include "support/test_support.h"

namespace BotCommand {
namespace {

struct Split {
  int count;
  std::string word, rest;
  std::vector<std::string> params;
};

Split DoSplit(const std::string& text) {
  Split s;
  char word[kLineSize] = {}, rest[kLineSize] = {};
  ParamArea params = {};
  s.count = SplitLine(text.c_str(), word, rest, params);
  s.word = word;
  s.rest = rest;
  for (auto& p : params) s.params.emplace_back(p);
  return s;
}

TEST(SplitLine, CutsAtAsciiSpacesIntoWordRestAndFiveParameters) {
  const Split s = DoSplit("  #2D6 a  b c d e f g");
  EXPECT_EQ(5, s.count);
  EXPECT_EQ("#2D6", s.word);
  EXPECT_EQ("a  b c d e f g ", s.rest);
  EXPECT_EQ((std::vector<std::string>{"a", "b", "c", "d", "e"}), s.params);
  EXPECT_EQ(-1, DoSplit("").count);
  EXPECT_EQ(-1, DoSplit("   ").count);
  EXPECT_EQ(-1, DoSplit("\x81\x40").count);  // an ideographic space only
}

TEST(SplitLine, FoldsIdeographicSpacesButNotTabs) {
  const Split s = DoSplit("\x81\x94ROLL\x81\x40\x82\x51\x82\x63\x82\x55");
  EXPECT_EQ(1, s.count);
  EXPECT_EQ("\x81\x94ROLL", s.word);
  EXPECT_EQ("\x82\x51\x82\x63\x82\x55", s.params[0]);  // parameters keep their width
  const Split t = DoSplit("a\tb c");
  EXPECT_EQ("a\tb", t.word);
}

TEST(SplitLine, OverlongLinesAreCut) {
  const Split s = DoSplit(std::string(2000, 'x'));
  EXPECT_EQ(0, s.count);
  EXPECT_EQ(1023u, s.word.size());
  EXPECT_EQ("", s.rest);
  const Split t = DoSplit("w " + std::string(1500, 'y'));
  EXPECT_EQ(1021u, t.params[0].size());
}

std::vector<std::string> Say(const std::string& text, const std::string& channel = "#trpg") {
  return mirado::testing::Lines(mirado::testing::CallCommand("taro", channel, text));
}

class CommandTableTest : public ::testing::Test {
 protected:
  mirado::testing::TempSettings settings_;
  mirado::testing::PinnedRandom pinned_{1};
};

// Each row reached by a name it takes (half width, any case), and passed over
// below its parameter minimum: the rows and their order as the players know
// them, from the command words to the command that answers.
TEST(CommandTable, EachRowIsFoundByNameAndItsParameterMinimum) {
  struct Row {
    const char* pattern;
    int min_params;
    std::vector<const char*> names;
  };
  const Row rows[] = {
      {"CALC|DICE|ROL[LE]", 1, {"CALC", "dice", "Roll", "ROLE"}},
      {"S(ECRET)?", 1, {"S", "secret"}},
      {"S(ECRET)?D", 1, {"SD", "SecretD"}},
      {"TABLE|T|TBL?", 1, {"TABLE", "t", "TB", "TBL"}},
      {"MAKE|MK?", 1, {"MAKE", "m", "MK"}},
      {"SET(COUNT|CNT)?", 0, {"SET", "setcount", "SETCNT"}},
      {"GET(COUNT|CNT)?", 0, {"GET", "GetCount", "GETCNT"}},
      {"COUNT|CNT", 1, {"COUNT", "cnt"}},
      {"SCENE_?IN", 0, {"SCENEIN", "scene_in"}},
      {"DX_RES([UA]RR?ECT)?", 0, {"DX_RES", "dx_resurrect", "DX_RESARECT"}},
      {"POOL", 1, {"POOL", "pool"}},
      {"HELP", 0, {"HELP", "Help"}},
      {"REG|REGIST(ER)?", 0, {"REG", "REGIST", "register"}},
      {"MODE|G(AME)?MODE", 0, {"MODE", "GMODE", "gamemode"}},
      {"CARD", 0, {"CARD", "card"}},
  };
  ASSERT_EQ(std::size(rows), kCommandTableSize);
  for (std::size_t i = 0; i < kCommandTableSize; ++i) {
    SCOPED_TRACE(rows[i].pattern);
    EXPECT_STREQ(rows[i].pattern, kCommandTable[i].Pattern);
    EXPECT_EQ(rows[i].min_params, kCommandTable[i].MinParams);
    for (const char* name : rows[i].names) {
      EXPECT_EQ(&kCommandTable[i], FindCommand(name, rows[i].min_params)) << name;
      if (rows[i].min_params > 0) {
        EXPECT_EQ(nullptr, FindCommand(name, rows[i].min_params - 1)) << name;
      }
    }
  }
  // Every pattern begins with a letter (the dispatcher relies on it to turn
  // away expressions at once).
  for (std::size_t i = 0; i < kCommandTableSize; ++i) {
    const char c = kCommandTable[i].Pattern[0];
    EXPECT_TRUE((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) << kCommandTable[i].Pattern;
  }
  // Words no row takes, with any number of parameters.
  for (const char* name : {"2D6", "CALCS", "SETS", "TABLES", "POOLS", "DX_RESURRECTS", ""}) {
    EXPECT_EQ(nullptr, FindCommand(name, 5)) << name;
  }
}

TEST_F(CommandTableTest, RowsInOrder) {
  // Every row present, each reached by its name and refused below its
  // parameter minimum.
  for (std::size_t i = 0; i < kCommandTableSize; ++i) {
    SCOPED_TRACE(kCommandTable[i].Pattern);
    EXPECT_GE(kCommandTable[i].MinParams, 0);
    EXPECT_NE(nullptr, kCommandTable[i].Factory);
  }
  EXPECT_STREQ("CALC|DICE|ROL[LE]", kCommandTable[0].Pattern);
  EXPECT_EQ(1, kCommandTable[0].MinParams);
}

TEST_F(CommandTableTest, PrefixedExpressionFallsBackToARoll) {
  // seed 1 dice: 2 6 1 3 2 ...
  EXPECT_EQ((std::vector<std::string>{"NOTICE #trpg :taro -> 2D6 = [2,6] = 8"}), Say("#2D6"));
  EXPECT_EQ((std::vector<std::string>{"NOTICE #trpg :taro -> 2D6 = [2,6] = 8"}), Say("  #2D6"));
  EXPECT_EQ((std::vector<std::string>{"NOTICE #trpg :taro -> 2D6 = [2,6] = 8"}), Say("# 2D6"));
  EXPECT_EQ((std::vector<std::string>{"NOTICE #trpg :taro -> 2D6 = [2,6] = 8"}), Say("#roll 2D6"));
  EXPECT_EQ((std::vector<std::string>{"NOTICE #trpg :taro -> 2D6 = [2,6] = 8"}), Say("\x81\xF2"
                                                                                     "dice 2D6"));
  // Full-width sign, letters and digits, ideographic space: row 0 runs with
  // the parameter still full width (the roll folds it).
  EXPECT_EQ((std::vector<std::string>{"NOTICE #trpg :taro -> 2D6 = [2,6] = 8"}),
            Say("\x81\x94\x82\x71\x82\x6E\x82\x6B\x82\x6B\x81\x40\x82\x51\x82\x63\x82\x55"));
}

TEST_F(CommandTableTest, LoneSignAndUnknownWordsRollTheName) {
  // "#" alone: CALC without a parameter skips row 0 and rolls "CALC", which
  // is no expression, so nothing is answered.
  EXPECT_TRUE(Say("#").empty());
  EXPECT_TRUE(Say("#T").empty());  // no command yet takes T: rolled, not an expression
  EXPECT_TRUE(Say("#ROLLS 2D6").empty());
}

TEST_F(CommandTableTest, UnprefixedLinesAnswerOnlyExpressions) {
  EXPECT_EQ((std::vector<std::string>{"NOTICE #trpg :taro -> 2D6+1 = [2,6]+1 = 9"}), Say("2D6+1 for the attack"));
  EXPECT_TRUE(Say("5").empty());
  EXPECT_TRUE(Say("-5").empty());
  EXPECT_TRUE(Say("hello everyone").empty());
  EXPECT_EQ((std::vector<std::string>{"NOTICE #trpg :taro -> 5+0 = 5"}), Say("5+0"));
  EXPECT_EQ((std::vector<std::string>{"NOTICE #trpg :taro -> 5 = 5"}), Say("#5"));
  // Full-width digits, letters and operators fold into an expression; a line
  // that starts with kana or kanji is no expression.
  EXPECT_EQ((std::vector<std::string>{"NOTICE #trpg :taro -> 2D6+1 = [2,6]+1 = 9"}), Say("２Ｄ６＋１ です"));
  EXPECT_TRUE(Say("今日は2D6+1").empty());
  EXPECT_TRUE(Say("サイコロ 2D6").empty());
}

TEST_F(CommandTableTest, ReplyTargetIsTheChannelOrTheSpeaker) {
  EXPECT_EQ((std::vector<std::string>{"NOTICE &local :taro -> 1+1 = 2"}), Say("#1+1", "&local"));
  EXPECT_EQ((std::vector<std::string>{"NOTICE taro :taro -> 1+1 = 2"}), Say("#1+1", "#"));
  EXPECT_EQ((std::vector<std::string>{"NOTICE taro :taro -> 1+1 = 2"}), Say("#1+1", "mirado"));
}

TEST_F(CommandTableTest, DisplayNameComesFromTheSettingsFile) {
  settings_.Write("[CharactersName]\r\nTARO=\x83\x5E\x83\x8D\x83\x45\r\n[GameMode]\r\n#ninja=njslyr\r\n");
  EXPECT_EQ((std::vector<std::string>{"NOTICE #trpg :タロウ -> 1+1 = 2"}), Say("#1+1"));
  EXPECT_EQ((std::vector<std::string>{"NOTICE #ninja :タロウ＝サン -> 1+1 = 2"}), Say("#1+1", "#ninja"));
  EXPECT_EQ((std::vector<std::string>{"NOTICE #ninja :hanako＝サン -> 1+1 = 2"}),
            mirado::testing::Lines(mirado::testing::CallCommand("hanako", "#ninja", "#1+1")));
}

TEST_F(CommandTableTest, AnAnswerGoesAfterWhatTheBufferHeld) {
  std::string buffer(4096, '\0');
  std::memcpy(buffer.data(), "PREVIOUS", 8);
  ::Command("taro", "", "", "", "#trpg", "#1+1", buffer.data());
  EXPECT_EQ("PREVIOUS\r\nNOTICE #trpg :taro -> 1+1 = 2", std::string(buffer.c_str()));
}

}  // namespace
}  // namespace BotCommand
