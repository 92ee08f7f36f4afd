// Fuzzes the exported Command as a host calls it. The input is
//   nick [LF settings] NUL channel NUL line NUL line ...
// (a missing nick or channel takes "taro" and "#trpg"; every field is cut to
// 1023 bytes, as a host's line is). The settings file starts out as the bytes
// after the nick's first LF (no host passes a nick with a line end), or
// empty. The lines run in order on that fresh settings file with the random source seeded the same way every time,
// so a saved input replays exactly; one line can set up what the next one
// reads (a game mode, a counter). The last line runs once more into a buffer
// the host has nearly filled already.
#include <stdlib.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "core/random_source.h"
#include "core/settings_store.h"
#include "fuzz_checks.h"
#include "mirado/mirado.h"

namespace {

using mirado::fuzz::CallTimer;
using mirado::fuzz::CheckAnswer;
using mirado::fuzz::kCallBudgetSeconds;
using mirado::fuzz::kOutputSize;

constexpr std::size_t kMaxField = 1023;
constexpr std::size_t kMaxLines = 8;

std::string g_settings_file;

// A reseed reads this instead of the clock, so an input replays exactly.
uint64_t FixedClock() { return 12345; }

// Lines that reach the patterns compiled on first use, so that no timed call
// pays for compiling them.
const char* const kWarmUp[] = {"#2D6+3", "2D6", "#1D100<=50", "#3R6", "#MODE DX", "#NAME x", "#HELP", "#SET x 1"};

void Call(const std::string& nick, const std::string& channel, const std::string& text, std::size_t host_size) {
  char output[kOutputSize];
  const std::string host_text(host_size, 'h');
  std::snprintf(output, sizeof output, "%s", host_text.c_str());
  CallTimer timer;
  Command(nick.c_str(), "", "", "", channel.c_str(), text.c_str(), output);
  const double took = timer.Elapsed();
  CheckAnswer(output, host_text);
  if (took > kCallBudgetSeconds) {
    // A first use may compile a pattern; only a call that is slow again counts.
    CallTimer again;
    output[0] = '\0';
    Command(nick.c_str(), "", "", "", channel.c_str(), text.c_str(), output);
    if (again.Elapsed() > kCallBudgetSeconds) mirado::fuzz::Fail("a call took longer than 100 ms");
  }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  const std::string folder = mirado::fuzz::MakeSettingsFolder();
  SettingsStore::SetModuleDirectory(folder);
  g_settings_file = folder + "Mirado.ini";
  RandomSource::SetClockForTesting(FixedClock, FixedClock);
  char output[kOutputSize];
  for (const char* line : kWarmUp) {
    output[0] = '\0';
    Command("taro", "", "", "", "#trpg", line, output);
  }
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  std::size_t i = 0;
  std::string settings;
  const uint8_t* line_end = static_cast<const uint8_t*>(std::memchr(data, '\n', size));
  const uint8_t* first_end = static_cast<const uint8_t*>(std::memchr(data, '\0', size));
  std::vector<std::string> fields(1);
  if (line_end != nullptr && (first_end == nullptr || line_end < first_end)) {
    fields[0].assign(reinterpret_cast<const char*>(data), static_cast<std::size_t>(line_end - data));
    const uint8_t* settings_end = first_end == nullptr ? data + size : first_end;
    settings.assign(reinterpret_cast<const char*>(line_end + 1), static_cast<std::size_t>(settings_end - line_end - 1));
    if (fields[0].size() > kMaxField) fields[0].resize(kMaxField);
    i = static_cast<std::size_t>(settings_end - data);
    if (first_end == nullptr) return 0;
  }
  for (; i < size; ++i) {
    if (data[i] == '\0') {
      if (fields.size() == 2 + kMaxLines) break;
      fields.emplace_back();
    } else if (fields.back().size() < kMaxField) {
      fields.back().push_back(static_cast<char>(data[i]));
    }
  }
  if (fields.size() < 3) return 0;  // no chat line
  const std::string nick = fields[0].empty() ? "taro" : fields[0];
  const std::string channel = fields[1].empty() ? "#trpg" : fields[1];

  if (settings.empty()) {
    unlink(g_settings_file.c_str());
  } else {
    std::ofstream(g_settings_file, std::ios::binary | std::ios::trunc) << settings;
  }
  RandomSource::Seed(1);
  for (std::size_t i = 2; i < fields.size(); ++i) Call(nick, channel, fields[i], 0);
  // The host's text leaves only a little room: whole lines or nothing.
  Call(nick, channel, fields.back(), kOutputSize - 1 - 64 - fields.back().size() % 512);
  return 0;
}
