// The session log players download: the room's events as a readable text
// file or a standalone HTML page. Everything players and the bot wrote is
// text: the HTML form escapes it, so "<script>" in a nick or a line shows as
// those characters. Times are the server's local time.
#ifndef MIRADO_HOST_WEB_SESSION_LOG_H_
#define MIRADO_HOST_WEB_SESSION_LOG_H_

#include <string>
#include <string_view>
#include <vector>

#include "room_event.h"

namespace mirado::web {

enum class LogFormat { kText, kHtml };

std::string RenderLog(const std::string& channel, const std::vector<RoomEvent>& events, LogFormat format);

// `text` with &, <, >, " and ' written as HTML character references.
std::string EscapeHtml(std::string_view text);

// "YYYY-MM-DD HH:MM:SS" of a time in milliseconds since 1970, local time.
std::string LocalTime(int64_t time_ms);

}  // namespace mirado::web

#endif  // MIRADO_HOST_WEB_SESSION_LOG_H_
