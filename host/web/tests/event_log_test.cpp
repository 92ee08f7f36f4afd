// The room's log files: what is appended is read back, a torn end is cut
// away on opening, files rotate at their size and only the newest are kept,
// and a hub opened on the same folder has the history again.
#include "event_log.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "hub.h"

namespace mirado::web {
namespace {

namespace fs = std::filesystem;

class EventLogTest : public testing::Test {
 protected:
  void SetUp() override {
    root_ = (fs::temp_directory_path() / ("mirado-web-log-" + std::to_string(::getpid()))).string();
    fs::remove_all(root_);
  }
  void TearDown() override { fs::remove_all(root_); }

  static RoomEvent Line(uint64_t id, const std::string& text) {
    RoomEvent e;
    e.id = id;
    e.time_ms = 5;
    e.nick = "taro";
    e.text = text;
    return e;
  }
  std::unique_ptr<RoomLog> Open(LogLimits limits = {}) {
    std::string error;
    auto log = RoomLog::Open(root_, "#trpg", limits, &error);
    EXPECT_TRUE(log) << error;
    return log;
  }
  std::vector<fs::path> Files() const {
    std::vector<fs::path> files;
    for (const auto& entry : fs::recursive_directory_iterator(root_)) {
      if (entry.path().extension() == ".jsonl") files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    return files;
  }

  std::string root_;
};

TEST_F(EventLogTest, AppendsAndReadsBack) {
  auto log = Open();
  RoomEvent a = Line(1, "#2D6"), b = Line(2, "\xE6\x80\xA7\xE6\xA0\xBC\xE8\xA1\xA8");
  b.to = "hanako";
  b.to_player = "p2";
  std::string error;
  ASSERT_TRUE(log->Append({&a, &b}, &error)) << error;
  EXPECT_EQ(log->last_id(), 2u);
  const auto events = Open()->Read();
  ASSERT_EQ(events.size(), 2u);
  EXPECT_EQ(events[1].text, b.text);
  EXPECT_EQ(events[1].to_player, "p2");
  EXPECT_EQ(RoomLog::Rooms(root_), (std::vector<std::string>{"#trpg"}));
}

TEST_F(EventLogTest, ATornEndIsCutAway) {
  {
    auto log = Open();
    RoomEvent a = Line(1, "kept");
    std::string error;
    ASSERT_TRUE(log->Append({&a}, &error));
  }
  const fs::path file = Files().at(0);
  std::ofstream(file, std::ios::app) << R"({"id":2,"kind":"line","time":5,"nick":"taro","text":"to)";
  auto log = Open();
  EXPECT_EQ(log->last_id(), 1u);
  RoomEvent b = Line(2, "next");
  std::string error;
  ASSERT_TRUE(log->Append({&b}, &error));
  const auto events = Open()->Read();
  ASSERT_EQ(events.size(), 2u);
  EXPECT_EQ(events[1].text, "next");
}

TEST_F(EventLogTest, RotatesAndKeepsTheNewestFiles) {
  LogLimits limits;
  limits.file_bytes = 200;
  limits.files = 3;
  auto log = Open(limits);
  std::string error;
  for (uint64_t id = 1; id <= 20; ++id) {
    RoomEvent e = Line(id, std::string(100, 'x'));
    ASSERT_TRUE(log->Append({&e}, &error));
  }
  EXPECT_EQ(Files().size(), 3u);
  const auto events = Open(limits)->Read();
  ASSERT_FALSE(events.empty());
  EXPECT_EQ(events.back().id, 20u);
  EXPECT_EQ(events.size(), 20 - events.front().id + 1);  // no hole
  EXPECT_EQ(Open(limits)->Read(2).size(), 2u);
}

TEST_F(EventLogTest, AHubRestoresItsRooms) {
  Player* player = nullptr;
  std::string token;
  {
    Hub hub({}, root_, {}, [] { return std::string("secret-of-sixteen"); });
    ASSERT_TRUE(hub.Join("trpg", "taro", "", 1, &player).ok());
    PreparedTurn turn;
    ASSERT_TRUE(hub.PrepareLine(*player, "trpg", "hello", false, 2, &turn).ok());
    std::vector<RoomEvent> seen;
    ASSERT_TRUE(hub.FinishTurn(turn, {}, 3, &seen).ok());
  }
  Hub again({}, root_, {}, [] { return std::string("another-secret-16"); });
  std::string error;
  ASSERT_TRUE(again.Restore(10, &error)) << error;
  EXPECT_EQ(again.room_count(), 1u);
  RoomInfo info;
  ASSERT_TRUE(again.Info("trpg", nullptr, &info).ok());
  EXPECT_EQ(info.last_id, 2u);
  std::string channel;
  std::vector<RoomEvent> events;
  ASSERT_TRUE(again.Log("trpg", nullptr, &channel, &events).ok());
  ASSERT_EQ(events.size(), 2u);
  EXPECT_EQ(events[1].text, "hello");
  // The session too: the same token is taro in #trpg, and the nick is held.
  Player* back = again.Authenticate("secret-of-sixteen", 11);
  ASSERT_NE(back, nullptr);
  EXPECT_EQ(back->nick, "taro");
  ASSERT_TRUE(again.Info("trpg", back, &info).ok());
  EXPECT_EQ(info.you, "taro");
  Player* other = nullptr;
  EXPECT_EQ(again.Join("trpg", "taro", "", 12, &other).status, 409);
}

}  // namespace
}  // namespace mirado::web
