// The settings (INI) store through the Windows private-profile functions.
#include <windows.h>

#include <vector>

#include "platform/platform.h"

namespace mirado::platform {

std::string ProfileGetString(const std::string& path, std::string_view section, std::string_view key,
                             std::string_view def, std::size_t size) {
  if (size == 0) return {};
  std::vector<char> buf(size, '\0');
  const std::string s(section), k(key), d(def);
  const DWORD n =
      GetPrivateProfileStringA(s.c_str(), k.c_str(), d.c_str(), buf.data(), static_cast<DWORD>(size), path.c_str());
  return std::string(buf.data(), n < size ? n : size - 1);
}

int ProfileGetInt(const std::string& path, std::string_view section, std::string_view key, int def) {
  const std::string s(section), k(key);
  return static_cast<int>(GetPrivateProfileIntA(s.c_str(), k.c_str(), def, path.c_str()));
}

bool ProfileWriteString(const std::string& path, std::string_view section, const std::string* key,
                        const std::string* value) {
  const std::string s(section);
  return WritePrivateProfileStringA(s.c_str(), key != nullptr ? key->c_str() : nullptr,
                                    value != nullptr ? value->c_str() : nullptr, path.c_str()) != FALSE;
}

std::string ProfileGetSection(const std::string& path, std::string_view section, std::size_t size) {
  if (size < 2) return std::string(size, '\0');
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
