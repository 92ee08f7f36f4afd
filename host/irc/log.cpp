#include "log.h"

#include <cstdio>
#include <ctime>

namespace mirado::irc {
namespace {

bool g_verbose = false;

void Write(const char* level, std::string_view message) {
  char stamp[32] = "";
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  if (localtime_r(&now, &local) != nullptr) std::strftime(stamp, sizeof stamp, "%Y-%m-%d %H:%M:%S", &local);
  const std::string text = Printable(message);
  std::fprintf(stderr, "%s %s %s\n", stamp, level, text.c_str());
  std::fflush(stderr);
}

}  // namespace

void SetVerbose(bool verbose) { g_verbose = verbose; }
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

void LogInfo(std::string_view message) { Write("info", message); }
void LogWarning(std::string_view message) { Write("warning", message); }
void LogError(std::string_view message) { Write("error", message); }

}  // namespace mirado::irc
