// One room in memory: its numbered events (the newest of them kept as the
// history streams resume from), the players in it and its open streams.
// Publishing gives each event the next number, writes the batch to the
// room's log (when it has one) and only then adds it to the history and
// sends it to every stream allowed to see it, so every stream receives the
// same events in the same order, and nothing unwritten is ever seen.
// Single-threaded: the hub calls it from one thread.
#ifndef MIRADO_HOST_WEB_ROOM_H_
#define MIRADO_HOST_WEB_ROOM_H_

#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "event_log.h"
#include "room_event.h"

namespace mirado::web {

// Where a stream's events go: the server's open event stream, or a test's
// recorder. A frame is one Server-Sent Events message, shared by every
// stream it is sent to.
class EventSink {
 public:
  virtual ~EventSink() = default;
  virtual void Send(const std::shared_ptr<const std::string>& frame) = 0;
};

// The SSE message of an event ("id: N" and its JSON).
std::string EventFrame(const RoomEvent& event);
// The message that tells a stream that events after `after` up to
// `oldest` - 1 are no longer in the history (only in the log).
std::string GapFrame(uint64_t after, uint64_t oldest);

struct HistoryLimits {
  std::size_t events = 2000;     // events kept in memory per room
  std::size_t bytes = 2u << 20;  // and at most these bytes of them
};

class Room {
 public:
  // `log` may be null: the room then lives in memory only. Its history
  // starts with the newest events of the log.
  Room(std::string channel, std::unique_ptr<RoomLog> log, HistoryLimits limits);

  const std::string& channel() const { return channel_; }
  uint64_t last_id() const { return last_id_; }
  // The first id the history still holds (last_id() + 1 when empty).
  uint64_t oldest_id() const { return history_.empty() ? last_id_ + 1 : history_.front().event.id; }
  RoomLog* log() const { return log_.get(); }

  // Numbers, stores and sends `events` (their ids and times are set here).
  // False, with nothing published, when the log cannot be written.
  bool Publish(std::vector<RoomEvent>* events, int64_t now_ms, std::string* error);

  // Opens a stream for `viewer`: first the events after `after` that it may
  // see (a gap message first when some of them have left the history), then
  // every new one. An `after` beyond the last event counts as 0 (the stream
  // comes from a room's earlier life).
  void Subscribe(const std::shared_ptr<EventSink>& sink, const Viewer& viewer, uint64_t after);
  void Unsubscribe(const EventSink* sink);
  std::size_t streams() const { return streams_.size(); }

  // The history's events `viewer` may see, oldest first.
  std::vector<RoomEvent> History(const Viewer& viewer) const;

  std::set<std::string>& members() { return members_; }

 private:
  struct Stored {
    RoomEvent event;
    std::shared_ptr<const std::string> frame;
  };
  struct Stream {
    std::shared_ptr<EventSink> sink;
    Viewer viewer;
  };
  void Keep(RoomEvent event);

  std::string channel_;
  std::unique_ptr<RoomLog> log_;
  HistoryLimits limits_;
  std::deque<Stored> history_;
  std::size_t history_bytes_ = 0;
  uint64_t last_id_ = 0;
  std::vector<Stream> streams_;
  std::set<std::string> members_;  // player ids
};

}  // namespace mirado::web

#endif  // MIRADO_HOST_WEB_ROOM_H_
