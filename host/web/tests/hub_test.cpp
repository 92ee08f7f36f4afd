// The room logic without sockets: membership, nick binding, ordering,
// private routing, resume and the bounds, with the plug-in's answers written
// by hand and a recorder in place of each stream.
#include "hub.h"

#include <gtest/gtest.h>

#include "plugin_line.h"
#include "wire_text.h"

namespace mirado::web {
namespace {

// A stream that keeps what it was sent.
struct Recorder : EventSink {
  std::vector<std::string> frames;
  void Send(const std::shared_ptr<const std::string>& frame) override { frames.push_back(*frame); }
  // The event ids it received, in order.
  std::vector<uint64_t> Ids() const {
    std::vector<uint64_t> ids;
    for (const auto& f : frames) {
      if (f.rfind("id: ", 0) == 0) ids.push_back(std::stoull(f.substr(4)));
    }
    return ids;
  }
  bool Saw(const std::string& text) const {
    for (const auto& f : frames) {
      if (f.find(text) != std::string::npos) return true;
    }
    return false;
  }
};

// An answer as the plug-in writes it (UTF-8 here, code page 932 there).
host::TurnResult Answer(std::initializer_list<std::string> lines) {
  host::TurnResult result;
  for (const std::string& line : lines) {
    std::string why;
    result.lines.push_back(*host::ParsePluginLine(host::Utf8ToCp932(line), &why));
  }
  return result;
}

class HubTest : public testing::Test {
 protected:
  HubTest() : hub_(Limits(), "", LogLimits(), [this] { return "secret" + std::to_string(++secrets_) + "-padding"; }) {}

  static HubLimits Limits() {
    HubLimits limits;
    limits.players_per_room = 3;
    limits.rooms = 3;
    limits.streams_per_player = 2;
    limits.history.events = 5;
    limits.line_burst = 4;
    limits.lines_per_second = 1;
    limits.idle_session_ms = 1000;
    return limits;
  }

  Player* Join(const std::string& room, const std::string& nick, const std::string& token = "") {
    Player* player = nullptr;
    const Outcome outcome = hub_.Join(room, nick, token, now_, &player);
    EXPECT_TRUE(outcome.ok()) << outcome.error;
    return player;
  }
  // Says `text` and publishes `answer` as the plug-in's; returns what the sender saw.
  std::vector<RoomEvent> Say(Player* player, const std::string& room, const std::string& text,
                             const host::TurnResult& answer, bool in_private = false) {
    PreparedTurn turn;
    Outcome outcome = hub_.PrepareLine(*player, room, text, in_private, now_, &turn);
    EXPECT_TRUE(outcome.ok()) << outcome.error;
    std::vector<RoomEvent> seen;
    outcome = hub_.FinishTurn(turn, answer, now_, &seen);
    EXPECT_TRUE(outcome.ok()) << outcome.error;
    return seen;
  }
  std::shared_ptr<Recorder> Stream(const std::string& room, Player* player, uint64_t after = 0) {
    auto sink = std::make_shared<Recorder>();
    const Outcome outcome = hub_.Subscribe(room, player, after, sink);
    EXPECT_TRUE(outcome.ok()) << outcome.error;
    return sink;
  }

