#include "irc_message.h"

namespace mirado::irc {
namespace {

constexpr std::size_t kMaxMiddleParams = 14;

bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Takes the next space-separated word of `rest` and skips the spaces after it.
std::string_view TakeWord(std::string_view& rest) {
  const std::size_t end = rest.find(' ');
  std::string_view word = rest.substr(0, end);
  rest = end == std::string_view::npos ? std::string_view() : rest.substr(end);
  const std::size_t next = rest.find_first_not_of(' ');
  rest = next == std::string_view::npos ? std::string_view() : rest.substr(next);
  return word;
}

bool ValidCommand(std::string_view command) {
  if (command.empty()) return false;
  if (IsDigit(command[0])) {
    return command.size() == 3 && IsDigit(command[1]) && IsDigit(command[2]);
  }
  for (char c : command) {
    if (!IsLetter(c)) return false;
  }
  return true;
}

bool HasLineBreakOrNul(std::string_view text) { return text.find_first_of(std::string_view("\r\n\0", 3)) != text.npos; }

}  // namespace

std::optional<IrcMessage> ParseIrcLine(std::string_view line) {
  if (line.size() > kMaxIncomingLine) return std::nullopt;
  std::string_view rest = line;
  const std::size_t first = rest.find_first_not_of(' ');
  if (first == std::string_view::npos) return std::nullopt;
  rest = rest.substr(first);

  IrcMessage message;
  if (rest[0] == '@') {
    message.tags = std::string(TakeWord(rest).substr(1));
  }
  if (!rest.empty() && rest[0] == ':') {
    message.prefix = std::string(TakeWord(rest).substr(1));
    if (message.prefix.empty()) return std::nullopt;
  }
  const std::string_view command = TakeWord(rest);
  if (!ValidCommand(command)) return std::nullopt;
  message.command.reserve(command.size());
  for (char c : command) message.command.push_back(c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c);

  while (!rest.empty()) {
    if (rest[0] == ':') {
      message.params.emplace_back(rest.substr(1));
      break;
    }
    if (message.params.size() == kMaxMiddleParams) {
      message.params.emplace_back(rest);
      break;
    }
    message.params.emplace_back(TakeWord(rest));
  }
  return message;
}

std::string NickOf(std::string_view prefix) {
  const std::size_t end = prefix.find_first_of("!@");
  return std::string(prefix.substr(0, end));
}

std::optional<std::string> FormatIrcLine(std::string_view command, const std::vector<std::string>& params) {
  if (!ValidCommand(command)) return std::nullopt;
  std::string line(command);
  for (std::size_t i = 0; i < params.size(); ++i) {
    const std::string& p = params[i];
    if (HasLineBreakOrNul(p)) return std::nullopt;
    const bool last = i + 1 == params.size();
    const bool needs_trailing = p.empty() || p[0] == ':' || p.find(' ') != std::string::npos;
    if (needs_trailing && !last) return std::nullopt;
    line += ' ';
    // A last parameter is written as trailing even when it needs no colon, so
    // a text that happens to be one word is sent the same way as any other.
    if (last && (needs_trailing || params.size() > 1)) line += ':';
    line += p;
  }
  if (line.size() + 2 > kMaxOutgoingLine) return std::nullopt;
  return line;
}

void LineReader::Append(std::string_view bytes) {
  if (start_ > 0 && start_ == buffer_.size()) {
    buffer_.clear();
    start_ = 0;
  }
  buffer_.append(bytes);
}

bool LineReader::Next(std::string* line) {
  while (true) {
    const std::size_t end = buffer_.find_first_of("\r\n", start_);
    if (end == std::string::npos) {
      // No line end yet: an over-long line is dropped as it comes, so the
      // buffer never holds more than one line's worth.
      if (buffer_.size() - start_ > kMaxIncomingLine) {
        if (!discarding_) ++dropped_;
        discarding_ = true;
        buffer_.clear();
        start_ = 0;
      } else if (start_ > 0) {
        buffer_.erase(0, start_);
        start_ = 0;
      }
      return false;
    }
    const std::size_t length = end - start_;
    const std::size_t begin = start_;
    start_ = end + 1;
    if (discarding_) {
      discarding_ = false;
      continue;
    }
    if (length == 0) continue;
    if (length > kMaxIncomingLine) {
      ++dropped_;
      continue;
    }
    line->assign(buffer_, begin, length);
    return true;
  }
}

void LineReader::Clear() {
  buffer_.clear();
  start_ = 0;
  discarding_ = false;
}

}  // namespace mirado::irc
