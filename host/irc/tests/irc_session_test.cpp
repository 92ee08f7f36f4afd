#include "irc_session.h"

#include <gtest/gtest.h>

namespace mirado::irc {
namespace {

using Lines = std::vector<std::string>;

class SessionTest : public testing::Test {
 protected:
  static BotConfig MakeConfig() {
    BotConfig config;
    config.nick = "mirado";
    config.password = "secret";
    config.channels = {{"#trpg", ""}, {"#locked", "key"}, {"#two", ""}};
    return config;
  }

  // Feeds server lines; returns what the session queued, urgent lines marked "!".
  Lines Feed(std::initializer_list<const char*> lines) {
    std::vector<OutgoingLine> out;
    for (const char* line : lines) {
      const auto message = ParseIrcLine(line);
      EXPECT_TRUE(message) << line;
      if (message) session_.Handle(*message, &out);
    }
    return Texts(out);
  }
  Lines Begin() {
    std::vector<OutgoingLine> out;
    session_.Begin(&out);
    return Texts(out);
  }
  static Lines Texts(const std::vector<OutgoingLine>& out) {
    Lines texts;
    for (const auto& o : out) texts.push_back((o.lane == Lane::kUrgent ? "!" : "") + o.line);
    return texts;
  }

  BotConfig config_ = MakeConfig();
  Lines calls_;  // "nick|channel|text" of every Command call
  PluginBridge bridge_{
      [this](const std::string& n, const std::string& c, const std::string& t) {
        calls_.push_back(n + "|" + c + "|" + t);
        return Lines{"NOTICE " + (c[0] == '#' ? c : n) + " :" + n + " -> " + t};
      },
      {},
      [](const std::string&, const std::string& c, const std::string&) { return Lines{"PART " + c + " :bye"}; },
      WireCodec(WireEncoding::kUtf8)};
  IrcSession session_{config_, bridge_};
};

TEST_F(SessionTest, RegistersWithFallbackNicksThenJoins) {
  EXPECT_EQ(Begin(), (Lines{"!PASS secret", "!NICK mirado", "!USER mirado 0 * :Mirado for TRPG"}));
  EXPECT_EQ(Feed({":srv 433 * mirado :Nickname is already in use"}), (Lines{"!NICK mirado_"}));
  EXPECT_EQ(Feed({":srv 433 * mirado_ :Nickname is already in use"}), (Lines{"!NICK mirado2"}));
  EXPECT_FALSE(session_.registered());
  // Welcome: join every channel, keyed ones on their own line.
  EXPECT_EQ(Feed({":srv 001 mirado2 :Welcome"}), (Lines{"JOIN #locked :key", "JOIN #trpg,#two"}));
  EXPECT_TRUE(session_.registered());
  EXPECT_EQ(session_.nick(), "mirado2");
  // When the configured nick comes free, the bot takes it back (on the JOIN
  // lane, so a flood of such QUITs cannot crowd out the answers).
  std::vector<OutgoingLine> out;
  session_.Handle(*ParseIrcLine(":mirado!u@h QUIT :bye"), &out);
  ASSERT_EQ(out.size(), 1u);
  EXPECT_EQ(out[0].line, "NICK mirado");
  EXPECT_EQ(out[0].lane, Lane::kJoin);
  EXPECT_TRUE(Feed({":mirado2!u@h NICK :mirado"}).empty());
  EXPECT_EQ(session_.nick(), "mirado");
}

TEST_F(SessionTest, GivesUpAfterTooManyRefusedNicks) {
  Begin();
  for (int i = 0; i < 9; ++i) Feed({":srv 433 * x :in use"});
  EXPECT_FALSE(session_.gave_up());
  Feed({":srv 432 * x :Erroneous nickname"});
  EXPECT_TRUE(session_.gave_up());
}

TEST_F(SessionTest, PingInviteKickAndRejoinAfterReconnect) {
  Begin();
  Feed({":srv 001 mirado :Welcome"});
  EXPECT_EQ(Feed({"PING :irc.example.net"}), (Lines{"!PONG irc.example.net"}));
  EXPECT_EQ(Feed({":hanako!h@x INVITE mirado :#new"}), (Lines{"JOIN #new"}));
  EXPECT_TRUE(Feed({":hanako!h@x INVITE someone :#other"}).empty());
  Feed({":op!o@x KICK #two mirado :out"});
  Feed({":mirado!m@x PART #trpg"});
  // A new connection: the invited channel is joined again; the ones the bot
  // was kicked from or left are not.
  Begin();
  EXPECT_EQ(Feed({":srv 001 mirado :Welcome"}), (Lines{"JOIN #locked :key", "JOIN #new"}));
}

TEST_F(SessionTest, AnInviteFloodIsCappedAndJoinsAreNotRepeated) {
  Begin();
  Feed({":srv 001 mirado :Welcome"});
  std::size_t joins = 0;
  for (int i = 0; i < 2000; ++i) {
    const std::string invite = ":spam!s@x INVITE mirado #c" + std::to_string(i);
    joins += Feed({invite.c_str()}).size();
  }
  EXPECT_EQ(joins, kMaxInvitedChannels);
  const Lines remembered = session_.channels();
  ASSERT_EQ(remembered.size(), 3 + kMaxInvitedChannels);
  EXPECT_EQ(remembered.back(), "#c" + std::to_string(kMaxInvitedChannels - 1));
  // After a reconnect the bot rejoins with a few batched lines, not thousands.
  Begin();
  const Lines rejoin = Feed({":srv 001 mirado :Welcome"});
  ASSERT_EQ(rejoin.size(), 2u);
  EXPECT_EQ(rejoin[0], "JOIN #locked :key");
  // Once in a channel, another invite to it sends nothing; before, it asks again.
  EXPECT_EQ(Feed({":hanako!h@x INVITE mirado #c0"}), (Lines{"JOIN #c0"}));
  Feed({":mirado!m@x JOIN #c0"});
  EXPECT_TRUE(Feed({":hanako!h@x INVITE mirado #c0"}).empty());
  // A channel that refuses the bot frees its place among the invitations;
  // a configured one is kept.
  Feed({":srv 474 mirado #c1 :Cannot join channel (+b)", ":srv 475 mirado #locked :Cannot join channel (+k)"});
  EXPECT_EQ(session_.channels().size(), 3 + kMaxInvitedChannels - 1);
  EXPECT_EQ(Feed({":hanako!h@x INVITE mirado #fresh"}), (Lines{"JOIN #fresh"}));
}

TEST_F(SessionTest, ChatLinesGoToThePlugin) {
  Begin();
  Feed({":srv 001 mirado :Welcome", ":mirado!bot@host JOIN #trpg"});
  EXPECT_EQ(Feed({":taro!t@x PRIVMSG #trpg :#2D6+3"}), (Lines{"NOTICE #trpg :taro -> #2D6+3"}));
  // A private message: the channel argument is the bot's nick; the answer
  // goes to the speaker.
  EXPECT_EQ(Feed({":taro!t@x PRIVMSG mirado :2D6"}), (Lines{"NOTICE taro :taro -> 2D6"}));
  EXPECT_EQ(calls_, (Lines{"taro|#trpg|#2D6+3", "taro|mirado|2D6"}));
  // Not for the plug-in: its own lines, notices, a message to a channel's
  // operators, CTCP (answered by the host itself).
  calls_.clear();
  EXPECT_TRUE(Feed({":mirado!bot@host PRIVMSG #trpg :echo", ":taro!t@x NOTICE #trpg :#2D6",
                    ":taro!t@x PRIVMSG @#trpg :#2D6", ":taro!t@x PRIVMSG #trpg :"})
                  .empty());
  EXPECT_EQ(Feed({":taro!t@x PRIVMSG mirado :\x01VERSION\x01"}),
            (Lines{"NOTICE taro :\x01VERSION Mirado for TRPG (mirado-irc)\x01"}));
  EXPECT_TRUE(calls_.empty());
  // #PART in a channel leaves it and forgets it for the next connection.
  EXPECT_EQ(Feed({":taro!t@x PRIVMSG #trpg :#PART"}), (Lines{"PART #trpg :bye"}));
  EXPECT_EQ(session_.channels(), (Lines{"#locked", "#two"}));
}

TEST_F(SessionTest, AHostileServerGetsNoMoreThanItShould) {
  Begin();
  EXPECT_EQ(Feed({":srv 001 mirado :Welcome"}).size(), 2u);
  // A second welcome registers nothing again and joins nothing again.
  EXPECT_TRUE(Feed({":srv 001 mirado :Welcome", ":srv 001 other :Welcome again"}).empty());
  EXPECT_EQ(session_.nick(), "mirado");
  // Lines from channels the bot is not in get no answer: never joined, not
  // yet confirmed, kicked from.
  EXPECT_TRUE(Feed({":taro!t@x PRIVMSG #elsewhere :#2D6", ":taro!t@x PRIVMSG #trpg :#2D6"}).empty());
  Feed({":mirado!bot@host JOIN #trpg"});
  EXPECT_EQ(Feed({":taro!t@x PRIVMSG #trpg :#2D6"}).size(), 1u);
  Feed({":op!o@x KICK #trpg mirado :out"});
  EXPECT_TRUE(Feed({":taro!t@x PRIVMSG #trpg :#2D6"}).empty());
  EXPECT_EQ(calls_, (Lines{"taro|#trpg|#2D6"}));
  // CTCP PING: a printable argument goes back; bytes the network may not
  // take get no reply.
  EXPECT_EQ(Feed({":taro!t@x PRIVMSG mirado :\x01PING 1733700000 123\x01"}),
            (Lines{"NOTICE taro :\x01PING 1733700000 123\x01"}));
  EXPECT_TRUE(Feed({":taro!t@x PRIVMSG mirado :\x01PING \xff\xfe\x01"}).empty());
  EXPECT_TRUE(Feed({":taro!t@x PRIVMSG mirado :\x01PING \x1b[2J\x01"}).empty());
}

TEST_F(SessionTest, RelayPrefixFollowsTheBotsOwnSource) {
  Begin();
  Feed({":srv 001 mirado :Welcome"});
  EXPECT_GE(session_.RelayPrefixLength(), std::string(":mirado!mirado@some.long.host.name ").size());
  Feed({":mirado!bot@h JOIN #trpg"});
  EXPECT_EQ(session_.RelayPrefixLength(), std::string(":mirado!bot@h ").size());
}

}  // namespace
}  // namespace mirado::irc
