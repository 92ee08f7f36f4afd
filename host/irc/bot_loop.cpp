#include "bot_loop.h"

#include <poll.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <random>

#include "log.h"

namespace mirado::irc {
namespace {

constexpr int kConnectTimeoutMs = 20000;
// Registration must be done this long after connecting.
constexpr double kRegistrationTimeout = 60;
// After this long without a byte from the server the bot sends a PING; when
// that gets no answer within kPingGrace, the connection counts as dead.
constexpr double kIdleBeforePing = 120;
constexpr double kPingGrace = 60;
// A connection that stayed registered this long resets the reconnect wait.
constexpr double kStableConnection = 60;
// Bytes read from the socket in one round before the lines are handled.
constexpr std::size_t kReadChunk = 65536;
// How long a QUIT may take to leave before the bot closes anyway.
constexpr double kQuitTimeout = 3;
constexpr const char* kQuitMessage = "Mirado for TRPG";

double Now() { return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count(); }

int ToMs(double seconds) {
  if (seconds <= 0) return 0;
  return static_cast<int>(std::min(3.6e6, std::ceil(seconds * 1000)));
}

}  // namespace

BotLoop::BotLoop(const BotConfig& config, IrcSession& session, int wake_fd, const volatile std::sig_atomic_t* stop)
    : config_(config),
      session_(session),
      wake_fd_(wake_fd),
      stop_(stop),
      outbound_(config.flood_burst, config.flood_interval) {}

int BotLoop::Run() {
  std::minstd_rand jitter(static_cast<unsigned>(std::chrono::system_clock::now().time_since_epoch().count()));
  double backoff = config_.reconnect_min;
  const std::string where = config_.host + " port " + std::to_string(config_.port) + (config_.tls ? " (TLS)" : "");
  while (!Stopping()) {
    LogInfo("connecting to " + where);
    std::string error;
    const int fd = ConnectTcp(config_.host, config_.port, kConnectTimeoutMs, wake_fd_, &error);
    if (Stopping()) break;
    std::unique_ptr<Connection> connection;
    if (fd >= 0) {
      connection = config_.tls ? MakeTlsConnection(fd, config_.host, {!config_.insecure, config_.ca_file},
                                                   kConnectTimeoutMs, wake_fd_, &error)
                               : MakePlainConnection(fd);
    }
    if (Stopping()) break;
    if (connection) {
      LogInfo("connected to " + where);
      const double since = Now();
      const End end = Serve(*connection);
      if (end == End::kStopped) {
        Quit(*connection);
        break;
      }
      if (session_.registered() && Now() - since >= kStableConnection) backoff = config_.reconnect_min;
    } else {
      LogWarning(error);
    }
    // Up to a quarter more, so that many bots do not all return at once.
    const double wait = backoff * (1 + std::uniform_real_distribution<double>(0, 0.25)(jitter));
    char seconds[32];
    std::snprintf(seconds, sizeof seconds, "%.1f", wait);
    LogInfo(std::string("connecting again in ") + seconds + " s");
    if (!Sleep(wait)) break;
    backoff = std::min(backoff * 2, config_.reconnect_max);
  }
  LogInfo("stopped");
  return 0;
}

bool BotLoop::Sleep(double seconds) {
  const double until = Now() + seconds;
  while (!Stopping()) {
    const double left = until - Now();
    if (left <= 0) return true;
    pollfd p{wake_fd_, POLLIN, 0};
    poll(&p, 1, ToMs(left));
  }
  return false;
}

void BotLoop::Dispatch(std::vector<OutgoingLine>* lines, double now) {
  for (auto& l : *lines) outbound_.Add(std::move(l), now);
  lines->clear();
}

bool BotLoop::Flush(Connection& connection, std::string* error) {
  while (!outbound_.unsent().empty()) {
    std::size_t written = 0;
    const IoResult r = connection.Write(outbound_.unsent(), &written, error);
    outbound_.Sent(written, Now());
    if (r == IoResult::kWouldBlock) return true;
    if (r == IoResult::kClosed) {
      *error = "the server closed the connection";
      return false;
    }
    if (r == IoResult::kError) return false;
    if (written == 0) return true;
  }
  return true;
}

BotLoop::End BotLoop::Serve(Connection& connection) {
  reader_.Clear();
  dropped_seen_ = reader_.dropped();
  const double start = Now();
  outbound_.Reset(start);
  double last_heard = start;
  bool ping_sent = false;
  std::vector<OutgoingLine> pending;
  session_.Begin(&pending);
  Dispatch(&pending, start);

  while (true) {
    std::string error;
    if (!Flush(connection, &error)) {
      LogWarning("connection lost: " + error);
      return End::kLost;
    }
    double now = Now();
    double timeout = (ping_sent ? last_heard + kIdleBeforePing + kPingGrace : last_heard + kIdleBeforePing) - now;
    if (!session_.registered()) timeout = std::min(timeout, start + kRegistrationTimeout - now);
    timeout = std::min(timeout, outbound_.Wait(now));

    pollfd fds[2] = {{connection.fd(), POLLIN, 0}, {wake_fd_, POLLIN, 0}};
    if (!outbound_.unsent().empty() || connection.NeedsWritable()) fds[0].events |= POLLOUT;
    const int ready = poll(fds, 2, ToMs(timeout));
    if (Stopping()) return End::kStopped;
    if (ready < 0 && errno != EINTR) {
      LogError("poll failed");
      return End::kLost;
    }
    now = Now();

    if (ready > 0 && fds[0].revents != 0) {
      std::string data;
      IoResult r;
      do {
        r = connection.Read(&data, &error);
      } while (r == IoResult::kOk && data.size() < kReadChunk);
      if (!data.empty()) {
        last_heard = now;
        ping_sent = false;
        reader_.Append(data);
        std::string line;
        while (reader_.Next(&line)) {
          const auto message = ParseIrcLine(line);
          if (!message) {
            LogWarning("ignored a malformed line from the server");
            continue;
          }
          session_.Handle(*message, &pending);
          Dispatch(&pending, now);
        }
        // The reader keeps its place (it may be inside the rest of the long
        // line); only the count tells that something was dropped.
        if (reader_.dropped() > dropped_seen_) {
          LogWarning("ignored an over-long line from the server");
          dropped_seen_ = reader_.dropped();
        }
      }
      if (r == IoResult::kClosed) {
        LogWarning("connection lost: the server closed the connection");
        return End::kLost;
      }
      if (r == IoResult::kError) {
        LogWarning("connection lost: " + error);
        return End::kLost;
      }
      if (session_.gave_up()) return End::kLost;
    }

    outbound_.Release(now);
    if (outbound_.Stalled(now)) {
      LogWarning("connection dropped: the server does not read what the bot sends");
      return End::kLost;
    }
    if (!session_.registered() && now - start >= kRegistrationTimeout) {
      LogWarning("connection dropped: registration took too long");
      return End::kLost;
    }
    if (now - last_heard >= kIdleBeforePing + kPingGrace) {
      LogWarning("connection lost: the server stopped answering");
      return End::kLost;
    }
    if (!ping_sent && now - last_heard >= kIdleBeforePing) {
      pending.push_back({"PING :mirado-irc", Lane::kUrgent});
      Dispatch(&pending, now);
      ping_sent = true;
    }
  }
}

void BotLoop::Quit(Connection& connection) {
  LogInfo("quitting");
  outbound_.Replace(std::string("QUIT :") + kQuitMessage);
  const double until = Now() + kQuitTimeout;
  std::string error;
  while (!outbound_.unsent().empty() && Now() < until) {
    if (!Flush(connection, &error)) return;
    if (!outbound_.unsent().empty()) {
      pollfd p{connection.fd(), POLLOUT, 0};
      poll(&p, 1, ToMs(until - Now()));
    }
  }
  // Give the server a moment to take the QUIT and close its side.
  while (Now() < until) {
    pollfd p{connection.fd(), POLLIN, 0};
    if (poll(&p, 1, ToMs(std::min(1.0, until - Now()))) <= 0) break;
    std::string data;
    IoResult r;
    do {
      r = connection.Read(&data, &error);
    } while (r == IoResult::kOk && data.size() < kReadChunk);
    if (r == IoResult::kClosed || r == IoResult::kError) break;
  }
  connection.Shutdown();
}

}  // namespace mirado::irc
