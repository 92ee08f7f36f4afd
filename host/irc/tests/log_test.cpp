// The host's log: warnings and errors a peer can provoke are rate-limited.
#include "log.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace mirado::irc {
namespace {

std::vector<std::string> g_lines;
long long g_now = 600;

void Keep(std::string_view line) { g_lines.emplace_back(line); }
long long Now() { return g_now; }

TEST(Log, WarningsAreLimitedPerMinuteAndTheRestCounted) {
  g_lines.clear();
  SetLogSinkForTesting(Keep);
  SetLogClockForTesting(Now);
  for (int i = 0; i < 5000; ++i) LogWarning("ignored a malformed line from the server");
  EXPECT_EQ(g_lines.size(), static_cast<std::size_t>(kLogBurst));
  LogInfo("joined #trpg");  // information is never held back
  EXPECT_EQ(g_lines.size(), static_cast<std::size_t>(kLogBurst) + 1);
  // The next minute: one line tells how many were left out, then warnings go on.
  g_now += 60;
  LogError("the server refused the password");
  ASSERT_EQ(g_lines.size(), static_cast<std::size_t>(kLogBurst) + 3);
  EXPECT_NE(g_lines[kLogBurst + 1].find("4980 more warnings were not logged"), std::string::npos);
  EXPECT_NE(g_lines[kLogBurst + 2].find("error the server refused the password"), std::string::npos);
  // Control characters from the network are shown, never written.
  LogWarning("bad \x1b[2J line");
  EXPECT_NE(g_lines.back().find("bad \\x1B[2J line"), std::string::npos);
  SetLogSinkForTesting(nullptr);
  SetLogClockForTesting(nullptr);
}

}  // namespace
}  // namespace mirado::irc
