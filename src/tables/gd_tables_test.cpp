// The GD fumble and penalty tables: 2D10 from zero plus a modifier, kept to
// 0..18, the table chosen by the letters of word 2.
#include <string>

#include "tables/table_data_list.h"
#include "tables/table_test_support.h"
#include "tables/table_text.h"

namespace Tables {
namespace {

TEST(GdTables, ModifierIsShownAndTheResultKeptInRange) {
  const testing::Draws top = Faces({{10, 9}, {10, 9}}), bottom = Faces({{10, 0}, {10, 0}});
  EXPECT_EQ(Answer("#T GD FS", top), Head() + "射撃ファンブル表：[18] " + Data::gd_fumble_shooting.Text(18, 0));
  EXPECT_EQ(Answer("#T GD FS +5", top), Head() + "射撃ファンブル表：[18+5:18] " + Data::gd_fumble_shooting.Text(18, 0));
  EXPECT_EQ(Answer("#T GD FA -3", bottom),
            Head() + "武器戦闘ファンブル表：[00+-3: 0] " + Data::gd_fumble_weapon.Text(0, 0));
  EXPECT_EQ(Answer("#T GD FT", bottom), Head() + "投擲ファンブル表：[ 0] " + Data::gd_fumble_thrown.Text(0, 0));
  // A modifier as large as 32 bits allow does not wrap around.
  EXPECT_EQ(Answer("#T GD FG 2147483647", top),
            Head() + "格闘ファンブル表：[18+2147483647:18] " + Data::gd_fumble_unarmed.Text(18, 0));
  EXPECT_EQ(Answer("#T GD FG -2147483648", top),
            Head() + "格闘ファンブル表：[18+-2147483648: 0] " + Data::gd_fumble_unarmed.Text(0, 0));
  // 3 + 4 with +2 reads row 9; a modifier that is not a number counts 0.
  const testing::Draws nine = Faces({{10, 3}, {10, 4}});
  EXPECT_EQ(Answer("#T GD GF 2", nine), Head() + "格闘ファンブル表：[07+2: 9] " + Data::gd_fumble_unarmed.Text(9, 0));
  EXPECT_EQ(Answer("#T GD GF x", nine), Head() + "格闘ファンブル表：[ 7] " + Data::gd_fumble_unarmed.Text(7, 0));
}

TEST(GdTables, WordTwoChoosesTheTable) {
  const testing::Draws seed = Faces({{10, 0}, {10, 0}});
  // Row 0 of each penalty table rolls no dice.
  const struct {
    const char* word;
    const char* title;
    const Data::DataTable& table;
  } cases[] = {
      {"PA", "武器戦闘ペナルティ表", Data::gd_penalty_weapon},
      {"tp", "投擲ペナルティ表", Data::gd_penalty_weapon},
      {"PG", "格闘ペナルティ表", Data::gd_penalty_unarmed},
      {"EP", "爆発ペナルティ表", Data::gd_penalty_explosion},
      {"PS2", "射撃ペナルティ表(貫通)", Data::gd_penalty_shooting_through},
      {"2PS", "射撃ペナルティ表(貫通)", Data::gd_penalty_shooting_through},
      {"PS", "射撃ペナルティ表(非貫通)", Data::gd_penalty_shooting},
      {"PS1", "射撃ペナルティ表(非貫通)", Data::gd_penalty_shooting},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Answer(std::string("#T GD ") + c.word, seed), Head() + c.title + "：[ 0] " + c.table.Text(0, 2))
        << c.word;
  }
  // F before P; letters that name no table, and no word at all, get nothing.
  EXPECT_EQ(Answer("#T GD FPS", seed), Head() + "射撃ファンブル表：[ 0] " + Data::gd_fumble_shooting.Text(0, 0));
  for (const char* line : {"#T GD F", "#T GD P", "#T GD X", "#T GD P2", "#T GD"}) EXPECT_EQ(Answer(line, seed), "");
}

TEST(GdTables, PenaltyDiceFillTheRowSecondCountFirst) {
  // Row 14 of the weapon table rolls 2D6 and 1D6: raw 7 + 7.
  ASSERT_EQ(Data::gd_penalty_weapon.Number(14, 0), 2);
  ASSERT_EQ(Data::gd_penalty_weapon.Number(14, 1), 1);
  const testing::Draws seed = Faces({{10, 7}, {10, 7}}, 5);
  std::mt19937 r(5);
  const int second = static_cast<int>(r() % 6) + 1;
  const int first = static_cast<int>(r() % 6) + 1 + static_cast<int>(r() % 6) + 1;
  EXPECT_EQ(Answer("#T GD PA", seed),
            Head() + "武器戦闘ペナルティ表：[14] " +
                FillMarks(Data::gd_penalty_weapon.Text(14, 2), "%d", {std::to_string(first), std::to_string(second)}));
  // The sample row is the weapon table's row 6.
  EXPECT_EQ(std::string(Data::gd_penalty_weapon.Text(6, 2)), "追加ダメージ:1D6(%d)／次の[成功判定]に-10％");
}

// Each penalty row has one "%d" for each dice count it rolls, in order.
TEST(GdTables, PenaltyRowsHaveAMarkForEachCount) {
  for (const Data::DataTable* table : std::initializer_list<const Data::DataTable*>{
           &Data::gd_penalty_weapon, &Data::gd_penalty_unarmed, &Data::gd_penalty_explosion,
           &Data::gd_penalty_shooting_through, &Data::gd_penalty_shooting}) {
    for (int32_t row = 0; row < table->rows; ++row) {
      const std::string text = table->Text(row, 2);
      int marks = 0;
      for (std::size_t pos = text.find("%d"); pos != std::string::npos; pos = text.find("%d", pos + 2)) ++marks;
      const int32_t first = table->Number(row, 0), second = table->Number(row, 1);
      EXPECT_EQ(marks, (first > 0) + (second > 0)) << table->name << " row " << row;
      EXPECT_TRUE(second == 0 || first > 0) << table->name << " row " << row;
      EXPECT_EQ(text.find('%'), text.find("%d")) << table->name << " row " << row;
    }
  }
}

TEST(GdTables, EveryRowTurnsUp) {
  ExpectEveryRow("#T GD FS", Data::gd_fumble_shooting, 0);
  ExpectEveryRow("#T GD FA", Data::gd_fumble_weapon, 0);
  ExpectEveryRow("#T GD FT", Data::gd_fumble_thrown, 0);
  ExpectEveryRow("#T GD FG", Data::gd_fumble_unarmed, 0);
  ExpectEveryRow("#T GD PA", Data::gd_penalty_weapon, 2);
  ExpectEveryRow("#T GD PG", Data::gd_penalty_unarmed, 2);
  ExpectEveryRow("#T GD PE", Data::gd_penalty_explosion, 2);
  ExpectEveryRow("#T GD PS2", Data::gd_penalty_shooting_through, 2);
  ExpectEveryRow("#T GD PS", Data::gd_penalty_shooting, 2);
}

}  // namespace
}  // namespace Tables
