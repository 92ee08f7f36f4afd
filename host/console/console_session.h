// The console host's session: who speaks where, and what a typed line does.
#ifndef MIRADO_HOST_CONSOLE_SESSION_H_
#define MIRADO_HOST_CONSOLE_SESSION_H_

#include <iosfwd>
#include <string>

#include "plugin_loader.h"

namespace mirado::host {

struct ConsoleOptions {
  std::string nick = "player";
  std::string channel = "#trpg";
  bool raw = false;  // print the IRC lines as the plug-in wrote them
};

class ConsoleSession {
 public:
  ConsoleSession(Plugin& plugin, ConsoleOptions options) : plugin_(plugin), options_(std::move(options)) {}

  // Handles one typed UTF-8 line: a console command (/nick NAME, /join #CH,
  // /part, /quit) or a chat line for the plug-in (through Command, then
  // Alias), whose answers go to `out`.
  // Returns false when the session should end.
  bool HandleLine(const std::string& line, std::ostream& out, std::ostream& err);
  std::string Prompt() const;

  // How one IRC line of the plug-in is shown: "[#trpg] taro -> ..." for a
  // NOTICE, "[#trpg] (leaves the channel)" for a PART, the line itself for
  // anything else or in raw mode.
  static std::string Readable(const std::string& irc_line_utf8, bool raw);

 private:
  Plugin& plugin_;
  ConsoleOptions options_;
};

}  // namespace mirado::host

#endif  // MIRADO_HOST_CONSOLE_SESSION_H_
