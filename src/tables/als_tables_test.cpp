// The circumstances table of the ALS system: one half-die roll reads the
// same row of four tables, with the ff column shown where it differs.
#include <string>

#include "tables/table_data_list.h"
#include "tables/table_test_support.h"

namespace Tables {
namespace {

TEST(AlsCircumstances, FirstRowWithBothColumns) {
  // 1 and 2 read row 0, whose birth, circumstance and encounter changed in
  // ff and whose quest did not.
  using namespace Data;
  EXPECT_EQ(Answer("#T ALS LIFE", Faces({{6, 0}, {6, 1}})),
            Head() + "出自：[1,2]" + als_birth.Text(0, 0) + Head() + "　　　特徴：(旧)" + als_birth.Text(0, 1) + "（" +
                als_birth.Text(0, 2) + "）" + Head() + "　　　　　　(ff)" + als_birth.Text(0, 3) + "（" +
                als_birth.Text(0, 4) + "）" + Head() + "境遇：[1,2](旧)" + als_circumstance.Text(0, 0) + " ／ (ff)" +
                als_circumstance.Text(0, 1) + Head() + "　　　クエスト：" + als_quest.Text(0, 0) + Head() +
                "邂逅：[1,2]" + als_encounter.Text(0, 0) + Head() + "　　　コネ：" + als_encounter.Text(0, 1) + " ／ " +
                als_encounter.Text(0, 2) + " ／ " + als_encounter.Text(0, 3));
}

TEST(AlsCircumstances, LastRowAndOlderOnlyForms) {
  // 6 and 6 read row 17: ff birth and quest only; row 16 (6 and 3) an ff
  // encounter only.
  using namespace Data;
  EXPECT_EQ(Answer("#T ALF LIFE", Faces({{6, 5}, {6, 5}})),
            Head() + "出自：[6,6]" + als_birth.Text(17, 0) + Head() + "　　　特徴：(旧)" + als_birth.Text(17, 1) +
                "（" + als_birth.Text(17, 2) + "）" + Head() + "　　　　　　(ff)" + als_birth.Text(17, 3) + "（" +
                als_birth.Text(17, 4) + "）" + Head() + "境遇：[6,6]" + als_circumstance.Text(17, 0) + Head() +
                "　　　クエスト：" + als_quest.Text(17, 0) + Head() + "邂逅：[6,6]" + als_encounter.Text(17, 0) +
                Head() + "　　　コネ：" + als_encounter.Text(17, 1) + " ／ " + als_encounter.Text(17, 2) + " ／ " +
                als_encounter.Text(17, 3));
  const std::string reply = Answer("#T ALS LIFE", Faces({{6, 5}, {6, 2}}));
  EXPECT_NE(reply.find(Head() + "　　　特徴：" + als_birth.Text(16, 1) + "（" + als_birth.Text(16, 2) + "）"),
            std::string::npos);
  EXPECT_NE(reply.find(Head() + "　　　コネ：(旧) " + als_encounter.Text(16, 1) + " ／ " + als_encounter.Text(16, 2) +
                       " ／ " + als_encounter.Text(16, 3) + Head() + "　　　コネ：(ff) " + als_encounter.Text(16, 4) +
                       " ／ " + als_encounter.Text(16, 5) + " ／ " + als_encounter.Text(16, 6)),
            std::string::npos);
  EXPECT_NE(reply.find(Head() + "　　　クエスト：(旧)" + std::string(als_quest.Text(16, 0)) + " ／ (ff)" +
                       als_quest.Text(16, 1)),
            std::string::npos);
}

TEST(AlsCircumstances, EveryRowTurnsUpAndFfColumnsComeInPairs) {
  ExpectEveryRow("#T ALS LIFE", Data::als_birth, 1);
  ExpectEveryRow("#T ALS LIFE", Data::als_encounter, 0);
  for (int32_t row = 0; row < Data::als_birth.rows; ++row) {
    EXPECT_EQ(Data::als_birth.Text(row, 3)[0] == '\0', Data::als_birth.Text(row, 4)[0] == '\0') << row;
    const bool ff = Data::als_encounter.Text(row, 4)[0] != '\0';
    EXPECT_EQ(Data::als_encounter.Text(row, 5)[0] != '\0', ff) << row;
    EXPECT_EQ(Data::als_encounter.Text(row, 6)[0] != '\0', ff) << row;
  }
}

// The older column padded with spaces to 12 bytes.
std::string Padded(const char* text) {
  std::string padded = text;
  if (padded.size() < 12) padded.append(12 - padded.size(), ' ');
  return padded;
}

TEST(AlsShard, ThreeTotalsWithTheOlderColumnPadded) {
  const testing::Draws seed = Faces({{6, 0}, {6, 0}, {6, 5}, {6, 5}, {6, 2}, {6, 3}});
  EXPECT_EQ(Answer("#T ALS SHARD", seed),
            Head() + "シャードの色彩：[ 2] (旧)" + Padded(Data::als_shard_colour.Text(0, 0)) + " ／ (ff)" +
                Data::als_shard_colour.Text(0, 1) + Head() + "　　　　　形状：[12] (旧)" +
                Padded(Data::als_shard_form.Text(10, 0)) + " ／ (ff)" + Data::als_shard_form.Text(10, 1) + Head() +
                "　　　　　場所：[ 7] (旧)" + Padded(Data::als_shard_place.Text(5, 0)) + " ／ (ff)" +
                Data::als_shard_place.Text(5, 1));
  ExpectEveryRow("#T ALS SHARD", Data::als_shard_colour, 1);
  ExpectEveryRow("#T ALF SHARD", Data::als_shard_form, 1);
  ExpectEveryRow("#T ALG SHARD", Data::als_shard_place, 1);
}

}  // namespace
}  // namespace Tables
