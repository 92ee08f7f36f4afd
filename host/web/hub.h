// The web room's state without any I/O: players and their session tokens,
// the nicks they hold, the rooms and their streams, and every bound. The
// server calls it from one thread with the time passed in, so it is tested
// without sockets, as the IRC session is tested without a server.
//
// A turn takes two steps, so the plug-in can run on a thread of its own:
// PrepareLine checks the player, the room and the text and gives what the
// chat turn takes; FinishTurn routes the plug-in's answer, stores and
// publishes the events and gives those the sender may see.
//
// Every refusal carries the HTTP status it is answered with: 400 bad input,
// 401 no valid session, 403 not in the room, 404 no such room, 409 nick held
// by another player, 413 too large, 422 text the plug-in cannot take, 429 a
// per-room or per-player bound, 503 a server-wide bound or a failed write.
#ifndef MIRADO_HOST_WEB_HUB_H_
#define MIRADO_HOST_WEB_HUB_H_

#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "chat_turn.h"
#include "event_log.h"
#include "room.h"
#include "session_store.h"

namespace mirado::web {

struct HubLimits {
  std::size_t rooms = 64;                        // rooms on the server (503 past it)
  std::size_t players = 4096;                    // sessions on the server (503)
  std::size_t players_per_room = 32;             // (429)
  std::size_t streams = 2000;                    // open event streams on the server (503)
  std::size_t streams_per_room = 500;            // (429)
  std::size_t streams_per_player = 8;            // (429)
  std::size_t line_bytes = 1023;                 // a line, in code page 932 bytes (413)
  double line_burst = 30;                        // lines a player may send at once (429 past it),
  double lines_per_second = 10;                  // refilled at this rate
  int64_t idle_session_ms = 24LL * 3600 * 1000;  // a session unused this long ends
  HistoryLimits history;
};

struct Outcome {
  int status = 200;
  std::string error;  // the reason, for the player (empty when status is 200)
  bool ok() const { return status == 200; }
};

// A player's session: the token is the secret, the id names it in events.
struct Player {
  std::string token;
  std::string id;
  std::string nick;
  std::set<std::string> rooms;  // folded channels
  std::string last_room;        // channel where private answers from elsewhere go
  int64_t last_seen_ms = 0;
  std::size_t streams = 0;
  double line_credit = 0;
  int64_t credit_time_ms = 0;
};

// One line (or a leave) on its way to the plug-in.
struct PreparedTurn {
  std::string room;  // channel, UTF-8
  std::string nick, player_id;
  std::string text;  // UTF-8
  bool in_private = false;
  bool leave = false;  // the bot leaves the room (Part), no line is said
  // What the chat turn takes, in code page 932.
  std::string turn_nick, turn_channel, turn_text;
};

struct RoomInfo {
  std::string room;
  uint64_t last_id = 0;
  std::vector<std::string> players;  // nicks, sorted
  std::string you;                   // the asker's nick, empty when not in the room
};

class Hub {
 public:
  // `data_root` empty: rooms live in memory only. `make_secret` gives the
  // random tokens and ids (tests pass a counter).
  Hub(HubLimits limits, std::string data_root, LogLimits log_limits, std::function<std::string()> make_secret);

  // Opens every room found under the data root, with its history, and
  // takes back the sessions kept there (as used at `now_ms`).
  bool Restore(int64_t now_ms, std::string* error);

  // The session of `token`, or null; a found session is marked as used now.
  Player* Authenticate(const std::string& token, int64_t now_ms);

  // Joins `room` (a URL name: "trpg" or "#trpg") as `nick`, with the session
  // of `token` or, when that is empty or unknown, a new one. A session holds
  // one nick on the whole server; joining with another one renames it.
  Outcome Join(const std::string& room, const std::string& nick, const std::string& token, int64_t now_ms,
               Player** player);

  Outcome PrepareLine(Player& player, const std::string& room, const std::string& text, bool in_private, int64_t now_ms,
                      PreparedTurn* turn);
  Outcome PrepareLeave(Player& player, const std::string& room, PreparedTurn* turn);
  // Routes and publishes the plug-in's answer; `seen` gets the events of
  // the turn the sender may see (its line first).
  Outcome FinishTurn(const PreparedTurn& turn, const host::TurnResult& result, int64_t now_ms,
                     std::vector<RoomEvent>* seen);

  // Opens a stream of `room` for `player` (null: a spectator).
  Outcome Subscribe(const std::string& room, Player* player, uint64_t after, const std::shared_ptr<EventSink>& sink);
  // Closes a stream; safe to call for a room or player that is gone.
  void Unsubscribe(const std::string& room, const std::string& token, const EventSink* sink);

  // The room's log as kept on disk (or its history in memory), the events
  // `player` may see (null: a spectator).
  Outcome Log(const std::string& room, const Player* player, std::string* channel, std::vector<RoomEvent>* events);
  Outcome Info(const std::string& room, const Player* player, RoomInfo* info);

  // Ends the sessions unused for the idle time (no request, no open stream).
  void ExpireSessions(int64_t now_ms);

  std::size_t room_count() const { return rooms_.size(); }
  std::size_t player_count() const { return players_.size(); }
  std::size_t stream_count() const { return streams_; }

 private:
  Room* FindRoom(const std::string& name, Outcome* outcome);
  Room* RoomOfChannel(const std::string& channel);
  Outcome OpenRoom(const std::string& channel, Room** room);
  void Forget(Player& player);
  // Keeps a session's change on disk (the whole set when the file grew).
  void Store(const Player& player);
  void StoreAll();
  StoredSession Record(const Player& player) const;
  void TakeBack(const StoredSession& record, int64_t now_ms);

  HubLimits limits_;
  std::string data_root_;
  LogLimits log_limits_;
  std::function<std::string()> make_secret_;
  std::map<std::string, std::unique_ptr<Room>> rooms_;  // by folded channel
  std::map<std::string, Player> players_;               // by token
  std::map<std::string, Player*> nicks_;                // by folded nick
  std::size_t streams_ = 0;
  SessionStore sessions_;
};

}  // namespace mirado::web

#endif  // MIRADO_HOST_WEB_HUB_H_
