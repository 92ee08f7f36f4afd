// The chat turn with scripted entry points: which entry point a line
// reaches, what it is given and what of the answer is kept.
#include "chat_turn.h"

#include <gtest/gtest.h>

namespace mirado::host {
namespace {

using Lines = std::vector<std::string>;

// Code page 932 text, as a host hands it to the plug-in.
const std::string kPersonality = "\x90\xAB\x8A\x69\x95\x5C";                // 性格表
const std::string kResurrect = "\x83\x8A\x83\x55\x83\x8C\x83\x4E\x83\x67";  // リザレクト

// Records every call as "<entry> <nick> <channel> <text>" and answers with
// the lines scripted for that entry point.
struct Script {
  Lines calls;
  Lines command, alias, part;

  ChatTurn Turn(bool with_alias = true, bool with_part = true) {
    auto entry = [this](const char* name, Lines* answer) -> ChatTurn::Entry {
      return [this, name, answer](const std::string& n, const std::string& c, const std::string& t) {
        calls.push_back(std::string(name) + " " + n + " " + c + " " + t);
        return *answer;
      };
    };
    return ChatTurn(entry("Command", &command), with_alias ? entry("Alias", &alias) : ChatTurn::Entry(),
                    with_part ? entry("Part", &part) : ChatTurn::Entry());
  }
};

TEST(ChatTurn, AliasHearsOnlyWhatCommandLeftUnanswered) {
  Script script;
  script.alias = {"NOTICE #trpg :taro -> " + kPersonality};
  const TurnResult phrase = script.Turn().Take("taro", "#trpg", kPersonality, true);
  EXPECT_EQ(script.calls, (Lines{"Command taro #trpg " + kPersonality, "Alias taro #trpg " + kPersonality}));
  EXPECT_EQ(phrase.answered_by, "Alias");
  ASSERT_EQ(phrase.lines.size(), 1u);
  EXPECT_EQ(phrase.lines[0], (PluginLine{"NOTICE", "#trpg", "taro -> " + kPersonality}));

  // "#SET MEMO=リザレクト": the memo is stored and the line ends there.
  script.calls.clear();
  script.command = {"NOTICE #trpg :taro -> MEMO"};
  const TurnResult memo = script.Turn().Take("taro", "#trpg", "#SET MEMO=" + kResurrect, true);
  EXPECT_EQ(script.calls, (Lines{"Command taro #trpg #SET MEMO=" + kResurrect}));
  EXPECT_EQ(memo.answered_by, "Command");
}

TEST(ChatTurn, PartWordInAChannelGoesToPartAlone) {
  Script script;
  script.part = {"NOTICE #trpg :bye", "PART #trpg :see you"};
  const TurnResult leave = script.Turn().Take("taro", "#trpg", "#part", true);
  EXPECT_EQ(script.calls, (Lines{"Part taro #trpg #part"}));
  ASSERT_EQ(leave.lines.size(), 2u);
  EXPECT_EQ(leave.lines[1], (PluginLine{"PART", "#trpg", "see you"}));
  // In a private talk, or without a Part export, it is an ordinary line.
  script.calls.clear();
  script.Turn().Take("taro", "mirado", "#PART", false);
  script.Turn(true, false).Take("taro", "#trpg", "#PART", true);
  EXPECT_EQ(script.calls, (Lines{"Command taro mirado #PART", "Alias taro mirado #PART", "Command taro #trpg #PART",
                                 "Alias taro #trpg #PART"}));
  // The host's own leave command.
  script.calls.clear();
  EXPECT_EQ(script.Turn().Leave("taro", "#trpg").lines.size(), 2u);
  EXPECT_EQ(script.calls, (Lines{"Part taro #trpg "}));
  EXPECT_TRUE(script.Turn(true, false).Leave("taro", "#trpg").lines.empty());
}

TEST(ChatTurn, LinesAreCleanedAndCutAtACharacter) {
  Script script;
  script.command = {"NOTICE #t :x"};
  // CR, LF and NUL never reach the plug-in, and a line is cut to 1023 bytes
  // without splitting the double-byte "あ" that would straddle the cut.
  std::string long_line(1022, 'a');
  long_line += "\x82\xA0";
  script.Turn().Take(std::string("ta\r\nro", 6), "#t", std::string("x\0y", 3), true);
  script.Turn().Take("taro", "#t", long_line, true);
  EXPECT_EQ(script.calls, (Lines{"Command taro #t xy", "Command taro #t " + std::string(1022, 'a')}));
  EXPECT_EQ(PluginText(std::string(2000, 'b')).size(), kMaxPluginLine);
  // Half a character at the end of a line never reaches the plug-in.
  EXPECT_EQ(PluginText("ab\x82"), "ab");
}

TEST(ChatTurn, KeepsOnlyNoticeAndPartLines) {
  Script script;
  script.command = {"PRIVMSG #t :evil", "notice #t :quiet", "QUIT :bye", "NOTICE #t", "NOTICE #a,#b :x"};
  const TurnResult result = script.Turn().Take("taro", "#t", "raw", true);
  ASSERT_EQ(result.lines.size(), 1u);
  EXPECT_EQ(result.lines[0], (PluginLine{"NOTICE", "#t", "quiet"}));
  EXPECT_EQ(result.dropped.size(), 4u);
  EXPECT_EQ(result.raw_lines, script.command);
}

}  // namespace
}  // namespace mirado::host
