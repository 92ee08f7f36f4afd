#include "hub.h"

#include <algorithm>

#include "names.h"
#include "player_text.h"
#include "turn_routing.h"
#include "wire_text.h"

namespace mirado::web {

Hub::Hub(HubLimits limits, std::string data_root, LogLimits log_limits, std::function<std::string()> make_secret)
    : limits_(limits),
      data_root_(std::move(data_root)),
      log_limits_(log_limits),
      make_secret_(std::move(make_secret)),
      sessions_(data_root_.empty() ? std::string() : data_root_ + "/sessions.jsonl") {}

bool Hub::Restore(int64_t now_ms, std::string* error) {
  if (data_root_.empty()) return true;
  for (const std::string& channel : RoomLog::Rooms(data_root_)) {
    if (rooms_.size() >= limits_.rooms) break;
    Room* room = nullptr;
    const Outcome outcome = OpenRoom(channel, &room);
    if (!outcome.ok()) {
      *error = outcome.error;
      return false;
    }
  }
  for (const StoredSession& record : sessions_.Load()) TakeBack(record, now_ms);
  StoreAll();
  return true;
}

void Hub::TakeBack(const StoredSession& record, int64_t now_ms) {
  auto it = players_.find(record.token);
  if (record.ended) {
    if (it != players_.end()) {
      Forget(it->second);
      players_.erase(it);
    }
    return;
  }
  // A later record of a nick wins over an earlier holder's.
  if (auto held = nicks_.find(FoldName(record.nick)); held != nicks_.end() && held->second->token != record.token) {
    Player* earlier = held->second;
    Forget(*earlier);
    players_.erase(earlier->token);
  }
  if (it == players_.end()) {
    if (players_.size() >= limits_.players) return;
    it = players_.emplace(record.token, Player()).first;
  } else {
    Forget(it->second);
  }
  Player& player = it->second;
  player.token = record.token;
  player.id = record.id;
  player.nick = record.nick;
  player.last_seen_ms = now_ms;
  player.line_credit = limits_.line_burst;
  player.credit_time_ms = now_ms;
  player.rooms.clear();
  nicks_[FoldName(player.nick)] = &player;
  for (const std::string& channel : record.rooms) {
    if (Room* room = RoomOfChannel(channel)) {
      player.rooms.insert(FoldName(room->channel()));
      player.last_room = room->channel();
      room->members().insert(player.id);
    }
  }
}

StoredSession Hub::Record(const Player& player) const {
  StoredSession record{player.token, player.id, player.nick, {}, false};
  for (const std::string& key : player.rooms) {
    if (auto it = rooms_.find(key); it != rooms_.end()) record.rooms.push_back(it->second->channel());
  }
  return record;
}

void Hub::Store(const Player& player) {
  if (sessions_.Oversized()) return StoreAll();
  sessions_.Append(Record(player));
}

void Hub::StoreAll() {
  std::vector<StoredSession> all;
  for (const auto& [token, player] : players_) all.push_back(Record(player));
  sessions_.Rewrite(all);
}

Outcome Hub::OpenRoom(const std::string& channel, Room** room) {
  const std::string key = FoldName(channel);
  if (auto it = rooms_.find(key); it != rooms_.end()) {
    *room = it->second.get();
    return {};
  }
  if (rooms_.size() >= limits_.rooms)
    return {503, "the server holds " + std::to_string(limits_.rooms) + " rooms, its most; use one of them"};
  std::unique_ptr<RoomLog> log;
  if (!data_root_.empty()) {
    std::string error;
    log = RoomLog::Open(data_root_, channel, log_limits_, &error);
    if (!log) return {503, "the room's log cannot be opened: " + error};
  }
  auto made = std::make_unique<Room>(channel, std::move(log), limits_.history);
  *room = made.get();
  rooms_[key] = std::move(made);
  return {};
}

Room* Hub::RoomOfChannel(const std::string& channel) {
  const auto it = rooms_.find(FoldName(channel));
  return it == rooms_.end() ? nullptr : it->second.get();
}

Room* Hub::FindRoom(const std::string& name, Outcome* outcome) {
  std::string why;
  const auto channel = RoomChannel(name, &why);
  if (!channel) {
    *outcome = {400, why};
    return nullptr;
  }
  Room* room = RoomOfChannel(*channel);
  if (room == nullptr) *outcome = {404, "there is no room " + *channel + " (join it to open it)"};
  return room;
}

Player* Hub::Authenticate(const std::string& token, int64_t now_ms) {
  if (token.empty()) return nullptr;
  const auto it = players_.find(token);
  if (it == players_.end()) return nullptr;
  it->second.last_seen_ms = now_ms;
  return &it->second;
}

Outcome Hub::Join(const std::string& name, const std::string& nick, const std::string& token, int64_t now_ms,
                  Player** joined) {
  std::string why;
  const auto channel = RoomChannel(name, &why);
  if (!channel) return {400, why};
  if (!IsValidNick(nick, &why)) return {400, why};
  Player* player = Authenticate(token, now_ms);
  const std::string folded = FoldName(nick);
  if (auto held = nicks_.find(folded); held != nicks_.end() && held->second != player)
    return {409, "the nick " + held->second->nick + " is held by another player; choose another"};
  Room* room = RoomOfChannel(*channel);
  if (room == nullptr) {
    if (player == nullptr && players_.size() >= limits_.players)
      return {503, "the server holds as many players as it can"};
    if (const Outcome opened = OpenRoom(*channel, &room); !opened.ok()) return opened;
  }
  if (player == nullptr) {
    if (players_.size() >= limits_.players) return {503, "the server holds as many players as it can"};
  }
  const bool member = player != nullptr && room->members().count(player->id) > 0;
  if (!member && room->members().size() >= limits_.players_per_room)
    return {429, room->channel() + " has " + std::to_string(limits_.players_per_room) + " players, its most"};
  if (player == nullptr) {
    const std::string secret = make_secret_();
    Player fresh;
    fresh.token = secret;
    fresh.id = make_secret_().substr(0, 16);
    fresh.last_seen_ms = now_ms;
    fresh.line_credit = limits_.line_burst;
    fresh.credit_time_ms = now_ms;
    player = &(players_[secret] = std::move(fresh));
  }
  const bool renamed = !player->nick.empty() && player->nick != nick;
  if (player->nick != nick) {
    nicks_.erase(FoldName(player->nick));
    player->nick = nick;
    nicks_[folded] = player;
  }
  player->rooms.insert(FoldName(room->channel()));
  player->last_room = room->channel();
  room->members().insert(player->id);
  *joined = player;
  if (member && !renamed) return {};
  Store(*player);
  std::vector<RoomEvent> events(1);
  events[0].kind = EventKind::kJoin;
  events[0].nick = nick;
  std::string error;
  if (!room->Publish(&events, now_ms, &error)) return {503, error};
  return {};
}

Outcome Hub::PrepareLine(Player& player, const std::string& name, const std::string& text, bool in_private,
                         int64_t now_ms, PreparedTurn* turn) {
  Outcome outcome;
  Room* room = FindRoom(name, &outcome);
  if (room == nullptr) return outcome;
  if (room->members().count(player.id) == 0) return {403, "join " + room->channel() + " first"};
  std::string cp932, why;
  const TextVerdict verdict = CheckPlayerText(text, limits_.line_bytes, &cp932, &why);
  if (verdict != TextVerdict::kOk) return {VerdictStatus(verdict), why};
  // The player's line credit: a burst, refilled at a steady rate.
  const double elapsed = static_cast<double>(std::max<int64_t>(0, now_ms - player.credit_time_ms)) / 1000.0;
  player.line_credit = std::min(limits_.line_burst, player.line_credit + elapsed * limits_.lines_per_second);
  player.credit_time_ms = now_ms;
  if (player.line_credit < 1) return {429, "too many lines at once; wait a moment"};
  player.line_credit -= 1;
  player.last_room = room->channel();
  turn->room = room->channel();
  turn->nick = player.nick;
  turn->player_id = player.id;
  turn->text = text;
  turn->in_private = in_private;
  turn->turn_nick = host::Utf8ToCp932(player.nick);
  turn->turn_channel = in_private ? turn->turn_nick : host::Utf8ToCp932(room->channel());
  turn->turn_text = cp932;
  return {};
}

Outcome Hub::PrepareLeave(Player& player, const std::string& name, PreparedTurn* turn) {
  Outcome outcome;
  Room* room = FindRoom(name, &outcome);
  if (room == nullptr) return outcome;
  if (room->members().count(player.id) == 0) return {403, "join " + room->channel() + " first"};
  turn->room = room->channel();
  turn->nick = player.nick;
  turn->player_id = player.id;
  turn->leave = true;
  turn->turn_nick = host::Utf8ToCp932(player.nick);
  turn->turn_channel = host::Utf8ToCp932(room->channel());
  return {};
}

Outcome Hub::FinishTurn(const PreparedTurn& turn, const host::TurnResult& result, int64_t now_ms,
                        std::vector<RoomEvent>* seen) {
  const TurnPlace place{turn.room, turn.nick, turn.player_id, turn.in_private};
  auto find_nick = [this](const std::string& nick, const std::string& here) -> std::optional<NickHolder> {
    const auto it = nicks_.find(FoldName(nick));
    if (it == nicks_.end()) return std::nullopt;
    const Player& holder = *it->second;
    const bool present = holder.rooms.count(FoldName(here)) > 0;
    return NickHolder{holder.id, holder.nick, present ? here : holder.last_room};
  };
  auto find_room = [this](const std::string& channel) -> std::optional<std::string> {
    Room* room = RoomOfChannel(channel);
    return room == nullptr ? std::nullopt : std::optional<std::string>(room->channel());
  };
  std::vector<std::string> dropped;
  std::vector<RoutedEvent> routed = RouteTurn(place, turn.text, result, find_nick, find_room, &dropped);
  if (turn.leave) routed.erase(routed.begin());  // no line was said
  // One batch per room, the room of the line first; the line's own room
  // must be written, or the turn is refused as a whole.
  std::vector<std::string> order;
  std::map<std::string, std::vector<RoomEvent>> batches;
  for (RoutedEvent& r : routed) {
    const std::string key = FoldName(r.room);
    if (batches.count(key) == 0) order.push_back(key);
    batches[key].push_back(std::move(r.event));
  }
  if (order.empty() || order.front() != FoldName(turn.room)) order.insert(order.begin(), FoldName(turn.room));
  const Viewer sender{turn.player_id};
  for (const std::string& key : order) {
    Room* room = RoomOfChannel(key);
    std::vector<RoomEvent>& events = batches[key];
    if (room == nullptr || events.empty()) continue;
    std::string error;
    if (!room->Publish(&events, now_ms, &error)) {
      if (key == FoldName(turn.room)) return {503, "the line could not be stored, so it was not published: " + error};
      continue;
    }
    for (const RoomEvent& event : events) {
      if (event.VisibleTo(sender) && (key == FoldName(turn.room) || event.is_private())) seen->push_back(event);
    }
  }
  return {};
}

Outcome Hub::Subscribe(const std::string& name, Player* player, uint64_t after,
                       const std::shared_ptr<EventSink>& sink) {
  Outcome outcome;
  Room* room = FindRoom(name, &outcome);
  if (room == nullptr) return outcome;
  if (streams_ >= limits_.streams) return {503, "the server has as many open streams as it can hold"};
  if (room->streams() >= limits_.streams_per_room)
    return {429, room->channel() + " has " + std::to_string(limits_.streams_per_room) + " open streams, its most"};
  if (player != nullptr && player->streams >= limits_.streams_per_player)
    return {429, "this session has " + std::to_string(limits_.streams_per_player) + " open streams, its most"};
  const bool member = player != nullptr && room->members().count(player->id) > 0;
  room->Subscribe(sink, Viewer{member ? player->id : std::string()}, after);
  ++streams_;
  if (player != nullptr) ++player->streams;
  return {};
}

void Hub::Unsubscribe(const std::string& channel, const std::string& token, const EventSink* sink) {
  Room* room = RoomOfChannel(channel);
  if (room == nullptr) return;
  const std::size_t before = room->streams();
  room->Unsubscribe(sink);
  if (room->streams() == before) return;
  --streams_;
  if (auto it = players_.find(token); it != players_.end() && it->second.streams > 0) --it->second.streams;
}

Outcome Hub::Log(const std::string& name, const Player* player, std::string* channel, std::vector<RoomEvent>* events) {
  Outcome outcome;
  Room* room = FindRoom(name, &outcome);
  if (room == nullptr) return outcome;
  const Viewer viewer{player != nullptr && room->members().count(player->id) ? player->id : std::string()};
  *channel = room->channel();
  if (room->log() == nullptr) {
    *events = room->History(viewer);
    return {};
  }
  for (RoomEvent& event : room->log()->Read()) {
    if (event.VisibleTo(viewer)) events->push_back(std::move(event));
  }
  return {};
}

Outcome Hub::Info(const std::string& name, const Player* player, RoomInfo* info) {
  Outcome outcome;
  Room* room = FindRoom(name, &outcome);
  if (room == nullptr) return outcome;
  info->room = room->channel();
  info->last_id = room->last_id();
  for (const auto& [token, p] : players_) {
    if (room->members().count(p.id)) info->players.push_back(p.nick);
  }
  std::sort(info->players.begin(), info->players.end());
  if (player != nullptr && room->members().count(player->id)) info->you = player->nick;
  return {};
}

void Hub::Forget(Player& player) {
  for (const std::string& key : player.rooms) {
    if (auto it = rooms_.find(key); it != rooms_.end()) it->second->members().erase(player.id);
  }
  nicks_.erase(FoldName(player.nick));
}

void Hub::ExpireSessions(int64_t now_ms) {
  for (auto it = players_.begin(); it != players_.end();) {
    Player& player = it->second;
    if (player.streams == 0 && now_ms - player.last_seen_ms >= limits_.idle_session_ms) {
      Forget(player);
      sessions_.Append({player.token, "", "", {}, true});
      it = players_.erase(it);
    } else {
      ++it;
    }
  }
}

}  // namespace mirado::web
