// The IRC conversation of the bot on one connection after another:
// registration with a fallback nick, answering PING, joining its channels
// (again after every reconnect), following INVITE, and handing PRIVMSG lines
// to the plug-in. It does no I/O itself: it reads parsed messages and queues
// the lines to send, so the bot loop decides when they go out.
#ifndef MIRADO_HOST_IRC_IRC_SESSION_H_
#define MIRADO_HOST_IRC_IRC_SESSION_H_

#include <cstddef>
#include <string>
#include <vector>

#include "config.h"
#include "irc_message.h"
#include "outbound_queue.h"
#include "plugin_bridge.h"

namespace mirado::irc {

// Channels the bot follows an INVITE into and remembers across reconnects,
// besides the configured ones (which are always kept). An invite beyond
// this is refused, so an invite flood cannot make the bot join without end.
constexpr std::size_t kMaxInvitedChannels = 30;

class IrcSession {
 public:
  IrcSession(const BotConfig& config, const PluginBridge& bridge);

  // A new connection: forgets what the last one knew and writes the
  // registration (PASS, NICK, USER).
  void Begin(std::vector<OutgoingLine>* out);
  void Handle(const IrcMessage& message, std::vector<OutgoingLine>* out);

  bool registered() const { return registered_; }
  // Registration cannot go on (no nick was accepted); the connection should
  // be dropped and tried again later.
  bool gave_up() const { return gave_up_; }
  const std::string& nick() const { return nick_; }
  // The channels the bot means to be in (wire bytes), in the order joined.
  std::vector<std::string> channels() const;

  // Length of the source the server puts in front of the bot's lines when it
  // relays them; an estimate with the longest usual user and host until the
  // bot has seen its own source.
  std::size_t RelayPrefixLength() const;

 private:
  struct Channel {
    std::string name;  // wire bytes
    std::string key;
    bool invited = false;  // not configured: came by INVITE
    bool joined = false;   // the server confirmed the JOIN on this connection
  };

  void OnWelcome(const IrcMessage& message, std::vector<OutgoingLine>* out);
  void OnPrivmsg(const IrcMessage& message, std::vector<OutgoingLine>* out);
  void OnCtcp(const std::string& sender, const std::string& text, std::vector<OutgoingLine>* out);
  void OnNickRejected(const IrcMessage& message, std::vector<OutgoingLine>* out);
  void OnInvite(const IrcMessage& message, std::vector<OutgoingLine>* out);
  void OnJoinFailed(const IrcMessage& message);
  void JoinAll(std::vector<OutgoingLine>* out);
  void Send(std::vector<OutgoingLine>* out, const std::string& command, const std::vector<std::string>& params,
            Lane lane = Lane::kAnswer);

  bool IsMe(const std::string& nick) const { return Fold(nick) == Fold(nick_); }
  bool IsChannel(const std::string& target) const;
  std::string Fold(const std::string& name) const;
  Channel* FindChannel(const std::string& name);
  void ForgetChannel(const std::string& name);
  std::string NickCandidate(int attempt) const;

  const BotConfig& config_;
  const PluginBridge& bridge_;
  std::vector<Channel> channels_;  // wanted: configured, invited, not parted
  bool invite_refusal_logged_ = false;

  // State of the current connection.
  bool registered_ = false;
  bool gave_up_ = false;
  int nick_attempt_ = 0;
  std::string nick_;
  std::string own_source_;  // "nick!user@host" as others see it, once known
  std::string chantypes_ = "#&";
  bool rfc1459_case_ = true;
};

}  // namespace mirado::irc

#endif  // MIRADO_HOST_IRC_IRC_SESSION_H_
