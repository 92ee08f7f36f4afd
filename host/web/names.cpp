#include "names.h"

#include "player_text.h"

namespace mirado::web {
namespace {

// Text the plug-in can take, with no byte a name may not hold.
bool CleanName(std::string_view name, std::string_view forbidden, std::size_t limit, const char* what,
               std::string* why) {
  std::string cp932, reason;
  if (name.empty()) {
    *why = std::string(what) + " is empty";
    return false;
  }
  if (CheckPlayerText(name, limit, &cp932, &reason) != TextVerdict::kOk) {
    *why = std::string(what) + ": " + reason;
    return false;
  }
  for (char c : name) {
    if (c == ' ' || forbidden.find(c) != std::string_view::npos) {
      *why = std::string(what) + " may not hold \"" + std::string(1, c) + "\" or a space";
      return false;
    }
  }
  // U+3000, the ideographic space, splits words for the plug-in too.
  if (name.find("\xE3\x80\x80") != std::string_view::npos) {
    *why = std::string(what) + " may not hold a space";
    return false;
  }
  return true;
}

}  // namespace

std::optional<std::string> RoomChannel(std::string_view name, std::string* why) {
  if (!name.empty() && name[0] == '#') name.remove_prefix(1);
  std::string channel = "#" + std::string(name);
  if (name.empty()) {
    *why = "a room needs a name, like trpg";
    return std::nullopt;
  }
  if (!CleanName(channel, ",:/\\\x07", kMaxRoomName, "the room name", why)) return std::nullopt;
  return channel;
}

bool IsValidNick(std::string_view nick, std::string* why) {
  if (!CleanName(nick, ",:!@*?\\", kMaxNick, "the nick", why)) return false;
  if (std::string_view("#&+!-").find(nick[0]) != std::string_view::npos) {
    *why = "a nick may not start with \"" + std::string(1, nick[0]) + "\"";
    return false;
  }
  if (FoldName(nick) == "mirado") {
    *why = "that is the bot's name";
    return false;
  }
  return true;
}

std::string FoldName(std::string_view name) {
  std::string folded(name);
  for (char& c : folded) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return folded;
}

}  // namespace mirado::web
