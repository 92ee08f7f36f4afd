#include "flood_limiter.h"

#include <algorithm>

namespace mirado::irc {

FloodLimiter::FloodLimiter(double burst, double interval)
    : burst_(std::max(1.0, burst)), interval_(std::max(0.0, interval)), tokens_(burst_) {}

void FloodLimiter::Refill(double now) {
  if (!started_) {
    started_ = true;
    last_ = now;
    return;
  }
  // A clock that went backwards adds nothing (and restarts the count there).
  if (now > last_ && interval_ > 0) tokens_ = std::min(burst_, tokens_ + (now - last_) / interval_);
  last_ = now;
}

double FloodLimiter::Needed(double reserve) const {
  return 1.0 + (1.0 + reserve <= burst_ ? std::max(0.0, reserve) : 0.0);
}

bool FloodLimiter::TryTake(double now, double reserve) {
  if (interval_ <= 0) return true;
  Refill(now);
  // A hair of slack so that waiting exactly Wait() seconds always succeeds.
  if (tokens_ < Needed(reserve) - 1e-9) return false;
  tokens_ = std::max(0.0, tokens_ - 1.0);
  return true;
}

double FloodLimiter::Wait(double now, double reserve) {
  if (interval_ <= 0) return 0;
  Refill(now);
  const double needed = Needed(reserve);
  return tokens_ >= needed - 1e-9 ? 0 : (needed - tokens_) * interval_;
}

void FloodLimiter::Reset(double now) {
  tokens_ = burst_;
  last_ = now;
  started_ = true;
}

}  // namespace mirado::irc
