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
#ifndef MIRADO_CORE_SETTINGS_STORE_H_
#define MIRADO_CORE_SETTINGS_STORE_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/game_mode.h"
#include "core/sizes.h"

namespace SettingsStore {

constexpr std::size_t kPathSize = BotCommand::kPathSize;
constexpr std::size_t kNameSize = BotCommand::kShortSize;

// Writes the full path of Mirado.ini into `destination` (`size` bytes, 260
// for a command's SettingsPath). Leaves it unchanged when the library's
// folder is unknown; cuts it when it is longer than the buffer.
//
// A cut path is never used as a file name: every access below given the
// path a command holds (the settings path, whole or cut) goes to the whole
// SettingsFilePath. POSIX has no length limit; on Windows a path the system
// would cut is refused (reads give defaults, writes fail).
void GetSettingsPath(char* destination, std::size_t size);
// The whole path of Mirado.ini, however long; empty when the folder is unknown.
std::string SettingsFilePath();
// The folder the settings file lives in, ending in the separator, however
// long. Set once at load; tests point it at a folder of their own.
const char* ModuleDirectory();
void SetModuleDirectory(std::string_view directory);

// The settings key of a nick: of its first 256 bytes, walked character by
// character, single-byte a-z are upper-cased and single-byte '0'-'9' and '_'
// dropped; every double-byte character is copied whole, so two nicks that
// differ only inside a Shift-JIS character never share a key. Writes at most
// `size` bytes, never half a character.
void MakeNickKey(char* destination, std::size_t size, const char* nick);
// `name` (`size` bytes) holds a nick on entry and the registered character
// name, or the nick itself, on return.
void LoadCharacterName(char* name, std::size_t size);
// The display name and code of the target's game mode, or empty texts;
// returns the mode (kNone when none is set).
mirado::GameMode LoadGameMode(const char* target, char* name, std::size_t name_size, char* code, std::size_t code_size);
// Up to five critical and five fumble values stored for `key`.
void LoadCriticalFumble(const char* key, int32_t* critical, int32_t* fumble, int32_t* critical_count,
                        int32_t* fumble_count);

// The one answer a command gives when the settings file could not be written
// (a read-only folder, a full disk, a path too long for the system): nothing
// the command meant to store was stored, and it claims nothing else.
inline constexpr const char* kSaveFailedMessage = "設定を保存できませんでした。変更は記録されていません。";
// The answer when a write would create a section or key past the file's
// bounds (see platform.h): changing or deleting what exists still works.
inline constexpr const char* kSettingsFullMessage =
    "設定ファイルがいっぱいのため、新しい項目を作れません。変更は記録されていません。";
// The words the counter command, registration and the game mode give for a
// failed write (their own answer to it).
inline constexpr const char* kWriteFailedMessage = "設定ファイルの書込に失敗しました";
// The answer to give after a write on this thread returned false:
// kSettingsFullMessage when the file's bounds refused it, else `failed` (the
// command's own words for a failed write).
const char* WriteFailureMessage(const char* failed = kSaveFailedMessage);

// ---- Escaped access to the file at `path` -----------------------------------
// The version of the file the store holds: while it stays the same, values
// worked out from the file still hold. 0: no version is kept.
uint64_t Version(const char* path);
std::string ReadString(const char* path, std::string_view section, std::string_view key, std::string_view def,
                       std::size_t size = kNameSize);
int32_t ReadInt(const char* path, std::string_view section, std::string_view key, int32_t def);
// A null value deletes the key. Returns false whenever nothing was stored.
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

#endif  // MIRADO_CORE_SETTINGS_STORE_H_
