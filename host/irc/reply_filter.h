// The plug-in's answer lines (host/common/plugin_line.h: only NOTICE and PART
// pass) in the shape the server takes: each rebuilt from its parts (so
// nothing a player typed can become a command of its own) and cut to the
// protocol's line limit.
#ifndef MIRADO_HOST_IRC_REPLY_FILTER_H_
#define MIRADO_HOST_IRC_REPLY_FILTER_H_

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "wire_codec.h"

namespace mirado::irc {

// Cuts UTF-8 text into pieces whose wire encoding takes at most `budget`
// bytes each, only at character boundaries, preferring a space in the second
// half of a piece; returns the encoded pieces, in order. A budget too small
// for one character still yields one character per piece.
std::vector<std::string> SplitForWire(const WireCodec& codec, std::string_view utf8, std::size_t budget);

}  // namespace mirado::irc

#endif  // MIRADO_HOST_IRC_REPLY_FILTER_H_
