// Runs the session transcripts in tests/transcripts/: readable UTF-8 files of
// chat lines and the exact IRC lines expected back. Each file is one test,
// with a settings folder of its own. The directives:
//
//   # ...                  a comment
//   seed N                 every roll command from here on seeds with N
//   nick NAME              who speaks from here on (default "taro")
//   channel NAME           where (argument 5; default "#trpg")
//   ini                    replaces Mirado.ini with the lines up to a lone "."
//   > TEXT                 calls Command with TEXT
//   alias> TEXT            calls Alias with TEXT
//   part>                  calls Part (the bot leaves the channel)
//   < LINE                 the next line the last call must have answered;
//                          a call followed by no "<" must answer nothing.
//                          {main-page}, {reference} and {short-link} stand
//                          for the deployment's links (build settings)
//   <? LINE                the next line, when the call answered it: a line
//                          another command writes on the way (the counter
//                          command's answer when a channel is left)
//   check SECTION KEY = V  the settings file holds V under SECTION/KEY
//   check SECTION KEY =    ... holds nothing there
#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

#include "core/settings_store.h"
#include "mirado/mirado.h"
#include "plugin/release_info.h"
#include "support/test_support.h"

namespace mirado::testing {
namespace {

struct Call {
  int line = 0;
  std::string text;
  std::vector<std::string> expected;
  bool is_check = false;
  std::string section, key, value;
};

// Calls one of the entry points as a host does, with a fresh buffer.
std::string Call(MiradoEntryPoint entry, const std::string& nick, const std::string& channel, const std::string& text) {
  std::string buffer(4096, '\0');
  entry(nick.c_str(), "", "", "", channel.c_str(), text.c_str(), buffer.data());
  return std::string(buffer.c_str());
}

// An expected line with the deployment's links filled in.
std::string WithLinks(std::string line) {
  const std::pair<const char*, const char*> links[] = {{"{main-page}", BotCommand::kMainPageUrl},
                                                       {"{reference}", BotCommand::kReferenceUrl},
                                                       {"{short-link}", BotCommand::kShortUrl}};
  for (const auto& [name, value] : links) {
    for (std::size_t at = line.find(name); at != std::string::npos; at = line.find(name, at + std::strlen(value))) {
      line.replace(at, std::strlen(name), value);
    }
  }
  return line;
}

std::string Rest(const std::string& line, std::size_t from) {
  return from < line.size() ? line.substr(from) : std::string();
}

void RunTranscript(const std::string& file) {
  std::ifstream in(file, std::ios::binary);
  ASSERT_TRUE(in) << "cannot read " << file;
  TempSettings settings;
  std::unique_ptr<PinnedRandom> pinned = std::make_unique<PinnedRandom>(1);
  std::string nick = "taro", channel = "#trpg";
  std::string line;
  int number = 0;
  std::vector<std::string> pending;  // answer lines not yet matched
  int pending_line = 0;
  std::string pending_text;
  auto finish = [&]() {
    for (const auto& rest : pending) {
      ADD_FAILURE() << file << ":" << pending_line << ": '" << pending_text << "' also answered: " << ToUtf8(rest);
    }
    pending.clear();
  };
  while (std::getline(in, line)) {
    ++number;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == '#') continue;
    if (line.rfind("<? ", 0) == 0) {
      if (!pending.empty() && WithLinks(Rest(line, 3)) == ToUtf8(pending.front())) pending.erase(pending.begin());
      continue;
    }
    if (line.rfind("< ", 0) == 0 || line == "<") {
      const std::string expected = WithLinks(Rest(line, 2));
      if (pending.empty()) {
        ADD_FAILURE() << file << ":" << number << ": expected '" << expected << "' but nothing more was answered";
      } else {
        EXPECT_EQ(expected, ToUtf8(pending.front())) << file << ":" << number;
        pending.erase(pending.begin());
      }
      continue;
    }
    finish();
    if (line.rfind("> ", 0) == 0 || line == ">") {
      pending_text = Rest(line, 2);
      pending_line = number;
      pending = Lines(CallCommand(ToCp932(nick), ToCp932(channel), ToCp932(pending_text)));
    } else if (line.rfind("alias> ", 0) == 0 || line == "alias>") {
      pending_text = Rest(line, 7);
      pending_line = number;
      pending = Lines(Call(::Alias, ToCp932(nick), ToCp932(channel), ToCp932(pending_text)));
    } else if (line == "part>") {
      pending_text = "(part)";
      pending_line = number;
      pending = Lines(Call(::Part, ToCp932(nick), ToCp932(channel), ""));
    } else if (line.rfind("seed ", 0) == 0) {
      pinned.reset();
      pinned = std::make_unique<PinnedRandom>(static_cast<uint32_t>(std::stoul(Rest(line, 5))));
    } else if (line.rfind("nick ", 0) == 0) {
      nick = Rest(line, 5);
    } else if (line.rfind("channel ", 0) == 0) {
      channel = Rest(line, 8);
    } else if (line == "ini") {
      std::string content, ini_line;
      while (std::getline(in, ini_line)) {
        ++number;
        if (!ini_line.empty() && ini_line.back() == '\r') ini_line.pop_back();
        if (ini_line == ".") break;
        content += ini_line + "\r\n";
      }
      settings.Write(ToCp932(content));
    } else if (line.rfind("check ", 0) == 0) {
      std::istringstream words(Rest(line, 6));
      std::string section, key, eq;
      words >> section >> key >> eq;
      std::string value;
      std::getline(words, value);
      if (!value.empty() && value[0] == ' ') value.erase(0, 1);
      ASSERT_EQ("=", eq) << file << ":" << number << ": check SECTION KEY = VALUE";
      const std::string path = settings.path();
      EXPECT_EQ(value, ToUtf8(SettingsStore::ReadString(path.c_str(), ToCp932(section), ToCp932(key), "")))
          << file << ":" << number;
    } else {
      ADD_FAILURE() << file << ":" << number << ": unknown directive: " << line;
    }
  }
  finish();
}

class TranscriptTest : public ::testing::Test {
 public:
  explicit TranscriptTest(std::string file) : file_(std::move(file)) {}
  void TestBody() override { RunTranscript(file_); }

 private:
  std::string file_;
};

// Registers one test per transcript file before the tests run.
void RegisterTranscripts() {
  const std::string dir = Flag("transcripts");
  std::vector<std::filesystem::path> files;
  for (const auto& entry : std::filesystem::directory_iterator(dir)) {
    if (entry.path().extension() == ".txt") files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end());
  for (const auto& path : files) {
    const std::string file = path.string();
    ::testing::RegisterTest("Transcript", path.stem().string().c_str(), nullptr, nullptr, __FILE__, __LINE__,
                            [file]() -> ::testing::Test* { return new TranscriptTest(file); });
  }
}

const bool registered = OnStartup(RegisterTranscripts);

}  // namespace
}  // namespace mirado::testing
