// Fuzzes what the IRC host does with the server's bytes: the line reader
// splits them (fed in two pieces, cut where the first byte says), the parser
// reads each line, and a parsed message formatted again must parse back to
// the same command and parameters. A line the bot sends never holds CR, LF
// or NUL and never exceeds the protocol's 512 bytes.
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_checks.h"
#include "irc_message.h"

namespace {

using mirado::fuzz::Require;
using mirado::irc::IrcMessage;

bool HasLineBreakOrNul(std::string_view text) {
  return text.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
}

void CheckMessage(std::string_view line) {
  const auto message = mirado::irc::ParseIrcLine(line);
  if (!message) return;
  Require(!message->command.empty(), "a parsed message without a command");
  for (std::size_t i = 0; i + 1 < message->params.size(); ++i) {
    Require(!message->params[i].empty() && message->params[i].find(' ') == std::string::npos,
            "a middle parameter that is empty or holds a space");
  }
  mirado::irc::NickOf(message->prefix);
  const auto formatted = mirado::irc::FormatIrcLine(message->command, message->params);
  if (!formatted) return;
  Require(!HasLineBreakOrNul(*formatted), "a formatted line holds CR, LF or NUL");
  Require(formatted->size() + 2 <= mirado::irc::kMaxOutgoingLine, "a formatted line is too long");
  const auto again = mirado::irc::ParseIrcLine(*formatted);
  Require(again.has_value(), "a formatted line does not parse");
  Require(again->command == message->command && again->params == message->params,
          "a formatted line parses to another message");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  CheckMessage(bytes);
  const std::size_t cut = size == 0 ? 0 : data[0] % size;
  mirado::irc::LineReader reader;
  std::string line;
  std::size_t lines = 0;
  for (std::string_view piece : {bytes.substr(0, cut), bytes.substr(cut)}) {
    reader.Append(piece);
    while (reader.Next(&line)) {
      Require(!line.empty() && line.size() <= mirado::irc::kMaxIncomingLine, "a line of the wrong size");
      Require(line.find_first_of("\r\n") == std::string::npos, "a line holds its line end");
      CheckMessage(line);
      ++lines;
    }
  }
  Require(lines <= size, "more lines than bytes");
  return 0;
}
