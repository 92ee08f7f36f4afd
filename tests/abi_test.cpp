// Loads the built plug-in library from a folder of its own, exactly as a host
// does, and calls its entry points through the C interface.
#ifndef _WIN32
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <thread>
#include <vector>

#include "plugin_loader.h"
#include "support/test_support.h"

namespace mirado::testing {
namespace {

namespace fs = std::filesystem;

class AbiTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const fs::path built = Flag("plugin");
    ASSERT_FALSE(built.empty()) << "run with --plugin=PATH";
    dir_ =
        fs::temp_directory_path() / ("mirado-abi-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                                     "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    copy_ = dir_ / built.filename();
    fs::copy_file(built, copy_);
    std::string error;
    plugin_ = host::Plugin::Load(copy_.string(), &error);
    ASSERT_TRUE(plugin_) << error;
  }
  void TearDown() override {
    plugin_.reset();
    std::error_code ignored;
    fs::remove_all(dir_, ignored);
  }

  fs::path dir_, copy_;
  std::unique_ptr<host::Plugin> plugin_;
};

TEST_F(AbiTest, RollAnswersInTheChannel) {
  const auto lines = plugin_->Command("taro", "#trpg", "#2D6+3");
  ASSERT_EQ(1u, lines.size());
  EXPECT_TRUE(
      std::regex_match(lines[0], std::regex(R"(NOTICE #trpg :taro -> 2D6\+3 = \[[1-6],[1-6]\]\+3 = ([5-9]|1[0-5]))")))
      << lines[0];
}

TEST_F(AbiTest, PrivateTalkAnswersTheSpeakerAndChatStaysQuiet) {
  const auto lines = plugin_->Command("taro", "mirado", "#7/2");
  ASSERT_EQ(1u, lines.size());
  EXPECT_EQ("NOTICE taro :taro -> 7/2 = 3.5", lines[0]);
  EXPECT_TRUE(plugin_->Command("taro", "#trpg", "hello everyone").empty());
}

TEST_F(AbiTest, SettingsFileLivesBesideTheLibrary) {
  // An RC roll stores the erosion rate beside the loaded copy of the library.
  const auto lines = plugin_->Command("taro", "#trpg", "#2RC");
  ASSERT_EQ(2u, lines.size());
  std::ifstream in(dir_ / "Mirado.ini", std::ios::binary);
  ASSERT_TRUE(in);
  const std::string content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_NE(std::string::npos, content.find("[#trpg]\r\nTARO=")) << content;
}

// Every call sees the file as it is: the name and game mode a roll shows
// follow hand edits made between calls, and the game mode of each channel
// and the name of each player stay their own.
TEST_F(AbiTest, RollsFollowHandEditsOfNameAndGameMode) {
  const auto edit = [this](const std::string& content) {
    std::ofstream(dir_ / "Mirado.ini", std::ios::binary | std::ios::trunc) << content;
  };
  const auto name_of = [this](const char* nick, const char* channel) {
    const auto lines = plugin_->Command(nick, channel, "#1+1");
    if (lines.size() != 1) return std::string("?");
    const std::size_t colon = lines[0].find(" :"), arrow = lines[0].find(" -> ");
    return lines[0].substr(colon + 2, arrow - colon - 2);
  };
  EXPECT_EQ("taro", name_of("taro", "#trpg"));
  edit("[CharactersName]\r\nTARO=Alice\r\n");
  EXPECT_EQ("Alice", name_of("taro", "#trpg"));
  EXPECT_EQ("hanako", name_of("hanako", "#trpg"));
  edit("[CharactersName]\r\nTARO=Bob\r\nHANAKO=Carol\r\n[GameMode]\r\n#ninja=NJSLYR\r\n");
  EXPECT_EQ("Bob", name_of("taro", "#trpg"));
  EXPECT_EQ("Carol", name_of("hanako", "#trpg"));
  EXPECT_EQ("Carol\x81\x81\x83\x54\x83\x93", name_of("hanako", "#ninja"));  // "＝サン" in that mode
  EXPECT_EQ("Carol", name_of("hanako", "#trpg"));
  edit("");
  EXPECT_EQ("hanako", name_of("hanako", "#ninja"));
}

TEST_F(AbiTest, AliasRewritesPhrasesAndPartLeaves) {
  ASSERT_TRUE(plugin_->HasAlias());
  ASSERT_TRUE(plugin_->HasPart());
  // "ゲームモード ダブルクロス" and the answer naming ダブルクロス(DX), code page 932.
  const auto lines = plugin_->Alias("taro", "#trpg",
                                    "\x83\x51\x81\x5B\x83\x80\x83\x82\x81\x5B\x83\x68 "
                                    "\x83\x5F\x83\x75\x83\x8B\x83\x4E\x83\x8D\x83\x58");
  ASSERT_EQ(1u, lines.size());
  EXPECT_NE(std::string::npos, lines[0].find("(DX)")) << lines[0];
  EXPECT_TRUE(plugin_->Alias("taro", "#trpg", "hello everyone").empty());
  EXPECT_TRUE(plugin_->Alias("taro", "#trpg", "#2D6").empty());  // Command's business, not Alias's
  const auto part = plugin_->Part("taro", "#trpg", "");
  ASSERT_FALSE(part.empty());
  EXPECT_EQ(0u, part.back().rfind("PART #trpg :MIRADO for TRPG v.2013/01/15 ", 0)) << part.back();
  for (const auto& line : plugin_->Part("taro", "taro", "")) EXPECT_EQ(std::string::npos, line.find("PART"));
}

TEST_F(AbiTest, HostileInputNeverOverrunsTheBuffer) {
  std::string line(1023, '9');
  for (const char* text : {"#", "# ", "#(((((((((", "#1D", "\x81", "#\x81\x94"}) {
    plugin_->Command("taro", "#trpg", text);
  }
  const auto lines = plugin_->Command(std::string(1023, 'n'), std::string(1023, '#'), "#" + std::string(1022, '1'));
  for (const auto& l : lines) EXPECT_LT(l.size(), 4096u);
  std::string mixed;
  for (int i = 0; i < 1023; ++i) mixed += static_cast<char>(1 + (i * 37) % 255);
  plugin_->Command(mixed, mixed, mixed);
  plugin_->Alias(mixed, mixed, mixed);
  plugin_->Part(mixed, mixed, mixed);
  for (const auto& l : plugin_->Alias("taro", "#trpg", std::string(1023, '\x83'))) EXPECT_LT(l.size(), 4096u);
}

// Calls an entry point the way a host does, with the host's own 4096-byte
// buffer inside a larger block: bytes past the buffer are a canary that must
// survive, and the host's text already in the buffer must stay as it was.
struct GuardedCall {
  static constexpr std::size_t kBuffer = 4096, kCanary = 256;
  std::string host_text;
  std::string result;  // the buffer up to its terminator
  bool terminated = false, canary_intact = false;

