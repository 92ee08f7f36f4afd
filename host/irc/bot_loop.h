// The bot's life: connect (plain or TLS), serve the connection until it
// drops, wait and connect again, with a wait that doubles after every failed
// attempt up to a cap; leave with QUIT when asked to stop.
#ifndef MIRADO_HOST_IRC_BOT_LOOP_H_
#define MIRADO_HOST_IRC_BOT_LOOP_H_

#include <csignal>
#include <string>
#include <vector>

#include "config.h"
#include "connection.h"
#include "irc_message.h"
#include "irc_session.h"
#include "outbound_queue.h"

namespace mirado::irc {

class BotLoop {
 public:
  // `wake_fd` becomes readable, and `*stop` non-zero, when the program is
  // asked to stop (SIGINT, SIGTERM).
  BotLoop(const BotConfig& config, IrcSession& session, int wake_fd, const volatile std::sig_atomic_t* stop);

  // Runs until asked to stop. Returns the program's exit status.
  int Run();

 private:
  enum class End { kStopped, kLost };

  End Serve(Connection& connection);
  void Quit(Connection& connection);
  void Dispatch(std::vector<OutgoingLine>* lines, double now);
  bool Flush(Connection& connection, std::string* error);
  // Waits `seconds`; false when woken by a stop request.
  bool Sleep(double seconds);
  bool Stopping() const { return *stop_ != 0; }

  const BotConfig& config_;
  IrcSession& session_;
  int wake_fd_;
  const volatile std::sig_atomic_t* stop_;

  OutboundQueue outbound_;
  LineReader reader_;
  std::size_t dropped_seen_ = 0;  // over-long lines already reported
};

}  // namespace mirado::irc

#endif  // MIRADO_HOST_IRC_BOT_LOOP_H_
