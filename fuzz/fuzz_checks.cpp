#include "fuzz_checks.h"

#include <stdlib.h>
#include <sys/stat.h>
#include <time.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>

namespace mirado::fuzz {
namespace {

std::string g_settings_folder;

void RemoveSettingsFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(g_settings_folder, ignored);
}

double ThreadSeconds() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

void CheckLine(std::string_view line) {
  Require(line.find_first_of(std::string_view("\r\n", 2)) == std::string_view::npos,
          "a CR or LF inside an answer line");
  if (line.empty()) return;
  // IRC commands are case-insensitive, and the help answer writes its
  // command in lower case; the IRC host reads both.
  std::string command(line.substr(0, 7));
  for (char& c : command) c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
  if (command == "NOTICE ") {
    // The target is the nick or channel the host passed, as it is (CR and
    // LF turned into spaces); the text follows as a trailing parameter.
    Require(line.find(" :", 7) != std::string_view::npos, "a NOTICE without text");
  } else if (command.substr(0, 5) != "PART ") {
    Fail("an answer line that is neither NOTICE nor PART");
  }
}

}  // namespace

void Fail(const char* what) {
  std::fprintf(stderr, "check failed: %s\n", what);
  std::abort();
}

void CheckAnswer(const char* output, std::string_view host_text) {
  const void* end = std::memchr(output, '\0', kOutputSize);
  Require(end != nullptr, "the answer buffer is not NUL-terminated within 4096 bytes");
  const std::string_view answer(output, static_cast<std::size_t>(static_cast<const char*>(end) - output));
  Require(answer.substr(0, host_text.size()) == host_text, "the host's text in the buffer was not kept");
  std::string_view added = answer.substr(host_text.size());
  while (!added.empty()) {
    const std::size_t next = added.find("\r\n");
    CheckLine(added.substr(0, next));
    if (next == std::string_view::npos) break;
    added = added.substr(next + 2);
  }
}

std::string MakeSettingsFolder() {
  struct stat info {};
  std::string folder = stat("/dev/shm", &info) == 0 && S_ISDIR(info.st_mode) ? "/dev/shm" : "/tmp";
  folder += "/mirado-fuzz-XXXXXX";
  if (mkdtemp(folder.data()) == nullptr) Fail("cannot make a folder for the settings file");
  g_settings_folder = folder;
  std::atexit(RemoveSettingsFolder);
  return folder + "/";
}

CallTimer::CallTimer() : start_(ThreadSeconds()) {}

double CallTimer::Elapsed() const { return ThreadSeconds() - start_; }

}  // namespace mirado::fuzz
