#include "web_api.h"

#include <boost/beast/http/field.hpp>
#include <boost/json.hpp>

#include "names.h"
#include "player_text.h"
#include "request_fields.h"
#include "secrets.h"
#include "session_log.h"
#include "static_assets.h"

namespace mirado::web {
namespace http = boost::beast::http;
namespace json = boost::json;

namespace {

constexpr char kSessionCookie[] = "mirado_session";
constexpr char kKeyCookie[] = "mirado_key";

// What the page may load and run: only this server's own files; no inline
// script, so markup that ever slipped into the page could not run.
constexpr char kPolicy[] =
    "default-src 'none'; script-src 'self'; style-src 'self'; img-src 'self' data:; connect-src 'self'; "
    "base-uri 'none'; form-action 'self'; frame-ancestors 'none'";

Response Make(http::status status, std::string_view type, std::string body) {
  Response response(status, 11);
  response.set(http::field::content_type, type);
  response.set(http::field::cache_control, "no-store");
  response.set("X-Content-Type-Options", "nosniff");
  response.set("Referrer-Policy", "no-referrer");
  response.set("Content-Security-Policy", kPolicy);
  response.body() = std::move(body);
  return response;
}

Response Json(const json::value& value, int status = 200) {
  return Make(static_cast<http::status>(status), "application/json; charset=utf-8", json::serialize(value) + "\n");
}

Response Error(int status, const std::string& message) {
  json::object o;
  o["error"] = message;
  return Json(o, status);
}

Response Error(const Outcome& outcome) { return Error(outcome.status, outcome.error); }

json::value EventValue(const RoomEvent& event) { return EventObject(event, false); }

json::array EventList(const std::vector<RoomEvent>& events, std::size_t from) {
  json::array list;
  for (std::size_t i = from; i < events.size(); ++i) list.push_back(EventValue(events[i]));
  return list;
}

std::string Header(const Request& request, http::field field) { return std::string(request[field]); }

// "name=value; HttpOnly; SameSite=Strict; Path=/" for a secret cookie.
std::string SecretCookie(const char* name, const std::string& value) {
  return std::string(name) + "=" + value + "; HttpOnly; SameSite=Strict; Path=/";
}

// A filename* value (RFC 5987) for a room's log.
std::string LogFileName(const std::string& channel, const std::string& extension) {
  static const char kHex[] = "0123456789ABCDEF";
  std::string name = "mirado-" + channel.substr(1) + "-log." + extension, out;
  for (unsigned char c : name) {
    if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' || c == '.' || c == '_')
      out += static_cast<char>(c);
    else
      out += {'%', kHex[c >> 4], kHex[c & 15]};
  }
  return "attachment; filename=\"mirado-log." + extension + "\"; filename*=UTF-8''" + out;
}

}  // namespace

// Who is asking: the table key or a session, and from where.
struct WebApi::Caller {
  Target target;
  bool keyed = false;        // the table key was given
  bool key_in_url = false;   // ... in the URL (the page then keeps it in a cookie)
  std::string token;         // the session token given, valid or not
  Player* player = nullptr;  // its session, when valid
};

WebApi::WebApi(Hub& hub, PluginWorker& worker, std::string key, std::function<int64_t()> now_ms)
    : hub_(hub), worker_(worker), key_(std::move(key)), now_ms_(std::move(now_ms)) {}

void WebApi::Handle(const Request& request, const std::shared_ptr<Exchange>& exchange) {
  auto target = ParseTarget(request.target());
  if (!target) return exchange->Respond(Error(400, "the request's path cannot be read"));
  Caller caller;
  caller.target = std::move(*target);
  const std::string cookies = Header(request, http::field::cookie);
  const auto query_key = caller.target.query.find("key");
  caller.key_in_url = query_key != caller.target.query.end() && SecretsEqual(query_key->second, key_);
  caller.keyed = caller.key_in_url || SecretsEqual(std::string(request["X-Mirado-Key"]), key_) ||
                 SecretsEqual(CookieValue(cookies, kKeyCookie), key_);
  caller.token = BearerToken(Header(request, http::field::authorization));
  if (caller.token.empty()) caller.token = CookieValue(cookies, kSessionCookie);
  caller.player = hub_.Authenticate(caller.token, now_ms_());

  const std::vector<std::string>& path = caller.target.path;
  const bool get = request.method() == http::verb::get || request.method() == http::verb::head;
  if (path.empty() && get) return Page(request, caller, exchange);
  if (path.size() == 1 && path[0] == "healthz" && get) {
    return exchange->Respond(Make(http::status::ok, "text/plain; charset=utf-8", "ok\n"));
  }
  if (path.size() == 2 && path[0] == "assets" && get) {
    const StaticAsset* asset = FindAsset(path[1]);
    if (asset == nullptr || path[1] == "index.html") return exchange->Respond(Error(404, "no such file"));
    return exchange->Respond(Make(http::status::ok, asset->content_type, std::string(asset->body)));
  }
  if (path.size() < 4 || path[0] != "api" || path[1] != "v1" || path[2] != "rooms" || path.size() > 5)
    return exchange->Respond(Error(404, "no such page; the API is under /api/v1/rooms/ROOM/"));
  if (!caller.keyed && caller.player == nullptr)
    return exchange->Respond(Error(401, "this needs the table key (the URL the server printed) or a session"));
  HandleRoom(request, caller, path[3], path.size() == 5 ? path[4] : std::string(), exchange);
}

void WebApi::HandleRoom(const Request& request, const Caller& caller, const std::string& room,
                        const std::string& action, const std::shared_ptr<Exchange>& exchange) {
  const bool post = request.method() == http::verb::post;
  if (post) {
    // Only this server's page, or a program, can change anything: a form or
    // script of another site can send neither JSON without asking first nor
    // this server's origin.
    const std::string type = Header(request, http::field::content_type);
    if (type.rfind("application/json", 0) != 0)
      return exchange->Respond(Error(415, "send the body as application/json"));
    const std::string origin = Header(request, http::field::origin);
    const std::string host = Header(request, http::field::host);
    if (!origin.empty() && origin != "http://" + host && origin != "https://" + host)
      return exchange->Respond(Error(403, "requests from another site are refused"));
    if (request["Sec-Fetch-Site"] == "cross-site")
      return exchange->Respond(Error(403, "requests from another site are refused"));
    if (!IsValidUtf8(request.body())) return exchange->Respond(Error(400, "the body is not valid UTF-8"));
  }
  const bool get = request.method() == http::verb::get;
  if (post && action == "join") return Join(request, caller, room, exchange);
  if (post && action == "lines") return Line(request, caller, room, exchange);
  if (post && action == "part") return Leave(caller, room, exchange);
  if (get && action == "events") return Events(request, caller, room, exchange);
  if (get && action == "log") {
    const auto format = caller.target.query.find("format");
    return Log(caller, room, format == caller.target.query.end() ? "text" : format->second, exchange);
  }
  if (get && action.empty()) {
    RoomInfo info;
    const Outcome outcome = hub_.Info(room, caller.player, &info);
    if (!outcome.ok()) return exchange->Respond(Error(outcome));
    json::object o;
    o["room"] = info.room;
    o["last_event_id"] = info.last_id;
    json::array players;
    for (const std::string& nick : info.players) players.push_back(json::string(nick));
    o["players"] = std::move(players);
    o["you"] = info.you.empty() ? json::value(nullptr) : json::value(info.you);
    return exchange->Respond(Json(o));
  }
  exchange->Respond(Error(post || get ? 404 : 405, "no such call: " + std::string(request.method_string()) + " " +
                                                       (action.empty() ? "ROOM" : "ROOM/" + action)));
}

void WebApi::Join(const Request& request, const Caller& caller, const std::string& room,
                  const std::shared_ptr<Exchange>& exchange) {
  std::string why, nick;
  auto body = ReadJsonObject(request.body(), &why);
  if (!body || !StringMember(*body, "nick", true, &nick, &why)) return exchange->Respond(Error(400, why));
  Player* player = nullptr;
  const Outcome outcome = hub_.Join(room, nick, caller.token, now_ms_(), &player);
  if (!outcome.ok()) return exchange->Respond(Error(outcome));
  RoomInfo info;
  hub_.Info(room, player, &info);
  json::object o;
  o["token"] = player->token;
  o["nick"] = player->nick;
  o["room"] = info.room;
  o["last_event_id"] = info.last_id;
  Response response = Json(o);
  response.set(http::field::set_cookie, SecretCookie(kSessionCookie, player->token));
  exchange->Respond(std::move(response));
}

void WebApi::Line(const Request& request, const Caller& caller, const std::string& room,
                  const std::shared_ptr<Exchange>& exchange) {
  if (caller.player == nullptr) return exchange->Respond(Error(401, "join the room first (no valid session)"));
  std::string why, text;
  bool in_private = false;
  auto body = ReadJsonObject(request.body(), &why);
  if (!body || !StringMember(*body, "text", true, &text, &why) || !BoolMember(*body, "private", &in_private, &why))
    return exchange->Respond(Error(400, why));
  PreparedTurn turn;
  const Outcome outcome = hub_.PrepareLine(*caller.player, room, text, in_private, now_ms_(), &turn);
  if (!outcome.ok()) return exchange->Respond(Error(outcome));
  Submit(
      turn,
      [turn](const host::ChatTurn& chat) {
        return chat.Take(turn.turn_nick, turn.turn_channel, turn.turn_text, !turn.in_private);
      },
      [](const std::vector<RoomEvent>& seen) {
        json::object o;
        o["line"] = EventValue(seen.front());
        o["answers"] = EventList(seen, 1);
        return o;
      },
      exchange);
}

void WebApi::Leave(const Caller& caller, const std::string& room, const std::shared_ptr<Exchange>& exchange) {
  if (caller.player == nullptr) return exchange->Respond(Error(401, "join the room first (no valid session)"));
  PreparedTurn turn;
  const Outcome outcome = hub_.PrepareLeave(*caller.player, room, &turn);
  if (!outcome.ok()) return exchange->Respond(Error(outcome));
  Submit(
      turn, [turn](const host::ChatTurn& chat) { return chat.Leave(turn.turn_nick, turn.turn_channel); },
      [](const std::vector<RoomEvent>& seen) {
        json::object o;
        o["events"] = EventList(seen, 0);
        return o;
      },
      exchange);
}

void WebApi::Submit(const PreparedTurn& turn, std::function<host::TurnResult(const host::ChatTurn&)> call,
                    std::function<boost::json::object(const std::vector<RoomEvent>&)> answer,
                    const std::shared_ptr<Exchange>& exchange) {
  ++turns_in_flight_;
  worker_.Submit(std::move(call), [this, turn, answer = std::move(answer), exchange](host::TurnResult result) {
    --turns_in_flight_;
    std::vector<RoomEvent> seen;
    const Outcome finished = hub_.FinishTurn(turn, result, now_ms_(), &seen);
    if (!finished.ok()) return exchange->Respond(Error(finished));
    exchange->Respond(Json(answer(seen)));
  });
}

void WebApi::Events(const Request& request, const Caller& caller, const std::string& room,
                    const std::shared_ptr<Exchange>& exchange) {
  uint64_t after = 0;
  const std::string last = std::string(request["Last-Event-ID"]);
  const auto query = caller.target.query.find("after");
  if (!last.empty() || query != caller.target.query.end()) {
    const auto id = ParseEventId(last.empty() ? query->second : last);
    if (!id) return exchange->Respond(Error(400, "Last-Event-ID and after take an event number"));
    after = *id;
  }
  std::shared_ptr<EventSink> sink = exchange->PrepareStream();
  const Outcome outcome = hub_.Subscribe(room, caller.player, after, sink);
  if (!outcome.ok()) return exchange->Respond(Error(outcome));
  std::string why;
  exchange->StartStream(*RoomChannel(room, &why), caller.player ? caller.player->token : std::string());
}

void WebApi::Log(const Caller& caller, const std::string& room, const std::string& format,
                 const std::shared_ptr<Exchange>& exchange) {
  if (format != "text" && format != "html") return exchange->Respond(Error(400, "format is text or html"));
  std::string channel;
  std::vector<RoomEvent> events;
  const Outcome outcome = hub_.Log(room, caller.player, &channel, &events);
  if (!outcome.ok()) return exchange->Respond(Error(outcome));
  const bool html = format == "html";
  Response response = Make(http::status::ok, html ? "text/html; charset=utf-8" : "text/plain; charset=utf-8",
                           RenderLog(channel, events, html ? LogFormat::kHtml : LogFormat::kText));
  response.set(http::field::content_disposition, LogFileName(channel, html ? "html" : "txt"));
  exchange->Respond(std::move(response));
}

void WebApi::Page(const Request& request, const Caller& caller, const std::shared_ptr<Exchange>& exchange) {
  (void)request;
  if (!caller.keyed) {
    Response response = Make(http::status::unauthorized, "text/html; charset=utf-8",
                             "<!DOCTYPE html><meta charset=\"utf-8\"><title>Mirado</title><p>This room needs its "
                             "table key: open the link the server printed (it ends in <code>?key=...</code>).</p>\n");
    return exchange->Respond(std::move(response));
  }
  const StaticAsset* page = FindAsset("index.html");
  Response response = Make(http::status::ok, page->content_type, std::string(page->body));
  if (caller.key_in_url) response.set(http::field::set_cookie, SecretCookie(kKeyCookie, key_));
  exchange->Respond(std::move(response));
}

}  // namespace mirado::web
