// The DX name table: draw order, option words, weighted slots and the two
// reply lines.
#include <string>

#include "tables/table_data_list.h"
#include "tables/table_test_support.h"

namespace Tables {
namespace {

// The row of `slot` when every row stands `weight` times in a list.
int RowOfSlot(const Data::DataTable& table, int slot) {
  for (int row = 0; row < table.rows; ++row) {
    slot -= table.Number(row, 2);
    if (slot < 0) return row;
  }
  return -1;
}

int Slots(const Data::DataTable& table) {
  int slots = 0;
  for (int row = 0; row < table.rows; ++row) slots += table.Number(row, 2);
  return slots;
}

struct Expected {
  std::string code_line;
  int family_slot, given_slot;
  const Data::DataTable* family;
  const Data::DataTable* given;
  int family_row, given_row;
};

// After the option draws, the given name, the family name and the code name.
Expected Draws(std::mt19937& r, const Data::DataTable& family, const Data::DataTable& given) {
  Expected e;
  e.family = &family;
  e.given = &given;
  e.given_slot = static_cast<int>(r() % static_cast<uint32_t>(Slots(given)));
  e.family_slot = static_cast<int>(r() % static_cast<uint32_t>(Slots(family)));
  e.given_row = RowOfSlot(given, e.given_slot);
  e.family_row = RowOfSlot(family, e.family_slot);
  const int code = static_cast<int>(r() % 50);
  char number[32];
  std::snprintf(number, sizeof number, "[%02d]", code + 1);
  e.code_line =
      Head() + number + "   \"" + Data::dx_code_names.Text(code, 0) + "(" + Data::dx_code_names.Text(code, 1) + ")\"";
  return e;
}

std::string Slot(const Expected& e) {
  char slots[32];
  std::snprintf(slots, sizeof slots, "[%02d,%02d] ", (e.family_slot + 1) % 100, (e.given_slot + 1) % 100);
  return slots;
}

TEST(DxName, JapaneseNamesWithoutOptions) {
  // Gender (1 male), then origin: not 0 of 5 and not 0 of 25 is Japanese.
  const uint32_t seed = 7;
  std::mt19937 r(seed);
  const Expected e = Draws(r, Data::dx_family_japanese, Data::dx_given_japanese_male);
  EXPECT_EQ(Answer("#TABLE DX NAME", testing::Faces({{2, 1}, {5, 3}, {25, 24}}, seed)),
            e.code_line + Head() + Slot(e) + e.family->Text(e.family_row, 0) + " " + e.given->Text(e.given_row, 0) +
                " (" + e.family->Text(e.family_row, 1) + " " + e.given->Text(e.given_row, 1) + ") / 男性");
}

TEST(DxName, WhollyForeignAndForeignFamilyDraws) {
  uint32_t seed = 8;
  std::mt19937 r(seed);
  Expected e = Draws(r, Data::dx_family_foreign, Data::dx_given_foreign_female);
  EXPECT_EQ(Answer("#T DX3 NAME", testing::Faces({{2, 0}, {5, 0}}, seed)),
            e.code_line + Head() + Slot(e) + e.given->Text(e.given_row, 0) + " " + e.family->Text(e.family_row, 0) +
                " (" + e.given->Text(e.given_row, 1) + " " + e.family->Text(e.family_row, 1) + ") / 女性");
  seed = 9;
  r.seed(seed);
  e = Draws(r, Data::dx_family_foreign, Data::dx_given_japanese_female);
  EXPECT_EQ(Answer("#T DX NAME", testing::Faces({{2, 0}, {5, 4}, {25, 0}}, seed)),
            e.code_line + Head() + Slot(e) + e.given->Text(e.given_row, 0) + " " + e.family->Text(e.family_row, 0) +
                " (" + e.given->Text(e.given_row, 1) + ", " + e.family->Text(e.family_row, 1) + ") / 女性");
}

TEST(DxName, OptionWordsSkipTheirDrawsAndTheLaterWins) {
  for (uint32_t seed : {1u, 2u, 3u}) {
    // Origin and gender both given: no option draws at all.
    std::mt19937 r(seed);
    Expected e = Draws(r, Data::dx_family_japanese, Data::dx_given_foreign_male);
    const std::string jf = e.code_line + Head() + Slot(e) + e.family->Text(e.family_row, 0) + " " +
                           e.given->Text(e.given_row, 0) + " (" + e.family->Text(e.family_row, 1) + ", " +
                           e.given->Text(e.given_row, 1) + ") / 男性";
    EXPECT_EQ(Answer("#T DX NAME JF 男", seed), jf);
    EXPECT_EQ(Answer("#T DX NAME male jpfo", seed), jf);
    EXPECT_EQ(Answer("#T DX NAME ＪＦ ＭＡＬＥ", seed), jf);
    // Only the gender given: the origin draws still come first.
    r.seed(seed);
    const bool foreign = r() % 5 == 0;
    const bool foreign_family = foreign || r() % 25 == 0;
    e = Draws(r, foreign_family ? Data::dx_family_foreign : Data::dx_family_japanese,
              foreign ? Data::dx_given_foreign_female : Data::dx_given_japanese_female);
    EXPECT_NE(Answer("#T DX NAME おんな", seed).find(e.code_line), std::string::npos);
  }
}

TEST(DxName, EveryNameTurnsUp) {
  testing::ExpectEveryRow("#T DX NAME JP M", Data::dx_given_japanese_male, 0, 4000);
  testing::ExpectEveryRow("#T DX NAME JP F", Data::dx_given_japanese_female, 0, 4000);
  testing::ExpectEveryRow("#T DX NAME FO M", Data::dx_given_foreign_male, 0, 4000);
  testing::ExpectEveryRow("#T DX NAME FO F", Data::dx_given_foreign_female, 0, 4000);
  testing::ExpectEveryRow("#T DX NAME JP", Data::dx_family_japanese, 0, 4000);
  testing::ExpectEveryRow("#T DX NAME FO", Data::dx_family_foreign, 1, 4000);
  testing::ExpectEveryRow("#T DX NAME", Data::dx_code_names, 1, 4000);
}

}  // namespace
}  // namespace Tables
