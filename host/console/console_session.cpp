#include "console_session.h"

#include <ostream>

#include "wire_text.h"

namespace mirado::host {
namespace {

std::string Trimmed(const std::string& s) {
  const auto b = s.find_first_not_of(" \t");
  if (b == std::string::npos) return {};
  const auto e = s.find_last_not_of(" \t");
  return s.substr(b, e - b + 1);
}

bool StartsWithWord(const std::string& line, const std::string& word, std::string* argument) {
  if (line.compare(0, word.size(), word) != 0) return false;
  if (line.size() > word.size() && line[word.size()] != ' ') return false;
  *argument = Trimmed(line.substr(word.size()));
  return true;
}

}  // namespace

std::string ConsoleSession::Prompt() const { return "[" + options_.channel + "] " + options_.nick + "> "; }

std::string ConsoleSession::Readable(const PluginLine& line) {
  const std::string target = Cp932ToUtf8(line.target), text = Cp932ToUtf8(line.text);
  if (line.command == "PART") return "[" + target + "] (the bot leaves " + target + ")";
  return "[" + target + "] " + text;
}

bool ConsoleSession::HandleLine(const std::string& raw_line, std::ostream& out, std::ostream& err) {
  std::string line = StripControls(raw_line);
  std::string argument;
  if (StartsWithWord(line, "/quit", &argument)) return false;
  if (StartsWithWord(line, "/nick", &argument)) {
    if (argument.empty() || argument.find(' ') != std::string::npos) {
      err << "usage: /nick NAME" << std::endl;
    } else {
      options_.nick = argument;
    }
    return true;
  }
  if (StartsWithWord(line, "/join", &argument)) {
    if (argument.empty() || argument.find(' ') != std::string::npos) {
      err << "usage: /join #CHANNEL" << std::endl;
    } else {
      options_.channel = argument;
    }
    return true;
  }
  const std::string nick = Utf8ToCp932(options_.nick);
  const std::string channel = Utf8ToCp932(options_.channel);
  auto show = [&](const TurnResult& result) {
    if (options_.raw) {
      for (const std::string& raw : result.raw_lines) out << Cp932ToUtf8(raw) << '\n';
    } else {
      for (const PluginLine& reply : result.lines) out << Readable(reply) << '\n';
    }
    out.flush();
  };
  if (StartsWithWord(line, "/part", &argument)) {
    // As a host does when the bot leaves a channel. The console stays in the
    // channel, so what the bot forgot can be seen at once.
    if (!turn_.has_part()) err << "this plug-in has no Part" << std::endl;
    show(turn_.Leave(nick, channel));
    return true;
  }
  // Every other line is a chat turn, as on IRC: "#PART" leaves the channel,
  // a command is answered by Command, a Japanese phrase by Alias.
  show(turn_.Take(nick, channel, Utf8ToCp932(line), IsChannelName(channel)));
  return true;
}

}  // namespace mirado::host
