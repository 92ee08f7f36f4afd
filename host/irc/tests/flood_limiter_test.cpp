#include "flood_limiter.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace mirado::irc {
namespace {

TEST(FloodLimiter, BurstThenOneLinePerInterval) {
  FloodLimiter limiter(5, 2.0);
  for (int i = 0; i < 5; ++i) EXPECT_TRUE(limiter.TryTake(100.0)) << i;
  EXPECT_FALSE(limiter.TryTake(100.0));
  EXPECT_DOUBLE_EQ(limiter.Wait(100.0), 2.0);
  EXPECT_DOUBLE_EQ(limiter.Wait(101.5), 0.5);
  EXPECT_FALSE(limiter.TryTake(101.5));
  // Waiting exactly what Wait() said is enough.
  EXPECT_TRUE(limiter.TryTake(102.0));
  EXPECT_FALSE(limiter.TryTake(102.0));
  // A long pause fills the bucket only up to the burst.
  for (int i = 0; i < 5; ++i) EXPECT_TRUE(limiter.TryTake(1000.0)) << i;
  EXPECT_FALSE(limiter.TryTake(1000.0));
}

TEST(FloodLimiter, ClockGoingBackAddsNothingAndResetRefills) {
  FloodLimiter limiter(2, 1.0);
  EXPECT_TRUE(limiter.TryTake(50.0));
  EXPECT_TRUE(limiter.TryTake(50.0));
  EXPECT_FALSE(limiter.TryTake(10.0));
  EXPECT_FALSE(limiter.TryTake(10.5));
  EXPECT_TRUE(limiter.TryTake(11.0));  // one interval after the clock's new reading
  limiter.Reset(11.0);
  EXPECT_TRUE(limiter.TryTake(11.0));
  EXPECT_TRUE(limiter.TryTake(11.0));
  EXPECT_FALSE(limiter.TryTake(11.0));
}

TEST(FloodLimiter, ZeroIntervalTurnsLimitingOffAndBurstIsAtLeastOne) {
  FloodLimiter off(5, 0);
  for (int i = 0; i < 1000; ++i) EXPECT_TRUE(off.TryTake(0));
  EXPECT_EQ(off.Wait(0), 0);
  FloodLimiter one(0, 1.0);
  EXPECT_TRUE(one.TryTake(0));
  EXPECT_FALSE(one.TryTake(0));
}

// The classic server rule (RFC 1459's flood control, the model of most
// daemons' flood control): each line moves the client's timer 2 seconds on from
// max(timer, now); a client whose timer runs more than 10 seconds ahead is
// held back, and one that keeps going is disconnected. A bot that sends as
// fast as the default bucket allows must never get there, whatever the
// pattern of answers.
TEST(FloodLimiter, DefaultsStayWithinTheClassicServerRule) {
  for (const double gap : {0.0, 0.1, 0.5, 1.0, 1.9, 2.0, 3.0}) {
    FloodLimiter limiter(kDefaultFloodBurst, kDefaultFloodInterval);
    double server_timer = 0;
    double now = 0;
    int sent = 0;
    while (now < 600) {
      if (limiter.TryTake(now)) {
        server_timer = std::max(server_timer, now) + 2.0;
        ASSERT_LE(server_timer - now, 10.0 + 1e-6) << "gap " << gap << " after " << sent << " lines";
        ++sent;
        now += gap;
      } else {
        now += limiter.Wait(now);
      }
    }
    // And it is not slower than the rule requires: about one line per interval.
    EXPECT_GE(sent, static_cast<int>(600 / std::max(gap, kDefaultFloodInterval)));
  }
}

}  // namespace
}  // namespace mirado::irc
