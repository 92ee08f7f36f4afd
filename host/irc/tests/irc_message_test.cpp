#include "irc_message.h"

#include <gtest/gtest.h>

namespace mirado::irc {
namespace {

using Params = std::vector<std::string>;

TEST(ParseIrcLine, SourceCommandAndTrailingParameter) {
  const auto m = ParseIrcLine(":taro!t@example.net PRIVMSG #trpg :#2D6+3 and more");
  ASSERT_TRUE(m);
  EXPECT_EQ(m->prefix, "taro!t@example.net");
  EXPECT_EQ(m->command, "PRIVMSG");
  EXPECT_EQ(m->params, (Params{"#trpg", "#2D6+3 and more"}));
  EXPECT_EQ(NickOf(m->prefix), "taro");
  EXPECT_EQ(NickOf("irc.example.net"), "irc.example.net");
}

TEST(ParseIrcLine, TagsNoSourceLowerCaseAndNumerics) {
  auto m = ParseIrcLine("@time=2024-01-01T00:00:00Z;msgid=x ping :irc.example.net");
  ASSERT_TRUE(m);
  EXPECT_EQ(m->tags, "time=2024-01-01T00:00:00Z;msgid=x");
  EXPECT_EQ(m->prefix, "");
  EXPECT_EQ(m->command, "PING");
  EXPECT_EQ(m->params, (Params{"irc.example.net"}));

  m = ParseIrcLine(":srv 433 * mirado :Nickname is already in use");
  ASSERT_TRUE(m);
  EXPECT_EQ(m->command, "433");
  EXPECT_EQ(m->params, (Params{"*", "mirado", "Nickname is already in use"}));
}

TEST(ParseIrcLine, ParameterEdgeCases) {
  // Runs of spaces count as one; an empty trailing parameter is kept; a colon
  // inside a middle parameter is part of it.
  auto m = ParseIrcLine(":a  NOTICE   #ch   a:b  :");
  ASSERT_TRUE(m);
  EXPECT_EQ(m->params, (Params{"#ch", "a:b", ""}));
  // The trailing parameter keeps its spaces and colons.
  m = ParseIrcLine("PRIVMSG #ch :  :x  y ");
  ASSERT_TRUE(m);
  EXPECT_EQ(m->params.back(), "  :x  y ");
  // After 14 middle parameters the rest of the line is the last one.
  m = ParseIrcLine("CMD 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17");
  ASSERT_TRUE(m);
  ASSERT_EQ(m->params.size(), 15u);
  EXPECT_EQ(m->params[14], "15 16 17");
  // No parameters at all.
  m = ParseIrcLine("QUIT");
  ASSERT_TRUE(m);
  EXPECT_TRUE(m->params.empty());
}

TEST(ParseIrcLine, MalformedLines) {
  for (const char* line : {"", "   ", ":only.a.source", "@tags=only", "@t :src", "12 x", "1234 x", "PRIV1MSG #a :b",
                           ": PRIVMSG", "PRIVMSG\x01 #a"}) {
    EXPECT_FALSE(ParseIrcLine(line)) << line;
  }
  EXPECT_FALSE(ParseIrcLine("PRIVMSG #a :" + std::string(kMaxIncomingLine, 'x')));
  EXPECT_TRUE(ParseIrcLine("PRIVMSG #a :" + std::string(kMaxIncomingLine - 12, 'x')));
}

TEST(FormatIrcLine, BuildsSafeLines) {
  EXPECT_EQ(FormatIrcLine("NOTICE", {"#trpg", "taro -> 2D6 = 7"}), "NOTICE #trpg :taro -> 2D6 = 7");
  EXPECT_EQ(FormatIrcLine("NOTICE", {"#trpg", "word"}), "NOTICE #trpg :word");
  EXPECT_EQ(FormatIrcLine("NOTICE", {"#trpg", ":smile"}), "NOTICE #trpg ::smile");
  EXPECT_EQ(FormatIrcLine("NICK", {"mirado"}), "NICK mirado");
  EXPECT_EQ(FormatIrcLine("PONG", {"two words"}), "PONG :two words");
  EXPECT_EQ(FormatIrcLine("PART", {"#a", ""}), "PART #a :");
  // Text can never end the line early or smuggle a second command in.
  EXPECT_FALSE(FormatIrcLine("NOTICE", {"#a", "x\r\nQUIT :bye"}));
  EXPECT_FALSE(FormatIrcLine("NOTICE", {"#a", std::string("x\0y", 3)}));
  EXPECT_FALSE(FormatIrcLine("NOTICE", {"#a b", "x"}));
  EXPECT_FALSE(FormatIrcLine("NOTICE", {":a", "x"}));
  EXPECT_FALSE(FormatIrcLine("NOTICE", {"", "x"}));
  EXPECT_FALSE(FormatIrcLine("NOT ICE", {"#a", "x"}));
  // 512 bytes with CR LF is the limit.
  const std::string fits(512 - 2 - std::string("NOTICE #a :").size(), 'x');
  EXPECT_TRUE(FormatIrcLine("NOTICE", {"#a", fits}));
  EXPECT_FALSE(FormatIrcLine("NOTICE", {"#a", fits + "x"}));
}

TEST(LineReader, SplitsTheStreamAtAnyLineEnd) {
  LineReader reader;
  std::string line;
  reader.Append("PING :a\r\nPI");
  ASSERT_TRUE(reader.Next(&line));
  EXPECT_EQ(line, "PING :a");
  EXPECT_FALSE(reader.Next(&line));
  reader.Append("NG :b\n\r\n\nPING :c\rPING :d");
  ASSERT_TRUE(reader.Next(&line));
  EXPECT_EQ(line, "PING :b");
  ASSERT_TRUE(reader.Next(&line));
  EXPECT_EQ(line, "PING :c");
  EXPECT_FALSE(reader.Next(&line));  // "PING :d" is not complete yet
  reader.Append("\r\n");
  ASSERT_TRUE(reader.Next(&line));
  EXPECT_EQ(line, "PING :d");
  EXPECT_EQ(reader.dropped(), 0u);
}

TEST(LineReader, DropsOverLongLinesWholeAndGoesOn) {
  LineReader reader;
  std::string line;
  // One over-long line arriving in pieces, without a line end for a while:
  // the reader never holds much more than one line and drops all of it.
  reader.Append("PRIVMSG #a :");
  for (int i = 0; i < 10; ++i) {
    reader.Append(std::string(kMaxIncomingLine / 2, 'x'));
    EXPECT_FALSE(reader.Next(&line));
  }
  reader.Append("tail of the long line\r\nPING :after\r\n");
  ASSERT_TRUE(reader.Next(&line));
  EXPECT_EQ(line, "PING :after");
  EXPECT_EQ(reader.dropped(), 1u);
  // An over-long line that arrives complete in one piece.
  reader.Append(std::string(kMaxIncomingLine + 1, 'y') + "\nPING :next\n");
  ASSERT_TRUE(reader.Next(&line));
  EXPECT_EQ(line, "PING :next");
  EXPECT_EQ(reader.dropped(), 2u);
}

}  // namespace
}  // namespace mirado::irc
