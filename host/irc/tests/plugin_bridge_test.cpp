// The bridge against a real loaded library: the fake plug-in built beside
// this test, with all three entry points or with Command alone.
#include "plugin_bridge.h"

#include <gtest/gtest.h>

#include "irc_message.h"
#include "reply_filter.h"

namespace mirado::irc {
namespace {

using Lines = std::vector<std::string>;

// ":mirado!mirado@localhost " as the server puts it before relayed lines.
constexpr std::size_t kRelay = 25;

std::unique_ptr<host::Plugin> LoadFake(const char* path) {
  std::string error;
  auto plugin = host::Plugin::Load(path, &error);
  EXPECT_TRUE(plugin) << error;
  return plugin;
}

class BridgeTest : public testing::Test {
 protected:
  std::unique_ptr<host::Plugin> plugin_ = LoadFake(FAKE_PLUGIN);
  PluginBridge bridge_ = PluginBridge::ForPlugin(*plugin_, WireCodec(WireEncoding::kUtf8));

  BridgeResult Say(const std::string& text, const std::string& target = "#trpg") {
    return bridge_.Handle({"taro", target, text, target[0] == '#'}, kRelay);
  }
};

TEST_F(BridgeTest, AliasOnlyWhenCommandLeftTheLineUnanswered) {
  EXPECT_EQ(Say("alias 2D6").lines, (Lines{"NOTICE #trpg :A alias 2D6"}));
  // Command answered: the line does not act a second time through Alias.
  EXPECT_EQ(Say("say alias").lines, (Lines{"NOTICE #trpg :C taro #trpg say alias"}));
  // A private message: argument 5 is the bot's own nick, and the answer
  // goes back to the speaker (the fake answers to "channel", the plug-in to
  // the nick; both come out as written).
  EXPECT_EQ(Say("hi", "mirado").lines, (Lines{"NOTICE mirado :C taro mirado hi"}));
}

TEST_F(BridgeTest, TextIsConvertedBothWaysAndCleaned) {
  // "くっ！" goes in as code page 932 and comes back as UTF-8; CR, LF and NUL
  // never reach the plug-in (the fake would echo them).
  const std::string mark = "\xE3\x81\x8F\xE3\x81\xA3\xEF\xBC\x81";
  EXPECT_EQ(Say("#70+2 " + mark + std::string("\r\n\0x", 4)).lines,
            (Lines{"NOTICE #trpg :C taro #trpg #70+2 " + mark + "x"}));
  const PluginBridge jis = PluginBridge::ForPlugin(*plugin_, WireCodec(WireEncoding::kIso2022Jp));
  EXPECT_EQ(jis.Handle({"taro", "#trpg", "\x1B$B$/\x1B(B", true}, kRelay).lines,
            (Lines{"NOTICE #trpg :C taro #trpg \x1B$B$/\x1B(B"}));
  // A chat line longer than the plug-in reads is cut at a character.
  std::string long_line(1022, 'a');
  long_line += mark;
  std::string echoed;
  for (const auto& line : Say(long_line).lines) echoed += ParseIrcLine(line)->params.back();
  EXPECT_EQ(echoed, "C taro #trpg " + std::string(1022, 'a'));
}

TEST_F(BridgeTest, OnlyNoticeAndPartLinesGoOut) {
  EXPECT_EQ(Say("raw").lines, (Lines{"NOTICE #trpg :quiet"}));
  // A buffer filled to the end without a NUL is cut at 4095 bytes and split.
  const auto overrun = Say("overrun").lines;
  ASSERT_GT(overrun.size(), 1u);
  for (const auto& line : overrun) EXPECT_EQ(line.rfind("NOTICE a :", 0), 0u);
}

TEST_F(BridgeTest, LongAnswersAreSplitAtCharactersIntoNotices) {
  const auto lines = Say("long 400").lines;  // 400 x "あ": 1200 bytes of UTF-8
  ASSERT_EQ(lines.size(), 3u);
  std::string text;
  for (const auto& line : lines) {
    EXPECT_LE(kRelay + line.size() + 2, kMaxOutgoingLine);
    const auto message = ParseIrcLine(line);
    ASSERT_TRUE(message);
    EXPECT_EQ(message->command, "NOTICE");
    EXPECT_EQ(message->params[0], "#trpg");
    text += message->params[1];
  }
  std::string expected;
  for (int i = 0; i < 400; ++i) expected += "\xE3\x81\x82";
  EXPECT_EQ(text, expected);
  // Many lines keep their order.
  const auto many = Say("many 12").lines;
  ASSERT_EQ(many.size(), 12u);
  EXPECT_EQ(many.front(), "NOTICE #trpg :line 1");
  EXPECT_EQ(many.back(), "NOTICE #trpg :line 12");
}

TEST_F(BridgeTest, PartCommandCallsPartAloneAndLeaves) {
  ASSERT_TRUE(bridge_.has_part());
  // Any letter case, full-width letters, and each of the prefix signs
  // ("＃ＰＡＲＴ", "♯part" in UTF-8 on the wire).
  for (const char* text : {"#PART", "#part now", "  #Part",
                           "\xEF\xBC\x83\xEF\xBC\xB0\xEF\xBC\xA1\xEF\xBC\xB2\xEF\xBC\xB4", "\xE2\x99\xAFpart"}) {
    SCOPED_TRACE(text);
    const BridgeResult result = Say(text);
    EXPECT_EQ(result.lines, (Lines{"NOTICE #trpg :P taro", "PART #trpg :bye"}));
    EXPECT_EQ(result.parted, (Lines{"#trpg"}));
  }
  // Not the first word, or in a private talk: an ordinary line.
  EXPECT_TRUE(Say("say #PART").parted.empty());
  EXPECT_TRUE(Say("#PARTY").parted.empty());
  EXPECT_TRUE(Say("#PART", "mirado").parted.empty());
}

TEST(PluginBridge, LibraryWithoutAliasAndPart) {
  auto plugin = LoadFake(FAKE_PLUGIN_COMMAND_ONLY);
  ASSERT_TRUE(plugin);
  EXPECT_FALSE(plugin->HasAlias());
  EXPECT_FALSE(plugin->HasPart());
  const PluginBridge bridge = PluginBridge::ForPlugin(*plugin, WireCodec(WireEncoding::kUtf8));
  EXPECT_FALSE(bridge.has_part());
  // No Alias answer, and #PART is just a line for Command.
  EXPECT_TRUE(bridge.Handle({"taro", "#trpg", "alias x", true}, kRelay).lines.empty());
  const BridgeResult part = bridge.Handle({"taro", "#trpg", "#PART", true}, kRelay);
  EXPECT_EQ(part.lines, (Lines{"NOTICE #trpg :C taro #trpg #PART"}));
  EXPECT_TRUE(part.parted.empty());
}

}  // namespace
}  // namespace mirado::irc
