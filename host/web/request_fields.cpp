#include "request_fields.h"

#include <boost/json.hpp>

namespace mirado::web {
namespace json = boost::json;

namespace {

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Percent-decodes `text` ('+' as a space in a query); nothing for a broken
// escape or a NUL.
std::optional<std::string> Decode(std::string_view text, bool query) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c == '%') {
      if (i + 2 >= text.size()) return std::nullopt;
      const int high = HexValue(text[i + 1]), low = HexValue(text[i + 2]);
      if (high < 0 || low < 0) return std::nullopt;
      c = static_cast<char>(high * 16 + low);
      i += 2;
    } else if (c == '+' && query) {
      c = ' ';
    }
    if (c == '\0') return std::nullopt;
    out += c;
  }
  return out;
}

std::string_view TrimSpaces(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

}  // namespace

std::optional<Target> ParseTarget(std::string_view target) {
  if (target.empty() || target[0] != '/') return std::nullopt;
  Target out;
  const std::size_t mark = target.find('?');
  std::string_view path = target.substr(0, mark);
  if (mark != std::string_view::npos) {
    std::string_view query = target.substr(mark + 1);
    while (!query.empty()) {
      const std::size_t amp = query.find('&');
      const std::string_view pair = query.substr(0, amp);
      query = amp == std::string_view::npos ? std::string_view() : query.substr(amp + 1);
      if (pair.empty()) continue;
      const std::size_t eq = pair.find('=');
      auto name = Decode(pair.substr(0, eq), true);
      auto value = Decode(eq == std::string_view::npos ? std::string_view() : pair.substr(eq + 1), true);
      if (!name || !value) return std::nullopt;
      out.query[*name] = *value;
    }
  }
  path.remove_prefix(1);
  while (!path.empty()) {
    const std::size_t slash = path.find('/');
    auto segment = Decode(path.substr(0, slash), false);
    if (!segment || segment->empty() || *segment == "." || *segment == ".." || segment->find('/') != std::string::npos)
      return std::nullopt;
    out.path.push_back(std::move(*segment));
    if (slash == std::string_view::npos) break;
    path.remove_prefix(slash + 1);
    if (path.empty()) break;  // a trailing slash
  }
  return out;
}

std::string CookieValue(std::string_view header, std::string_view name) {
  while (!header.empty()) {
    const std::size_t semi = header.find(';');
    const std::string_view pair = TrimSpaces(header.substr(0, semi));
    header = semi == std::string_view::npos ? std::string_view() : header.substr(semi + 1);
    const std::size_t eq = pair.find('=');
    if (eq != std::string_view::npos && TrimSpaces(pair.substr(0, eq)) == name)
      return std::string(TrimSpaces(pair.substr(eq + 1)));
  }
  return {};
}

std::string BearerToken(std::string_view authorization) {
  authorization = TrimSpaces(authorization);
  constexpr std::string_view kScheme = "Bearer ";
  if (authorization.size() <= kScheme.size()) return {};
  for (std::size_t i = 0; i < kScheme.size(); ++i) {
    const char a = authorization[i], b = kScheme[i];
    if ((a | 0x20) != (b | 0x20)) return {};
  }
  return std::string(TrimSpaces(authorization.substr(kScheme.size())));
}

std::optional<uint64_t> ParseEventId(std::string_view text) {
  text = TrimSpaces(text);
  if (text.empty() || text.size() > 19) return std::nullopt;
  uint64_t value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + static_cast<uint64_t>(c - '0');
  }
  return value;
}

std::optional<json::object> ReadJsonObject(std::string_view body, std::string* why) {
  json::error_code ec;
  json::parse_options options;
  options.max_depth = 8;
  json::value value = json::parse(body, ec, {}, options);
  if (ec) {
    *why = "the body is not JSON: " + ec.message();
    return std::nullopt;
  }
  if (!value.is_object()) {
    *why = "the body must be a JSON object";
    return std::nullopt;
  }
  return std::move(value.get_object());
}

bool StringMember(const json::object& object, const char* name, bool required, std::string* value, std::string* why) {
  const json::value* v = object.if_contains(name);
  if (v == nullptr) {
    if (required) *why = std::string("the body needs \"") + name + "\"";
    return !required;
  }
  if (!v->is_string()) {
    *why = std::string("\"") + name + "\" must be a string";
    return false;
  }
  *value = std::string(v->get_string());
  return true;
}

bool BoolMember(const json::object& object, const char* name, bool* value, std::string* why) {
  const json::value* v = object.if_contains(name);
  *value = false;
  if (v == nullptr) return true;
  if (!v->is_bool()) {
    *why = std::string("\"") + name + "\" must be true or false";
    return false;
  }
  *value = v->get_bool();
  return true;
}

}  // namespace mirado::web