  GuardedCall(MiradoEntryPoint entry, const std::string& nick, const std::string& channel, const std::string& text,
              const std::string& host = "") {
    std::vector<char> block(kBuffer + kCanary, '\xA5');
    std::fill(block.begin(), block.begin() + kBuffer, '\0');
    std::copy(host.begin(), host.end(), block.begin());
    host_text = host;
    entry(nick.c_str(), "", "", "", channel.c_str(), text.c_str(), block.data());
    const auto nul = std::find(block.begin(), block.begin() + kBuffer, '\0');
    terminated = nul != block.begin() + kBuffer;
    result.assign(block.begin(), nul);
    canary_intact = std::all_of(block.begin() + kBuffer, block.end(), [](char c) { return c == '\xA5'; });
  }
  // Every line the plug-in added: a whole NOTICE or PART line.
  bool LinesAreWhole() const {
    if (result.compare(0, host_text.size(), host_text) != 0) return false;
    std::size_t p = host_text.size();
    while (p < result.size()) {
      const std::size_t end = result.find("\r\n", p);
      const std::string line = result.substr(p, end == std::string::npos ? std::string::npos : end - p);
      if (!line.empty() && line.rfind("NOTICE ", 0) != 0 && line.rfind("PART ", 0) != 0 &&
          line.rfind("notice ", 0) != 0)
        return false;
      if (line.find_first_of("\r\n") != std::string::npos) return false;
      if (end == std::string::npos) break;
      p = end + 2;
    }
    return true;
  }
};

TEST_F(AbiTest, RepliesStayInsideTheHostsBufferAndKeepItsText) {
  std::string mixed;
  for (int i = 0; i < 1023; ++i) mixed += static_cast<char>(1 + (i * 37) % 255);
  const std::string long_nick(1023, 'n'), long_channel = "#" + std::string(1022, 'c');
  std::string repeated = "#1D1";
  for (int i = 0; i < 53; ++i) repeated += "+1";
  repeated += "+0**5";
  for (MiradoEntryPoint entry : {plugin_->RawCommand(), plugin_->RawAlias(), plugin_->RawPart()}) {
    ASSERT_NE(entry, nullptr);
    for (const std::string& host :
         {std::string(), std::string("PRIVMSG #x :host text\r\n"), std::string(3000, 'h'), std::string(4095, 'h')}) {
      for (const std::string& text : {mixed, std::string("#2D6**5"), std::string("#1000D1"), repeated,
                                      std::string("#HELP"), std::string("\x83\x81\x83\x82 x")}) {
        const GuardedCall call(entry, long_nick, long_channel, text, host);
        EXPECT_TRUE(call.terminated);
        EXPECT_TRUE(call.canary_intact);
        EXPECT_TRUE(call.LinesAreWhole()) << call.result.substr(0, 200);
      }
    }
  }
}

// Two host threads counting at once: the entry points run one call at a time,
// so every one of the 400 counts is kept.
TEST_F(AbiTest, CallsFromSeveralThreadsLoseNothing) {
  MiradoEntryPoint command = plugin_->RawCommand();
  auto count = [command](const char* nick) {
    for (int i = 0; i < 100; ++i) {
      char output[4096] = {};
      command(nick, "", "", "", "#trpg", "#COUNT 1", output);
    }
  };
  std::thread a(count, "taro"), b(count, "taro"), c(count, "hanako"), d(count, "hanako");
  a.join();
  b.join();
  c.join();
  d.join();
  const auto taro = plugin_->Command("taro", "#trpg", "#GET");
  const auto hanako = plugin_->Command("hanako", "#trpg", "#GET");
  ASSERT_EQ(1u, taro.size());
  ASSERT_EQ(1u, hanako.size());
  EXPECT_NE(std::string::npos, taro[0].find("200")) << taro[0];
  EXPECT_NE(std::string::npos, hanako[0].find("200")) << hanako[0];
}

#ifndef _WIN32
// Two host processes counting on one settings file: each answer is told from
// the value the call stored, so the new values told by both together are
// 1 to 200, each once. A call whose read another process's write made stale
// is run again rather than answered from the old value.
TEST_F(AbiTest, TwoHostProcessesCountingTellEveryValueOnce) {
  MiradoEntryPoint command = plugin_->RawCommand();
  constexpr int kCounts = 100;
  const fs::path told[2] = {dir_ / "told-a.txt", dir_ / "told-b.txt"};
  pid_t children[2];
  for (int c = 0; c < 2; ++c) {
    children[c] = fork();
    ASSERT_GE(children[c], 0);
    if (children[c] != 0) continue;
    std::ofstream out(told[c]);
    for (int i = 0; i < kCounts; ++i) {
      char output[4096] = {};
      command("taro", "", "", "", "#trpg", "#COUNT 1", output);
      const char* arrow = nullptr;  // the last "\x81\xA8" (an arrow), before the new value
      for (const char* p = std::strstr(output, "\x81\xA8"); p != nullptr; p = std::strstr(p + 2, "\x81\xA8")) arrow = p;
      out << (arrow != nullptr ? std::atoi(arrow + 2) : -1) << "\n";
    }
    out.close();
    _exit(0);
  }
  for (const pid_t child : children) {
    int status = 0;
    ASSERT_EQ(child, waitpid(child, &status, 0));
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  }
  std::vector<int> values;
  for (const fs::path& file : told) {
    std::ifstream in(file);
    for (int value; in >> value;) values.push_back(value);
  }
  std::sort(values.begin(), values.end());
  std::vector<int> expected(2 * kCounts);
  for (int i = 0; i < 2 * kCounts; ++i) expected[i] = i + 1;
  EXPECT_EQ(expected, values);
}
#endif

TEST_F(AbiTest, LineBreaksInNamesNeverBecomeLinesOfTheirOwn) {
  for (MiradoEntryPoint entry : {plugin_->RawCommand(), plugin_->RawAlias(), plugin_->RawPart()}) {
    const GuardedCall nick(entry, "a\r\nQUIT :x", "#trpg", "#2D6");
    EXPECT_TRUE(nick.LinesAreWhole()) << nick.result;
    const GuardedCall channel(entry, "taro", "#a\r\nPRIVMSG 1", "#2D6");
    EXPECT_TRUE(channel.LinesAreWhole()) << channel.result;
    const GuardedCall text(entry, "taro", "#trpg", "#COUNT #a\rPRIVMSG 1\n2D6");
    EXPECT_TRUE(text.LinesAreWhole()) << text.result;
  }
}

}  // namespace
}  // namespace mirado::testing
