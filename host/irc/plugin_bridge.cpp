#include "plugin_bridge.h"

#include "irc_message.h"
#include "log.h"
#include "reply_filter.h"
#include "wire_text.h"

namespace mirado::irc {
namespace {

// Below this many bytes of text per line, a target is too long to be served.
constexpr std::size_t kMinTextBudget = 32;

}  // namespace

PluginBridge PluginBridge::ForPlugin(host::Plugin& plugin, WireCodec codec) {
  return PluginBridge(host::ChatTurn::ForPlugin(plugin), codec);
}

BridgeResult PluginBridge::Handle(const ChatMessage& message, std::size_t relay_prefix) const {
  // The chat turn cuts the line to what the plug-in reads; servers with long
  // lines (or a text that grew in conversion) cannot push it further.
  const std::string nick = codec_.ToPlugin(message.sender);
  const std::string channel = codec_.ToPlugin(message.target);
  BridgeResult result;
  Translate(turn_.Take(nick, channel, codec_.ToPlugin(message.text), message.in_channel), message, nick, channel,
            relay_prefix, &result);
  return result;
}

void PluginBridge::Translate(const host::TurnResult& turn, const ChatMessage& message, const std::string& nick,
                             const std::string& channel, std::size_t relay_prefix, BridgeResult* result) const {
  for (const std::string& why : turn.dropped) LogWarning("dropped a line of the plug-in: " + why);
  for (const host::PluginLine& line : turn.lines) {
    const host::PluginLine* reply = &line;
    // The names of this call go back in the exact bytes they came in; any
    // other target (a channel named in the command) is encoded afresh.
    std::string target = reply->target == channel ? message.target
                         : reply->target == nick  ? message.sender
                                                  : codec_.FromPlugin(reply->target);
    if (!host::IsSingleTarget(target)) {
      LogWarning("dropped a line of the plug-in: its target cannot be written in this encoding");
      continue;
    }
    const std::size_t overhead = relay_prefix + reply->command.size() + 1 + target.size() + 2;
    if (overhead + 2 + kMinTextBudget > kMaxOutgoingLine) {
      LogWarning("dropped a line of the plug-in: its target is too long");
      continue;
    }
    const std::size_t budget = kMaxOutgoingLine - 2 - overhead;
    const std::string text = host::Cp932ToUtf8(reply->text);
    if (reply->command == "PART") {
      std::vector<std::string> params = {target};
      const auto pieces = SplitForWire(codec_, text, budget);
      if (!pieces.empty()) params.push_back(pieces.front());  // a part message is never split
      if (auto formatted = FormatIrcLine("PART", params)) {
        result->lines.push_back(std::move(*formatted));
        result->parted.push_back(target);
      }
      continue;
    }
    for (const std::string& piece : SplitForWire(codec_, text, budget)) {
      if (auto formatted = FormatIrcLine("NOTICE", {target, piece})) result->lines.push_back(std::move(*formatted));
    }
  }
}

}  // namespace mirado::irc
