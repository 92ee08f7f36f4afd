// The settings (INI) store on POSIX systems, with the semantics of the Windows
// private-profile functions (see platform.h). The file is parsed into lines;
// comment and garbage lines are kept as they are, so a rewrite changes only
// the entry written. Writes go to a new file that is flushed and renamed over
// the old one, so a crash or a full disk never leaves a half-written file.
// A parsed copy is kept per path and reused only while the file's identity,
// size and modification time are unchanged, so a hand edit made between two
// calls is always seen.
#include <fcntl.h>
#include <sys/stat.h>
#include <unicode/uchar.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <map>
#include <memory>
#include <mutex>
#include <vector>

#include "platform/platform.h"

namespace mirado::platform {
namespace {

// Names compare as Windows compares them: through UTF-16, upper-cased.
std::u16string FoldName(std::string_view name) {
  std::u16string folded = Cp932ToUtf16(name);
  for (auto& c : folded) {
    if (c < 0xD800 || c > 0xDFFF) c = static_cast<char16_t>(u_toupper(c));
  }
  return folded;
}

std::string_view Trim(std::string_view s) {
  const auto is_space = [](char c) { return c == ' ' || c == '\t'; };
  while (!s.empty() && is_space(s.front())) s.remove_prefix(1);
  while (!s.empty() && is_space(s.back())) s.remove_suffix(1);
  return s;
}

enum class Kind { kOther, kSection, kEntry };

struct Line {
  std::string raw;
  Kind kind = Kind::kOther;
  std::u16string folded;  // section or key name, folded
  std::string key;        // key as written (entries)
  std::string value;      // value as written, trimmed (entries)
};

struct Document {
  std::vector<Line> lines;
};

Line ParseLine(std::string raw) {
  Line line;
  line.raw = std::move(raw);
  const std::string_view text = Trim(line.raw);
  if (text.empty()) return line;
  if (text.front() == '[') {
    const auto close = text.rfind(']');
    const std::string_view name =
        close == std::string_view::npos || close == 0 ? text.substr(1) : text.substr(1, close - 1);
    line.kind = Kind::kSection;
    line.folded = FoldName(Trim(name));
    return line;
  }
  const auto eq = text.find('=');
  if (eq == std::string_view::npos) return line;
  line.kind = Kind::kEntry;
  line.key = std::string(Trim(text.substr(0, eq)));
  line.value = std::string(Trim(text.substr(eq + 1)));
  line.folded = FoldName(line.key);
  return line;
}

Document Parse(const std::string& content) {
  Document doc;
  std::size_t start = 0;
  while (start < content.size()) {
    auto end = content.find('\n', start);
    if (end == std::string::npos) end = content.size();
    std::string raw = content.substr(start, end - start);
    if (!raw.empty() && raw.back() == '\r') raw.pop_back();
    doc.lines.push_back(ParseLine(std::move(raw)));
    start = end + 1;
  }
  return doc;
}

struct FileStamp {
  bool exists = false;
  dev_t dev = 0;
  ino_t ino = 0;
  off_t size = 0;
  int64_t mtime_ns = 0;
  bool operator==(const FileStamp&) const = default;
};

FileStamp Stamp(const std::string& path) {
  struct stat st {};
  FileStamp s;
  if (stat(path.c_str(), &st) != 0) return s;
  s.exists = true;
  s.dev = st.st_dev;
  s.ino = st.st_ino;
  s.size = st.st_size;
  s.mtime_ns = static_cast<int64_t>(st.st_mtim.tv_sec) * 1000000000LL + st.st_mtim.tv_nsec;
  return s;
}

struct CacheEntry {
  FileStamp stamp;
  std::shared_ptr<const Document> doc;
};

std::mutex g_cache_mutex;
std::map<std::string, CacheEntry>& Cache() {
  static auto* cache = new std::map<std::string, CacheEntry>();
  return *cache;
}

bool ReadWhole(const std::string& path, std::string* out) {
  FILE* f = std::fopen(path.c_str(), "rb");
  if (f == nullptr) return false;
  char buf[8192];
  std::size_t n;
  while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) out->append(buf, n);
  std::fclose(f);
  return true;
}

std::shared_ptr<const Document> Load(const std::string& path) {
  std::lock_guard<std::mutex> lock(g_cache_mutex);
  const FileStamp stamp = Stamp(path);
  auto& cache = Cache();
  auto it = cache.find(path);
  if (it != cache.end() && it->second.stamp == stamp) return it->second.doc;
  std::string content;
  if (stamp.exists) ReadWhole(path, &content);
  auto doc = std::make_shared<const Document>(Parse(content));
  cache[path] = CacheEntry{stamp, doc};
  return doc;
}

// Index of the first section header with this name, or -1.
long FindSection(const Document& doc, const std::u16string& folded) {
  for (std::size_t i = 0; i < doc.lines.size(); ++i) {
    if (doc.lines[i].kind == Kind::kSection && doc.lines[i].folded == folded) return static_cast<long>(i);
  }
  return -1;
}

// End (exclusive) of the section that starts at header `begin`.
std::size_t SectionEnd(const Document& doc, std::size_t begin) {
  std::size_t i = begin + 1;
  while (i < doc.lines.size() && doc.lines[i].kind != Kind::kSection) ++i;
  return i;
}

const Line* FindEntry(const Document& doc, std::string_view section, std::string_view key) {
  const long s = FindSection(doc, FoldName(section));
  if (s < 0) return nullptr;
  const std::u16string folded = FoldName(key);
  const std::size_t end = SectionEnd(doc, static_cast<std::size_t>(s));
  for (std::size_t i = static_cast<std::size_t>(s) + 1; i < end; ++i) {
    if (doc.lines[i].kind == Kind::kEntry && doc.lines[i].folded == folded) return &doc.lines[i];
  }
  return nullptr;
}

std::string Unquote(const std::string& value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front()) {
    return value.substr(1, value.size() - 2);
  }
  return value;
}

