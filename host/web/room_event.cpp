#include "room_event.h"

#include <boost/json.hpp>

namespace mirado::web {
namespace json = boost::json;

namespace {

constexpr struct {
  EventKind kind;
  const char* name;
} kKinds[] = {
    {EventKind::kJoin, "join"}, {EventKind::kLine, "line"}, {EventKind::kAnswer, "answer"}, {EventKind::kPart, "part"}};

// The string member `key` of `object`, or empty.
std::string StringOf(const json::object& object, const char* key) {
  const json::value* v = object.if_contains(key);
  return v != nullptr && v->is_string() ? std::string(v->get_string()) : std::string();
}

}  // namespace

const char* EventKindName(EventKind kind) {
  for (const auto& k : kKinds) {
    if (k.kind == kind) return k.name;
  }
  return "line";
}

json::object EventObject(const RoomEvent& event, bool for_disk) {
  json::object o;
  o["id"] = event.id;
  o["kind"] = EventKindName(event.kind);
  o["time"] = event.time_ms;
  o["nick"] = event.nick;
  o["text"] = event.text;
  if (event.is_private()) {
    o["private"] = true;
    o["to"] = event.to;
    if (for_disk) o["player"] = event.to_player;
  }
  if (!event.from.empty()) o["from"] = event.from;
  return o;
}

std::string EventJson(const RoomEvent& event, bool for_disk) { return json::serialize(EventObject(event, for_disk)); }

std::optional<RoomEvent> ParseEventJson(std::string_view line) {
  json::error_code ec;
  const json::value value = json::parse(line, ec);
  if (ec || !value.is_object()) return std::nullopt;
  const json::object& o = value.get_object();
  const json::value* id = o.if_contains("id");
  const json::value* time = o.if_contains("time");
  if (id == nullptr || !id->is_number() || time == nullptr || !time->is_number()) return std::nullopt;
  RoomEvent event;
  event.id = id->to_number<uint64_t>(ec);
  event.time_ms = time->to_number<int64_t>(ec);
  if (ec || event.id == 0) return std::nullopt;
  const std::string kind = StringOf(o, "kind");
  bool known = false;
  for (const auto& k : kKinds) {
    if (kind == k.name) event.kind = k.kind, known = true;
  }
  if (!known) return std::nullopt;
  event.nick = StringOf(o, "nick");
  event.text = StringOf(o, "text");
  event.to = StringOf(o, "to");
  event.to_player = StringOf(o, "player");
  event.from = StringOf(o, "from");
  if (!event.to.empty() && event.to_player.empty()) return std::nullopt;
  return event;
}

}  // namespace mirado::web
