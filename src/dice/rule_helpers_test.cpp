// The bounded text helpers every rule writes its detail with.
#include <gtest/gtest.h>

#include <string>

#include "dice/rules.h"

namespace Dice {
namespace {

TEST(RuleHelpers, TextsStopAt1023BytesOnACharacterBoundary) {
  std::string text(1021, 'a');
  AppendText(text, "b");
  EXPECT_EQ(1022u, text.size());
  AppendText(text, "\x82\xA0");  // a two-byte character that no longer fits
  EXPECT_EQ(1022u, text.size());
  AppendText(text, "cd");
  EXPECT_EQ(std::string(1021, 'a') + "bc", text);
  AppendText(text, "e");  // full: nothing more is added
  EXPECT_EQ(1023u, text.size());

  std::string kana(1020, 'a');
  AppendText(kana, "\x82\xA0\x82\xA2");  // the first character fits, the second does not
  EXPECT_EQ(std::string(1020, 'a') + "\x82\xA0", kana);
  std::string number(1020, 'a');
  AppendInt(number, -12345);
  EXPECT_EQ(std::string(1020, 'a') + "-12", number);
}

}  // namespace
}  // namespace Dice
