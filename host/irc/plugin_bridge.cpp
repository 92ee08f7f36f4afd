#include "plugin_bridge.h"

#include "irc_message.h"
#include "log.h"
#include "part_word.h"
#include "platform/platform.h"
#include "reply_filter.h"
#include "wire_text.h"

namespace mirado::irc {
namespace {

// Below this many bytes of text per line, a target is too long to be served.
constexpr std::size_t kMinTextBudget = 32;

// Longest chat line handed to the plug-in, in code page 932 bytes: the
// plug-in reads at most this much of a line anyway, and servers with long
// lines (or a text that grew in conversion) must not push it further.
constexpr std::size_t kMaxPluginText = 1023;

// `text` cut to at most `limit` bytes without splitting a double-byte character.
std::string CutCp932(std::string text, std::size_t limit) {
  if (text.size() <= limit) return text;
  text.resize(mirado::platform::CharacterPrefix(text, limit));
  return text;
}

}  // namespace

PluginBridge PluginBridge::ForPlugin(host::Plugin& plugin, WireCodec codec) {
  auto bind = [&plugin](auto method) -> Entry {
    return [&plugin, method](const std::string& n, const std::string& c, const std::string& t) {
      return (plugin.*method)(n, c, t);
    };
  };
  return PluginBridge(bind(&host::Plugin::Command), plugin.HasAlias() ? bind(&host::Plugin::Alias) : Entry(),
                      plugin.HasPart() ? bind(&host::Plugin::Part) : Entry(), codec);
}

BridgeResult PluginBridge::Handle(const ChatMessage& message, std::size_t relay_prefix) const {
  const std::string nick = codec_.ToPlugin(message.sender);
  const std::string channel = codec_.ToPlugin(message.target);
  const std::string text = CutCp932(codec_.ToPlugin(message.text), kMaxPluginText);
  BridgeResult result;
  if (message.in_channel && part_ && host::IsPartCommand(text)) {
    Translate(part_(nick, channel, text), message, nick, channel, relay_prefix, &result);
    return result;
  }
  Translate(command_(nick, channel, text), message, nick, channel, relay_prefix, &result);
  if (alias_) Translate(alias_(nick, channel, text), message, nick, channel, relay_prefix, &result);
  return result;
}

void PluginBridge::Translate(const std::vector<std::string>& replies, const ChatMessage& message,
                             const std::string& nick, const std::string& channel, std::size_t relay_prefix,
                             BridgeResult* result) const {
  for (const std::string& line : replies) {
    std::string why;
    const auto reply = ParsePluginReply(line, &why);
    if (!reply) {
      LogWarning("dropped a line of the plug-in: " + why);
      if (Verbose()) LogInfo("  the line was: " + host::Cp932ToUtf8(line));
      continue;
    }
    // The names of this call go back in the exact bytes they came in; any
    // other target (a channel named in the command) is encoded afresh.
    std::string target = reply->target == channel ? message.target
                         : reply->target == nick  ? message.sender
                                                  : codec_.FromPlugin(reply->target);
    if (!IsSingleTarget(target)) {
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
