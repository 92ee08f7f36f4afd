#include "turn_routing.h"

#include "names.h"
#include "plugin_line.h"
#include "wire_text.h"

namespace mirado::web {
namespace {

RoomEvent Make(EventKind kind, const std::string& nick, const std::string& text) {
  RoomEvent event;
  event.kind = kind;
  event.nick = nick;
  event.text = text;
  return event;
}

}  // namespace

std::vector<RoutedEvent> RouteTurn(const TurnPlace& place, const std::string& line_text, const host::TurnResult& result,
                                   const FindNick& find_nick, const FindRoom& find_room,
                                   std::vector<std::string>* dropped) {
  std::vector<RoutedEvent> out;
  RoomEvent line = Make(EventKind::kLine, place.nick, line_text);
  if (place.in_private) line.to = place.nick, line.to_player = place.player_id;
  out.push_back({place.room, line});
  const std::string here = FoldName(place.room);
  for (const host::PluginLine& answer : result.lines) {
    const std::string target = host::Cp932ToUtf8(answer.target);
    const std::string text = host::Cp932ToUtf8(answer.text);
    if (answer.command == "PART") {
      if (auto room = find_room(target)) {
        out.push_back({*room, Make(EventKind::kPart, place.nick, text)});
      } else {
        dropped->push_back("PART of " + target + ": no such room");
      }
      continue;
    }
    RoomEvent event = Make(EventKind::kAnswer, place.nick, text);
    if (host::IsChannelName(answer.target)) {
      if (FoldName(target) == here) {
        out.push_back({place.room, event});
      } else if (auto room = find_room(target)) {
        event.from = place.room;
        out.push_back({*room, event});
      } else {
        dropped->push_back("answer to " + target + ": no such room");
      }
    } else if (auto holder = find_nick(target, place.room)) {
      event.to = holder->nick;
      event.to_player = holder->player_id;
      if (FoldName(holder->room) != here) event.from = place.room;
      out.push_back({holder->room, event});
    } else {
      dropped->push_back("answer to " + target + ": nobody holds that nick");
    }
  }
  return out;
}

}  // namespace mirado::web
