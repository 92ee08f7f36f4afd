// The settings file shared by several processes, and writers killed at random
// moments: no update is lost and the file is never torn.
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <random>

#include "platform/platform.h"
#include "support/test_support.h"

namespace mirado::platform {
namespace {

using mirado::testing::TempSettings;

bool Put(const std::string& path, const char* section, const std::string& key, const std::string& value) {
  return ProfileWriteString(path, section, &key, &value);
}

// One counting command: read, add one, write, inside one call, run again
// (holding the lock from the start) when another program wrote in between.
bool Count(const std::string& path, const char* key) {
  for (bool again = false;; again = true) {
    ProfileCall call(again);
    const bool ok = Put(path, "#trpg", key, std::to_string(ProfileGetInt(path, "#trpg", key, 0) + 1));
    if (!CallConflicted()) return ok;
  }
}

TEST(ProfileStoreProcesses, TwoProgramsCountingAtOnceLoseNoUpdate) {
  TempSettings settings;
  const std::string path = settings.path();
  constexpr int kCounts = 150;
  pid_t children[2];
  for (pid_t& child : children) {
    child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      bool ok = true;
      for (int i = 0; i < kCounts; ++i) ok = Count(path, "TARO") && ok;
      _exit(ok ? 0 : 1);
    }
  }
  for (const pid_t child : children) {
    int status = 0;
    ASSERT_EQ(child, waitpid(child, &status, 0));
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  }
  EXPECT_EQ(2 * kCounts, ProfileGetInt(path, "#trpg", "TARO", 0));
}

TEST(ProfileStoreProcesses, AProgramStuckHoldingTheLockDelaysWritesButNeverHangsThem) {
  TempSettings settings;
  const std::string path = settings.path();
  ASSERT_TRUE(Put(path, "#trpg", "TARO", "1"));
  const int stuck = open((path + ".lock").c_str(), O_RDWR);
  ASSERT_EQ(0, flock(stuck, LOCK_EX));
  {
    ProfileCall call;
    EXPECT_EQ(1, ProfileGetInt(path, "#trpg", "TARO", 0));  // reads go on
    EXPECT_FALSE(Put(path, "#trpg", "TARO", "2"));
    EXPECT_EQ(ProfileWriteError::kFailed, ProfileLastWriteError());
  }
  close(stuck);
  EXPECT_TRUE(Put(path, "#trpg", "TARO", "3"));
  EXPECT_EQ(3, ProfileGetInt(path, "#trpg", "TARO", 0));
}

// Kills a writer at random moments. The writer tells the parent each value
// the store acknowledged; after each kill the file must read whole (every
// entry written before the writer started is there) and hold the last
// acknowledged value or the one after it.
TEST(ProfileStoreProcesses, KilledWritersNeverTearTheFileNorLoseAnAcknowledgedValue) {
  TempSettings settings;
  const std::string path = settings.path();
  constexpr int kFiller = 200;
  for (int i = 0; i < kFiller; ++i) {
    ASSERT_TRUE(Put(path, i % 2 == 0 ? "CharactersName" : "#other", "NICK" + std::to_string(i), std::string(40, 'n')));
  }
  std::mt19937 random(20261208);
  int acknowledged = 0;
  for (int round = 0; round < 300; ++round) {
    int pipe_fds[2];
    ASSERT_EQ(0, pipe(pipe_fds));
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      close(pipe_fds[0]);
      for (int value = acknowledged + 1;; ++value) {
        if (!Put(path, "#trpg", "TARO", std::to_string(value))) _exit(1);
        if (write(pipe_fds[1], &value, sizeof value) != sizeof value) _exit(1);
      }
    }
    close(pipe_fds[1]);
    usleep(static_cast<useconds_t>(random() % 3000));
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    int value = 0;
    while (read(pipe_fds[0], &value, sizeof value) == sizeof value) acknowledged = value;
    close(pipe_fds[0]);

    const int stored = ProfileGetInt(path, "#trpg", "TARO", 0);
    ASSERT_TRUE(stored == acknowledged || stored == acknowledged + 1) << "round " << round << ": " << stored;
    acknowledged = stored;
    ASSERT_EQ(std::string(40, 'n'), ProfileGetString(path, "#other", "NICK199", "", 256)) << "round " << round;
    const std::string content = settings.Read();
    ASSERT_EQ("\r\n", content.substr(content.size() - 2)) << "round " << round;
  }
  // The next write clears whatever temporary file the last kill left.
  ASSERT_TRUE(Put(path, "#trpg", "TARO", "0"));
  int left = 0;
  for (const auto& entry : std::filesystem::directory_iterator(settings.dir())) {
    left += entry.path().filename().string().find(".tmp") != std::string::npos;
  }
  EXPECT_EQ(0, left);
}

}  // namespace
}  // namespace mirado::platform
