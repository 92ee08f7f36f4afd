// The console's session with scripted entry points: its own commands, where
// a line goes, and how answers are shown.
#include "console_session.h"

#include <gtest/gtest.h>

#include <sstream>

namespace mirado::host {
namespace {

using Lines = std::vector<std::string>;

struct Console {
  Lines calls;
  ConsoleSession session;
  std::ostringstream out, err;

  explicit Console(bool raw = false)
      : session(ChatTurn(Entry("Command"), Entry("Alias"), Entry("Part")), ConsoleOptions{"player", "#trpg", raw}) {}

  ChatTurn::Entry Entry(const char* name) {
    return [this, name](const std::string& n, const std::string& c, const std::string& t) {
      calls.push_back(std::string(name) + " " + n + " " + c + " " + t);
      if (std::string(name) == "Part") return Lines{"PART " + c + " :bye"};
      if (std::string(name) == "Command" && t.rfind("#", 0) == 0) return Lines{"notice " + c + " :" + n + " -> " + t};
      return Lines{};
    };
  }
  bool Say(const std::string& line) { return session.HandleLine(line, out, err); }
};

TEST(ConsoleSession, OwnCommandsChangeWhoSpeaksAndWhere) {
  Console console;
  EXPECT_EQ(console.session.Prompt(), "[#trpg] player> ");
  EXPECT_TRUE(console.Say("/nick hanako"));
  EXPECT_TRUE(console.Say("/join #other"));
  EXPECT_EQ(console.session.Prompt(), "[#other] hanako> ");
  EXPECT_TRUE(console.Say("/nick two words"));  // refused, with its usage
  EXPECT_NE(console.err.str().find("usage: /nick NAME"), std::string::npos);
  EXPECT_TRUE(console.Say("#2D6"));
  EXPECT_EQ(console.out.str(), "[#other] hanako -> #2D6\n");
  EXPECT_FALSE(console.Say("/quit"));
  EXPECT_EQ(console.calls, (Lines{"Command hanako #other #2D6"}));
}

TEST(ConsoleSession, LinesTakeTheChatTurnAndPartLeaves) {
  Console console;
  // Typed in UTF-8, handed over in code page 932; Command leaves the phrase
  // unanswered, so Alias hears it.
  console.Say("性格表");
  console.Say("/part");
  console.Say("#PART");
  const std::string phrase = "\x90\xAB\x8A\x69\x95\x5C";
  EXPECT_EQ(console.calls, (Lines{"Command player #trpg " + phrase, "Alias player #trpg " + phrase,
                                  "Part player #trpg ", "Part player #trpg #PART"}));
  EXPECT_EQ(console.out.str(), "[#trpg] (the bot leaves #trpg)\n[#trpg] (the bot leaves #trpg)\n");
  // A private talk: #PART is an ordinary line there.
  console.calls.clear();
  console.Say("/join taro");
  console.Say("#PART");
  EXPECT_EQ(console.calls, (Lines{"Command player taro #PART"}));
}

TEST(ConsoleSession, RawModeShowsTheLinesAsWritten) {
  Console console(true);
  console.Say("#1D6");
  EXPECT_EQ(console.out.str(), "notice #trpg :player -> #1D6\n");
}

}  // namespace
}  // namespace mirado::host
