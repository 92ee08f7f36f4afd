// Shape checks over every table's data as compiled: every text fits its
// field in the bytes the compiler wrote (code page 932, which the generator
// only estimated with its own codec), and no table holds an empty or
// repeated row or a weight that could never be drawn. The generator checks
// the row counts against the dice when it writes the data.
#include <gtest/gtest.h>

#include <cstring>
#include <initializer_list>
#include <set>
#include <string>

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

}  // namespace
}  // namespace Tables::Data
