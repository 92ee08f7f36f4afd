#include "irc_session.h"

#include <algorithm>

#include "log.h"
#include "reply_filter.h"

namespace mirado::irc {
namespace {

// Nicks tried before registration is given up for this connection.
constexpr int kMaxNickAttempts = 10;
// Longest JOIN line built when joining several channels at once.
constexpr std::size_t kMaxJoinLine = 400;
// Until the bot has seen its own source, the longest usual user and host.
constexpr std::size_t kAssumedUserHost = 10 + 1 + 63;

}  // namespace

IrcSession::IrcSession(const BotConfig& config, const PluginBridge& bridge) : config_(config), bridge_(bridge) {
  for (const auto& setting : config.channels) {
    const std::string name = bridge_.codec().FromUtf8(setting.name);
    if (FindChannel(name) == nullptr) channels_.push_back({name, setting.key});
  }
}

std::vector<std::string> IrcSession::channels() const {
  std::vector<std::string> names;
  for (const auto& c : channels_) names.push_back(c.name);
  return names;
}

std::size_t IrcSession::RelayPrefixLength() const {
  if (!own_source_.empty()) return own_source_.size() + 2;
  return nick_.size() + 1 + kAssumedUserHost + 2;
}

std::string IrcSession::Fold(const std::string& name) const {
  std::string out = name;
  for (auto& c : out) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
    // Under the server's default case mapping these count as letter pairs too.
    if (rfc1459_case_) {
      if (c == '[') c = '{';
      if (c == ']') c = '}';
      if (c == '\\') c = '|';
      if (c == '~') c = '^';
    }
  }
  return out;
}

bool IrcSession::IsChannel(const std::string& target) const {
  return target.size() >= 2 && chantypes_.find(target[0]) != std::string::npos;
}

IrcSession::Channel* IrcSession::FindChannel(const std::string& name) {
  for (auto& c : channels_) {
    if (Fold(c.name) == Fold(name)) return &c;
  }
  return nullptr;
}

void IrcSession::ForgetChannel(const std::string& name) {
  if (std::erase_if(channels_, [&](const Channel& c) { return Fold(c.name) == Fold(name); }) > 0) {
    invite_refusal_logged_ = false;  // a place may have come free
  }
}

std::string IrcSession::NickCandidate(int attempt) const {
  if (attempt == 0) return config_.nick;
  if (attempt == 1) return config_.alt_nick.empty() ? config_.nick + "_" : config_.alt_nick;
  // Servers often allow only 9 characters: keep room for the number.
  return config_.nick.substr(0, 7) + std::to_string(attempt);
}

void IrcSession::Send(std::vector<OutgoingLine>* out, const std::string& command,
                      const std::vector<std::string>& params, Lane lane) {
  if (auto line = FormatIrcLine(command, params)) {
    out->push_back({std::move(*line), lane});
  } else {
    LogWarning("not sent (malformed or too long): " + command);
  }
}

void IrcSession::Begin(std::vector<OutgoingLine>* out) {
  registered_ = false;
  gave_up_ = false;
  nick_attempt_ = 0;
  nick_ = NickCandidate(0);
  own_source_.clear();
  chantypes_ = "#&";
  rfc1459_case_ = true;
  for (auto& c : channels_) c.joined = false;
  if (!config_.password.empty()) Send(out, "PASS", {config_.password}, Lane::kUrgent);
  Send(out, "NICK", {nick_}, Lane::kUrgent);
  Send(out, "USER", {config_.user, "0", "*", config_.realname}, Lane::kUrgent);
}

void IrcSession::JoinAll(std::vector<OutgoingLine>* out) {
  std::string batch;
  auto flush = [&] {
    if (!batch.empty()) Send(out, "JOIN", {batch}, Lane::kJoin);
    batch.clear();
  };
  for (const auto& c : channels_) {
    if (!c.key.empty()) {
      Send(out, "JOIN", {c.name, c.key}, Lane::kJoin);
      continue;
    }
    if (!batch.empty() && batch.size() + 1 + c.name.size() > kMaxJoinLine) flush();
    batch += (batch.empty() ? "" : ",") + c.name;
  }
  flush();
}

void IrcSession::OnWelcome(const IrcMessage& message, std::vector<OutgoingLine>* out) {
  // Once registered, a second welcome (a server repeating itself, or a peer
  // playing one) changes nothing: no second registration, no rejoining.
  if (registered_) return;
  registered_ = true;
  if (!message.params.empty()) nick_ = message.params[0];
  LogInfo("registered as " + nick_);
  if (channels_.empty()) LogInfo("no channel to join: invite the bot to one (/invite " + nick_ + " #channel)");
  JoinAll(out);
}

