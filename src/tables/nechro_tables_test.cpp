// The tables of the NECHRO system: attachment and madness, memory fragments,
// the attack roll with its modifier and stated die, treasures and hints.
#include <string>

#include "tables/table_data_list.h"
#include "tables/table_test_support.h"

namespace Tables {
namespace {

TEST(NechroLinger, AttachmentAndItsMadness) {
  const auto line = [](int face) {
    const auto& row = Data::nc_linger.Row(face - 1);
    const std::string shown = face < 10 ? "0" + std::to_string(face) : std::to_string(face);
    return Head() + "未練:[" + shown + "]【" + row.attachment + "】" + Head() + "発狂:" + row.madness + "／" +
           row.effect;
  };
  EXPECT_EQ(Answer("#TABLE NC LINGER", Faces({{10, 0}})), line(1));
  EXPECT_EQ(Answer("#T NECHRONICA MAD", Faces({{10, 9}})), line(10));
  ExpectEveryRow("#T NC LT", Data::nc_linger, 2);
}

TEST(NechroMemory, HundredRowsTheLastShownAsZeroZero) {
  const auto line = [](int index, const std::string& shown) {
    const auto& row = Data::nc_memory.Row(index);
    return Head() + "記憶のカケラ:[" + shown + "]【" + row.fragment + "】" + Head() + "(" + row.explanation + ")";
  };
  EXPECT_EQ(Answer("#TABLE NC MEMORY", Faces({{100, 0}})), line(0, "01"));
  EXPECT_EQ(Answer("#T NECHRO MT", Faces({{100, 41}})), line(41, "42"));
  EXPECT_EQ(Answer("#T NC MEM", Faces({{100, 99}})), line(99, "00"));
  ExpectEveryRow("#T NC MEMORY", Data::nc_memory, 0);
}

// The attack line for the shown die part and the total's row.
std::string Attack(const std::string& dice, int row, const std::string& excess = "") {
  return Head() + "攻撃判定:[" + dice + "] " + Data::nc_attack.Row(row).result + excess;
}

TEST(NechroAttack, DieModifierAndClampedRows) {
  // 1D10 alone: a 1 is the first row, a 10 the head.
  EXPECT_EQ(Answer("#TABLE NC ATTACK", Faces({{10, 0}})), Attack("01", 0));
  EXPECT_EQ(Answer("#T NC AT", Faces({{10, 9}})), Attack("10", 9));
  // A modifier: 9 + 3 = 12 reads the last row, the excess 12 - 10 = 2.
  EXPECT_EQ(Answer("#T NC ATTACK +3", Faces({{10, 8}})), Attack("09+3=12", 10, "／ダメージ+2"));
  EXPECT_EQ(Answer("#T NC ATK -5", Faces({{10, 9}})), Attack("10-5=05", 4));
  EXPECT_EQ(Answer("#T NC ATKT -15", Faces({{10, 4}})), Attack("05-15=-10", 0));
  EXPECT_EQ(Answer("#T NC ATTACK 2", Faces({{10, 8}})), Attack("09+2=11", 10, "／ダメージ+1"));
  // Full-width words read as half-width ones.
  EXPECT_EQ(Answer("#T NC ATTACK ＋３", Faces({{10, 8}})), Attack("09+3=12", 10, "／ダメージ+2"));
  EXPECT_EQ(Answer("#T NC ATTACK ＝１０", testing::Draws{}), Attack("10", 9));
  // A zero modifier is shown as none.
  EXPECT_EQ(Answer("#T NC ATTACK +0", Faces({{10, 5}})), Attack("06", 5));
  // A word that is no number is no modifier.
  EXPECT_EQ(Answer("#T NC ATTACK 3d", Faces({{10, 6}})), Attack("07", 6));
  // "=N" states the die: no draw is made.
  EXPECT_EQ(Answer("#T NC ATTACK =10", testing::Draws{}), Attack("10", 9));
  EXPECT_EQ(Answer("#T NC ATTACK =0", testing::Draws{}), Attack("00", 0));
  EXPECT_EQ(Answer("#T NC ATTACK =-3", testing::Draws{}), Attack("-3", 0));
  EXPECT_EQ(Answer("#T NC ATTACK =+13", testing::Draws{}), Attack("13", 10, "／ダメージ+3"));
  // Huge words: the parts are 32-bit numbers, the total is not cut.
  EXPECT_EQ(Answer("#T NC ATTACK =99999999999", testing::Draws{}), Attack("2147483647", 10, "／ダメージ+2147483637"));
  EXPECT_EQ(Answer("#T NC ATTACK +2147483647", Faces({{10, 9}})),
            Attack("10+2147483647=2147483657", 10, "／ダメージ+2147483647"));
  EXPECT_EQ(Answer("#T NC ATTACK -99999999999", Faces({{10, 0}})), Attack("01-2147483648=-2147483647", 0));
}

TEST(NechroTreasureAndHint, OneDieOfTen) {
  EXPECT_EQ(Answer("#TABLE NC TREASURE", Faces({{10, 0}})), Head() + "たからもの:[01] " + Data::nc_treasure.Text(0, 0));
  EXPECT_EQ(Answer("#T NC TAKARAMONO", Faces({{10, 9}})), Head() + "たからもの:[10] " + Data::nc_treasure.Text(9, 0));
  EXPECT_EQ(Answer("#TABLE NC HINT", Faces({{10, 0}})), Head() + "暗示:[01] " + Data::nc_hint.Text(0, 0));
  EXPECT_EQ(Answer("#T NC ANZI", Faces({{10, 9}})), Head() + "暗示:[10] " + Data::nc_hint.Text(9, 0));
  ExpectEveryRow("#T NC TT", Data::nc_treasure, 0);
  ExpectEveryRow("#T NC HT", Data::nc_hint, 0);
}

}  // namespace
}  // namespace Tables
