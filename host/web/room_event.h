// An event of a room: something a player or the bot said there, numbered
// in the order the room's streams receive it. Events are written to the
// room's log file and sent to streams as JSON; the two forms differ only in
// the private audience's player id, which never leaves the server.
#ifndef MIRADO_HOST_WEB_ROOM_EVENT_H_
#define MIRADO_HOST_WEB_ROOM_EVENT_H_

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include <boost/json/object.hpp>

namespace mirado::web {

enum class EventKind {
  kJoin,    // a player joined the room with `nick`
  kLine,    // `nick` said `text` (in the room, or privately to the bot)
  kAnswer,  // the bot answered `nick`'s line with `text`
  kPart,    // the bot left the room when `nick` asked: counters and memos cleared
};

// Who may see an event: a player is known by the id the server gave its
// session, never by the nick alone (a nick can pass to someone else later).
struct Viewer {
  std::string player_id;  // empty: a spectator with the table key only
};

struct RoomEvent {
  uint64_t id = 0;  // 1, 2, 3, ... within the room
  EventKind kind = EventKind::kLine;
  int64_t time_ms = 0;    // milliseconds since 1970 (UTC)
  std::string nick;       // UTF-8
  std::string text;       // UTF-8
  std::string to;         // private: the nick it is for; empty: the whole room
  std::string to_player;  // private: the id of the player it is for
  std::string from;       // an answer to a line said elsewhere: that room's channel

  bool is_private() const { return !to_player.empty(); }
  bool VisibleTo(const Viewer& viewer) const { return to_player.empty() || to_player == viewer.player_id; }
};

const char* EventKindName(EventKind kind);

// The event as a JSON object: for a stream or an API answer (`for_disk`
// false), or for the log file (with the audience's id).
boost::json::object EventObject(const RoomEvent& event, bool for_disk);
// The same object as one line of JSON without a line break.
std::string EventJson(const RoomEvent& event, bool for_disk);
// Reads a line written by EventJson(…, true); nothing for any other text.
std::optional<RoomEvent> ParseEventJson(std::string_view line);

}  // namespace mirado::web

#endif  // MIRADO_HOST_WEB_ROOM_EVENT_H_
