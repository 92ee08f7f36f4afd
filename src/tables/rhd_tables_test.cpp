// The tables of the RHD system: the rabbit's entrance.
#include "tables/table_data_list.h"
#include "tables/table_test_support.h"

namespace Tables {
namespace {

using testing::Answer;
using testing::Faces;
using testing::Head;

TEST(RhdRabbit, OneDieOneRow) {
  EXPECT_EQ(Answer("#TABLE RHD RABBIT", Faces({{6, 0}})),
            Head() + "うさぴょん登場: [1] " + Data::rhd_rabbit.Row(0).text);
  EXPECT_EQ(Answer("#T RABBITHOLE USAPYON", Faces({{6, 5}})),
            Head() + "うさぴょん登場: [6] " + Data::rhd_rabbit.Row(5).text);
  testing::ExpectEveryRow("#T RHD USAGI", Data::rhd_rabbit, 0);
}

}  // namespace
}  // namespace Tables