bool WriteFileSafely(const std::string& path, const std::string& content) {
  const std::string tmp = path + ".tmp" + std::to_string(static_cast<long>(getpid()));
  const int fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) return false;
  std::size_t done = 0;
  bool ok = true;
  while (done < content.size()) {
    const ssize_t n = ::write(fd, content.data() + done, content.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      ok = false;
      break;
    }
    done += static_cast<std::size_t>(n);
  }
  if (ok && ::fsync(fd) != 0) ok = false;
  if (::close(fd) != 0) ok = false;
  if (ok && std::rename(tmp.c_str(), path.c_str()) != 0) ok = false;
  if (!ok) ::unlink(tmp.c_str());
  return ok;
}

std::string Serialize(const Document& doc) {
  std::string out;
  for (const auto& line : doc.lines) {
    out += line.raw;
    out += "\r\n";
  }
  return out;
}

// Where a new key goes: after the last non-blank line of the section.
std::size_t InsertionPoint(const Document& doc, std::size_t header) {
  std::size_t end = SectionEnd(doc, header);
  while (end > header + 1 && Trim(doc.lines[end - 1].raw).empty()) --end;
  return end;
}

}  // namespace

std::string ProfileGetString(const std::string& path, std::string_view section, std::string_view key,
                             std::string_view def, std::size_t size) {
  if (size == 0) return {};
  const auto doc = Load(path);
  const Line* line = FindEntry(*doc, section, key);
  std::string value = line != nullptr ? Unquote(line->value) : std::string(Trim(def));
  if (value.size() > size - 1) value.resize(size - 1);
  return value;
}

