// Flood control for the lines the bot sends: a token bucket. The bucket holds
// up to `burst` tokens and gains one every `interval` seconds; each line
// takes one. With the defaults (5 lines at once, then one every 2 seconds)
// the bot stays within the classic server rule (each line costs 2 seconds,
// and a client more than 10 seconds ahead is throttled or disconnected).
//
// Time is passed in as seconds of a monotonic clock, so tests can drive it.
#ifndef MIRADO_HOST_IRC_FLOOD_LIMITER_H_
#define MIRADO_HOST_IRC_FLOOD_LIMITER_H_

namespace mirado::irc {

constexpr double kDefaultFloodBurst = 5;
constexpr double kDefaultFloodInterval = 2.0;

class FloodLimiter {
 public:
  // `burst` is at least 1 and `interval` at least 0 (0 turns limiting off).
  FloodLimiter(double burst, double interval);

  // Takes a token when one is there at `now` beyond the `reserve` tokens kept
  // for other lines; false when the line must wait. A reserve the bucket
  // could never hold counts as none.
  bool TryTake(double now, double reserve = 0);
  // Seconds from `now` until TryTake with the same reserve will succeed (0
  // when it would now).
  double Wait(double now, double reserve = 0);
  // Fills the bucket, as on a new connection (the server counts afresh).
  void Reset(double now);

 private:
  void Refill(double now);
  double Needed(double reserve) const;

  double burst_;
  double interval_;
  double tokens_;
  double last_ = 0;
  bool started_ = false;
};

}  // namespace mirado::irc

#endif  // MIRADO_HOST_IRC_FLOOD_LIMITER_H_
