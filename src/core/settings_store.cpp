#include "core/settings_store.h"

#include <algorithm>
#include <cstring>
#include <mutex>

#include "core/game_mode.h"
#include "core/text.h"
#include "platform/platform.h"

namespace SettingsStore {
namespace {

// The library's folder, whole, and the settings file's path in it. Set once
// at load (or by a test); read by every command, so they are guarded for
// callers on several threads.
std::mutex g_directory_mutex;
std::string& Directory() {
  static auto* directory = new std::string();
  return *directory;
}
std::string& FilePath() {
  static auto* path = new std::string();
  return *path;
}
void SetDirectoryLocked(std::string_view directory) {
  Directory().assign(directory);
  FilePath().clear();
  if (!directory.empty()) FilePath().assign(directory).append("Mirado.ini");
}
// The settings path, found at the first use; called with the mutex held.
const std::string& FilePathLocked() {
  if (Directory().empty()) SetDirectoryLocked(mirado::platform::LoadedModuleDirectory());
  return FilePath();
}

using mirado::platform::IsLeadByte;
using mirado::platform::IsTrailByte;

constexpr std::string_view kEscapeMark = "%%";

bool NeedsEscape(std::string_view name, bool is_section) {
  if (name.empty() || name.substr(0, 2) == kEscapeMark) return true;
  const auto is_blank = [](char c) { return c == ' ' || c == '\t'; };
  if (is_blank(name.front()) || is_blank(name.back())) return true;
  if (!is_section && (name.front() == '[' || name.front() == ';')) return true;
  for (std::size_t i = 0; i < name.size(); ++i) {
    const auto b = static_cast<unsigned char>(name[i]);
    if (IsLeadByte(b) && i + 1 < name.size() && IsTrailByte(static_cast<unsigned char>(name[i + 1]))) {
      ++i;  // a trail byte is never a delimiter; a byte after a cut character is
      continue;
    }
    if (b < 0x20 || b == 0x7F) return true;
    if (is_section ? b == ']' : b == '=') return true;
  }
  return false;
}

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

// The file a path handed in by a command names. A command holds the settings
// path in 260 bytes; when the real path is longer, the command's copy is its
// cut beginning, and it stands for the whole path, never for a file of that
// cut name.
// The result is the calling thread's own copy, kept for the next call so that
// a lookup allocates nothing.
const std::string& Path(const char* path) {
  thread_local std::string named;
  if (path == nullptr) {
    named.clear();
    return named;
  }
  const std::size_t length = std::strlen(path);
  if (length + 2 >= kPathSize) {
    std::string whole = SettingsFilePath();
    if (whole.size() > length && whole.compare(0, length, path) == 0) {
      named = std::move(whole);
      return named;
    }
  }
  named.assign(path, length);
  return named;
}

}  // namespace

std::string EscapeName(std::string_view name, bool is_section) {
  if (!NeedsEscape(name, is_section)) return std::string(name);
  static const char kHex[] = "0123456789ABCDEF";
  std::string out(kEscapeMark);
  for (std::size_t i = 0; i < name.size(); ++i) {
    const auto b = static_cast<unsigned char>(name[i]);
    if (IsLeadByte(b) && i + 1 < name.size() && IsTrailByte(static_cast<unsigned char>(name[i + 1]))) {
      out += name.substr(i, 2);
      ++i;
    } else if (b < 0x21 || b == 0x7F || b == '%' || b == '[' || b == ']' || b == '=' || b == ';' || b >= 0x80) {
      out += '%';
      out += kHex[b >> 4];
      out += kHex[b & 15];
    } else {
      out += static_cast<char>(b);
    }
  }
  return out;
}

std::string UnescapeName(std::string_view stored) {
  if (stored.substr(0, 2) != kEscapeMark) return std::string(stored);
  std::string out;
  for (std::size_t i = 2; i < stored.size(); ++i) {
    if (stored[i] == '%' && i + 2 < stored.size() && HexValue(stored[i + 1]) >= 0 && HexValue(stored[i + 2]) >= 0) {
      out += static_cast<char>(HexValue(stored[i + 1]) * 16 + HexValue(stored[i + 2]));
      i += 2;
    } else {
      out += stored[i];
    }
  }
  return out;
}

const char* ModuleDirectory() {
  std::lock_guard<std::mutex> lock(g_directory_mutex);
  return Directory().c_str();
}

void SetModuleDirectory(std::string_view directory) {
  std::lock_guard<std::mutex> lock(g_directory_mutex);
  SetDirectoryLocked(directory);
}

std::string SettingsFilePath() {
  std::lock_guard<std::mutex> lock(g_directory_mutex);
  return FilePathLocked();
}

void GetSettingsPath(char* destination, std::size_t size) {
  if (size == 0) return;
  std::lock_guard<std::mutex> lock(g_directory_mutex);
  const std::string& path = FilePathLocked();
  if (!path.empty()) mirado::CopyText(destination, size, path);
}

void MakeNickKey(char* destination, std::size_t size, const char* nick) {
  if (size == 0) return;
  std::size_t n = 0;
  for (std::size_t i = 0; i < kNameSize && nick[i] != '\0';) {
    const char c = nick[i];
    if (IsLeadByte(static_cast<unsigned char>(c)) && i + 1 < kNameSize && nick[i + 1] != '\0') {
      if (n + 2 >= size) break;
      destination[n++] = c;
      destination[n++] = nick[i + 1];
      i += 2;
      continue;
    }
    ++i;
    if ((c >= '0' && c <= '9') || c == '_') continue;
    if (n + 1 >= size) break;
    destination[n++] = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
  }
  destination[n] = '\0';
}

void LoadCharacterName(char* name, std::size_t size) {
  if (size == 0) return;
  char key[kNameSize];
  char path[kPathSize] = {};
  MakeNickKey(key, sizeof key, name);
  GetSettingsPath(path, sizeof path);
  const std::string nick(name);
  mirado::CopyText(name, size, ReadString(path, "CharactersName", key, nick, kNameSize));
}

mirado::GameMode LoadGameMode(const char* target, char* name, std::size_t name_size, char* code,
                              std::size_t code_size) {
  if (name_size == 0 || code_size == 0) return mirado::GameMode::kNone;
  name[0] = '\0';
  code[0] = '\0';
  char path[kPathSize] = {};
  GetSettingsPath(path, sizeof path);
  const mirado::GameModeEntry* mode = mirado::FindGameMode(ReadString(path, "GameMode", target, "", kNameSize));
  if (mode == nullptr) return mirado::GameMode::kNone;
  mirado::CopyText(name, name_size, mode->name);
  mirado::CopyText(code, code_size, mode->code);
  return mode->mode;
}

namespace {

// The values of a comma-separated list, at most five; runs of commas count as
// one. Works on the text as read, whatever its length: nothing is appended or
// copied into a buffer that could cut the last separator off.
int32_t SplitValues(std::string_view text, int32_t* values) {
  int32_t count = 0;
  std::size_t start = 0;
  while (count < 5 && start < text.size()) {
    const std::size_t comma = std::min(text.find(',', start), text.size());
    if (comma > start) values[count++] = mirado::ReadDecimal(text.substr(start, comma - start));
    start = comma + 1;
  }
  return count;
}

}  // namespace

void LoadCriticalFumble(const char* key, int32_t* critical, int32_t* fumble, int32_t* critical_count,
                        int32_t* fumble_count) {
  char path[kPathSize] = {};
  GetSettingsPath(path, sizeof path);
  *critical_count = SplitValues(ReadString(path, "CriticalValue", key, "", kNameSize), critical);
  *fumble_count = SplitValues(ReadString(path, "FumbleValue", key, "", kNameSize), fumble);
}

const char* WriteFailureMessage(const char* failed) {
  return mirado::platform::ProfileLastWriteError() == mirado::platform::ProfileWriteError::kFull ? kSettingsFullMessage
                                                                                                 : failed;
}

uint64_t Version(const char* path) { return mirado::platform::ProfileVersion(Path(path)); }

std::string ReadString(const char* path, std::string_view section, std::string_view key, std::string_view def,
                       std::size_t size) {
  // The profile reader cuts a long value byte-wise, as Windows does; the
  // half of a double-byte character that would end it is left out.
  std::string value =
      mirado::platform::ProfileGetString(Path(path), EscapeName(section, true), EscapeName(key, false), def, size);
  value.resize(mirado::CharacterPrefix(value, value.size()));
  return value;
}

int32_t ReadInt(const char* path, std::string_view section, std::string_view key, int32_t def) {
  return mirado::platform::ProfileGetInt(Path(path), EscapeName(section, true), EscapeName(key, false), def);
}

bool WriteString(const char* path, std::string_view section, std::string_view key, const char* value) {
  const std::string stored_key = EscapeName(key, false);
  if (value == nullptr)
    return mirado::platform::ProfileWriteString(Path(path), EscapeName(section, true), &stored_key, nullptr);
  // A line break would let a value open new keys or sections in the file.
  std::string clean(value);
  for (char& c : clean) {
    if (c == '\r' || c == '\n') c = ' ';
  }
  return mirado::platform::ProfileWriteString(Path(path), EscapeName(section, true), &stored_key, &clean);
}

bool DeleteSection(const char* path, std::string_view section) {
  return mirado::platform::ProfileWriteString(Path(path), EscapeName(section, true), nullptr, nullptr);
}

std::vector<std::pair<std::string, std::string>> ReadSection(const char* path, std::string_view section,
                                                             std::size_t size) {
  const std::string raw = mirado::platform::ProfileGetSection(Path(path), EscapeName(section, true), size);
  std::vector<std::pair<std::string, std::string>> entries;
  std::size_t start = 0;
  while (start < raw.size() && raw[start] != '\0') {
    const std::size_t end = raw.find('\0', start);
    const std::string_view entry(raw.data() + start, (end == std::string::npos ? raw.size() : end) - start);
    const std::size_t eq = entry.find('=');
    if (eq != std::string_view::npos) {
      entries.emplace_back(UnescapeName(entry.substr(0, eq)), std::string(entry.substr(eq + 1)));
    }
    if (end == std::string::npos) break;
    start = end + 1;
  }
  return entries;
}

}  // namespace SettingsStore
