#include "reply_filter.h"

#include "irc_message.h"

namespace mirado::irc {
namespace {

bool IsChannelName(std::string_view target) {
  return target.size() >= 2 && (target[0] == '#' || target[0] == '&' || target[0] == '+' || target[0] == '!');
}

// Start offsets of the UTF-8 characters of `text`, plus its end.
std::vector<std::size_t> CharacterBounds(std::string_view text) {
  std::vector<std::size_t> bounds;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) bounds.push_back(i);
  }
  bounds.push_back(text.size());
  return bounds;
}

}  // namespace

bool IsSingleTarget(std::string_view target) {
  if (target.empty() || target[0] == ':' || target.size() > 200) return false;
  for (char c : target) {
    const auto b = static_cast<unsigned char>(c);
    if (b <= 0x20 || b == 0x7F || c == ',') return false;
  }
  return true;
}

std::optional<PluginReply> ParsePluginReply(std::string_view line, std::string* why) {
  const auto message = ParseIrcLine(line);
  if (!message) {
    *why = "not an IRC line";
    return std::nullopt;
  }
  PluginReply reply;
  reply.command = message->command;
  if (reply.command != "NOTICE" && reply.command != "PART") {
    *why = "command " + reply.command + " is not sent";
    return std::nullopt;
  }
  if (message->params.empty() || !IsSingleTarget(message->params[0])) {
    *why = reply.command + " without a valid target";
    return std::nullopt;
  }
  reply.target = message->params[0];
  if (message->params.size() > 2) {
    *why = reply.command + " with extra parameters";
    return std::nullopt;
  }
  if (message->params.size() == 2) reply.text = message->params[1];
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

std::vector<std::string> SplitForWire(const WireCodec& codec, std::string_view utf8, std::size_t budget) {
  std::vector<std::string> pieces;
  std::string whole = codec.FromUtf8(utf8);
  if (whole.size() <= budget) {
    if (!whole.empty()) pieces.push_back(std::move(whole));
    return pieces;
  }
  const std::vector<std::size_t> bounds = CharacterBounds(utf8);
  std::size_t first = 0;  // index into bounds of the piece's first character
  const std::size_t last = bounds.size() - 1;
  while (first < last) {
    // The longest run of characters from `first` that fits: the encoded size
    // grows with every character, so a binary search finds it.
    std::size_t lo = first + 1, hi = last;
    auto fits = [&](std::size_t end) {
      return codec.FromUtf8(utf8.substr(bounds[first], bounds[end] - bounds[first])).size() <= budget;
    };
    if (fits(hi)) {
      lo = hi;
    } else {
      while (lo + 1 < hi) {
        const std::size_t mid = lo + (hi - lo) / 2;
        if (fits(mid))
          lo = mid;
        else
          hi = mid;
      }
    }
    std::size_t end = lo;
    if (end < last) {
      // Break after a space when there is one in the second half of the piece.
      for (std::size_t k = end; k > first + (end - first) / 2; --k) {
        if (utf8[bounds[k] - 1] == ' ') {
          end = k;
          break;
        }
      }
    }
    pieces.push_back(codec.FromUtf8(utf8.substr(bounds[first], bounds[end] - bounds[first])));
    first = end;
  }
  return pieces;
}

}  // namespace mirado::irc
