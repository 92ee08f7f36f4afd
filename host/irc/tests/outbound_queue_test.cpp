#include "outbound_queue.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace mirado::irc {
namespace {

// The lines in the send buffer, without their CR LF.
std::vector<std::string> Unsent(const OutboundQueue& queue) {
  std::vector<std::string> lines;
  std::string rest = queue.unsent();
  for (std::size_t end; (end = rest.find("\r\n")) != std::string::npos; rest.erase(0, end + 2)) {
    lines.push_back(rest.substr(0, end));
  }
  return lines;
}

TEST(OutboundQueue, ServerThatReadsNothingWhileSendingPingsIsGivenUp) {
  OutboundQueue queue(5, 2.0);
  queue.Reset(0);
  // Every PING is answered at once, but the socket takes nothing.
  for (int i = 0; i < 100000; ++i) queue.Add({"PONG :irc.example.net", Lane::kUrgent}, 1.0);
  EXPECT_LE(queue.unsent().size(), kMaxUnsentBytes);
  EXPECT_TRUE(queue.Stalled(1.0));
  // A new connection starts clean.
  queue.Reset(2.0);
  EXPECT_TRUE(queue.unsent().empty());
  EXPECT_FALSE(queue.Stalled(2.0));
}

TEST(OutboundQueue, BytesWaitingAMinuteUntakenMeanTheServerStoppedReading) {
  OutboundQueue queue(5, 2.0);
  queue.Reset(0);
  EXPECT_FALSE(queue.Stalled(1000));  // nothing to send is no stall
  queue.Add({"PONG :x", Lane::kUrgent}, 10);
  EXPECT_DOUBLE_EQ(queue.Wait(10), kWriteStallSeconds);
  EXPECT_FALSE(queue.Stalled(10 + kWriteStallSeconds - 0.5));
  // Some progress starts the minute again.
  queue.Sent(3, 40);
  EXPECT_EQ(queue.unsent(), "G :x\r\n");
  EXPECT_FALSE(queue.Stalled(10 + kWriteStallSeconds));
  EXPECT_TRUE(queue.Stalled(40 + kWriteStallSeconds));
  queue.Sent(100, 50);
  EXPECT_FALSE(queue.Stalled(1000));
}

TEST(OutboundQueue, EveryLaneIsBoundedAndAnswersWaitWhileTheSocketIsFull) {
  OutboundQueue queue(5, 0);  // no flood limiting: only the bounds hold lines back
  queue.Reset(0);
  const std::string answer = "NOTICE #trpg :taro -> " + std::string(200, 'x');
  for (int i = 0; i < 600; ++i) queue.Add({answer, Lane::kAnswer}, 0);
  for (int i = 0; i < 100; ++i) queue.Add({"JOIN #c" + std::to_string(i), Lane::kJoin}, 0);
  for (int i = 0; i < 100; ++i) queue.Add({"NOTICE taro :\x01VERSION x\x01", Lane::kCtcp}, 0);
  EXPECT_EQ(queue.queued(Lane::kAnswer), kMaxQueuedAnswers);
  EXPECT_EQ(queue.queued(Lane::kJoin), kMaxQueuedJoins);
  EXPECT_EQ(queue.queued(Lane::kCtcp), kMaxQueuedCtcpReplies);
  // The socket takes nothing: lines move only while little waits there.
  queue.Release(0);
  EXPECT_LT(queue.unsent().size(), kReleaseBelow + answer.size() + 2);
  const std::size_t moved = Unsent(queue).size();
  EXPECT_EQ(queue.queued(Lane::kAnswer), kMaxQueuedAnswers - moved);
  queue.Release(1);
  EXPECT_EQ(Unsent(queue).size(), moved);
  // Once the socket takes them, the next ones follow.
  queue.Sent(queue.unsent().size(), 2);
  queue.Release(2);
  EXPECT_EQ(Unsent(queue).size(), moved);
  EXPECT_EQ(queue.queued(Lane::kAnswer), kMaxQueuedAnswers - 2 * moved);
}

TEST(OutboundQueue, AnAnswerGoesBeforeJoinsAndIsNeverDroppedForThem) {
  OutboundQueue queue(5, 2.0);
  queue.Reset(0);
  // An invite flood: far more JOIN lines than the lane holds, one of them twice.
  for (int i = 0; i < 2000; ++i) queue.Add({"JOIN #c" + std::to_string(i), Lane::kJoin}, 0);
  EXPECT_EQ(queue.queued(Lane::kJoin), kMaxQueuedJoins);
  queue.Release(0);
  // Three JOINs at once (the join bucket), leaving the shared bucket 2 of 5.
  EXPECT_EQ(Unsent(queue), (std::vector<std::string>{"JOIN #c0", "JOIN #c1", "JOIN #c2"}));
  queue.Add({"JOIN #c3", Lane::kJoin}, 0);
  EXPECT_EQ(queue.queued(Lane::kJoin), kMaxQueuedJoins - 3);
  queue.Sent(queue.unsent().size(), 0);
  // A roll arrives: it goes at once, ahead of the 61 waiting JOINs.
  queue.Add({"NOTICE #trpg :taro -> 2D6 = [2,6] = 8", Lane::kAnswer}, 0);
  queue.Release(0);
  EXPECT_EQ(Unsent(queue), (std::vector<std::string>{"NOTICE #trpg :taro -> 2D6 = [2,6] = 8"}));
  queue.Sent(queue.unsent().size(), 0);
  // The flood never takes the answers' places.
  for (int i = 0; i < 600; ++i) queue.Add({"NOTICE #trpg :line " + std::to_string(i), Lane::kAnswer}, 0);
  EXPECT_EQ(queue.queued(Lane::kAnswer), kMaxQueuedAnswers);
  // While answers wait, no JOIN goes; the answer bucket refills one line per
  // 2 s, so answers go on at that pace.
  queue.Release(0);
  EXPECT_EQ(Unsent(queue), (std::vector<std::string>{"NOTICE #trpg :line 0"}));
  queue.Sent(queue.unsent().size(), 0);
  EXPECT_DOUBLE_EQ(queue.Wait(0), 2.0);
  queue.Release(2.0);
  EXPECT_EQ(Unsent(queue), (std::vector<std::string>{"NOTICE #trpg :line 1"}));
  EXPECT_EQ(queue.queued(Lane::kJoin), kMaxQueuedJoins - 3);
}

TEST(OutboundQueue, JoinsArePacedOnTheirOwnBucket) {
  OutboundQueue queue(5, 2.0);
  queue.Reset(0);
  for (int i = 0; i < 5; ++i) queue.Add({"JOIN #c" + std::to_string(i), Lane::kJoin}, 0);
  queue.Release(0);
  EXPECT_EQ(Unsent(queue).size(), 3u);
  queue.Sent(queue.unsent().size(), 0);
  // The shared bucket holds 2 (one kept for answers); the join bucket gains
  // one line every 5 s.
  EXPECT_DOUBLE_EQ(queue.Wait(0), kJoinInterval);
  queue.Release(4.9);
  EXPECT_TRUE(queue.unsent().empty());
  queue.Release(5.0);
  EXPECT_EQ(Unsent(queue), (std::vector<std::string>{"JOIN #c3"}));
}

TEST(OutboundQueue, QuitFinishesTheLineBeingSentAndDropsTheRest) {
  OutboundQueue queue(5, 2.0);
  queue.Reset(0);
  queue.Add({"NOTICE #trpg :one", Lane::kAnswer}, 0);
  queue.Add({"NOTICE #trpg :two", Lane::kAnswer}, 0);
  queue.Release(0);
  queue.Add({"NOTICE #trpg :three", Lane::kAnswer}, 0);
  queue.Sent(7, 0);  // "NOTICE " of the first line is on its way
  queue.Replace("QUIT :Mirado for TRPG");
  EXPECT_EQ(queue.unsent(), "#trpg :one\r\nQUIT :Mirado for TRPG\r\n");
  EXPECT_EQ(queue.queued(Lane::kAnswer), 0u);
}

}  // namespace
}  // namespace mirado::irc
