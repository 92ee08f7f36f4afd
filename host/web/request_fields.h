// Reading the parts of an HTTP request the web room looks at: the target
// (path segments and query, percent-decoded), the session cookie, the bearer
// token, the resume id and the JSON body. Pure functions of their text, so
// the fuzz target drives them with any bytes. None throws.
#ifndef MIRADO_HOST_WEB_REQUEST_FIELDS_H_
#define MIRADO_HOST_WEB_REQUEST_FIELDS_H_

#include <boost/json/object.hpp>
#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace mirado::web {

// The most a request's head and body may hold (413 past either).
constexpr std::size_t kMaxRequestHead = 8 * 1024;
constexpr std::size_t kMaxRequestBody = 8 * 1024;

struct Target {
  std::vector<std::string> path;             // "/api/v1/rooms/trpg" -> api, v1, rooms, trpg
  std::map<std::string, std::string> query;  // the last value of each name
};

// Nothing for a target that is not an absolute path ("/..."), or holds a
// malformed or NUL percent escape, or an empty or dot segment.
std::optional<Target> ParseTarget(std::string_view target);

// The value of cookie `name` in a Cookie header; empty when absent.
std::string CookieValue(std::string_view header, std::string_view name);
// The token of "Authorization: Bearer TOKEN"; empty for any other form.
std::string BearerToken(std::string_view authorization);
// A decimal event id (Last-Event-ID, ?after=); nothing for other text.
std::optional<uint64_t> ParseEventId(std::string_view text);

// The body as a JSON object; nothing, with the reason in `why`, for any
// other text.
std::optional<boost::json::object> ReadJsonObject(std::string_view body, std::string* why);
// Member `name` as a string; false (and `why`) when it is missing and
// `required`, or is not a string.
bool StringMember(const boost::json::object& object, const char* name, bool required, std::string* value,
                  std::string* why);
// Member `name` as true or false (false when missing); false (and `why`)
// when it is not a boolean.
bool BoolMember(const boost::json::object& object, const char* name, bool* value, std::string* why);

}  // namespace mirado::web

#endif  // MIRADO_HOST_WEB_REQUEST_FIELDS_H_