void IrcSession::OnNickRejected(const IrcMessage& message, std::vector<OutgoingLine>* out) {
  const std::string why = message.params.empty() ? message.command : message.params.back();
  LogWarning("nick " + nick_ + " refused: " + why);
  if (++nick_attempt_ >= kMaxNickAttempts) {
    LogError("no nick was accepted; trying again on a new connection");
    gave_up_ = true;
    return;
  }
  nick_ = NickCandidate(nick_attempt_);
  LogInfo("trying the nick " + nick_);
  Send(out, "NICK", {nick_}, Lane::kUrgent);
}

void IrcSession::OnCtcp(const std::string& sender, const std::string& text, std::vector<OutgoingLine>* out) {
  std::string body = text.substr(1);
  body.erase(std::remove(body.begin(), body.end(), '\x01'), body.end());
  const std::string command = body.substr(0, body.find(' '));
  if (command == "VERSION") {
    Send(out, "NOTICE", {sender, "\x01VERSION Mirado for TRPG (mirado-irc)\x01"}, Lane::kCtcp);
  } else if (command == "PING") {
    // The argument (a time stamp, as clients send it) goes back as it came
    // only when it is printable ASCII, the same bytes in every encoding; any
    // other argument gets no reply rather than bytes the network may not take.
    const std::string argument = body.size() > 5 ? body.substr(5, 64) : std::string();
    const bool printable = std::all_of(argument.begin(), argument.end(), [](char c) { return c >= 0x20 && c < 0x7F; });
    if (printable) Send(out, "NOTICE", {sender, "\x01PING " + argument + "\x01"}, Lane::kCtcp);
  }
}

void IrcSession::OnPrivmsg(const IrcMessage& message, std::vector<OutgoingLine>* out) {
  if (message.params.size() < 2 || message.prefix.empty()) return;
  const std::string sender = NickOf(message.prefix);
  const std::string& target = message.params[0];
  const std::string& text = message.params[1];
  if (sender.empty() || IsMe(sender) || text.empty() || !host::IsSingleTarget(sender)) return;
  if (text[0] == '\x01') {
    OnCtcp(sender, text, out);
    return;
  }
  const bool in_channel = IsChannel(target);
  // Messages to a group of a channel (@#ch) or to a server mask are not for the bot.
  if (!in_channel && !IsMe(target)) return;
  // Only where the bot is: a channel it never joined, or was kicked from or
  // left, gets no answer (a server relaying such lines is not to be trusted).
  if (in_channel) {
    const Channel* channel = FindChannel(target);
    if (channel == nullptr || !channel->joined) return;
  }
  const WireCodec& codec = bridge_.codec();
  if (Verbose()) LogInfo("<" + codec.ToUtf8(target) + "> " + codec.ToUtf8(sender) + ": " + codec.ToUtf8(text));
  const BridgeResult result = bridge_.Handle({sender, target, text, in_channel}, RelayPrefixLength());
  for (const auto& line : result.lines) {
    if (Verbose()) LogInfo("-> " + codec.ToUtf8(line));
    out->push_back({line, Lane::kAnswer});
  }
  for (const auto& channel : result.parted) {
    LogInfo("leaving " + codec.ToUtf8(channel) + " (#PART by " + codec.ToUtf8(sender) + ")");
    ForgetChannel(channel);
  }
}

void IrcSession::OnInvite(const IrcMessage& message, std::vector<OutgoingLine>* out) {
  const std::string& channel = message.params[1];
  if (!IsMe(message.params[0]) || !IsChannel(channel) || !host::IsSingleTarget(channel)) return;
  const WireCodec& codec = bridge_.codec();
  const std::string who = codec.ToUtf8(NickOf(message.prefix));
  if (Channel* known = FindChannel(channel)) {
    // Already there: nothing to do. Not there yet (a JOIN waits, or failed):
    // one more JOIN, which the outbound queue does not hold twice.
    if (!known->joined) Send(out, "JOIN", {known->name}, Lane::kJoin);
    return;
  }
  const auto invited = std::count_if(channels_.begin(), channels_.end(), [](const Channel& c) { return c.invited; });
  if (static_cast<std::size_t>(invited) >= kMaxInvitedChannels) {
    if (!invite_refusal_logged_) {
      LogWarning("invited to " + codec.ToUtf8(channel) + " by " + who + ", but the bot already follows " +
                 std::to_string(kMaxInvitedChannels) + " invitations; leave one with #PART first");
    }
    invite_refusal_logged_ = true;
    return;
  }
  LogInfo("invited to " + codec.ToUtf8(channel) + " by " + who);
  channels_.push_back({channel, "", true, false});
  Send(out, "JOIN", {channel}, Lane::kJoin);
}

