// Clocks and the library's own folder on POSIX systems.
#include <dlfcn.h>
#include <time.h>

#include "platform/platform.h"

namespace mirado::platform {

uint64_t HighResolutionCounter() {
  timespec ts{};
  if (clock_gettime(CLOCK_MONOTONIC, &ts) != 0) return 0;
  return static_cast<uint64_t>(ts.tv_sec) * 1000000000ULL + static_cast<uint64_t>(ts.tv_nsec);
}

uint32_t TickCount() {
  timespec ts{};
  if (clock_gettime(CLOCK_MONOTONIC, &ts) != 0) return 0;
  return static_cast<uint32_t>(static_cast<uint64_t>(ts.tv_sec) * 1000ULL +
                               static_cast<uint64_t>(ts.tv_nsec) / 1000000ULL);
}

int64_t NowSeconds() { return static_cast<int64_t>(time(nullptr)); }

std::string LoadedModuleDirectory() {
  Dl_info info{};
  if (dladdr(reinterpret_cast<void*>(&LoadedModuleDirectory), &info) == 0 || info.dli_fname == nullptr) {
    return {};
  }
  std::string path = info.dli_fname;
  const auto slash = path.rfind('/');
  if (slash == std::string::npos) return "./";
  return path.substr(0, slash + 1);
}

}  // namespace mirado::platform
