#include "outbound_queue.h"

#include <algorithm>

#include "log.h"

namespace mirado::irc {
namespace {

// What Wait() returns when nothing waits: an hour.
constexpr double kNothingWaits = 3600;

}  // namespace

OutboundQueue::OutboundQueue(double burst, double interval) : limiter_(burst, interval), reserve_(burst >= 2 ? 1 : 0) {}

void OutboundQueue::Reset(double now) {
  for (Queue& q : queues_) {
    q.lines.clear();
    q.warned = false;
  }
  unsent_.clear();
  overflowed_ = false;
  waiting_since_ = now;
  limiter_.Reset(now);
  join_limiter_.Reset(now);
}

std::size_t OutboundQueue::queued(Lane lane) const {
  return lane == Lane::kUrgent ? 0 : queues_[static_cast<int>(lane) - 1].lines.size();
}

void OutboundQueue::Append(const std::string& line, double now) {
  if (unsent_.size() + line.size() + 2 > kMaxUnsentBytes) {
    // Only a server that reads nothing lets this happen; Stalled() tells the
    // bot loop to give the connection up.
    if (!overflowed_) LogWarning("the server takes nothing the bot sends; the send buffer is full");
    overflowed_ = true;
    return;
  }
  if (unsent_.empty()) waiting_since_ = now;
  unsent_ += line;
  unsent_ += "\r\n";
}

void OutboundQueue::Add(OutgoingLine line, double now) {
  Queue* queue = QueueOf(line.lane);
  if (queue == nullptr) {
    limiter_.TryTake(now);  // counted, but never held back
    Append(line.line, now);
    return;
  }
  if (queue == &joins_ && std::find(joins_.lines.begin(), joins_.lines.end(), line.line) != joins_.lines.end()) {
    return;  // the same JOIN (or NICK) is already waiting
  }
  if (queue->lines.size() >= queue->max) {
    if (!queue->warned) LogWarning(std::string("too many ") + queue->name + " waiting; dropping new ones");
    queue->warned = true;
    return;
  }
  queue->lines.push_back(std::move(line.line));
  queue->warned = false;
}

void OutboundQueue::ReleaseFrom(Queue& queue, FloodLimiter* own, double reserve, double now) {
  while (!queue.lines.empty() && unsent_.size() < kReleaseBelow) {
    // The lane's own bucket is asked first, so a refusal there costs the
    // shared bucket nothing.
    if (own != nullptr && own->Wait(now) > 0) return;
    if (!limiter_.TryTake(now, reserve)) return;
    if (own != nullptr) own->TryTake(now);
    Append(queue.lines.front(), now);
    queue.lines.pop_front();
  }
}

void OutboundQueue::Release(double now) {
  ReleaseFrom(answers_, nullptr, 0, now);
  // Joins and CTCP replies go only when no answer waits, and leave a token
  // in the bucket for the next answer.
  if (!answers_.lines.empty()) return;
  ReleaseFrom(joins_, &join_limiter_, reserve_, now);
  ReleaseFrom(ctcp_, nullptr, reserve_, now);
}

double OutboundQueue::Wait(double now) {
  double wait = kNothingWaits;
  if (!unsent_.empty()) wait = std::max(0.0, waiting_since_ + kWriteStallSeconds - now);
  // A full send buffer is drained by the socket becoming writable, not by time.
  if (unsent_.size() >= kReleaseBelow) return wait;
  if (!answers_.lines.empty()) return std::min(wait, limiter_.Wait(now));
  if (!joins_.lines.empty()) {
    wait = std::min(wait, std::max(join_limiter_.Wait(now), limiter_.Wait(now, reserve_)));
  }
  if (!ctcp_.lines.empty()) wait = std::min(wait, limiter_.Wait(now, reserve_));
  return wait;
}

void OutboundQueue::Sent(std::size_t bytes, double now) {
  bytes = std::min(bytes, unsent_.size());
  if (bytes == 0) return;
  unsent_.erase(0, bytes);
  waiting_since_ = now;
}

bool OutboundQueue::Stalled(double now) const {
  return overflowed_ || (!unsent_.empty() && now - waiting_since_ >= kWriteStallSeconds);
}

void OutboundQueue::Replace(const std::string& line) {
  for (Queue& q : queues_) q.lines.clear();
  const std::size_t end = unsent_.find("\r\n");
  unsent_.erase(end == std::string::npos ? 0 : end + 2);
  unsent_ += line + "\r\n";
  overflowed_ = false;
}

}  // namespace mirado::irc
