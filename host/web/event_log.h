// The log files of one room: every event, one JSON line each, appended
// before the event is acknowledged or sent to any stream. A file is written
// with one append per batch of events and never rewritten; at `file_bytes`
// the next batch starts a new file, and only the newest `files` files are
// kept (the oldest is deleted), so a room's log on disk is bounded.
//
// Opening a room's folder recovers it after a crash: the newest file is cut
// back to its last whole event, so a line torn by a kill is never read.
#ifndef MIRADO_HOST_WEB_EVENT_LOG_H_
#define MIRADO_HOST_WEB_EVENT_LOG_H_

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "room_event.h"

namespace mirado::web {

struct LogLimits {
  std::size_t file_bytes = 1 << 20;  // a file is closed at this size
  std::size_t files = 8;             // files kept per room
  bool sync = false;                 // fdatasync after each append (power loss, not just a crash)
};

class RoomLog {
 public:
  // Opens (creating it when needed) the folder of `channel` under `root`
  // and recovers its newest file. Null, with the reason in `error`, when the
  // folder cannot be made or read.
  static std::unique_ptr<RoomLog> Open(const std::string& root, const std::string& channel, const LogLimits& limits,
                                       std::string* error);
  ~RoomLog();
  RoomLog(const RoomLog&) = delete;
  RoomLog& operator=(const RoomLog&) = delete;

  // The channels of the rooms that have a folder under `root`.
  static std::vector<std::string> Rooms(const std::string& root);

  const std::string& channel() const { return channel_; }
  // The id of the last event on disk, 0 for none.
  uint64_t last_id() const { return last_id_; }

  // Appends the events (ids after last_id(), in order) in one write. False,
  // with nothing of them left in the file, when the write fails.
  bool Append(const std::vector<const RoomEvent*>& events, std::string* error);
  // Every event in the kept files, oldest first; at most the newest `limit`.
  std::vector<RoomEvent> Read(std::size_t limit = SIZE_MAX) const;

 private:
  RoomLog(std::string folder, std::string channel, LogLimits limits);
  bool Recover(std::string* error);
  std::string FilePath(uint32_t number) const;
  std::vector<uint32_t> FileNumbers() const;
  bool OpenCurrent(std::string* error);

  std::string folder_, channel_;
  LogLimits limits_;
  uint32_t current_ = 1;  // number of the file being appended to
  std::size_t current_size_ = 0;
  int fd_ = -1;
  uint64_t last_id_ = 0;
};

}  // namespace mirado::web

#endif  // MIRADO_HOST_WEB_EVENT_LOG_H_
