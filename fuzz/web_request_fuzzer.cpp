// Fuzzes what the web host does with a client's bytes: Beast's request
// parser with the server's limits (fed in two pieces, cut where the first
// byte says), then the web host's readers of the target, cookies, bearer
// token, resume id and JSON body, the check of a player's line, and the room
// log's event reader. A line the check lets through must reach the plug-in
// unchanged: its code page 932 bytes convert back to the very same text.
#include <boost/beast/http/parser.hpp>
#include <boost/beast/http/string_body.hpp>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_checks.h"
#include "player_text.h"
#include "request_fields.h"
#include "room_event.h"
#include "wire_text.h"

namespace {

namespace http = boost::beast::http;
using mirado::fuzz::Require;
namespace web = mirado::web;

void CheckTarget(std::string_view target) {
  const auto parsed = web::ParseTarget(target);
  if (!parsed) return;
  for (const std::string& segment : parsed->path) {
    Require(!segment.empty() && segment != "." && segment != ".." && segment.find('/') == std::string::npos,
            "a path segment that could walk the file system");
    Require(segment.find('\0') == std::string::npos, "a NUL in a path segment");
  }
}

void CheckLine(const std::string& text) {
  std::string cp932, why;
  const auto verdict = web::CheckPlayerText(text, 1023, &cp932, &why);
  if (verdict != web::TextVerdict::kOk) {
    Require(!why.empty() && web::VerdictStatus(verdict) >= 400, "a refusal without a reason or status");
    return;
  }
  Require(cp932.size() <= 1023, "a line longer than the plug-in reads");
  Require(mirado::host::Cp932ToUtf8(cp932) == text, "a line that would reach the plug-in changed");
  Require(cp932.find_first_of(std::string_view("\r\n\0", 3)) == std::string::npos, "a control byte let through");
}

void CheckBody(std::string_view body) {
  std::string why, text;
  bool flag = false;
  if (auto object = web::ReadJsonObject(body, &why)) {
    if (web::StringMember(*object, "text", true, &text, &why)) CheckLine(text);
    web::StringMember(*object, "nick", false, &text, &why);
    web::BoolMember(*object, "private", &flag, &why);
  } else {
    Require(!why.empty(), "a refused body without a reason");
  }
  if (auto event = web::ParseEventJson(body)) {
    const auto again = web::ParseEventJson(web::EventJson(*event, true));
    Require(again && again->id == event->id && again->text == event->text && again->to_player == event->to_player,
            "an event read from the log does not read back the same");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  CheckTarget(bytes);
  CheckBody(bytes);
  http::request_parser<http::string_body> parser;
  parser.header_limit(web::kMaxRequestHead);
  parser.body_limit(web::kMaxRequestBody);
  parser.eager(true);
  const std::size_t cut = size == 0 ? 0 : data[0] % size;
  boost::beast::error_code ec;
  std::string pending;
  for (std::string_view piece : {bytes.substr(0, cut), bytes.substr(cut)}) {
    pending += piece;
    while (!pending.empty() && !parser.is_done()) {
      const std::size_t used = parser.put(boost::asio::buffer(pending), ec);
      pending.erase(0, used);
      if (ec == http::error::need_more) {
        ec = {};
        break;
      }
      if (ec) return 0;
      if (used == 0) break;
    }
  }
  if (!parser.is_done()) return 0;
  const auto& request = parser.get();
  Require(request.body().size() <= web::kMaxRequestBody, "a body over the limit was taken");
  CheckTarget(request.target());
  web::CookieValue(request[http::field::cookie], "mirado_session");
  const std::string token = web::BearerToken(request[http::field::authorization]);
  Require(token.empty() || (token.front() != ' ' && token.back() != ' '), "a token with spaces around it");
  if (auto id = web::ParseEventId(request["Last-Event-ID"])) {
    Require(std::to_string(*id).size() <= 19, "an id out of range");
  }
  CheckBody(request.body());
  return 0;
}
