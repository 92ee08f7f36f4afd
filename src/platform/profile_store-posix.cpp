// The settings (INI) store on POSIX systems, with the semantics of the Windows
// private-profile functions (see platform.h).
//
// The parsed file is kept per path and reused only while the file's identity,
// size and modification time are unchanged, so a hand edit made between two
// calls is always seen; within one host call it is checked once.
//
// Reads take no lock: a writer never changes the file in place, so any
// version read is whole. A call's first change takes the lock and looks at
// the file again; if it changed since the call read it, the change is
// refused and the call marked conflicted, to be run again (platform.h).
//
// Changes are made under an advisory lock on "<file>.lock" and written
// crash-safely: a new file beside the old one, flushed, renamed over it, and
// the folder flushed, so a crash, a kill or a full disk leaves either the old
// file or the new one, never a torn one. Temporary files a killed writer left
// behind are removed by the next writer (under the lock no other writer can
// be using one).
#include <dirent.h>
#include <fcntl.h>
#include <pthread.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <memory>
#include <mutex>
#include <optional>
#include <unordered_map>
#include <vector>

#include "platform/ini_document.h"
#include "platform/platform.h"

namespace mirado::platform {
namespace {

constexpr IniLimits kLimits{kProfileMaxSections, kProfileMaxKeys, kProfileMaxBytes};
constexpr int kLockWaitMs = 3000;

struct FileStamp {
  bool exists = false;
  dev_t dev = 0;
  ino_t ino = 0;
  off_t size = 0;
  int64_t mtime_ns = 0;
  bool operator==(const FileStamp&) const = default;
};

FileStamp StampOf(const struct stat& st) {
  return FileStamp{true, st.st_dev, st.st_ino, st.st_size,
                   static_cast<int64_t>(st.st_mtim.tv_sec) * 1000000000LL + st.st_mtim.tv_nsec};
}

// Whether a file's stamp can be trusted to tell a later change, as version
// control tools ask of their index: file times come from a clock that
// advances by ticks (1 to 10 ms on Linux 6.1), or by whole seconds on some
// file systems, so an edit of the same size within the tick of the read that
// took the stamp can leave it unchanged. A stamp whose time is not safely
// older than the moment the file was read is "racy": the next access reads
// the file again and compares its bytes.
constexpr int64_t kRacyWindowNs = 100'000'000;          // files with fine times
constexpr int64_t kCoarseRacyWindowNs = 2'000'000'000;  // whole-second times
int64_t NowNs() {
  timespec now{};
  ::clock_gettime(CLOCK_REALTIME, &now);
  return static_cast<int64_t>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}
bool IsRacy(const FileStamp& stamp, int64_t read_ns) {
  if (!stamp.exists) return false;
  const int64_t window = stamp.mtime_ns % 1000000000LL == 0 ? kCoarseRacyWindowNs : kRacyWindowNs;
  return read_ns - stamp.mtime_ns < window;
}

// Everything the store knows about one settings file.
struct PathState {
  FileStamp stamp;
  bool racy = false;               // the stamp cannot tell a change yet (see IsRacy)
  std::string content;             // the bytes `doc` was read from or written as
  std::optional<IniDocument> doc;  // empty: not read yet, or to be read again
  bool readable = false;           // false: the file exists but cannot be read
  uint64_t trusted_call = 0;       // the call that last checked the file
  uint64_t version = 0;            // changes with every new or changed doc
  int lock_fd = -1;                // open lock file, or -1
  unsigned lock_epoch = 0;         // g_fork_epoch when it was opened
  int lock_holders = 0;            // calls (or one write) holding the lock
  bool lock_held = false;
  bool lock_busy = false;  // the last wait for the lock timed out
};

std::mutex g_mutex;  // guards every PathState and the map
// Counts forks in this process's line: a child made by fork shares its
// parent's open lock files, and with them the lock, so it opens its own.
// The store is idle (g_mutex held) while a fork copies it.
unsigned g_fork_epoch = 0;
std::unordered_map<std::string, PathState>& States() {
  static auto* states = [] {
    ::pthread_atfork([] { g_mutex.lock(); }, [] { g_mutex.unlock(); },
                     [] {
                       ++g_fork_epoch;
                       g_mutex.unlock();
                     });
    return new std::unordered_map<std::string, PathState>();
  }();
  return *states;
}

std::atomic<uint64_t> g_next_call{1};
uint64_t g_next_version = 1;  // guarded by g_mutex; unique across files
struct CallState {
  uint64_t id = 0;                  // 0: not inside a call
  bool lock_first = false;          // lock each file at the first access
  bool conflicted = false;          // a change was refused: run the call again
  std::vector<PathState*> locked;   // files this call holds the lock of
  std::vector<PathState*> tried;    // files whose lock this call could not get
  std::vector<PathState*> changed;  // files this call has changed (or tried to)
  // The version of each file this call first read.
  std::vector<std::pair<PathState*, uint64_t>> seen;
};
thread_local CallState t_call;
thread_local ProfileWriteError t_last_error = ProfileWriteError::kNone;

bool ReadAll(int fd, std::string* out) {
  char buf[16384];
  for (;;) {
    const ssize_t n = ::read(fd, buf, sizeof buf);
    if (n == 0) return true;
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    out->append(buf, static_cast<std::size_t>(n));
  }
}

// Brings the state up to date with the file: one stat when nothing changed.
void Refresh(const std::string& path, PathState& state) {
  const auto renew = [&state] { state.version = g_next_version++; };
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) {
    if (errno == ENOENT || errno == ENOTDIR) {
      if (!state.doc || state.stamp.exists || !state.readable) {
        state.doc.emplace();
        renew();
      }
      state.stamp = FileStamp{};
      state.readable = true;
    } else {
      state.doc.emplace();
      state.stamp = FileStamp{};
      state.readable = false;
      renew();
    }
    return;
  }
  const bool same_stamp = state.doc && state.readable && StampOf(st) == state.stamp;
  if (same_stamp && !state.racy) return;
  // Read through one descriptor, so the stamp kept belongs to the bytes read.
  const int64_t read_ns = NowNs();
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  std::string content;
  const bool read = fd >= 0 && ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && ReadAll(fd, &content);
  if (fd >= 0) ::close(fd);
  if (read && same_stamp && StampOf(st) == state.stamp && content == state.content) {
    // A racy stamp, and the same bytes: nothing changed.
    state.racy = IsRacy(state.stamp, read_ns);
    return;
  }
  renew();
  state.doc.emplace();
  state.stamp = FileStamp{};
  state.readable = false;
  state.racy = false;
  state.content.clear();
  if (read) {
    state.doc = IniDocument::Parse(content);
    state.stamp = StampOf(st);
    state.readable = true;
    state.racy = IsRacy(state.stamp, read_ns);
    state.content = std::move(content);
  }
}

bool Lock(const std::string& path, PathState& state) {
  if (state.lock_fd >= 0 && state.lock_epoch != g_fork_epoch) {
    ::close(state.lock_fd);
    state.lock_fd = -1;
    state.lock_held = false;
  }
  if (state.lock_held) {
    ++state.lock_holders;
    return true;
  }
  if (state.lock_fd < 0) {
    state.lock_fd = ::open((path + ".lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (state.lock_fd < 0) return false;
    state.lock_epoch = g_fork_epoch;
  }
  // Another program holds the lock for one call, a few milliseconds at most;
  // one that holds it much longer is stopped or stuck, and is not waited for
  // without end: after kLockWaitMs reads go on unlocked and writes fail.
  state.lock_busy = false;
  for (int waited = 0; ::flock(state.lock_fd, LOCK_EX | LOCK_NB) != 0; ++waited) {
    if (errno == EINTR) continue;
    if (errno != EWOULDBLOCK) return false;  // no locks on this file system
    if (waited == kLockWaitMs) {
      state.lock_busy = true;
      return false;
    }
    const timespec millisecond{0, 1000000};
    ::nanosleep(&millisecond, nullptr);
  }
  state.lock_held = true;
  state.lock_holders = 1;
  return true;
}

void Unlock(PathState& state) {
  if (!state.lock_held || --state.lock_holders > 0) return;
  ::flock(state.lock_fd, LOCK_UN);
  state.lock_held = false;
}

bool Has(const std::vector<PathState*>& list, const PathState& state) {
  return std::find(list.begin(), list.end(), &state) != list.end();
}

// Takes the lock of `state` for the rest of the call, once per call. Without
// a lock file (a read-only folder) reads still work; writes fail.
void LockForCall(const std::string& path, PathState& state) {
  if (!Has(t_call.locked, state) && !Has(t_call.tried, state)) {
    (Lock(path, state) ? t_call.locked : t_call.tried).push_back(&state);
  }
}

// The state of `path`, checked against the file unless this call already did.
PathState& Access(const std::string& path) {
  PathState& state = States()[path];
  if (t_call.id == 0) {
    Refresh(path, state);
    return state;
  }
  if (t_call.lock_first) LockForCall(path, state);
  if (state.trusted_call != t_call.id || !state.doc) {
    Refresh(path, state);
    const auto first = [&state](const auto& entry) { return entry.first == &state; };
    if (std::none_of(t_call.seen.begin(), t_call.seen.end(), first)) t_call.seen.emplace_back(&state, state.version);
  }
  state.trusted_call = t_call.id;
  return state;
}

std::string FolderOf(const std::string& path) {
  const auto slash = path.rfind('/');
  return slash == std::string::npos ? std::string(".") : path.substr(0, slash + 1);
}

// Removes "<file>.tmp<digits>" files: called under the lock, when no writer
// can be using one, so every one found was left by a writer that died.
void RemoveStaleTemporaries(const std::string& path) {
  const std::string folder = FolderOf(path);
  const auto slash = path.rfind('/');
  const std::string prefix = (slash == std::string::npos ? path : path.substr(slash + 1)) + ".tmp";
  DIR* dir = ::opendir(folder.c_str());
  if (dir == nullptr) return;
  while (const dirent* entry = ::readdir(dir)) {
    const std::string_view name = entry->d_name;
    if (name.size() <= prefix.size() || name.substr(0, prefix.size()) != prefix) continue;
    if (name.find_first_not_of("0123456789", prefix.size()) != std::string_view::npos) continue;
    ::unlinkat(::dirfd(dir), entry->d_name, 0);
  }
  ::closedir(dir);
}

// New file, flush, rename, flush the folder. On success `stamp` is the new
// file's, so the next access needs no read.
bool WriteFileSafely(const std::string& path, const std::string& content, FileStamp* stamp) {
  const std::string tmp = path + ".tmp" + std::to_string(static_cast<long>(::getpid()));
  const int fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) return false;
  std::size_t done = 0;
  bool ok = true;
  while (ok && done < content.size()) {
    const ssize_t n = ::write(fd, content.data() + done, content.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) ok = false;
    if (n > 0) done += static_cast<std::size_t>(n);
  }
  struct stat st {};
  ok = ok && ::fdatasync(fd) == 0 && ::fstat(fd, &st) == 0;
  if (::close(fd) != 0) ok = false;
  if (ok && std::rename(tmp.c_str(), path.c_str()) != 0) ok = false;
  if (!ok) {
    ::unlink(tmp.c_str());
    return false;
  }
  *stamp = StampOf(st);
  // The rename itself reaches the disk only with the folder; a folder that
  // cannot be flushed (some file systems refuse) keeps the file written.
  const int folder = ::open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (folder >= 0) {
    ::fsync(folder);
    ::close(folder);
  }
  return true;
}

template <typename Edit>
bool Change(const std::string& path, Edit edit) {
  t_last_error = ProfileWriteError::kFailed;
  if (path.empty()) return false;
  std::lock_guard<std::mutex> guard(g_mutex);
  PathState& state = States()[path];
  // Inside a call the lock is taken at the first change (or was at the first
  // access) and kept; a write outside a call holds it for itself.
  const bool in_call = t_call.id != 0;
  if (in_call && t_call.conflicted) return false;
  const bool first_change = in_call && !Has(t_call.changed, state);
  bool locked = false;
  if (in_call) {
    LockForCall(path, state);
    locked = state.lock_held;
    if (first_change) t_call.changed.push_back(&state);
  } else {
    locked = Lock(path, state);
  }
  // Under the lock, look once more. A file changed since this call read it
  // (another program, or a hand edit) may have made the call's answer wrong:
  // nothing is changed, and the call is run again.
  Refresh(path, state);
  if (first_change) {
    for (const auto& [read, version] : t_call.seen) {
      if (read != &state || version == state.version) continue;
      t_call.conflicted = true;
      return false;
    }
  }
  bool ok = false;
  if (state.readable && !(state.lock_busy && !locked)) {
    const IniEdit result = edit(*state.doc);
    if (result == IniEdit::kFull) {
      t_last_error = ProfileWriteError::kFull;
    } else if (result == IniEdit::kUnchanged) {
      ok = true;
    } else {
      state.version = g_next_version++;
      if (locked) RemoveStaleTemporaries(path);
      std::string written = state.doc->Serialize();
      const int64_t write_ns = NowNs();
      ok = WriteFileSafely(path, written, &state.stamp);
      // A failed write leaves the kept copy ahead of the file: read it again.
      if (!ok) {
        state.doc.reset();
      } else {
        state.content = std::move(written);
        state.racy = IsRacy(state.stamp, write_ns);
      }
    }
  }
  if (in_call) state.trusted_call = t_call.id;
  if (!in_call && locked) Unlock(state);
  if (ok) t_last_error = ProfileWriteError::kNone;
  return ok;
}

std::string TrimDefault(std::string_view def) {
  // Windows removes a default's trailing spaces and keeps its leading ones.
  while (!def.empty() && def.back() == ' ') def.remove_suffix(1);
  return std::string(def);
}

std::string Unquote(const std::string& value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front()) {
    return value.substr(1, value.size() - 2);
  }
  return value;
}

// The stored value of a key that has one.
std::optional<std::string> Lookup(const std::string& path, std::string_view section, std::string_view key) {
  std::lock_guard<std::mutex> guard(g_mutex);
  const IniLine* line = Access(path).doc->Find(section, key);
  if (line == nullptr || !line->has_value) return std::nullopt;
  return Unquote(line->value);
}

}  // namespace

