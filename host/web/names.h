// The names of the web room: a room is a channel to the plug-in and follows
// an IRC channel name's rules; a nick follows an IRC nick's. Both are UTF-8
// at the web and must be written in code page 932 for the plug-in. Names
// are compared without letter case (ASCII), as IRC servers compare them.
#ifndef MIRADO_HOST_WEB_NAMES_H_
#define MIRADO_HOST_WEB_NAMES_H_

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace mirado::web {

// Longest room name and nick, in code page 932 bytes ('#' included).
constexpr std::size_t kMaxRoomName = 50;
constexpr std::size_t kMaxNick = 32;

// The channel of a room named in a URL (percent-decoded): "trpg" or
// "#trpg" both name "#trpg". Nothing, with the reason in `why`, for a name
// that is empty, too long, not code page 932 text, or holds a space,
// comma, colon, slash, control character or BEL.
std::optional<std::string> RoomChannel(std::string_view name, std::string* why);

// True for a nick: 1 to kMaxNick bytes in code page 932, no space, comma,
// colon, '!', '@', '*', '?', backslash or control character, not starting with a
// channel prefix ('#', '&', '+', '!') or '-', and not the bot's own name.
bool IsValidNick(std::string_view nick, std::string* why);

// The form two names are compared in: ASCII letters in lower case.
std::string FoldName(std::string_view name);

}  // namespace mirado::web

#endif  // MIRADO_HOST_WEB_NAMES_H_
