// The Double Cross roll: critical chains, the three marks, the free-faces
// form and the bounds of a chain. Expected dice come from the reference
// MT19937 sequence (tools/mtdice.py SEED COUNT 10).
#include <gtest/gtest.h>

#include <climits>
#include <cstring>

#include "core/random_source.h"
#include "dice/rules.h"
#include "dice/rules_testing.h"
#include "support/test_support.h"

namespace Dice {
namespace {

using mirado::testing::TempSettings;

using testing::AnswerLines;
using testing::FirstAnswer;

// Runs the rule of `type` directly, seeded with `seed`, with the numbers
// before and after the keyword and, unless 0, one critical value.
int Dispatch(RuleResult& result, int32_t type, uint32_t seed, int32_t before, int32_t after, int32_t critical) {
  RuleInput input;
  input.has_before = true;
  input.before = before;
  input.has_after = true;
  input.after = after;
  input.critical = &critical;
  input.critical_count = critical != 0 ? 1 : 0;
  RandomSource::Seed(seed);
  return DispatchRule(result, type, input);
}

// Seed 3, as ten-sided dice: 7 9 8 8 1 1.
TEST(DoubleCrossRule, CriticalChainEchoesAsR) {
  TempSettings settings;
  const std::string chain = "NOTICE #trpg :taro -> 3R@8 = [7,9,8][8,1][1]<クリティカル> = 21";
  EXPECT_EQ(FirstAnswer(3, "3DX@8"), chain);
  EXPECT_EQ(FirstAnswer(3, "3R@8"), chain);
  EXPECT_EQ(FirstAnswer(3, "3dx8"), "NOTICE #trpg :taro -> 3R8 = [7,9,8][8,1][1]<クリティカル> = 21");
  // "@" wins over the number after the keyword.
  EXPECT_EQ(FirstAnswer(3, "3DX10@8"), "NOTICE #trpg :taro -> 3R10@8 = [7,9,8][8,1][1]<クリティカル> = 21");
  // Without either, 10 is the critical value: 9 and 8 do not roll again.
  EXPECT_EQ(FirstAnswer(3, "2R10"), "NOTICE #trpg :taro -> 2R10 = [7,9] = 9");
  EXPECT_EQ(FirstAnswer(3, "3DX+1"), "NOTICE #trpg :taro -> 3R+1 = [7,9,8]+1 = 10");
}

TEST(DoubleCrossRule, ErosionRollRollsTheSameDiceThenRaisesTheRate) {
  TempSettings settings;
  // Seed 3: the roll takes the first six dice, the erosion the next two (1, 6).
  const auto lines = AnswerLines(3, "3RC@8");
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0], "NOTICE #trpg :taro -> 3R@8 = [7,9,8][8,1][1]<クリティカル> = 21");
  EXPECT_EQ(lines[1], "NOTICE #trpg :taro -> 侵蝕率が[1,6:7]上昇しました（0％→7％）");
}

TEST(DoubleCrossRule, Marks) {
  TempSettings settings;
  // Seed 17: 10 6. No dice (0 or less) is one die that can never be critical;
  // a 10 alone is not above 10 and gets no mark.
  EXPECT_EQ(FirstAnswer(17, "0DX"), "NOTICE #trpg :taro -> 0R = [10] = 10");
  // Seed 4: 1 5. A critical value of 1 or less rolls no chain and makes the
  // roll an automatic success worth 0.
  EXPECT_EQ(FirstAnswer(4, "2DX1"), "NOTICE #trpg :taro -> 2R1 = [1,5]<自動成功> = 0");
  EXPECT_EQ(FirstAnswer(4, "2DX@0"), "NOTICE #trpg :taro -> 2R@0 = [1,5] = 5");  // 0: no critical
  // Seed 75: 1 1 6. All ones: a fumble worth 0, before the automatic success.
  EXPECT_EQ(FirstAnswer(75, "2DX"), "NOTICE #trpg :taro -> 2R = [1,1]<ファンブル> = 0");
  EXPECT_EQ(FirstAnswer(75, "2DX1"), "NOTICE #trpg :taro -> 2R1 = [1,1]<ファンブル> = 0");
}