ProfileWriteError ProfileLastWriteError() { return t_last_error; }

uint64_t ProfileVersion(const std::string& path) {
  if (path.empty()) return 0;
  std::lock_guard<std::mutex> guard(g_mutex);
  return Access(path).version;
}

void BeginCall(bool lock_first) {
  EndCall();
  t_call.id = g_next_call.fetch_add(1);
  t_call.lock_first = lock_first;
  t_call.conflicted = false;
}

bool CallConflicted() { return t_call.conflicted; }

void EndCall() {
  if (t_call.id == 0) return;
  std::lock_guard<std::mutex> guard(g_mutex);
  for (PathState* state : t_call.locked) Unlock(*state);
  t_call.locked.clear();
  t_call.tried.clear();
  t_call.changed.clear();
  t_call.seen.clear();
  t_call.id = 0;
}

std::string ProfileGetString(const std::string& path, std::string_view section, std::string_view key,
                             std::string_view def, std::size_t size) {
  if (size == 0) return {};
  std::string value = Lookup(path, section, key).value_or(TrimDefault(def));
  if (value.size() > size - 1) value.resize(size - 1);
  return value;
}

int ProfileGetInt(const std::string& path, std::string_view section, std::string_view key, int def) {
  const std::optional<std::string> value = Lookup(path, section, key);
  if (!value || value->empty()) return def;
  // Windows' reader: control characters and spaces, a sign, then decimal
  // digits, or hex digits after a lower-case "0x" ("0X1f" reads 0); the
  // value wraps at 32 bits.
  const std::string& text = *value;
  std::size_t i = 0;
  while (i < text.size() && static_cast<unsigned char>(text[i]) <= ' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  uint32_t base = 10;
  if (i + 1 < text.size() && text[i] == '0' && text[i + 1] == 'x') {
    base = 16;
    i += 2;
  }
  uint32_t result = 0;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    uint32_t digit = base;
    if (c >= '0' && c <= '9') digit = static_cast<uint32_t>(c - '0');
    if (c >= 'a' && c <= 'f') digit = static_cast<uint32_t>(c - 'a' + 10);
    if (c >= 'A' && c <= 'F') digit = static_cast<uint32_t>(c - 'A' + 10);
    if (digit >= base) break;
    result = result * base + digit;
  }
  if (negative) result = 0u - result;
  return static_cast<int>(result);
}

