// IRC protocol lines: parsing what the server sends and formatting what the
// bot sends, so that no text can ever turn into a command of its own.
#ifndef MIRADO_HOST_IRC_IRC_MESSAGE_H_
#define MIRADO_HOST_IRC_IRC_MESSAGE_H_

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace mirado::irc {

// Longest line accepted from the server, without CR LF: 512 bytes of message
// plus the 8191 bytes that message tags may add in front of it.
constexpr std::size_t kMaxIncomingLine = 8191 + 512;
// A line the bot sends, CR LF included, may not exceed this.
constexpr std::size_t kMaxOutgoingLine = 512;

struct IrcMessage {
  std::string tags;                 // message tags without the leading '@' (not interpreted)
  std::string prefix;               // source without the leading ':', empty when absent
  std::string command;              // upper-cased word, or a three-digit numeric
  std::vector<std::string> params;  // the trailing parameter, if any, is the last one
};

// Parses one line (without its CR LF). Returns nothing for a malformed line:
// empty or blank, an empty source, tags or a source with no command after them, a command that
// is neither letters nor three digits, or a line longer than kMaxIncomingLine.
// Runs of spaces between parameters count as one; after 14 middle parameters
// the rest of the line is the last parameter, as the protocol defines.
std::optional<IrcMessage> ParseIrcLine(std::string_view line);

// The nick of a source "nick!user@host" (or the whole source when it is a
// server name).
std::string NickOf(std::string_view prefix);

// Builds "COMMAND p1 p2 :last" (no CR LF). Returns nothing when a parameter
// holds CR, LF or NUL, when a middle parameter is empty, holds a space or
// starts with ':', or when the line with CR LF would exceed kMaxOutgoingLine.
// The last parameter is always written as a trailing one when it may need it.
std::optional<std::string> FormatIrcLine(std::string_view command, const std::vector<std::string>& params);

// Splits the byte stream from the server into lines. CR and LF both end a
// line (empty lines are skipped). A line longer than kMaxIncomingLine is
// dropped whole, up to its end, and counted in dropped().
class LineReader {
 public:
  void Append(std::string_view bytes);
  // Takes the next complete line; false when none is complete yet.
  bool Next(std::string* line);
  std::size_t dropped() const { return dropped_; }
  void Clear();

 private:
  std::string buffer_;
  std::size_t start_ = 0;    // first unread byte of buffer_
  bool discarding_ = false;  // inside an over-long line
  std::size_t dropped_ = 0;
};

}  // namespace mirado::irc

#endif  // MIRADO_HOST_IRC_IRC_MESSAGE_H_
