// The DH fumble table: 2D6, each row carrying its own roll label.
#include <string>

#include "tables/table_data_list.h"
#include "tables/table_test_support.h"

namespace Tables {
namespace {

TEST(DhFumble, TotalsTwoAndTwelveAndEveryRow) {
  EXPECT_EQ(Answer("#T DH FUMBLE", Faces({{6, 0}, {6, 0}})), Head() + Data::dh_fumble.Text(0, 0));
  EXPECT_EQ(Answer("#T DH F", Faces({{6, 5}, {6, 5}})), Head() + Data::dh_fumble.Text(10, 0));
  EXPECT_EQ(std::string(Data::dh_fumble.Text(0, 0)).substr(0, 5), "[ 2] ");
  EXPECT_EQ(std::string(Data::dh_fumble.Text(10, 0)).substr(0, 5), "[12] ");
  ExpectEveryRow("#T DH F", Data::dh_fumble, 0);
}

}  // namespace
}  // namespace Tables