  int secrets_ = 0;
  int64_t now_ = 1000;
  Hub hub_;
};

TEST_F(HubTest, JoiningBindsANickToOneSession) {
  Player* a = Join("trpg", "taro");
  EXPECT_EQ(a->token, "secret1-padding");
  EXPECT_EQ(hub_.Authenticate(a->token, now_), a);
  EXPECT_EQ(hub_.Authenticate("guess", now_), nullptr);
  // Nobody else can take the nick, in any letter case, in any room.
  Player* other = nullptr;
  EXPECT_EQ(hub_.Join("trpg", "TARO", "", now_, &other).status, 409);
  EXPECT_EQ(hub_.Join("other", "taro", "", now_, &other).status, 409);
  // Its holder can join another room with it, and rename itself.
  EXPECT_EQ(Join("other", "taro", a->token), a);
  EXPECT_EQ(Join("trpg", "hanako", a->token), a);
  EXPECT_EQ(a->nick, "hanako");
  EXPECT_NE(Join("trpg", "taro"), a);  // the old nick came free
  RoomInfo info;
  ASSERT_TRUE(hub_.Info("trpg", a, &info).ok());
  EXPECT_EQ(info.players, (std::vector<std::string>{"hanako", "taro"}));
  EXPECT_EQ(info.you, "hanako");
  // Bad names.
  EXPECT_EQ(hub_.Join("a b", "x", "", now_, &other).status, 400);
  EXPECT_EQ(hub_.Join("trpg", "#x", "", now_, &other).status, 400);
}

TEST_F(HubTest, EveryStreamGetsTheSameEventsInTheSameOrder) {
  Player* a = Join("trpg", "taro");
  Player* b = Join("trpg", "hanako");
  auto sa = Stream("trpg", a), sb = Stream("trpg", b), spectator = Stream("trpg", nullptr);
  Say(a, "trpg", "#2D6", Answer({"NOTICE #trpg :taro -> 2D6 = [3,4] = 7"}));
  Say(b, "trpg", "hello", Answer({}));
  EXPECT_EQ(sa->Ids(), (std::vector<uint64_t>{1, 2, 3, 4, 5}));
  EXPECT_EQ(sa->frames, sb->frames);
  EXPECT_EQ(sa->frames, spectator->frames);
  EXPECT_TRUE(sa->Saw("\"kind\":\"answer\",\"time\":1000,\"nick\":\"taro\",\"text\":\"taro -> 2D6 = [3,4] = 7\""));
}

TEST_F(HubTest, PrivateAnswersReachOnlyTheirPlayer) {
  Player* a = Join("trpg", "taro");
  Player* b = Join("trpg", "hanako");
  auto sa = Stream("trpg", a), sb = Stream("trpg", b);
  // A closed roll in A's private talk: the result to A, the announcement to B.
  const auto seen = Say(a, "trpg", "#S 2D6",
                        Answer({"NOTICE hanako :taro -> \xE3\x82\xAF\xE3\x83\xAD\xE3\x83\xBC\xE3\x82\xBA",
                                "NOTICE taro :taro -> 2D6 = [2,6] = 8"}),
                        true);
  ASSERT_EQ(seen.size(), 2u);  // A's line and A's result; not B's announcement
  EXPECT_EQ(seen[1].text, "taro -> 2D6 = [2,6] = 8");
  EXPECT_TRUE(sa->Saw("[2,6]"));
  EXPECT_FALSE(sb->Saw("[2,6]"));
  EXPECT_FALSE(sb->Saw("#S 2D6"));  // the private line itself
  EXPECT_TRUE(sb->Saw("\"to\":\"hanako\""));
  EXPECT_FALSE(sa->Saw("\"to\":\"hanako\""));
  // Neither from the history: a new stream, the history, the log.
  auto later = Stream("trpg", b);
  EXPECT_FALSE(later->Saw("[2,6]"));
  std::string channel;
  std::vector<RoomEvent> log;
  ASSERT_TRUE(hub_.Log("trpg", b, &channel, &log).ok());
  for (const RoomEvent& e : log) EXPECT_EQ(e.text.find("[2,6]"), std::string::npos);
  log.clear();
  ASSERT_TRUE(hub_.Log("trpg", nullptr, &channel, &log).ok());
  for (const RoomEvent& e : log) EXPECT_FALSE(e.is_private());
  // A nick nobody holds gets nothing.
  const auto none = Say(a, "trpg", "x", Answer({"NOTICE jiro :secret"}));
  EXPECT_EQ(none.size(), 1u);
  EXPECT_FALSE(sb->Saw("secret"));
}

TEST_F(HubTest, PrivateAnswersFollowThePlayerToItsRoom) {
  Player* a = Join("trpg", "taro");
  Player* b = Join("other", "hanako");
  auto sb = Stream("other", b);
  Say(a, "trpg", "#S 2D6", Answer({"NOTICE hanako :to you"}));
  EXPECT_TRUE(sb->Saw("\"text\":\"to you\",\"private\":true,\"to\":\"hanako\",\"from\":\"#trpg\""));
}

TEST_F(HubTest, AnnouncementsGoToTheirRoomOnly) {
  Player* a = Join("trpg", "taro");
  Player* gm = Join("gm", "master");
  auto room = Stream("trpg", a), gm_room = Stream("gm", gm);
  Say(a, "trpg", "#S 2D6",
      Answer({"NOTICE #GM :taro -> closed roll [#trpg]", "NOTICE #trpg :taro -> 2D6 = 8", "NOTICE #nowhere :lost"}));
  EXPECT_TRUE(gm_room->Saw("\"text\":\"taro -> closed roll [#trpg]\",\"from\":\"#trpg\""));
  EXPECT_FALSE(gm_room->Saw("2D6 = 8"));
  EXPECT_FALSE(room->Saw("closed roll"));
  EXPECT_FALSE(room->Saw("lost"));
  EXPECT_FALSE(gm_room->Saw("lost"));
  // The bot leaving: a part event.
  PreparedTurn turn;
  ASSERT_TRUE(hub_.PrepareLeave(*a, "trpg", &turn).ok());
  std::vector<RoomEvent> seen;
  ASSERT_TRUE(hub_.FinishTurn(turn, Answer({"PART #trpg :bye"}), now_, &seen).ok());
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].kind, EventKind::kPart);
}

