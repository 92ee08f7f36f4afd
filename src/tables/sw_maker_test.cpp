// The SW character maker: the race words, the eight ability dice, the money
// and the births, and the forms of the MAKE line that reach it.
#include <initializer_list>
#include <string>
#include <vector>

#include "support/test_support.h"
#include "tables/table_data_list.h"
#include "tables/table_test_support.h"

namespace Tables {
namespace {

using mirado::testing::CallCommand;
using mirado::testing::Lines;
using mirado::testing::TempSettings;
using testing::DieFaces;

std::string Money(const char* indent, int32_t money, int32_t experience) {
  return Head() + indent + "所持金：" + std::to_string(money) + "　　初期経験点：" + std::to_string(experience);
}
constexpr const char* kIndent = "　　　　　";
constexpr const char* kHalfElfIndent = "　　　　　　　　　　";

TEST(SwMaker, HumanWithoutARaceWord) {
  // A 6+6, B 5+6, C 1+1, D 3+4, E 6+5, F 2+2, G 1+2, H 4+6; money 3+4; birth 1+1.
  const auto& birth = Data::sw_birth_human.Row(0);
  EXPECT_EQ(Answer("#MAKE SW", DieFaces({6, 6, 5, 6, 1, 1, 3, 4, 6, 5, 2, 2, 1, 2, 4, 6, 3, 4, 1, 1})),
            Head() + "【ＳＷキャラクターメイキング】 種族：人間" +  //
                Head() + "器用度 = [12][11] = 23(+3)　　筋　力 = [11][ 4] = 15(+2)" + Head() +
                "敏捷度 = [ 2][　] = 13(+2)　　生命力 = [ 3][　] =  7(+1)" + Head() +
                "知　力 = [　][ 7] =  9(+1)　　精神力 = [　][10] = 13(+2)" +  //
                Head() + "生まれ表：" + birth.text + Money(kIndent, 7 * birth.multiplier, birth.experience));
}

TEST(SwMaker, DwarfHasAFixedBirthAndRollsNoBirthDice) {
  // A 2D6+4, B 1D6, C 1D6, D 2D6, E 2D6+2, F 2D6, G 2D6+2, H 1D6+6; money 6+6.
  EXPECT_EQ(Answer("#MAKE SW dwarf", DieFaces({1, 2, 6, 1, 4, 4, 6, 6, 5, 5, 3, 3, 6, 6, 6})),
            Head() + "【ＳＷキャラクターメイキング】 種族：ドワーフ" + Head() +
                "器用度 = [ 7][ 6] = 13(+2)　　筋　力 = [14][10] = 24(+4)" + Head() +
                "敏捷度 = [ 1][　] =  7(+1)　　生命力 = [ 8][　] = 18(+3)" + Head() +
                "知　力 = [　][ 8] =  9(+1)　　精神力 = [　][12] = 20(+3)" +  //
                Head() + "生まれ表：クラフトマン Lv5" + Money(kIndent, 3600, 3000));
}

TEST(SwMaker, ACountOfZeroRollsOneD3) {
  // The grass runner's E is 1D3: the output 4 reads 4 % 3 + 1 = 2 (a D6 would
  // read 5). A 2D6, B 2D6+3, C 2D6+3, D 1D6, F 1D6, G 2D6, H 2D6+6; money 1+2.
  testing::Draws draws = DieFaces({1, 1, 2, 2, 6, 6, 3});
  draws.first.push_back(4);
  for (const uint32_t face : {1, 3, 4, 5, 5, 1, 2}) draws.first.push_back(face - 1);
  const auto& birth = Data::sw_birth.Row(2);
  EXPECT_EQ(Answer("#MAKE SW GR", draws),
            Head() + "【ＳＷキャラクターメイキング】 種族：グラスランナー" + Head() +
                "器用度 = [ 2][ 7] =  9(+1)　　筋　力 = [ 2][ 1] =  3(+0)" + Head() +
                "敏捷度 = [15][　] = 22(+3)　　生命力 = [ 7][　] =  8(+1)" + Head() +
                "知　力 = [　][ 3] = 18(+3)　　精神力 = [　][16] = 23(+3)" +  //
                Head() + "生まれ表：" + birth.text + Money(kIndent, 3 * birth.multiplier, birth.experience));
}

TEST(SwMaker, HalfElfShowsBothBirths) {
  // A 2D6, B 2D6+1, C 2D6+1, D 2D6, E 1D6+2, F 2D6, G 2D6, H 2D6; money 5+5;
  // the human birth 6+6, its last row.
  const auto& human = Data::sw_birth_human.Row(10);
  EXPECT_EQ(Answer("#MAKE SW ハーフエルフ", DieFaces({2, 3, 4, 4, 1, 2, 6, 5, 4, 3, 3, 2, 2, 1, 6, 5, 5, 6, 6})),
            Head() + "【ＳＷキャラクターメイキング】 種族：ハーフエルフ" + Head() +
                "器用度 = [ 5][ 9] = 14(+2)　　筋　力 = [ 6][ 6] = 12(+2)" + Head() +
                "敏捷度 = [ 4][　] = 13(+2)　　生命力 = [ 4][　] = 10(+1)" + Head() +
                "知　力 = [　][11] = 15(+2)　　精神力 = [　][ 7] = 11(+1)" +  //
                Head() + "生まれ表（ 人間 ）：" + human.text +
                Money(kHalfElfIndent, 10 * human.multiplier, human.experience) +  //
                Head() + "生まれ表（エルフ）：シャーマン Lv1" + Money(kHalfElfIndent, 2000, 2000));
}

// The race line a word gives, or "" for no answer.
std::string RaceLine(const std::string& word) {
  const std::vector<std::string> lines = Lines(Answer("#MAKE SW " + word, 1));
  return lines.empty() ? "" : lines[0];
}

TEST(SwMaker, EveryRecognitionWordNamesItsOwnRace) {
  const std::string head = "NOTICE #trpg :taro -> 【ＳＷキャラクターメイキング】 種族：";
  // Each word finds its own race, so none is also a word of an earlier race.
  for (int32_t race = 0; race < Data::sw_races.rows; ++race) {
    const auto& row = Data::sw_races.Row(race);
    for (const char* word : {row.word1, row.word2, row.word3, row.word4, row.word5, row.word6, row.word7}) {
      if (word[0] == '\0') break;
      EXPECT_EQ(RaceLine(word), head + row.name) << word;
    }
  }
  for (const char* word : {"elf", "Elf", "ＥＬＦ", "ｅｌｆ"}) EXPECT_EQ(RaceLine(word), head + "エルフ") << word;
  EXPECT_EQ(RaceLine("ダークエルフ"), head + "ダークエルフ");
  EXPECT_EQ(RaceLine("half-elf"), head + "ハーフエルフ");
  // Unknown words, parts of a word, a pattern typed as a word, and a word that
  // differs from エルフ only in the letter case of its characters' second bytes
  // (ト is 83 67, エ 83 47) get no answer.
  for (const char* word : {"xyz", "DJ", "FEAR", "ドワ", "エルフX", ".*", "HM|ELF", "トルフ", "人"}) {
    EXPECT_EQ(RaceLine(word), "") << word;
  }
}

TEST(SwMaker, MakeFormsAndTheGameMode) {
  TempSettings settings;
  const std::string elf = Answer("#MAKE SW elf", 5);
  ASSERT_NE(elf, "");
  for (const char* make : {"#M", "#MK", "#make", "＃MAKE", "♯MAKE", "#ＭＡＫＥ"}) {
    EXPECT_EQ(Answer(std::string(make) + " SW elf", 5), elf) << make;
  }
  EXPECT_EQ(Answer("#MAKE SW1 ELF", 5), elf);
  EXPECT_EQ(Answer("#MAKE - elf", 5), "");
  settings.Write("[GameMode]\r\n#trpg=SW\r\n");
  EXPECT_EQ(Answer("#MAKE - elf", 5), elf);
  EXPECT_EQ(Answer("#MAKE -", 5), Answer("#MAKE SW", 5));
  EXPECT_EQ(Answer("#MAKE - xyz", 5), "");
}

TEST(SwMaker, TheAnswerKeepsWithin1024Bytes) {
  // With a long nick and channel only the first lines fit in 1023 bytes: they
  // are the maker's first lines, whole, and the rest is left out.
  const std::vector<std::string> short_lines = Lines(Answer("#MAKE SW", 9));
  ASSERT_EQ(short_lines.size(), 6u);
  const std::string nick(200, 'n'), channel = "#" + std::string(200, 'c');
  mirado::testing::PinnedRandom pinned(9);
  const std::string reply = CallCommand(nick, channel, "#MAKE SW");
  EXPECT_LE(reply.size(), 1023u);
  const std::vector<std::string> lines = Lines(reply);
  ASSERT_EQ(lines.size(), 2u);
  const std::string own_head = "NOTICE #trpg :taro -> ";
  for (std::size_t i = 0; i < lines.size(); ++i) {
    EXPECT_EQ(lines[i], "NOTICE " + channel + " :" + nick + " -> " + short_lines[i].substr(own_head.size()));
  }
}

TEST(SwMakerData, TheTablesAgree) {
  EXPECT_EQ(Data::sw_races.rows, 10);
  EXPECT_EQ(Data::sw_race_dice.blocks, Data::sw_races.rows);
  EXPECT_EQ(Data::sw_race_dice.block_rows, 8);
  EXPECT_EQ(Data::sw_birth.rows, Data::sw_races.rows);
  EXPECT_EQ(Data::sw_birth_human.rows, 11);
  const char* names[] = {"人間",
                         "ドワーフ",
                         "グラスランナー",
                         "エルフ",
                         "ハーフエルフ",
                         "フェザーフォルク",
                         "マーマン／マーメイド",
                         "ダークエルフ",
                         "ノーブルリザードマン",
                         "ケンタウロス"};
  for (int32_t race = 0; race < 10; ++race) {
    EXPECT_STREQ(Data::sw_races.Row(race).name, names[race]);
    EXPECT_STREQ(Data::sw_race_dice.block_labels[race], names[race]);
  }
}

}  // namespace
}  // namespace Tables