bool ProfileWriteString(const std::string& path, std::string_view section, const std::string* key,
                        const std::string* value) {
  return Change(path, [&](IniDocument& doc) {
    if (key == nullptr) return doc.DeleteSection(section);
    if (value == nullptr) return doc.DeleteKey(section, *key);
    return doc.Put(section, *key, *value, kLimits);
  });
}

std::string ProfileGetSection(const std::string& path, std::string_view section, std::size_t size) {
  if (size < 2) return std::string(size, '\0');
  std::string out;
  std::lock_guard<std::mutex> guard(g_mutex);
  const IniSection* found = Access(path).doc->FindSection(section);
  if (found != nullptr) {
    for (const IniLine& line : found->lines) {
      if (line.kind != IniLine::Kind::kKey) continue;
      const std::string entry = line.has_value ? line.key + "=" + line.value : line.key;
      if (out.size() + entry.size() + 2 > size) {
        // The entry that does not fit is cut; the result is size - 2 bytes.
        out += entry.substr(0, size - 2 - out.size());
        out.push_back('\0');
        out.push_back('\0');
        return out;
      }
      out += entry;
      out.push_back('\0');
    }
  }
  if (out.empty()) out.push_back('\0');
  out.push_back('\0');
  return out;
}

}  // namespace mirado::platform