TEST_F(HubTest, ResumeAfterAnEventIdWithoutGapOrRepeat) {
  Player* a = Join("trpg", "taro");   // event 1
  Say(a, "trpg", "one", Answer({}));  // 2
  Say(a, "trpg", "two", Answer({}));  // 3
  EXPECT_EQ(Stream("trpg", a, 2)->Ids(), (std::vector<uint64_t>{3}));
  EXPECT_EQ(Stream("trpg", nullptr, 3)->Ids(), (std::vector<uint64_t>{}));
  // An id from the room's earlier life (beyond its last): all of it.
  EXPECT_EQ(Stream("trpg", nullptr, 99)->Ids(), (std::vector<uint64_t>{1, 2, 3}));
}

TEST_F(HubTest, HistoryIsBoundedAndTellsOfTheGap) {
  Player* a = Join("trpg", "taro");
  for (int i = 0; i < 3; ++i) {
    Say(a, "trpg", "line", Answer({}));
    now_ += 1000;  // keep the line credit
  }
  Say(a, "trpg", "line", Answer({}));  // 5 events
  Say(a, "trpg", "line", Answer({}));  // 6 events: the first has left the history
  auto late = Stream("trpg", nullptr, 0);
  EXPECT_EQ(late->Ids(), (std::vector<uint64_t>{2, 3, 4, 5, 6}));
  EXPECT_EQ(late->frames[0], GapFrame(0, 2));
  EXPECT_EQ(Stream("trpg", nullptr, 1)->frames.size(), 5u);  // no gap: 2 follows 1
}

TEST_F(HubTest, Bounds) {
  Player* a = Join("trpg", "taro");
  Join("trpg", "b");
  Join("trpg", "c");
  Player* d = nullptr;
  EXPECT_EQ(hub_.Join("trpg", "d", "", now_, &d).status, 429);  // players per room
  Join("two", "d");
  EXPECT_EQ(hub_.Join("three", "e", "", now_, &d).status, 200);
  EXPECT_EQ(hub_.Join("four", "f", "", now_, &d).status, 503);  // rooms
  Stream("trpg", a);
  Stream("trpg", a);
  EXPECT_EQ(hub_.Subscribe("trpg", a, 0, std::make_shared<Recorder>()).status, 429);  // streams per player
  EXPECT_EQ(hub_.Subscribe("nowhere", a, 0, std::make_shared<Recorder>()).status, 404);
  // Lines: a burst of 4, then one a second.
  PreparedTurn turn;
  for (int i = 0; i < 4; ++i) EXPECT_TRUE(hub_.PrepareLine(*a, "trpg", "x", false, now_, &turn).ok());
  EXPECT_EQ(hub_.PrepareLine(*a, "trpg", "x", false, now_, &turn).status, 429);
  now_ += 1000;
  EXPECT_TRUE(hub_.PrepareLine(*a, "trpg", "x", false, now_, &turn).ok());
  // Text the plug-in cannot take, or a room the player is not in.
  now_ += 5000;
  EXPECT_EQ(hub_.PrepareLine(*a, "trpg", std::string(1024, 'a'), false, now_, &turn).status, 413);
  EXPECT_EQ(hub_.PrepareLine(*a, "trpg", "\xFF", false, now_, &turn).status, 400);
  EXPECT_EQ(hub_.PrepareLine(*a, "trpg", "\xF0\x9F\x8E\xB2", false, now_, &turn).status, 422);
  EXPECT_EQ(hub_.PrepareLine(*a, "two", "x", false, now_, &turn).status, 403);
}

TEST_F(HubTest, IdleSessionsEndAndFreeTheirNick) {
  Player* a = Join("trpg", "taro");
  const std::string token = a->token;
  auto stream = Stream("trpg", a);
  now_ += 5000;
  hub_.ExpireSessions(now_);  // an open stream keeps it
  EXPECT_NE(hub_.Authenticate(token, now_), nullptr);
  hub_.Unsubscribe("#trpg", token, stream.get());
  EXPECT_EQ(hub_.stream_count(), 0u);
  now_ += 5000;
  hub_.ExpireSessions(now_);
  EXPECT_EQ(hub_.Authenticate(token, now_), nullptr);
  Player* b = Join("trpg", "taro");
  EXPECT_NE(b->token, token);
}

TEST_F(HubTest, TurnSetsThePlugInsNickChannelAndText) {
  Player* a = Join("trpg", "\xE3\x81\xAF\xE3\x81\xAA");  // はな
  PreparedTurn turn;
  ASSERT_TRUE(hub_.PrepareLine(*a, "TRPG", "\xE8\xA1\xA8", false, now_, &turn).ok());  // 表
  EXPECT_EQ(turn.turn_nick, "\x82\xCD\x82\xC8");
  EXPECT_EQ(turn.turn_channel, "#trpg");
  EXPECT_EQ(turn.turn_text, "\x95\x5C");
  ASSERT_TRUE(hub_.PrepareLine(*a, "trpg", "x", true, now_, &turn).ok());
  EXPECT_EQ(turn.turn_channel, turn.turn_nick);  // a private talk
}

}  // namespace
}  // namespace mirado::web
