// Everything the bot means to send on one connection, and when it may go.
// Lines wait in lanes: answers to players first, then JOINs (paced on their
// own bucket so an invite flood or a long channel list never delays a roll),
// then CTCP replies. Urgent lines (registration, PONG) skip the lanes. Every
// lane and the send buffer have a bound, so a server that floods the bot, or
// one that stops reading what the bot sends, cannot make it grow: a peer that
// takes no bytes for a minute, or lets the send buffer overflow, is reported
// as stalled and the bot loop drops the connection and connects again.
//
// No I/O: time is passed in as seconds of a monotonic clock, and the bot loop
// writes unsent() to the socket and reports what it took with Sent().
#ifndef MIRADO_HOST_IRC_OUTBOUND_QUEUE_H_
#define MIRADO_HOST_IRC_OUTBOUND_QUEUE_H_

#include <array>
#include <cstddef>
#include <deque>
#include <string>

#include "flood_limiter.h"

namespace mirado::irc {

enum class Lane {
  kUrgent,  // registration and PONG: sent at once, counted by the flood limiter
  kAnswer,  // the plug-in's answers
  kJoin,    // JOIN lines, and the NICK that takes the configured nick back
            // (a flood of QUIT or NICK messages naming it asks for one each)
  kCtcp,    // replies to CTCP requests
};

struct OutgoingLine {
  std::string line;  // without CR LF
  Lane lane = Lane::kAnswer;
};

// Answers waiting beyond this many are dropped (the bot is flooded itself;
// the oldest answers still go out in order).
constexpr std::size_t kMaxQueuedAnswers = 500;
// A JOIN line names up to 400 bytes of channels, so this covers every
// channel the bot may remember many times over.
constexpr std::size_t kMaxQueuedJoins = 64;
constexpr std::size_t kMaxQueuedCtcpReplies = 8;
// Bytes the socket has not taken yet. Lines are moved from the lanes only
// while less than kReleaseBelow waits, so only urgent lines can push it
// towards kMaxUnsentBytes, and only when the server does not read.
constexpr std::size_t kReleaseBelow = 4096;
constexpr std::size_t kMaxUnsentBytes = 64 * 1024;
// Bytes waiting this long with none taken mean the server stopped reading.
constexpr double kWriteStallSeconds = 60;
// JOIN lines: three at once, then one every five seconds.
constexpr double kJoinBurst = 3;
constexpr double kJoinInterval = 5;

class OutboundQueue {
 public:
  // The flood limiter's `burst` and `interval` (see FloodLimiter).
  OutboundQueue(double burst, double interval);

  // A new connection: everything waiting is dropped, the buckets are full.
  void Reset(double now);
  // Queues one line (an urgent one straight into the send buffer). A line
  // over its lane's bound is dropped; a line of the JOIN lane that is already
  // waiting is not queued twice.
  void Add(OutgoingLine line, double now);
  // Moves the lines whose turn has come into the send buffer.
  void Release(double now);
  // Seconds from `now` until Release can move a line, or until the stall
  // check is due; a large number when nothing waits.
  double Wait(double now);

  const std::string& unsent() const { return unsent_; }
  // The socket took the first `bytes` bytes of unsent().
  void Sent(std::size_t bytes, double now);
  // True when the server has stopped reading (see above).
  bool Stalled(double now) const;
  std::size_t queued(Lane lane) const;

  // Drops every waiting line and sends `line` next (the QUIT on leaving); a
  // line the socket has taken part of is finished first.
  void Replace(const std::string& line);

 private:
  struct Queue {
    std::deque<std::string> lines;
    std::size_t max;
    const char* name;
    bool warned = false;
  };

  // The queue of a lane; null for urgent lines, which wait in none.
  Queue* QueueOf(Lane lane) { return lane == Lane::kUrgent ? nullptr : &queues_[static_cast<int>(lane) - 1]; }
  void Append(const std::string& line, double now);
  // Moves lines of `queue` while `limiter` (when given) and the shared
  // limiter, keeping `reserve` tokens for answers, allow.
  void ReleaseFrom(Queue& queue, FloodLimiter* own, double reserve, double now);

  FloodLimiter limiter_;
  FloodLimiter join_limiter_{kJoinBurst, kJoinInterval};
  double reserve_;  // tokens the shared bucket keeps for answers
  // In the order of Lane after kUrgent.
  std::array<Queue, 3> queues_{{{{}, kMaxQueuedAnswers, "answers"},
                                {{}, kMaxQueuedJoins, "JOIN lines"},
                                {{}, kMaxQueuedCtcpReplies, "CTCP replies"}}};
  Queue& answers_ = queues_[0];
  Queue& joins_ = queues_[1];
  Queue& ctcp_ = queues_[2];
  std::string unsent_;
  double waiting_since_ = 0;  // when unsent_ last became non-empty or last moved
  bool overflowed_ = false;
};

}  // namespace mirado::irc

#endif  // MIRADO_HOST_IRC_OUTBOUND_QUEUE_H_
