// The settings file Mirado.ini beside the plug-in: its location, the escaped
// access every command uses, and the lookups run for every command (character
// name, game mode) and by the dice rules (critical and fumble lists).
//
// Every read and write goes to the file; nothing is held between calls, so a
// hand edit is seen by the next command. Names the INI format cannot hold (a
// key beginning with '[' or ';', a key holding '=', a section holding ']', a
// name with surrounding spaces, the empty name) are stored reversibly escaped,
// so the nick [GM]Taro keeps its counter; names the format can hold are stored
// unchanged, so existing files read as before.
#ifndef MIRADO_PLUGIN_SETTINGS_STORE_H_
#define MIRADO_PLUGIN_SETTINGS_STORE_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace SettingsStore {

constexpr std::size_t kPathSize = 260;
constexpr std::size_t kNameSize = 256;

// Writes the full path of Mirado.ini into `destination` (260 bytes). Leaves it
// unchanged when the library's folder is unknown.
void GetSettingsPath(char* destination);
// The folder the settings file lives in, ending in the separator. Set once at
// load; tests point it at a folder of their own.
const char* ModuleDirectory();
void SetModuleDirectory(std::string_view directory);

// Upper-cases a-z and drops '0'-'9' and '_' of the first 256 bytes of `nick`;
// every other byte (double-byte characters included) is kept. 256 bytes.
void MakeNickKey(char* destination, const char* nick);
// `name` (256 bytes) holds a nick on entry and the registered character name,
// or the nick itself, on return.
void LoadCharacterName(char* name);
// The display name and code of the target's game mode, or empty texts.
void LoadGameMode(const char* target, char* name, char* code);
// Up to five critical and five fumble values stored for `key`.
void LoadCriticalFumble(const char* key, int32_t* critical, int32_t* fumble, int32_t* critical_count,
                        int32_t* fumble_count);

// ---- Escaped access to the file at `path` -----------------------------------
std::string ReadString(const char* path, std::string_view section, std::string_view key, std::string_view def,
                       std::size_t size = kNameSize);
int32_t ReadInt(const char* path, std::string_view section, std::string_view key, int32_t def);
// A null value deletes the key. Returns false when the file could not be written.
bool WriteString(const char* path, std::string_view section, std::string_view key, const char* value);
bool DeleteSection(const char* path, std::string_view section);
// The entries of a section, names unescaped, in file order; at most `size`
// bytes of "key=value" text are read, as the whole-section reader gives them.
std::vector<std::pair<std::string, std::string>> ReadSection(const char* path, std::string_view section,
                                                             std::size_t size = 32768);

// The stored form of a section or key name, and back.
std::string EscapeName(std::string_view name, bool is_section);
std::string UnescapeName(std::string_view stored);

}  // namespace SettingsStore

#endif  // MIRADO_PLUGIN_SETTINGS_STORE_H_
