#include "plugin_line.h"

#include <gtest/gtest.h>

namespace mirado::host {
namespace {

TEST(PluginLine, AcceptsOnlyWellFormedNoticeAndPart) {
  std::string why;
  const auto notice = ParsePluginLine("notice #trpg :taro -> 7", &why);
  ASSERT_TRUE(notice);
  EXPECT_EQ(*notice, (PluginLine{"NOTICE", "#trpg", "taro -> 7"}));
  EXPECT_EQ(ParsePluginLine("NOTICE taro :a :b", &why)->text, "a :b");
  EXPECT_EQ(ParsePluginLine("NOTICE taro word", &why)->text, "word");
  EXPECT_EQ(*ParsePluginLine("PART #trpg :bye", &why), (PluginLine{"PART", "#trpg", "bye"}));
  EXPECT_TRUE(ParsePluginLine("Part #trpg", &why));
  for (const char* line : {"PRIVMSG #trpg :x", "KICK #trpg taro", "NOTICE #trpg", "NOTICE #trpg :", "NOTICE #a,#b :x",
                           "NOTICE #trpg extra :x", "PART taro :x", "garbage here", "MODE #trpg +o taro", "",
                           "NOTICE :x", "NOTICE #trpg :a\rQUIT"}) {
    EXPECT_FALSE(ParsePluginLine(line, &why)) << line;
    EXPECT_FALSE(why.empty()) << line;
  }
  EXPECT_FALSE(ParsePluginLine(std::string("NOTICE #t :a\0b", 14), &why));
}

TEST(PluginLine, TargetsAreOneRecipient) {
  EXPECT_TRUE(IsSingleTarget("#trpg"));
  EXPECT_TRUE(IsSingleTarget(std::string(200, 'a')));
  EXPECT_FALSE(IsSingleTarget(std::string(201, 'a')));
  for (const char* target : {"", ":x", "a b", "a,b", "a\x7f"}) EXPECT_FALSE(IsSingleTarget(target)) << target;
  EXPECT_TRUE(IsChannelName("&x"));
  EXPECT_FALSE(IsChannelName("#"));
  EXPECT_FALSE(IsChannelName("taro"));
}

}  // namespace
}  // namespace mirado::host
