// The console host's session: who speaks where, and what a typed line does.
#ifndef MIRADO_HOST_CONSOLE_SESSION_H_
#define MIRADO_HOST_CONSOLE_SESSION_H_

#include <iosfwd>
#include <string>

#include "chat_turn.h"
#include "plugin_loader.h"

namespace mirado::host {

struct ConsoleOptions {
  std::string nick = "player";
  std::string channel = "#trpg";
  bool raw = false;  // print the IRC lines as the plug-in wrote them
};

class ConsoleSession {
 public:
  ConsoleSession(Plugin& plugin, ConsoleOptions options)
      : turn_(ChatTurn::ForPlugin(plugin)), options_(std::move(options)) {}
  // With entry points of the caller's (tests).
  ConsoleSession(ChatTurn turn, ConsoleOptions options) : turn_(std::move(turn)), options_(std::move(options)) {}

  // Handles one typed UTF-8 line: a console command (/nick NAME, /join #CH,
  // /part, /quit) or a chat line for the plug-in (one chat turn, as every
  // host takes it), whose answers go to `out`.
  // Returns false when the session should end.
  bool HandleLine(const std::string& line, std::ostream& out, std::ostream& err);
  std::string Prompt() const;

  // How one line of the plug-in is shown (UTF-8): "[#trpg] taro -> ..." for
  // a NOTICE, "[#trpg] (the bot leaves #trpg)" for a PART. In raw mode the
  // session prints the IRC lines as the plug-in wrote them instead.
  static std::string Readable(const PluginLine& line);

 private:
  ChatTurn turn_;
  ConsoleOptions options_;
};

}  // namespace mirado::host

#endif  // MIRADO_HOST_CONSOLE_SESSION_H_
