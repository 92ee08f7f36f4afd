// The operating-system layer of the plug-in. Everything the commands need from
// the system (the settings file, code page 932, the Japanese width and kana
// mappings, clocks and the library's own folder) goes through these functions.
// Windows builds use the real Windows functions; POSIX builds use this
// project's own implementations of the same contracts, tested against dumps of
// the Windows functions so that both builds behave byte for byte alike.
#ifndef MIRADO_PLATFORM_PLATFORM_H_
#define MIRADO_PLATFORM_PLATFORM_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "codepage/codepage.h"

namespace mirado::platform {

// ---- Code page 932 ---------------------------------------------------------------
// Character boundaries and the conversion to and from UTF-16 come from the
// code-page library the hosts share (codepage/codepage.h).
using codepage::CharacterPrefix;
using codepage::Cp932ToUtf16;
using codepage::IsLeadByte;
using codepage::IsTrailByte;
using codepage::Utf16ToCp932;

// ---- Private-profile (INI) store -------------------------------------------
// Semantics of the Windows private-profile functions: section and key names
// compare case-insensitively; names and values are plain code page 932 bytes;
// values are trimmed of surrounding spaces and of one pair of matching quotes
// on read; a missing file reads as defaults; every write rewrites the file with
// CR LF line ends. The POSIX store writes crash-safely (new file, flush,
// rename). No function throws.

// The POSIX store also takes an advisory lock (a lock file beside the settings
// file) around every change, so two programs sharing one file (the console
// and an IRC bot, or two bots) never lose each other's updates, and every
// function may be called from several threads.
//
// Bounds on what players can add: a write that would create a section past
// kProfileMaxSections or a key past kProfileMaxKeys, or make the file larger
// than kProfileMaxBytes, is refused (ProfileLastWriteError gives kFull).
// Changing or deleting what exists is always possible. The bounds leave room
// for hundreds of channels with dozens of players each (a bot's whole life),
// while a rewrite of the largest allowed file still takes only milliseconds;
// without them any player could grow the file by naming new channels.
constexpr std::size_t kProfileMaxSections = 2000;
constexpr std::size_t kProfileMaxKeys = 20000;
constexpr std::size_t kProfileMaxBytes = 2u << 20;

// Why the calling thread's last ProfileWriteString returned false.
enum class ProfileWriteError { kNone, kFailed, kFull };
ProfileWriteError ProfileLastWriteError();

// One call of the plug-in by its host. Within a call the store trusts what it
// read at the call's first access and looks at the file once (one stat).
//
// On POSIX a call that only reads takes no lock: every writer replaces the
// file whole (rename), so a read always sees one complete version. A call
// takes the file's lock at its first change and keeps it to the end; if the
// file changed between the call's first read and that moment (another
// program wrote it), the change is refused and CallConflicted() is true: the
// call's answer may rest on old values, so the host call is run again from
// the start with `lock_first`, which holds the lock from the first access, so
// a read, a change and its write made by one call are never mixed with
// another program's. Outside a call every access checks the file and every
// write takes the lock for itself. BeginCall ends a call still open on this
// thread. ProfileCall does both for a scope.
void BeginCall(bool lock_first = false);
void EndCall();
bool CallConflicted();
class ProfileCall {
 public:
  explicit ProfileCall(bool lock_first = false) { BeginCall(lock_first); }
  ~ProfileCall() { EndCall(); }
  ProfileCall(const ProfileCall&) = delete;
  ProfileCall& operator=(const ProfileCall&) = delete;
};

// A number that names the version of the file `path` that the store holds:
// it changes whenever the store reads the file anew or changes it, so what a
// caller worked out from the file's values may be kept while the number stays
// the same. Looks at the file as any read does (once per call). 0 when the
// store keeps no version (Windows reads the file on every access).
uint64_t ProfileVersion(const std::string& path);

// Reads `key` of `section` into at most `size` - 1 bytes; `def` (its trailing
// spaces removed) when missing.
std::string ProfileGetString(const std::string& path, std::string_view section, std::string_view key,
                             std::string_view def, std::size_t size);

// Reads an integer: optional spaces, sign, decimal digits (0x for hex), wrapping
// at 32 bits; text without digits reads 0; a missing key or empty value gives
// `def`.
int ProfileGetInt(const std::string& path, std::string_view section, std::string_view key, int def);

// Writes `value` under `key`. A null `value` deletes the key; a null `key`
// deletes the whole section. Deleting what does not exist succeeds. Returns
// false when nothing was stored: the file could not be read or written, its
// path is too long for the system, or a bound above was reached.
bool ProfileWriteString(const std::string& path, std::string_view section, const std::string* key,
                        const std::string* value);

// Reads a whole section as "key=value" entries, each ended by a NUL, the list
// ended by a second NUL, in file order; a key line without '=' gives its name
// alone, comments and blank lines are left out. At most
// `size` bytes: when the buffer is too small the last entry is cut and the
// result holds size - 2 bytes before the final NUL pair.
std::string ProfileGetSection(const std::string& path, std::string_view section, std::size_t size);

// ---- Japanese locale mappings (LCMapStringW, locale 0x411) -------------------
// Full width + katakana + upper case at once: ASCII to full-width forms, the
// space to U+3000, half-width katakana (with a following sound mark combined)
// to full-width katakana, hiragana to katakana, letters upper-cased.
std::u16string MapFullWidthKatakanaUpper(std::u16string_view text);
// Half width: full-width ASCII forms to ASCII, U+3000 to a space, katakana and
// the long-vowel mark to half-width katakana (a voiced one to two characters).
std::u16string MapHalfWidth(std::u16string_view text);

// ---- Clocks -------------------------------------------------------------------
// High-resolution monotonic counter (0 when unavailable).
uint64_t HighResolutionCounter();
// Milliseconds since system start, 32 bits.
uint32_t TickCount();
// Seconds since the epoch.
int64_t NowSeconds();

// ---- The library's own folder -------------------------------------------------
// The folder holding the file this code was loaded from (the plug-in library,
// or the program when linked statically), ending in the path separator; empty
// when it cannot be found.
std::string LoadedModuleDirectory();

}  // namespace mirado::platform

#endif  // MIRADO_PLATFORM_PLATFORM_H_
