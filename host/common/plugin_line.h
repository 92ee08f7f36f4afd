// The lines the plug-in writes into its buffer, read the way every host reads
// them: only a NOTICE with a target and a text, or a PART of a channel, may
// be passed on; anything else is dropped with a reason.
#ifndef MIRADO_HOST_PLUGIN_LINE_H_
#define MIRADO_HOST_PLUGIN_LINE_H_

#include <optional>
#include <string>
#include <string_view>

namespace mirado::host {

// One line of the plug-in that a host may pass on. All text is code page 932.
struct PluginLine {
  std::string command;  // "NOTICE" or "PART", upper case
  std::string target;   // a nick or channel: one word, no comma, no control byte
  std::string text;     // the notice text, or the part message (may be empty)

  bool operator==(const PluginLine&) const = default;
};

// Parses one line of the plug-in's answer: "COMMAND target :text", the
// command word in any letter case. Returns the line for a NOTICE with a
// target and a non-empty text, or a PART whose target is a channel; nothing
// for every other line (other commands, extra words, a list of targets, a
// line break or NUL anywhere), with the reason in `why`.
std::optional<PluginLine> ParsePluginLine(std::string_view line, std::string* why);

// True for a target that is one word a server reads as one recipient: not
// empty, at most 200 bytes, no space, control byte, comma or leading colon.
bool IsSingleTarget(std::string_view target);
// True for a channel name: '#', '&', '+' or '!' and at least one more byte.
bool IsChannelName(std::string_view target);

}  // namespace mirado::host

#endif  // MIRADO_HOST_PLUGIN_LINE_H_
