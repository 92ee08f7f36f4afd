// Where the plug-in's answer to one line goes in the web room. The plug-in
// addresses each answer line to a target, as on IRC:
//  - the room the line was said in: an answer every stream of that room sees;
//  - a nick: a private answer that only the player holding the nick sees, in
//    the room the line was said in when that player is there, otherwise in
//    the room the player was last in; dropped when nobody holds the nick;
//  - another channel (a closed roll's announcement, "#SET S=#gm"): an answer
//    in that room, marked as coming from this one; dropped when no such room
//    exists;
//  - PART of a room: the bot leaves that room (its counters and memos are
//    cleared).
// A line said privately to the bot is a private event of its speaker.
#ifndef MIRADO_HOST_WEB_TURN_ROUTING_H_
#define MIRADO_HOST_WEB_TURN_ROUTING_H_

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "chat_turn.h"
#include "room_event.h"

namespace mirado::web {

// Where a line was said and by whom (UTF-8).
struct TurnPlace {
  std::string room;         // the room's channel, "#trpg"
  std::string nick;         // the speaker's nick
  std::string player_id;    // the speaker's player id
  bool in_private = false;  // said privately to the bot: the plug-in's channel is the nick
};

// The player holding a nick: its id and nick as held, and whether it is in
// the room asked about; otherwise the room its private answers go to.
struct NickHolder {
  std::string player_id;
  std::string nick;
  std::string room;  // the channel of the room to deliver in
};

struct RoutedEvent {
  std::string room;  // the channel of the room the event goes to
  RoomEvent event;   // without id and time
};

// Looks up the holder of a nick for an answer of a line said in `room`;
// nothing when no player holds it.
using FindNick = std::function<std::optional<NickHolder>(const std::string& nick, const std::string& room)>;
// The channel of a room by any spelling of its name; nothing when none.
using FindRoom = std::function<std::optional<std::string>(const std::string& channel)>;

// The events of one turn, in order: the line itself first (`line_text`,
// UTF-8), then each answer line. Dropped answer lines are told in `dropped`.
std::vector<RoutedEvent> RouteTurn(const TurnPlace& place, const std::string& line_text, const host::TurnResult& result,
                                   const FindNick& find_nick, const FindRoom& find_room,
                                   std::vector<std::string>* dropped);

}  // namespace mirado::web

#endif  // MIRADO_HOST_WEB_TURN_ROUTING_H_
