#include "console_session.h"

#include <ostream>

#include "part_word.h"
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

std::string ConsoleSession::Readable(const std::string& line, bool raw) {
  if (raw) return line;
  const auto space = line.find(' ');
  const std::string command = line.substr(0, space);
  auto upper = command;
  for (auto& c : upper) c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 32 : c);
  if (space == std::string::npos) return line;
  const std::string rest = line.substr(space + 1);
  const auto colon = rest.find(" :");
  const std::string target = rest.substr(0, colon == std::string::npos ? rest.find(' ') : colon);
  const std::string text = colon == std::string::npos ? std::string() : rest.substr(colon + 2);
  if (upper == "NOTICE" || upper == "PRIVMSG") return "[" + target + "] " + text;
  if (upper == "PART") return "[" + target + "] (the bot leaves " + target + ")";
  return line;
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
  auto show = [&](const std::vector<std::string>& replies) {
    for (const auto& reply : replies) out << Readable(Cp932ToUtf8(reply), options_.raw) << '\n';
  };
  if (StartsWithWord(line, "/part", &argument) || IsPartCommand(Utf8ToCp932(line))) {
    // As a host does when the bot leaves a channel ("/part", or "#PART"
    // typed as on IRC). The console stays in the channel, so what the bot
    // forgot can be seen at once.
    if (plugin_.HasPart()) {
      show(plugin_.Part(nick, channel, ""));
    } else {
      err << "this plug-in has no Part" << std::endl;
    }
    out.flush();
    return true;
  }
  // Every chat line goes to Command and then to Alias, as the IRC host does.
  const std::string text = Utf8ToCp932(line);
  show(plugin_.Command(nick, channel, text));
  if (plugin_.HasAlias()) show(plugin_.Alias(nick, channel, text));
  out.flush();
  return true;
}

}  // namespace mirado::host