int ProfileGetInt(const std::string& path, std::string_view section, std::string_view key, int def) {
  const auto doc = Load(path);
  const Line* line = FindEntry(*doc, section, key);
  if (line == nullptr) return def;
  const std::string value = Unquote(line->value);
  if (value.empty()) return def;
  std::size_t i = 0;
  while (i < value.size() && (value[i] == ' ' || value[i] == '\t')) ++i;
  bool negative = false;
  if (i < value.size() && (value[i] == '-' || value[i] == '+')) negative = value[i++] == '-';
  uint32_t result = 0;
  if (i + 1 < value.size() && value[i] == '0' && (value[i + 1] == 'x' || value[i + 1] == 'X')) {
    for (i += 2; i < value.size(); ++i) {
      const char c = value[i];
      int digit;
      if (c >= '0' && c <= '9')
        digit = c - '0';
      else if (c >= 'a' && c <= 'f')
        digit = c - 'a' + 10;
      else if (c >= 'A' && c <= 'F')
        digit = c - 'A' + 10;
      else
        break;
      result = result * 16u + static_cast<uint32_t>(digit);
    }
  } else {
    for (; i < value.size() && value[i] >= '0' && value[i] <= '9'; ++i) {
      result = result * 10u + static_cast<uint32_t>(value[i] - '0');
    }
  }
  if (negative) result = 0u - result;
  return static_cast<int>(result);
}

bool ProfileWriteString(const std::string& path, std::string_view section, const std::string* key,
                        const std::string* value) {
  Document doc = *Load(path);
  const long header = FindSection(doc, FoldName(section));
  if (key == nullptr) {
    if (header < 0) return true;
    const auto begin = doc.lines.begin() + header;
    doc.lines.erase(begin, doc.lines.begin() + static_cast<long>(SectionEnd(doc, static_cast<std::size_t>(header))));
  } else {
    const std::u16string folded = FoldName(*key);
    long found = -1;
    if (header >= 0) {
      const std::size_t end = SectionEnd(doc, static_cast<std::size_t>(header));
      for (std::size_t i = static_cast<std::size_t>(header) + 1; i < end; ++i) {
        if (doc.lines[i].kind == Kind::kEntry && doc.lines[i].folded == folded) {
          found = static_cast<long>(i);
          break;
        }
      }
    }
    if (value == nullptr) {
      if (found < 0) return true;
      doc.lines.erase(doc.lines.begin() + found);
    } else {
      const std::string trimmed(Trim(*value));
      if (found >= 0) {
        // An existing key keeps the letter case it was written with.
        doc.lines[static_cast<std::size_t>(found)] =
            ParseLine(doc.lines[static_cast<std::size_t>(found)].key + "=" + trimmed);
      } else if (header >= 0) {
        const std::size_t at = InsertionPoint(doc, static_cast<std::size_t>(header));
        doc.lines.insert(doc.lines.begin() + static_cast<long>(at), ParseLine(std::string(Trim(*key)) + "=" + trimmed));
      } else {
        doc.lines.push_back(ParseLine("[" + std::string(Trim(section)) + "]"));
        doc.lines.push_back(ParseLine(std::string(Trim(*key)) + "=" + trimmed));
      }
    }
  }
  const std::string content = Serialize(doc);
  std::lock_guard<std::mutex> lock(g_cache_mutex);
  if (!WriteFileSafely(path, content)) {
    Cache().erase(path);
    return false;
  }
  Cache()[path] = CacheEntry{Stamp(path), std::make_shared<const Document>(std::move(doc))};
  return true;
}

std::string ProfileGetSection(const std::string& path, std::string_view section, std::size_t size) {
  std::string out;
  if (size < 2) return std::string(size, '\0');
  const auto doc = Load(path);
  const long header = FindSection(*doc, FoldName(section));
  if (header >= 0) {
    const std::size_t end = SectionEnd(*doc, static_cast<std::size_t>(header));
    for (std::size_t i = static_cast<std::size_t>(header) + 1; i < end; ++i) {
      const Line& line = doc->lines[i];
      if (line.kind != Kind::kEntry) continue;
      const std::string entry = line.key + "=" + line.value;
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
