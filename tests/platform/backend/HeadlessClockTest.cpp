// The virtual clock, deadlines and wake-ups from another thread.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "tests/platform/backend/HeadlessTestSupport.h"

namespace backend {
namespace {

TEST(HeadlessClock, AdvancesByExactMilliseconds) {
  HeadlessOptions o;
  o.StartMs = 5000;
  HeadlessBackend b(o);
  EXPECT_EQ(b.NowMs(), 5000);
  b.AdvanceClock(1000);
  EXPECT_EQ(b.NowMs(), 6000);
  b.AdvanceClock(0);
  EXPECT_EQ(b.NowMs(), 6000);
  EXPECT_THROW(b.AdvanceClock(-1), std::invalid_argument);
  EXPECT_EQ(b.NowMs(), 6000);
}

TEST(HeadlessClock, WaitJumpsToTheDeadlineWithoutSleeping) {
  HeadlessBackend b;
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(b.WaitEvent(3'600'000), WaitResult::Deadline);  // one virtual hour
  EXPECT_EQ(b.NowMs(), 3'600'000);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
  // A deadline in the past returns at once and never turns the clock back.
  EXPECT_EQ(b.WaitEvent(10), WaitResult::Deadline);
  EXPECT_EQ(b.NowMs(), 3'600'000);
}

TEST(HeadlessClock, PendingEventsWinOverTheDeadline) {
  HeadlessBackend b;
  const SurfaceId s = testing::SolidSurface(b, {0, 0, 10, 10}, 0);
  b.InjectCloseRequest(s);
  EXPECT_EQ(b.WaitEvent(500), WaitResult::Event);
  EXPECT_EQ(b.NowMs(), 0);
  Event e;
  ASSERT_TRUE(b.PollEvent(e));
  EXPECT_FALSE(b.PollEvent(e));
  EXPECT_EQ(b.WaitEvent(500), WaitResult::Deadline);
  EXPECT_EQ(b.NowMs(), 500);
}

TEST(HeadlessClock, WakeFromAnotherThreadEndsAnOpenWait) {
  HeadlessBackend b;
  std::thread worker([&b] {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    b.Wake();
  });
  EXPECT_EQ(b.WaitEvent(std::nullopt), WaitResult::Woken);
  worker.join();
  EXPECT_EQ(b.NowMs(), 0);
}

TEST(HeadlessClock, WakeBeforeWaitIsNotLostAndCountsOnce) {
  HeadlessBackend b;
  b.Wake();
  b.Wake();
  EXPECT_EQ(b.WaitEvent(100), WaitResult::Woken);
  EXPECT_EQ(b.NowMs(), 0);  // the wake-up came first: no time passed
  EXPECT_EQ(b.WaitEvent(100), WaitResult::Deadline);
}

TEST(HeadlessClock, ManyWakeUpsFromAWorkerAreAllSeen) {
  // A worker hands ticks over one at a time and waits for each to be taken,
  // as the threaded timer does.
  HeadlessBackend b;
  std::mutex m;
  std::condition_variable cv;
  int handed = 0, taken = 0;
  constexpr int kTicks = 200;
  std::thread worker([&] {
    for (int i = 0; i < kTicks; ++i) {
      {
        std::lock_guard lock(m);
        ++handed;
      }
      b.Wake();
      std::unique_lock lock(m);
      cv.wait(lock, [&] { return taken == handed; });
    }
  });
  while (true) {
    {
      std::lock_guard lock(m);
      if (taken == kTicks) break;
    }
    ASSERT_EQ(b.WaitEvent(std::nullopt), WaitResult::Woken);
    {
      std::lock_guard lock(m);
      taken = handed;
    }
    cv.notify_all();
  }
  worker.join();
  EXPECT_EQ(taken, kTicks);
}

}  // namespace
}  // namespace backend
