#include "event_log.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>

#include "names.h"

namespace mirado::web {
namespace {

// A room's folder is named by the hex digits of its folded name, so no
// name a player chose ever becomes a path.
std::string FolderName(const std::string& channel) {
  static const char kHex[] = "0123456789abcdef";
  std::string name;
  for (unsigned char c : FoldName(channel)) name += {kHex[c >> 4], kHex[c & 15]};
  return name;
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

bool WriteAll(int fd, const char* data, std::size_t size) {
  while (size > 0) {
    const ssize_t n = ::write(fd, data, size);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    data += n;
    size -= static_cast<std::size_t>(n);
  }
  return true;
}

bool MakeFolder(const std::string& path) { return ::mkdir(path.c_str(), 0700) == 0 || errno == EEXIST; }

std::string SystemError(const std::string& what) { return what + ": " + std::strerror(errno); }

}  // namespace

RoomLog::RoomLog(std::string folder, std::string channel, LogLimits limits)
    : folder_(std::move(folder)), channel_(std::move(channel)), limits_(limits) {}

RoomLog::~RoomLog() {
  if (fd_ >= 0) ::close(fd_);
}

std::unique_ptr<RoomLog> RoomLog::Open(const std::string& root, const std::string& channel, const LogLimits& limits,
                                       std::string* error) {
  const std::string folder = root + "/" + FolderName(channel);
  if (!MakeFolder(root) || !MakeFolder(folder)) {
    *error = SystemError("cannot make the folder " + folder);
    return nullptr;
  }
  // The room's name as players wrote it, for a restart.
  const std::string name_path = folder + "/room";
  if (ReadFile(name_path).empty()) {
    std::ofstream(name_path, std::ios::binary) << channel;
  }
  std::unique_ptr<RoomLog> log(new RoomLog(folder, channel, limits));
  if (!log->Recover(error)) return nullptr;
  return log;
}

std::vector<std::string> RoomLog::Rooms(const std::string& root) {
  std::vector<std::string> rooms;
  DIR* dir = ::opendir(root.c_str());
  if (dir == nullptr) return rooms;
  while (const dirent* entry = ::readdir(dir)) {
    if (entry->d_name[0] == '.') continue;
    const std::string name = ReadFile(root + "/" + entry->d_name + "/room");
    if (!name.empty() && FolderName(name) == entry->d_name) rooms.push_back(name);
  }
  ::closedir(dir);
  std::sort(rooms.begin(), rooms.end());
  return rooms;
}

std::string RoomLog::FilePath(uint32_t number) const {
  char name[32];
  std::snprintf(name, sizeof name, "/events-%06u.jsonl", static_cast<unsigned>(number));
  return folder_ + name;
}

std::vector<uint32_t> RoomLog::FileNumbers() const {
  std::vector<uint32_t> numbers;
  DIR* dir = ::opendir(folder_.c_str());
  if (dir == nullptr) return numbers;
  while (const dirent* entry = ::readdir(dir)) {
    unsigned number = 0;
    char tail[8] = {};
    if (std::sscanf(entry->d_name, "events-%6u.jsonl%1s", &number, tail) == 1 && number > 0 &&
        std::strlen(entry->d_name) == 19)
      numbers.push_back(number);
  }
  ::closedir(dir);
  std::sort(numbers.begin(), numbers.end());
  return numbers;
}

bool RoomLog::Recover(std::string* error) {
  const std::vector<uint32_t> numbers = FileNumbers();
  if (!numbers.empty()) current_ = numbers.back();
  // The newest file is cut after its last whole event: a torn line (a kill
  // in the middle of a write) or anything unreadable after it is dropped.
  const std::string path = FilePath(current_);
  const std::string text = ReadFile(path);
  std::size_t good = 0;
  for (std::size_t start = 0; start < text.size();) {
    const std::size_t end = text.find('\n', start);
    if (end == std::string::npos) break;
    const auto event = ParseEventJson(std::string_view(text).substr(start, end - start));
    if (!event || event->id <= last_id_) break;
    last_id_ = event->id;
    good = end + 1;
    start = end + 1;
  }
  if (good < text.size() && ::truncate(path.c_str(), static_cast<off_t>(good)) != 0) {
    *error = SystemError("cannot cut the torn end of " + path);
    return false;
  }
  current_size_ = good;
  if (last_id_ == 0 && numbers.size() > 1) {
    // An empty newest file: the last id is in the one before it.
    for (const RoomEvent& event : Read(1)) last_id_ = event.id;
  }
  return OpenCurrent(error);
}

bool RoomLog::OpenCurrent(std::string* error) {
  if (fd_ >= 0) ::close(fd_);
  fd_ = ::open(FilePath(current_).c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0600);
  if (fd_ < 0) {
    *error = SystemError("cannot open " + FilePath(current_));
    return false;
  }
  return true;
}

bool RoomLog::Append(const std::vector<const RoomEvent*>& events, std::string* error) {
  if (events.empty()) return true;
  if (current_size_ >= limits_.file_bytes) {
    // Rotate: a new file, and only the newest `files` are kept.
    ++current_;
    current_size_ = 0;
    if (!OpenCurrent(error)) return false;
    std::vector<uint32_t> numbers = FileNumbers();
    while (numbers.size() > limits_.files) {
      ::unlink(FilePath(numbers.front()).c_str());
      numbers.erase(numbers.begin());
    }
  }
  std::string lines;
  for (const RoomEvent* event : events) {
    lines += EventJson(*event, true);
    lines += '\n';
  }
  if (!WriteAll(fd_, lines.data(), lines.size()) || (limits_.sync && ::fdatasync(fd_) != 0)) {
    *error = SystemError("cannot write the room's log");
    // Nothing of a failed batch may stay: a later append would follow a torn line.
    if (::ftruncate(fd_, static_cast<off_t>(current_size_)) != 0) *error += " (and cannot cut it back)";
    return false;
  }
  current_size_ += lines.size();
  last_id_ = events.back()->id;
  return true;
}

std::vector<RoomEvent> RoomLog::Read(std::size_t limit) const {
  std::vector<RoomEvent> events;
  const std::vector<uint32_t> numbers = FileNumbers();
  // Newest files first until `limit` events are found, then oldest first.
  std::vector<std::vector<RoomEvent>> files;
  std::size_t count = 0;
  for (auto it = numbers.rbegin(); it != numbers.rend() && count < limit; ++it) {
    std::istringstream in(ReadFile(FilePath(*it)));
    std::vector<RoomEvent> file;
    for (std::string line; std::getline(in, line);) {
      if (auto event = ParseEventJson(line)) file.push_back(std::move(*event));
    }
    count += file.size();
    files.push_back(std::move(file));
  }
  for (auto it = files.rbegin(); it != files.rend(); ++it) {
    for (RoomEvent& event : *it) events.push_back(std::move(event));
  }
  if (events.size() > limit) events.erase(events.begin(), events.end() - static_cast<std::ptrdiff_t>(limit));
  return events;
}

}  // namespace mirado::web
