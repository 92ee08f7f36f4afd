// The settings (INI) store through the Windows private-profile functions.
//
// Those functions take paths of fewer than MAX_PATH bytes and quietly use a
// cut path otherwise (writing to a file named "Mirado.in", or into the parent
// folder): a longer path is never handed to them; reads give the defaults and
// writes fail. Neither is an empty path (it would name a file in the Windows
// folder) nor a folder standing where the file should be.
#include <windows.h>

#include <vector>

#include "platform/platform.h"

namespace mirado::platform {
namespace {

thread_local ProfileWriteError t_last_error = ProfileWriteError::kNone;

bool Usable(const std::string& path) { return !path.empty() && path.size() < MAX_PATH; }

// The file's size, or 0 when it does not exist; false for a folder.
bool FileSize(const std::string& path, unsigned long long* size) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  *size = 0;
  if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return true;
  if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return false;
  *size = (static_cast<unsigned long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
  return true;
}

bool KeyExists(const std::string& path, const std::string& section, const std::string& key) {
  // A default no stored value can hold (values are one line of text).
  char buf[4] = {};
  GetPrivateProfileStringA(section.c_str(), key.c_str(), "\n", buf, sizeof buf, path.c_str());
  return buf[0] != '\n';
}

}  // namespace

ProfileWriteError ProfileLastWriteError() { return t_last_error; }

// The Windows functions read the file on every call; there is nothing to
// trust within a call and no lock to hold, so no call is ever run again.
void BeginCall(bool) {}
void EndCall() {}
bool CallConflicted() { return false; }

uint64_t ProfileVersion(const std::string&) { return 0; }

std::string ProfileGetString(const std::string& path, std::string_view section, std::string_view key,
                             std::string_view def, std::size_t size) {
  if (size == 0) return {};
  if (!Usable(path)) {
    while (!def.empty() && def.back() == ' ') def.remove_suffix(1);
    return std::string(def.substr(0, size - 1));
  }
  std::vector<char> buf(size, '\0');
  const std::string s(section), k(key), d(def);
  const DWORD n =
      GetPrivateProfileStringA(s.c_str(), k.c_str(), d.c_str(), buf.data(), static_cast<DWORD>(size), path.c_str());
  return std::string(buf.data(), n < size ? n : size - 1);
}

int ProfileGetInt(const std::string& path, std::string_view section, std::string_view key, int def) {
  if (!Usable(path)) return def;
  const std::string s(section), k(key);
  return static_cast<int>(GetPrivateProfileIntA(s.c_str(), k.c_str(), def, path.c_str()));
}

bool ProfileWriteString(const std::string& path, std::string_view section, const std::string* key,
                        const std::string* value) {
  t_last_error = ProfileWriteError::kFailed;
  unsigned long long size = 0;
  if (!Usable(path) || !FileSize(path, &size)) return false;
  const std::string s(section);
  // The same bound on new entries as on POSIX, by the file's size (the
  // Windows functions keep no count of sections and keys).
  if (key != nullptr && value != nullptr && size + key->size() + value->size() + s.size() + 8 > kProfileMaxBytes &&
      !KeyExists(path, s, *key)) {
    t_last_error = ProfileWriteError::kFull;
    return false;
  }
  const bool ok = WritePrivateProfileStringA(s.c_str(), key != nullptr ? key->c_str() : nullptr,
                                             value != nullptr ? value->c_str() : nullptr, path.c_str()) != FALSE;
  if (ok) t_last_error = ProfileWriteError::kNone;
  return ok;
}

std::string ProfileGetSection(const std::string& path, std::string_view section, std::size_t size) {
  if (size < 2) return std::string(size, '\0');
  if (!Usable(path)) return std::string(2, '\0');
  std::vector<char> buf(size, '\0');
  const std::string s(section);
  const DWORD n = GetPrivateProfileSectionA(s.c_str(), buf.data(), static_cast<DWORD>(size), path.c_str());
  // Same shape as the POSIX store: the entries, each ended by a NUL (a cut
  // last entry included), and one more NUL.
  std::string out(buf.data(), n);
  if (out.empty() || out.back() != '\0') out.push_back('\0');
  out.push_back('\0');
  return out;
}

}  // namespace mirado::platform
