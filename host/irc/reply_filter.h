// What of the plug-in's answer may go to the server, and in what shape: only
// NOTICE and PART lines pass, each rebuilt from its parts (so nothing a player
// typed can become a command of its own) and cut to the protocol's line limit.
#ifndef MIRADO_HOST_IRC_REPLY_FILTER_H_
#define MIRADO_HOST_IRC_REPLY_FILTER_H_

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "wire_codec.h"

namespace mirado::irc {

// One line of the plug-in that may be sent. All text is code page 932.
struct PluginReply {
  std::string command;  // "NOTICE" or "PART"
  std::string target;   // a nick or channel: one word, no comma
  std::string text;     // the notice text, or the part message (may be empty)
};

// Parses one line the plug-in wrote. Returns the reply for a NOTICE (with a
// target and a non-empty text) or a PART (whose target is a channel), the
// command in any letter case; nothing for every other line, with the reason
// in `why`.
std::optional<PluginReply> ParsePluginReply(std::string_view line, std::string* why);

// True for a target that is one word the server reads as one recipient.
bool IsSingleTarget(std::string_view target);

// Cuts UTF-8 text into pieces whose wire encoding takes at most `budget`
// bytes each, only at character boundaries, preferring a space in the second
// half of a piece; returns the encoded pieces, in order. A budget too small
// for one character still yields one character per piece.
std::vector<std::string> SplitForWire(const WireCodec& codec, std::string_view utf8, std::size_t budget);

}  // namespace mirado::irc

#endif  // MIRADO_HOST_IRC_REPLY_FILTER_H_
