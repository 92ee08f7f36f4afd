// The table kit's pieces: the die conventions, the kind selector, the reply
// formatter, the weighted pick, and a described table served through the
// directory within its reply limit.
#include "tables/table_kit.h"

#include <gtest/gtest.h>

#include <string>

#include "support/test_support.h"
#include "tables/table_data_list.h"

namespace Tables {
namespace {

using mirado::testing::ForcedDraws;

struct Expected {
  Data::DiceKind dice;
  std::vector<uint32_t> draws;
  int32_t row, shown, tens, ones;
};

TEST(TableKit, EveryDieConventionReadsItsDraws) {
  const Expected cases[] = {
      // One draw modulo 6, shown from 1; an output of 2^32 - 1 is a 4.
      {Data::DiceKind::k1D6, {4294967295u}, 3, 4, 0, 0},
      // Two draws: 2 and 5 total 7 (shown 9).
      {Data::DiceKind::k2D6, {2, 11}, 7, 9, 0, 0},
      // The first die the tens: 6 and 1 read row 30.
      {Data::DiceKind::kD66, {5, 0}, 30, 61, 6, 1},
      // The second die the tens: the same draws read 16, row 5.
      {Data::DiceKind::kD66SecondTens, {5, 0}, 5, 16, 1, 6},
      // Tens 5, the second die 4 halved: row 4 * 3 + 1.
      {Data::DiceKind::kHalfD66, {4, 3}, 13, 54, 5, 4},
      // Faces 5 and 2: the smaller is the tens, 25 is the tenth outcome.
      {Data::DiceKind::kOrderedD66, {4, 1}, 9, 25, 2, 5},
      {Data::DiceKind::kOrderedD66, {5, 5}, 20, 66, 6, 6},
      {Data::DiceKind::kOrderedD66, {0, 0}, 0, 11, 1, 1},
      {Data::DiceKind::k1D10, {19}, 9, 10, 0, 0},
      {Data::DiceKind::k2D10, {9, 9}, 18, 18, 0, 0},
      // Percentile dice: the last row shows 00.
      {Data::DiceKind::kD100, {99}, 99, 0, 0, 0},
      {Data::DiceKind::kD100, {100}, 0, 1, 0, 0},
  };
  for (const Expected& e : cases) {
    SCOPED_TRACE(static_cast<int>(e.dice));
    ForcedDraws forced(e.draws);
    const TableRoll roll = RollTable(e.dice, 0);
    EXPECT_EQ(roll.row, e.row);
    EXPECT_EQ(roll.shown, e.shown);
    if (e.tens != 0) {
      EXPECT_EQ(roll.tens, e.tens);
      EXPECT_EQ(roll.ones, e.ones);
    }
  }
  ForcedDraws forced({13});
  const TableRoll drawn = RollTable(Data::DiceKind::kDraw, 7);
  EXPECT_EQ(drawn.row, 6);
  EXPECT_EQ(drawn.shown, 7);
}

const KindRow kPlaces[] = {
    {u"都市|CLT?|C(ITY)?", "都市"},
    {u"閉所|SLT?|S(MALL)?", "閉所"},
    {u"", "never"},
    {u"ｸﾘ(ﾃｨｶﾙ)?|C.*", "クリティカル"},
};

TEST(TableKit, KindSelectorPicksByItsRules) {
  const KindSelector first{kPlaces, KindFolding::kHalfWidth, false, KindFallback::kNoReply};
  EXPECT_EQ(first.Select("CLT"), 0);
  EXPECT_EQ(first.Select("ｃｉｔｙ"), 0);  // full width, any case
  EXPECT_EQ(first.Select("都市"), 0);
  EXPECT_EQ(first.Select("small"), 1);
  EXPECT_EQ(first.Select("クリティカル"), 3);  // read in half width
  EXPECT_EQ(first.Select("XYZ"), -1);
  EXPECT_EQ(first.Select(""), -1);  // an empty word never matches
  // Every pattern tried, the last hit wins: "CITY" also takes "C.*".
  const KindSelector last{kPlaces, KindFolding::kHalfWidth, true, KindFallback::kNoReply};
  EXPECT_EQ(last.Select("CITY"), 3);
  // Read as typed, full-width letters are not the patterns' letters.
  const KindSelector wide{kPlaces, KindFolding::kWide, false, KindFallback::kFirstKind};
  EXPECT_EQ(wide.Select("ＳＬＴ"), 0);
  EXPECT_EQ(wide.Select("SLT"), 1);
  {
    // The drawn fallback draws only when no kind matched: odd picks the first.
    const KindSelector drawn{kPlaces, KindFolding::kWide, false, KindFallback::kDrawnKind};
    ForcedDraws forced({7, 8});
    EXPECT_EQ(drawn.Select("SLT"), 1);
    EXPECT_EQ(drawn.Select("none"), 0);
    EXPECT_EQ(drawn.Select("none"), 1);
  }
  const KindRow folded_rows[] = {{u"ＥＡＳＹ|.*易.*", "易"}};
  const KindSelector folded{folded_rows, KindFolding::kFolded, false, KindFallback::kNoReply};
  EXPECT_EQ(folded.Select("easy"), 0);
  EXPECT_EQ(folded.Select("かなり易しい"), 0);
}

std::string Format(std::string_view format, std::initializer_list<ReplyValue> values) {
  std::string out;
  if (!FormatReply(format, std::span<const ReplyValue>(values.begin(), values.size()), &out)) return "(refused)";
  return out;
}

TEST(TableKit, ReplyFormatWritesTheConversionsItKnows) {
  using V = ReplyValue;
  EXPECT_EQ(Format("恐怖表：[%2d] %s", {V::Number(7), V::Text("x%sy")}), "恐怖表：[ 7] x%sy");
  EXPECT_EQ(Format("[%02d][%2d]", {V::Number(7), V::Number(12)}), "[07][12]");
  EXPECT_EQ(Format("（%+d/%+d）", {V::Number(3), V::Number(-2)}), "（+3/-2）");
  EXPECT_EQ(Format("%+d", {V::Number(0)}), "+0");
  EXPECT_EQ(Format("(旧)%-12s／", {V::Text("赤")}), "(旧)赤          ／");
  EXPECT_EQ(Format("%-2s|", {V::Text("長い名前")}), "長い名前|");
  EXPECT_EQ(Format("100%%", {}), "100%");
  EXPECT_EQ(Format("[%d%d]", {V::Number(6), V::Number(1)}), "[61]");
  // Anything else is refused rather than guessed.
  EXPECT_EQ(Format("%s", {}), "(refused)");
  EXPECT_EQ(Format("%s", {V::Text("a"), V::Text("b")}), "(refused)");
  EXPECT_EQ(Format("%d", {V::Text("a")}), "(refused)");
  EXPECT_EQ(Format("%s", {V::Number(1)}), "(refused)");
  EXPECT_EQ(Format("%x", {V::Number(1)}), "(refused)");
  EXPECT_EQ(Format("%", {V::Number(1)}), "(refused)");
  EXPECT_EQ(Format("%05s", {V::Text("a")}), "(refused)");
}

TEST(TableKit, WeightedPickCountsEachRowItsWeight) {
  // Weights 2, 0, 3, -1, 1 give six slots: 0 1 | 2 3 4 | 5.
  const int32_t weights[] = {2, 0, 3, -1, 1};
  const struct {
    uint32_t draw;
    int32_t row;
  } cases[] = {{0, 0}, {1, 0}, {2, 2}, {4, 2}, {5, 4}, {6, 0}, {11, 4}};
  for (const auto& c : cases) {
    ForcedDraws forced({c.draw});
    int32_t slot = -1;
    EXPECT_EQ(DrawWeightedSlot(weights, sizeof weights[0], 5, &slot), c.row) << c.draw;
    EXPECT_EQ(slot, static_cast<int32_t>(c.draw % 6));
  }
}

TEST(TableKit, DescribedTableAnswersFromItsData) {
  mirado::testing::TempSettings settings;
  // SW fear: 2D6 of 1 and 6 (total 7) reads the sixth row.
  ForcedDraws forced({0, 5});
  const std::string reply = mirado::testing::CallCommand("taro", "#trpg", "#TABLE SW FEAR");
  EXPECT_EQ(reply, std::string("NOTICE #trpg :taro -> 恐怖表：[ 7] ") + Data::sw_fear.Row(5).text);
}

TEST(TableKit, RepliesKeepToTheirLimit) {
  mirado::testing::TempSettings settings;
  const std::string nick(200, 'n');
  ForcedDraws forced({0, 0}, false);
  const std::string reply = mirado::testing::CallCommand(nick, "#trpg", "#T ALS LIFE");
  EXPECT_LE(reply.size(), 1023u);
  // Only whole lines: the last line is complete.
  EXPECT_EQ(reply.rfind("NOTICE #trpg :" + nick + " -> ", 0), 0u);
  EXPECT_GE(mirado::testing::Lines(reply).size(), 2u);
  EXPECT_NE(reply.substr(reply.rfind("\r\n") + 2).find(" -> "), std::string::npos);
}

}  // namespace
}  // namespace Tables
