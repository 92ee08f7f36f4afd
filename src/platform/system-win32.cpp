// Clocks and the library's own folder on Windows.
#include <windows.h>

#include <ctime>

#include "platform/platform.h"

namespace mirado::platform {

uint64_t HighResolutionCounter() {
  LARGE_INTEGER value{};
  if (!QueryPerformanceCounter(&value)) return 0;
  return static_cast<uint64_t>(value.QuadPart);
}

uint32_t TickCount() { return GetTickCount(); }

int64_t NowSeconds() { return static_cast<int64_t>(std::time(nullptr)); }

std::string LoadedModuleDirectory() {
  // The module that holds this code: the plug-in DLL, or the program when the
  // core is linked into it statically (the tests).
  HMODULE module = nullptr;
  if (!GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                          reinterpret_cast<LPCSTR>(&LoadedModuleDirectory), &module)) {
    return {};
  }
  char path[MAX_PATH + 1] = {};
  const DWORD n = GetModuleFileNameA(module, path, MAX_PATH);
  if (n == 0 || n >= MAX_PATH) return {};
  // Cut the file name as it is stored on disk, as the host expects.
  WIN32_FIND_DATAA found{};
  HANDLE h = FindFirstFileA(path, &found);
  if (h == INVALID_HANDLE_VALUE) return {};
  FindClose(h);
  std::string full(path, n);
  const std::size_t cut = std::string(found.cFileName).size();
  if (cut > full.size()) return {};
  return full.substr(0, full.size() - cut);
}

}  // namespace mirado::platform
