#include "log.h"

#include <cstdio>
#include <ctime>
#include <mutex>
#include <string>

namespace mirado::irc {
namespace {

bool g_verbose = false;
void (*g_sink)(std::string_view) = nullptr;
long long (*g_clock)() = nullptr;

// The rate limit of warnings and errors (one minute's window).
std::mutex g_limit_mutex;
long long g_window = -1;
int g_in_window = 0;
long long g_left_out = 0;

void Emit(const char* level, std::string_view message) {
  char stamp[32] = "";
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  if (localtime_r(&now, &local) != nullptr) std::strftime(stamp, sizeof stamp, "%Y-%m-%d %H:%M:%S", &local);
  const std::string line = std::string(stamp) + " " + level + " " + Printable(message);
  if (g_sink != nullptr) {
    g_sink(line);
    return;
  }
  std::fprintf(stderr, "%s\n", line.c_str());
  std::fflush(stderr);
}

void Write(const char* level, std::string_view message, bool limited) {
  if (limited) {
    std::lock_guard<std::mutex> hold(g_limit_mutex);
    const long long minute = (g_clock != nullptr ? g_clock() : static_cast<long long>(std::time(nullptr))) / 60;
    if (minute != g_window) {
      g_window = minute;
      g_in_window = 0;
      if (g_left_out > 0) {
        Emit("warning", std::to_string(g_left_out) + " more warnings were not logged");
        g_left_out = 0;
      }
    }
    if (++g_in_window > kLogBurst) {
      ++g_left_out;
      return;
    }
  }
  Emit(level, message);
}

}  // namespace

void SetVerbose(bool verbose) { g_verbose = verbose; }
void SetLogSinkForTesting(void (*sink)(std::string_view line)) { g_sink = sink; }
void SetLogClockForTesting(long long (*seconds)()) {
  std::lock_guard<std::mutex> hold(g_limit_mutex);
  g_clock = seconds;
  g_window = -1;
  g_in_window = 0;
  g_left_out = 0;
}
bool Verbose() { return g_verbose; }

std::string Printable(std::string_view text) {
  static const char kHex[] = "0123456789ABCDEF";
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    const auto b = static_cast<unsigned char>(c);
    if (b < 0x20 || b == 0x7F) {
      out += "\\x";
      out.push_back(kHex[b >> 4]);
      out.push_back(kHex[b & 0xF]);
    } else {
      out.push_back(c);
    }
  }
  return out;
}

void LogInfo(std::string_view message) { Write("info", message, false); }
void LogWarning(std::string_view message) { Write("warning", message, true); }
void LogError(std::string_view message) { Write("error", message, true); }

}  // namespace mirado::irc