TEST(DoubleCrossRule, FreeFaces) {
  TempSettings settings;
  // Seed 5 as six-sided dice: 6 1 2. The critical value is the face count.
  EXPECT_EQ(FirstAnswer(5, "2DXF6"), "NOTICE #trpg :taro -> 2R6 = [6,1][2]<クリティカル> = 8");
  // As ten-sided dice: 2 5 8; "@" sets the critical value.
  EXPECT_EQ(FirstAnswer(5, "3DXF@8"), "NOTICE #trpg :taro -> 3R@8 = [2,5,8][6]<クリティカル> = 16");
  EXPECT_EQ(FirstAnswer(5, "3DXF"), "NOTICE #trpg :taro -> 3R = [2,5,8] = 8");
  EXPECT_TRUE(AnswerLines(5, "2DXF0").empty());
  EXPECT_TRUE(AnswerLines(5, "DXF6").empty());  // the count is required
  // A negative count (only a rule can pass one) is one die without criticals.
  RuleResult result;
  EXPECT_EQ(Dispatch(result, 400, 17, -3, 10, 0), 0);
  EXPECT_STREQ(result.text, "[10]");
}

TEST(DoubleCrossRule, RefusesTooManyDice) {
  TempSettings settings;
  EXPECT_TRUE(AnswerLines(5, "1001DX").empty());
  EXPECT_EQ(AnswerLines(5, "1000DX").size(), 1u);
}

TEST(DoubleCrossRule, LongChainsAreCutAndTheTotalSaturates) {
  // Dice of 2^31-1 faces with the critical value 2 go on nearly forever; the
  // chain is cut, the text stays within 1023 bytes and the total saturates.
  RuleResult result;
  EXPECT_EQ(Dispatch(result, 401, 1, 1, INT32_MAX, 2), 0);
  EXPECT_EQ(result.value, INT32_MAX);
  EXPECT_EQ(std::strlen(result.text), kTextSize - 1);
  // Many dice with the lowest critical value end too.
  EXPECT_EQ(Dispatch(result, 400, 1, 1000, 10, 2), 0);
  EXPECT_GT(result.value, 10);
  EXPECT_EQ(std::strlen(result.text), kTextSize - 1);
}

TEST(DoubleCrossRule, Operands) {
  TempSettings settings;
  EXPECT_TRUE(AnswerLines(3, "DX").empty());
  EXPECT_TRUE(AnswerLines(3, "RC@8").empty());
  RuleResult result;
  EXPECT_NE(Dispatch(result, 401, 3, 2, -6, 0), 0);  // no faces below 1
  EXPECT_STREQ(result.text, "");
  RuleInput none;
  EXPECT_NE(DispatchRule(result, 402, none), 0);
}

// Every output 9: every ten-sided die shows 10.
uint32_t AlwaysTen() { return 9; }

TEST(DoubleCrossRule, ChainEndsAtItsBound) {
  RandomSource::ScopedDrawsForTesting forced(AlwaysTen);
  RuleResult result;
  // One die critical for ever: 2000 groups of one die, each counting 10.
  EXPECT_EQ(Dispatch(result, 400, 0, 1, 10, 0), 0);
  EXPECT_EQ(result.value, 2000 * 10);
  EXPECT_EQ(std::strlen(result.text), kTextSize - 1);
  // 1000 dice: a second group of 1000 reaches the bound, a third would pass it.
  EXPECT_EQ(Dispatch(result, 400, 0, 1000, 10, 0), 0);
  EXPECT_EQ(result.value, 2 * 10);
}

}  // namespace
}  // namespace Dice
