// The SF EX parameter table: the stage word, kept to 1..3, and D66 rows.
#include <string>

#include "tables/table_data_list.h"
#include "tables/table_test_support.h"

namespace Tables {
namespace {

std::string Ex(const char* stage_name, int stage, int tens, int ones) {
  const int row = stage * 36 + tens * 6 + ones;
  return Head() + "ＥＸパラメータ：第" + stage_name + "段階[" + std::to_string(10 * (tens + 1) + ones + 1) + "] " +
         Data::sf_ex_parameters.Text(row, 0) + "（条件：" + Data::sf_ex_parameters.Text(row, 1) + "）";
}

TEST(SfExParameter, StagesAreKeptToOneToThree) {
  const testing::Draws first = testing::Faces({{6, 0}, {6, 0}});
  const testing::Draws last = testing::Faces({{6, 5}, {6, 5}});
  for (const char* line : {"#T SF EX", "#T SF EX 0", "#T SF EX -5", "#T SF EX 1", "#T SF EX x"}) {
    EXPECT_EQ(Answer(line, first), Ex("一", 0, 0, 0)) << line;
  }
  EXPECT_EQ(Answer("#T SFAD EX 2", last), Ex("二", 1, 5, 5));
  EXPECT_EQ(Answer("#T SFM EX ２", first), Ex("二", 1, 0, 0));
  for (const char* line : {"#T SF EX 3", "#T SF EX 7", "#T SF EX 2147483647", "#T SF EX 99999999999"}) {
    EXPECT_EQ(Answer(line, last), Ex("三", 2, 5, 5)) << line;
  }
  const uint32_t seed = 21;
  std::mt19937 r(seed);
  const int tens = static_cast<int>(r() % 6), ones = static_cast<int>(r() % 6);
  EXPECT_EQ(Answer("#TABLE SF EX 2", seed), Ex("二", 1, tens, ones));
}

TEST(SfExParameter, EveryRowOfEveryStageTurnsUp) {
  // Each stage's rows appear only under that stage's word.
  for (const char* stage : {"1", "2", "3"}) {
    std::set<std::string> seen;
    for (uint32_t seed = 1; seed <= 1500 && seen.size() < 36; ++seed) {
      const std::string reply = Answer(std::string("#T SF EX ") + stage, seed);
      const std::size_t name = reply.find("] ") + 2;
      seen.insert(reply.substr(name, reply.find("（条件") - name));
    }
    EXPECT_EQ(seen.size(), 36u) << stage;
    for (int row = 0; row < 36; ++row) {
      EXPECT_EQ(seen.count(Data::sf_ex_parameters.Text((stage[0] - '1') * 36 + row, 0)), 1u) << stage << " " << row;
    }
  }
}

}  // namespace
}  // namespace Tables