void IrcSession::OnJoinFailed(const IrcMessage& message) {
  const auto& params = message.params;
  if (params.size() < 2) return;
  const WireCodec& codec = bridge_.codec();
  LogWarning("cannot join " + codec.ToUtf8(params[1]) + ": " + codec.ToUtf8(params.back()));
  // An invitation that cannot be followed (banned, full, invite only, too
  // many channels) is forgotten, so it neither holds a place among the
  // invitations nor is tried again after every reconnect. A configured
  // channel is kept: its owner wants the bot there.
  const Channel* c = FindChannel(params[1]);
  if (c != nullptr && c->invited) ForgetChannel(params[1]);
}

void IrcSession::Handle(const IrcMessage& message, std::vector<OutgoingLine>* out) {
  const std::string& command = message.command;
  const auto& params = message.params;
  const std::string source = NickOf(message.prefix);
  const WireCodec& codec = bridge_.codec();
  if (command == "PING") {
    Send(out, "PONG", params.empty() ? std::vector<std::string>() : std::vector<std::string>{params.back()},
         Lane::kUrgent);
  } else if (command == "PRIVMSG") {
    OnPrivmsg(message, out);
  } else if (command == "001") {
    OnWelcome(message, out);
  } else if (command == "005") {
    for (std::size_t i = 1; i + 1 < params.size(); ++i) {
      if (params[i].rfind("CHANTYPES=", 0) == 0 && params[i].size() > 10) chantypes_ = params[i].substr(10);
      if (params[i] == "CASEMAPPING=ascii") rfc1459_case_ = false;
    }
  } else if (command == "432" || command == "433" || command == "436" || command == "437") {
    if (!registered_) OnNickRejected(message, out);
  } else if (command == "NICK" && !params.empty()) {
    if (IsMe(source)) {
      nick_ = params[0];
      const auto at = own_source_.find('!');
      if (at != std::string::npos) own_source_ = nick_ + own_source_.substr(at);
      LogInfo("now known as " + nick_);
    } else if (registered_ && Fold(source) == Fold(config_.nick) && !IsMe(config_.nick)) {
      Send(out, "NICK", {config_.nick}, Lane::kJoin);  // the configured nick came free
    }
  } else if (command == "QUIT") {
    if (registered_ && Fold(source) == Fold(config_.nick) && !IsMe(config_.nick)) {
      Send(out, "NICK", {config_.nick}, Lane::kJoin);
    }
  } else if (command == "JOIN" && !params.empty()) {
    if (IsMe(source)) {
      own_source_ = message.prefix;
      if (Channel* c = FindChannel(params[0])) c->joined = true;
      LogInfo("joined " + codec.ToUtf8(params[0]));
    }
  } else if (command == "PART" && !params.empty()) {
    if (IsMe(source)) {
      ForgetChannel(params[0]);
      LogInfo("left " + codec.ToUtf8(params[0]));
    }
  } else if (command == "KICK" && params.size() >= 2) {
    if (IsMe(params[1])) {
      // Not rejoined: the channel's operators decide; an INVITE brings the bot back.
      ForgetChannel(params[0]);
      LogWarning("kicked from " + codec.ToUtf8(params[0]) + " by " + codec.ToUtf8(source) +
                 (params.size() > 2 ? ": " + codec.ToUtf8(params[2]) : std::string()));
    }
  } else if (command == "INVITE" && params.size() >= 2) {
    OnInvite(message, out);
  } else if (command == "ERROR") {
    LogWarning("the server closes the connection: " + (params.empty() ? std::string() : codec.ToUtf8(params[0])));
  } else if (command == "464") {
    LogError("the server refused the password");
  } else if (command == "465") {
    LogError("the server bans this bot: " + (params.empty() ? std::string() : codec.ToUtf8(params.back())));
  } else if (command == "403" || command == "405" || command == "471" || command == "473" || command == "474" ||
             command == "475" || command == "477") {
    OnJoinFailed(message);
  }
}

}  // namespace mirado::irc
