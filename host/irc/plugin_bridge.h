// Hands chat lines to the plug-in and turns its answers into IRC lines: text
// converted between the wire encoding and code page 932, every call with a
// fresh buffer, only NOTICE and PART lines passed on.
#ifndef MIRADO_HOST_IRC_PLUGIN_BRIDGE_H_
#define MIRADO_HOST_IRC_PLUGIN_BRIDGE_H_

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "chat_turn.h"
#include "plugin_loader.h"
#include "wire_codec.h"

namespace mirado::irc {

// One PRIVMSG, as received (wire bytes).
struct ChatMessage {
  std::string sender;  // the speaker's nick
  std::string target;  // the channel, or the bot's own nick for a private message
  std::string text;
  bool in_channel = false;
};

struct BridgeResult {
  std::vector<std::string> lines;   // IRC lines to send, in order, without CR LF
  std::vector<std::string> parted;  // channels (wire bytes) the bot leaves with those lines
};

class PluginBridge {
 public:
  // One entry point: nick, channel, text (code page 932) in, the answer's
  // non-empty lines out. An empty function stands for an entry point the
  // library does not export.
  using Entry = host::ChatTurn::Entry;

  PluginBridge(Entry command, Entry alias, Entry part, WireCodec codec)
      : turn_(std::move(command), std::move(alias), std::move(part)), codec_(codec) {}
  PluginBridge(host::ChatTurn turn, WireCodec codec) : turn_(std::move(turn)), codec_(codec) {}
  // Uses the loaded library's entry points; Alias and Part only when exported.
  static PluginBridge ForPlugin(host::Plugin& plugin, WireCodec codec);

  bool has_part() const { return turn_.has_part(); }
  const WireCodec& codec() const { return codec_; }

  // Runs one chat line as a chat turn (host/common/chat_turn.h): Command,
  // and Alias when Command left it unanswered; or Part alone for a channel
  // line whose first word is #PART (when the library exports Part), so the
  // plug-in clears the channel and the bot leaves it. `relay_prefix` is the
  // length of the source the server puts before the bot's lines when it
  // passes them on (":nick!user@host "), which counts against the limit.
  BridgeResult Handle(const ChatMessage& message, std::size_t relay_prefix) const;

 private:
  void Translate(const host::TurnResult& turn, const ChatMessage& message, const std::string& nick,
                 const std::string& channel, std::size_t relay_prefix, BridgeResult* result) const;

  host::ChatTurn turn_;
  WireCodec codec_;
};

}  // namespace mirado::irc

#endif  // MIRADO_HOST_IRC_PLUGIN_BRIDGE_H_
