// The two renderings of a token list: the echoed expression and the detail.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "core/text.h"
#include "dice/engine.h"

namespace Dice {
namespace {

struct Token {
  int32_t type;
  int32_t value = 0;
  const char* text = "";
};

TokenList Make(std::initializer_list<Token> tokens) {
  TokenList list;
  for (int i = 0; i < kTokenCount; ++i) list[i].Clear();
  int i = 0;
  for (const Token& t : tokens) {
    list[i].type = t.type;
    list[i].value = t.value;
    mirado::CopyText(list[i].text, kTextSize, t.text);
    ++i;
  }
  return list;
}

std::string Rendered(const TokenList& list, RenderMode mode) {
  char out[kTextSize];
  Render(list, mode, out);
  return out;
}

TEST(Renderer, ExpressionModeWritesEveryTokenInItsWrittenForm) {
  const TokenList list = Make({{kNegate},
                               {kNumber, 2},
                               {kPlainDice},
                               {kNumber, 6},
                               {kModulo},
                               {kOpen},
                               {kNumber, 3},
                               {kPower},
                               {kNumber, 2},
                               {kClose},
                               {kTimes},
                               {kNumber, 4},
                               {kDivide},
                               {kNumber, 5},
                               {kMinus},
                               {kNumber, 1},
                               {kPlus},
                               {kNumber, 1}});
  // Percent signs are written doubled in every roll text.
  EXPECT_EQ("-2D6%%(3^2)*4/5-1+1", Rendered(list, RenderMode::kExpression));
}

TEST(Renderer, KeywordsUseTheRegistrysWrittenForms) {
  EXPECT_EQ("3R", Rendered(Make({{kNumber, 3}, {kDoubleCross}}), RenderMode::kExpression));
  EXPECT_EQ("%%D50", Rendered(Make({{kPercentileCheck}, {kNumber, 50}}), RenderMode::kExpression));
  EXPECT_EQ("Rate20", Rendered(Make({{kRating}, {kNumber, 20}}), RenderMode::kExpression));
}

TEST(Renderer, ValueListsComeLastInTheExpressionAndNeverInTheDetail) {
  const TokenList list =
      Make({{kNumber, 3}, {kDoubleCross}, {kCriticalValue, 8}, {kCriticalValue, 9}, {kFumbleValue, -2}});
  EXPECT_EQ("3R@8,9#-2", Rendered(list, RenderMode::kExpression));
  EXPECT_EQ("3R", Rendered(list, RenderMode::kDetail));
}

TEST(Renderer, DetailModeWritesRuleTextsInsteadOfTokens) {
  const TokenList list = Make({{kNumber, 7, "[3,4]"}, {kPlus}, {kNumber, 3}});
  EXPECT_EQ("[3,4]+3", Rendered(list, RenderMode::kDetail));
  EXPECT_EQ("7+3", Rendered(list, RenderMode::kExpression));
}

TEST(Renderer, ATokenWithoutAWrittenFormEndsTheWalk) {
  EXPECT_EQ("1+", Rendered(Make({{kNumber, 1}, {kPlus}, {kRetypedR}, {kNumber, 2}}), RenderMode::kExpression));
  EXPECT_EQ("", Rendered(Make({}), RenderMode::kExpression));
}

TEST(Renderer, LongListsAreCutAt1023Bytes) {
  TokenList list = Make({});
  for (int i = 0; i < kTokenCount; ++i) {
    list[i].type = kNumber;
    mirado::CopyText(list[i].text, kTextSize, std::string(100, 'x'));
  }
  EXPECT_EQ(kTextSize - 1, Rendered(list, RenderMode::kDetail).size());
}

}  // namespace
}  // namespace Dice
