#include "plugin_line.h"

namespace mirado::host {
namespace {

// The next word of `rest` (up to a space), and the spaces after it skipped.
std::string_view TakeWord(std::string_view& rest) {
  const std::size_t end = rest.find(' ');
  const std::string_view word = rest.substr(0, end);
  rest = end == std::string_view::npos ? std::string_view() : rest.substr(end);
  const std::size_t next = rest.find_first_not_of(' ');
  rest = next == std::string_view::npos ? std::string_view() : rest.substr(next);
  return word;
}

}  // namespace

bool IsSingleTarget(std::string_view target) {
  if (target.empty() || target[0] == ':' || target.size() > 200) return false;
  for (const char c : target) {
    const auto b = static_cast<unsigned char>(c);
    if (b <= 0x20 || b == 0x7F || c == ',') return false;
  }
  return true;
}

bool IsChannelName(std::string_view target) {
  return target.size() >= 2 && (target[0] == '#' || target[0] == '&' || target[0] == '+' || target[0] == '!');
}

std::optional<PluginLine> ParsePluginLine(std::string_view line, std::string* why) {
  if (line.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos) {
    *why = "a line break or NUL inside the line";
    return std::nullopt;
  }
  std::string_view rest = line;
  const std::size_t first = rest.find_first_not_of(' ');
  rest = first == std::string_view::npos ? std::string_view() : rest.substr(first);
  PluginLine reply;
  for (const char c : TakeWord(rest)) reply.command.push_back(c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c);
  if (reply.command != "NOTICE" && reply.command != "PART") {
    *why = reply.command.empty() ? "an empty line" : "command " + reply.command + " is not sent";
    return std::nullopt;
  }
  const std::string_view target = rest.empty() || rest[0] == ':' ? std::string_view() : TakeWord(rest);
  if (!IsSingleTarget(target)) {
    *why = reply.command + " without a valid target";
    return std::nullopt;
  }
  reply.target = std::string(target);
  // The text is the trailing parameter (after " :"), or one more word as IRC
  // reads a last parameter without the colon; anything beyond is too much.
  if (!rest.empty() && rest[0] == ':') {
    reply.text = std::string(rest.substr(1));
  } else if (!rest.empty()) {
    reply.text = std::string(TakeWord(rest));
    if (!rest.empty()) {
      *why = reply.command + " with extra parameters";
      return std::nullopt;
    }
  }
  if (reply.command == "NOTICE" && reply.text.empty()) {
    *why = "NOTICE without text";
    return std::nullopt;
  }
  if (reply.command == "PART" && !IsChannelName(reply.target)) {
    *why = "PART of something that is no channel";
    return std::nullopt;
  }
  return reply;
}

}  // namespace mirado::host
