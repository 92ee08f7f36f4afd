// Shape checks over every table's data as compiled: every text fits its
// field in the bytes the compiler wrote (code page 932, which the generator
// only estimated with its own codec), and no table holds an empty or
// repeated row or a weight that could never be drawn. The generator checks
// the row counts against the dice when it writes the data.
#include <gtest/gtest.h>

#include <cstring>
#include <initializer_list>
#include <map>
#include <set>
#include <string>
#include <utility>

#include "core/text.h"
#include "tables/table_data_list.h"

namespace Tables::Data {
namespace {

TEST(TableData, EveryTextFitsItsFieldAndNoRowIsEmptyOrRepeated) {
  ASSERT_GT(kAllTableCount, 0u);
  for (std::size_t t = 0; t < kAllTableCount; ++t) {
    const DataTable& table = *kAllTables[t];
    SCOPED_TRACE(table.name);
    EXPECT_GT(table.rows, 0);
    std::set<std::string> seen;
    for (int32_t row = 0; row < table.rows; ++row) {
      std::string whole;
      for (int32_t col = 0; col < table.columns; ++col) {
        const DataColumn& column = table.column[col];
        const char* text = table.Text(row, col);
        // A wide cell (a name a word is looked up by) counts as its text too.
        whole += column.kind == CellKind::kNumber ? std::to_string(table.Number(row, col))
                 : column.kind == CellKind::kWide ? mirado::ToNarrow(table.Wide(row, col))
                                                  : std::string(text);
        whole += '\t';
        if (column.kind != CellKind::kText) {
          if (std::strcmp(column.name, "weight") == 0) {
            EXPECT_GT(table.Number(row, col), 0) << "row " << row;
          }
          continue;
        }
        // Bytes as compiled (code page 932): at most width - 1 of them, and
        // never a lead byte cut off at the end.
        const std::size_t length = std::strlen(text);
        EXPECT_LT(length, static_cast<std::size_t>(column.width)) << column.name << " row " << row;
        EXPECT_TRUE(column.optional || length > 0) << column.name << " row " << row;
        std::size_t pos = 0;
        while (pos < length) pos += mirado::IsLeadByte(static_cast<unsigned char>(text[pos])) ? 2 : 1;
        EXPECT_EQ(pos, length) << column.name << " row " << row;
      }
      EXPECT_TRUE(seen.insert(whole).second || table.repeats) << "row " << row << " repeats an earlier one";
    }
  }
}

// Every sentence template has the two blanks its words fill.
TEST(TableData, TemplatesHaveTwoBlanks) {
  for (const DataTable* table :
       std::initializer_list<const DataTable*>{&personality_templates, &nw_relation_templates}) {
    for (int32_t row = 0; row < table->rows; ++row) {
      const std::string text = table->Text(row, 0);
      const std::size_t first = text.find("%s");
      ASSERT_NE(first, std::string::npos) << table->name << " row " << row;
      const std::size_t second = text.find("%s", first + 2);
      ASSERT_NE(second, std::string::npos) << table->name << " row " << row;
      EXPECT_EQ(text.find('%', second + 2), std::string::npos) << table->name << " row " << row;
    }
  }
}

// A cell as UTF-16, so the checks below cut it at characters, never bytes.
std::u16string Wide(const DataTable& table, int32_t row, int32_t col) { return mirado::ToWide(table.Text(row, col)); }

// A two-edition column says something of its own: no ff cell repeats the
// older cell of its row. In the shard tables an ff cell is none of the
// table's older cells (a synonym moved one row is still the older table) and
// shares no kanji with the older cell of its row, as 星形 and 星 or 漆黒 and
// 黒曜 would.
TEST(TableData, FfColumnsAreTheirOwn) {
  auto kanji = [](char16_t c) { return c >= u'\x4E00' && c <= u'\x9FFF'; };
  for (const DataTable* table :
       std::initializer_list<const DataTable*>{&als_shard_colour, &als_shard_form, &als_shard_place}) {
    std::set<std::u16string> older;
    for (int32_t row = 0; row < table->rows; ++row) older.insert(Wide(*table, row, 0));
    for (int32_t row = 0; row < table->rows; ++row) {
      const std::u16string ff = Wide(*table, row, 1), old = Wide(*table, row, 0);
      EXPECT_EQ(older.count(ff), 0u) << table->name << " row " << row;
      for (char16_t c : ff)
        EXPECT_FALSE(kanji(c) && old.find(c) != std::u16string::npos) << table->name << " row " << row;
    }
  }
  const std::pair<const DataTable*, std::pair<int32_t, int32_t>> pairs[] = {
      {&als_circumstance, {0, 1}}, {&als_quest, {0, 1}}, {&als_birth, {1, 3}}, {&als_birth, {2, 4}}};
  for (const auto& [table, columns] : pairs) {
    for (int32_t row = 0; row < table->rows; ++row) {
      const std::u16string ff = Wide(*table, row, columns.second);
      EXPECT_TRUE(ff.empty() || ff != Wide(*table, row, columns.first)) << table->name << " row " << row;
    }
  }
}

// The text of a row with every dice notation ("2D6", "D66") replaced by one
// mark, so two rows that differ only in their dice compare equal.
std::u16string WithoutDice(std::u16string text) {
  auto digit = [](char16_t c) { return c >= u'0' && c <= u'9'; };
  std::u16string out;
  for (std::size_t i = 0; i < text.size();) {
    std::size_t j = i;
    while (j < text.size() && digit(text[j])) ++j;
    if (j < text.size() && text[j] == u'D' && j + 1 < text.size() && digit(text[j + 1])) {
      for (++j; j < text.size() && digit(text[j]);) ++j;
      out += u'#';
      i = j;
    } else {
      out.append(text, i, j - i + (j < text.size() ? 1 : 0));
      i = j + 1;
    }
  }
  return out;
}

// The SW tables of the priest and the bard are ladders of effects: no two
// rows are the same effect with other dice, and no clause (the text between
// "。" and "、") stands in two rows, as a second "何も起こらない" would.
TEST(TableData, SwEffectRowsAreDistinct) {
  for (const DataTable* table : std::initializer_list<const DataTable*>{&sw_requiem, &sw_turn_undead, &sw_fear}) {
    std::set<std::u16string> seen;
    for (int32_t row = 0; row < table->rows; ++row) {
      EXPECT_TRUE(seen.insert(WithoutDice(Wide(*table, row, 0))).second) << table->name << " row " << row;
    }
  }
  for (const DataTable* table : std::initializer_list<const DataTable*>{&sw_requiem, &sw_turn_undead}) {
    std::map<std::u16string, int32_t> clause_row;
    for (int32_t row = 0; row < table->rows; ++row) {
      const std::u16string text = Wide(*table, row, 0);
      std::size_t from = 0;
      while (from < text.size()) {
        std::size_t end = text.find_first_of(u"。、", from);
        if (end == std::u16string::npos) end = text.size();
        const auto [it, fresh] = clause_row.emplace(text.substr(from, end - from), row);
        EXPECT_TRUE(fresh || it->second == row) << table->name << " rows " << it->second << " and " << row;
        from = end + 1;
      }
    }
  }
}

// The GD penalty tables are one per kind of attack: no row text stands in
// two of them (the thrown table reads the weapon table's rows by design).
TEST(TableData, GdPenaltyRowsBelongToOneTable) {
  std::map<std::string, const char*> owner;
  for (const DataTable* table : {&gd_penalty_weapon, &gd_penalty_unarmed, &gd_penalty_explosion, &gd_penalty_shooting,
                                 &gd_penalty_shooting_through}) {
    for (int32_t row = 0; row < table->rows; ++row) {
      const auto [it, fresh] = owner.emplace(table->Text(row, 2), table->name);
      EXPECT_TRUE(fresh) << table->name << " row " << row << " is also in " << it->second;
    }
  }
}

}  // namespace
}  // namespace Tables::Data
