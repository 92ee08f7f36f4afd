// One chat turn, as every host takes it: a line a player said goes to the
// plug-in, and the plug-in's answer comes back as the lines a host may pass
// on. The console, the IRC bot and the web room all take their lines here,
// so the turn policy lives in one place:
//  - the line is freed of CR, LF and NUL and cut to 1023 bytes (code page
//    932, never inside a character), the most the plug-in reads of a line;
//  - in a channel, a line whose first word is #PART goes to Part alone (when
//    the library exports it): the bot clears the channel and leaves;
//  - otherwise the line goes to Command; only a line Command left unanswered
//    goes on to Alias, so one line never acts twice ("#SET MEMO=リザレクト"
//    stores the memo and does not also resurrect the speaker);
//  - of the answer, only well-formed NOTICE and PART lines are kept.
#ifndef MIRADO_HOST_CHAT_TURN_H_
#define MIRADO_HOST_CHAT_TURN_H_

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "plugin_line.h"

namespace mirado::host {

class Plugin;

// The longest line handed to the plug-in, in code page 932 bytes.
constexpr std::size_t kMaxPluginLine = 1023;

// `text` without CR, LF and NUL, cut to at most `limit` bytes of code page
// 932 without splitting a double-byte character.
std::string PluginText(const std::string& text, std::size_t limit = kMaxPluginLine);

struct TurnResult {
  // The answer's lines a host may pass on, in the order written.
  std::vector<PluginLine> lines;
  // Every non-empty line of the answer exactly as the plug-in wrote it
  // (dropped ones too), for a host that shows the raw IRC lines.
  std::vector<std::string> raw_lines;
  // The lines of the answer that were dropped, with the reason for each.
  std::vector<std::string> dropped;
  // Which entry point answered: "Command", "Alias", "Part", or empty.
  std::string answered_by;
};

class ChatTurn {
 public:
  // One entry point: nick, channel, text (code page 932) in, the non-empty
  // lines of its answer out. An empty function stands for an entry point the
  // library does not export.
  using Entry = std::function<std::vector<std::string>(const std::string&, const std::string&, const std::string&)>;

  ChatTurn(Entry command, Entry alias, Entry part)
      : command_(std::move(command)), alias_(std::move(alias)), part_(std::move(part)) {}
  // Uses a loaded library's entry points; Alias and Part only when exported.
  // The plug-in must outlive the turn.
  static ChatTurn ForPlugin(Plugin& plugin);

  bool has_part() const { return static_cast<bool>(part_); }

  // Takes one line `text` said by `nick` in `channel` (all code page 932;
  // `in_channel` when the line was said in a channel, not in a private talk).
  TurnResult Take(const std::string& nick, const std::string& channel, const std::string& text, bool in_channel) const;
  // The bot leaves `channel` (a host's own leave command): Part alone. An
  // empty result when the library exports no Part.
  TurnResult Leave(const std::string& nick, const std::string& channel) const;

 private:
  static void Keep(const std::vector<std::string>& raw, const char* entry, TurnResult* result);

  Entry command_, alias_, part_;
};

}  // namespace mirado::host

#endif  // MIRADO_HOST_CHAT_TURN_H_
