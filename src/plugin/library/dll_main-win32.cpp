// Load hook of the Windows DLL: remembers the folder the DLL was loaded from
// (where Mirado.ini lives). A DLL whose own file cannot be found refuses to load.
#include <windows.h>

#include <string>

#include "core/settings_store.h"

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason != DLL_PROCESS_ATTACH) return TRUE;
  char path[MAX_PATH + 1] = {};
  const DWORD n = GetModuleFileNameA(instance, path, MAX_PATH);
  if (n == 0 || n >= MAX_PATH) return FALSE;
  WIN32_FIND_DATAA found{};
  HANDLE h = FindFirstFileA(path, &found);
  if (h == INVALID_HANDLE_VALUE) return FALSE;
  FindClose(h);
  const std::string full(path, n);
  const std::size_t cut = std::string(found.cFileName).size();
  if (cut > full.size()) return FALSE;
  SettingsStore::SetModuleDirectory(full.substr(0, full.size() - cut));
  return TRUE;
}
