#include "dice/rules_testing.h"

namespace Dice::testing {
namespace {

// Raw ten-sided dice (output % 10 + 1): seed 1: 6 10 5 ...; seed 269: 1 7;
// seed 5: 2; seed 17: 10.
TEST(Nechronica, EdgeCasesOfTheRoll) {
  const Outcome two = RollRule(269, kNechronica, {.before = 2});
  EXPECT_EQ("[1,7]<成功>", two.text);
  EXPECT_EQ(7, two.value);
  const Outcome modified = RollRule(5, kNechronica, {.critical = {-1}});
  EXPECT_EQ("([2:-1]→[1])<大失敗>", modified.text);
  EXPECT_EQ(1, modified.value);
  const Outcome attack = RollRule(17, kNechronicaAttack, {.before = 1, .critical = {2}});
  EXPECT_EQ("([10:+2]→[12])<攻撃側の任意箇所＆ダメージ+2>", attack.text);
  EXPECT_EQ(12, attack.value);
}

// One raw 6 (seed 1), moved across every mark by the modifier.
TEST(Nechronica, RollMarks) {
  EXPECT_EQ("[6]<成功>", RollRule(1, kNechronica).text);
  EXPECT_EQ("([6:-1]→[5])<失敗>", RollRule(1, kNechronica, {.critical = {-1}}).text);
  EXPECT_EQ("([6:+4]→[10])<成功>", RollRule(1, kNechronica, {.critical = {4}}).text);
  const Outcome great = RollRule(1, kNechronica, {.critical = {5}});
  EXPECT_EQ("([6:+5]→[11])<大成功>", great.text);
  EXPECT_EQ(11, great.value);
  EXPECT_EQ("([6:-5]→[1])<大失敗>", RollRule(1, kNechronica, {.critical = {-5}}).text);
  // Several dice: a failure counts the dice at 1 or less.
  const Outcome damage = RollRule(1, kNechronica, {.before = 3, .critical = {-5}});
  EXPECT_EQ("([6,10,5:-5]→[1,5,0])<大失敗/損傷:2>", damage.text);
  EXPECT_EQ(5, damage.value);
  EXPECT_EQ("([6,10:-9]→[-3,1])<大失敗/損傷:2>", RollRule(1, kNechronica, {.before = 2, .critical = {-9}}).text);
}

TEST(Nechronica, AttackTableRows) {
  const auto mark = [](int32_t modifier) { return RollRule(1, kNechronicaAttack, {.critical = {modifier}}).text; };
  EXPECT_EQ("([6:-5]→[1])<自分か対象エリアの味方に命中(箇所はダメージを受ける側の任意)>", mark(-5));
  EXPECT_EQ("([6:-4]→[2])<失敗>", mark(-4));
  EXPECT_EQ("([6:-1]→[5])<失敗>", mark(-1));
  EXPECT_EQ("[6]<ダメージを受ける側の任意箇所(全損箇所は除く)>", RollRule(1, kNechronicaAttack).text);
  EXPECT_EQ("([6:+1]→[7])<脚(既に全損なら攻撃側の任意)>", mark(1));
  EXPECT_EQ("([6:+2]→[8])<胴(既に全損なら攻撃側の任意)>", mark(2));
  EXPECT_EQ("([6:+3]→[9])<腕(既に全損なら攻撃側の任意)>", mark(3));
  EXPECT_EQ("([6:+4]→[10])<頭(既に全損なら攻撃側の任意)>", mark(4));
  EXPECT_EQ("([6:+5]→[11])<攻撃側の任意箇所＆ダメージ+1>", mark(5));
}

TEST(Nechronica, CountsAndBounds) {
  // The number after the keyword is ignored.
  EXPECT_EQ("[1,7]<成功>", RollRule(269, kNechronica, {.before = 2, .after = 9}).text);
  // No dice: the highest die is the modifier itself.
  EXPECT_EQ("[]<失敗>", RollRule(1, kNechronica, {.before = 0}).text);
  const Outcome none = RollRule(1, kNechronica, {.before = 0, .critical = {7}});
  EXPECT_EQ("([:+7]→[])<成功>", none.text);
  EXPECT_EQ(7, none.value);
  EXPECT_TRUE(RefusesCleanly(kNechronica, {.before = 1001}));
  EXPECT_TRUE(RefusesCleanly(kNechronicaAttack, {.before = 1001}));
  // Extreme modifiers saturate instead of overflowing.
  EXPECT_EQ(INT32_MAX, RollRule(1, kNechronicaAttack, {.critical = {INT32_MAX}}).value);
  EXPECT_EQ(INT32_MIN + 6, RollRule(1, kNechronicaAttack, {.critical = {INT32_MIN}}).value);
}

TEST(Nechronica, WholeRoll) {
  EXPECT_EQ("NOTICE #trpg :taro -> 2NCR = [1,7]<成功> = 7", RollLine(269, "2NC"));
  const std::string attack = "NOTICE #trpg :taro -> NCR@2 = ([10:+2]→[12])<攻撃側の任意箇所＆ダメージ+2> = 12";
  EXPECT_EQ(attack, RollLine(17, "NA@2"));
  EXPECT_EQ(attack, RollLine(17, "NCA@2"));
  EXPECT_EQ(attack, RollLine(17, "NCRA@2"));
  // The number after the keyword is consumed and not used.
  EXPECT_EQ("NOTICE #trpg :taro -> 2NCR5 = [1,7]<成功> = 7", RollLine(269, "2NC5"));
}

}  // namespace
}  // namespace Dice::testing
