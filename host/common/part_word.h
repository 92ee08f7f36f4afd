// The word a player types to make the bot leave a channel: "#PART" (or
// "＃", "♯" before it; any letter case, full-width letters too) as the first
// word of a line. Both hosts hand such a line to the plug-in's Part.
#ifndef MIRADO_HOST_PART_WORD_H_
#define MIRADO_HOST_PART_WORD_H_

#include <string_view>

namespace mirado::host {

// True when the first word of a code page 932 line is the leave word.
bool IsPartCommand(std::string_view cp932);

}  // namespace mirado::host

#endif  // MIRADO_HOST_PART_WORD_H_
