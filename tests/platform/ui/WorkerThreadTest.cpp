// Worker threads on the application clock: timed waits that the virtual
// clock drives exactly, pausing, interruption by a settings change, and the
// hand-off to the user-interface thread (CheckSynchronize, termination).
#include <atomic>
#include <memory>
#include <thread>
#include <vector>

#include "platform/ui/Component.h"
#include "platform/ui/Threads.h"
#include "tests/platform/ui/UiFixture.h"
#include "tests/platform/ui/Watchdog.h"

namespace ui::testing {
namespace {

using std::chrono::milliseconds;

// A worker that sleeps `Interval` of the application clock and hands each
// wake-up to the UI thread, which notes the clock.
class Ticker {
 public:
  explicit Ticker(std::uint32_t interval) : interval_(interval) {}
  void Start() { thread_.Resume(); }
  void SetInterval(std::uint32_t ms) {
    interval_.store(ms);
    thread_.Interrupt();
  }
  WorkerThread& Thread() { return thread_; }
  const std::vector<std::int64_t>& Times() const { return times_; }

 private:
  void Run(WorkerThread& t) {
    for (;;) {
      auto r = t.Sleep(interval_.load());
      if (r == WorkerThread::SleepResult::Terminated) return;
      if (r == WorkerThread::SleepResult::Interrupted) continue;
      if (!App().Synchronize([this] { times_.push_back(App().NowMs()); })) return;
    }
  }

  std::atomic<std::uint32_t> interval_;
  std::vector<std::int64_t> times_;  // UI thread only
  WorkerThread thread_{[this](WorkerThread& t) { Run(t); }, true};
};

using WorkerThreadTest = UiFixture;

TEST_F(WorkerThreadTest, SleepRunsOnTheVirtualClockAtExactTimes) {
  Watchdog dog("virtual-clock sleep");
  const std::int64_t t0 = app().NowMs();
  Ticker ticker(10);
  ticker.Start();
  app().RunFor(100);
  std::vector<std::int64_t> want;
  for (int i = 1; i <= 10; ++i) want.push_back(t0 + 10 * i);
  EXPECT_EQ(ticker.Times(), want);
  EXPECT_EQ(app().NowMs(), t0 + 100);
}

TEST_F(WorkerThreadTest, InterruptStartsTheWaitAgainWithTheNewSetting) {
  Watchdog dog("interrupted sleep");
  const std::int64_t t0 = app().NowMs();
  Ticker ticker(65535);
  ticker.Start();
  app().RunFor(500);
  EXPECT_TRUE(ticker.Times().empty());
  ticker.SetInterval(10);
  app().RunFor(30);
  EXPECT_EQ(ticker.Times(), (std::vector<std::int64_t>{t0 + 510, t0 + 520, t0 + 530}));
}

TEST_F(WorkerThreadTest, SuspendParksTheWorkerAndResumeStartsAFreshInterval) {
  Watchdog dog("suspend and resume");
  const std::int64_t t0 = app().NowMs();
  Ticker ticker(10);
  ticker.Start();
  app().RunFor(20);
  ticker.Thread().Suspend();
  EXPECT_TRUE(ticker.Thread().Suspended());
  app().RunFor(200);
  EXPECT_EQ(ticker.Times(), (std::vector<std::int64_t>{t0 + 10, t0 + 20}));
  ticker.Thread().Resume();
  app().RunFor(25);
  EXPECT_EQ(ticker.Times(), (std::vector<std::int64_t>{t0 + 10, t0 + 20, t0 + 230, t0 + 240}));
}

TEST_F(WorkerThreadTest, SuspendAndInterruptBeforeStartOrFromTheHandOffNeverWait) {
  Watchdog dog("setters from the hand-off");
  Ticker ticker(10);
  ticker.Thread().Interrupt();  // not started: nothing to interrupt
  ticker.Start();
  int calls = 0;
  // The worker is blocked in Synchronize while these run on the UI thread.
  WorkerThread other(
      [&](WorkerThread& t) {
        while (t.Sleep(10) != WorkerThread::SleepResult::Terminated) {
          App().Synchronize([&] {
            ++calls;
            ticker.Thread().Suspend();
            ticker.Thread().Resume();
            t.Suspend();
          });
        }
      },
      true);
  other.Resume();
  app().RunFor(50);
  EXPECT_EQ(calls, 1);
  EXPECT_TRUE(other.Suspended());
  EXPECT_GE(ticker.Times().size(), 4u);
}

TEST_F(WorkerThreadTest, CheckSynchronizeLetsABlockedWorkerGoOn) {
  Watchdog dog("CheckSynchronize");
  std::atomic<bool> handedOff{false};
  bool ran = false;
  WorkerThread worker([&](WorkerThread&) { handedOff = App().Synchronize([&] { ran = true; }); });
  worker.Resume();
  // No message loop runs here: only CheckSynchronize can serve the worker.
  while (!worker.WaitForEnd(1)) app().CheckSynchronize();
  EXPECT_TRUE(ran);
  EXPECT_TRUE(handedOff.load());
  EXPECT_TRUE(worker.Ended());
}

TEST_F(WorkerThreadTest, TerminateEndsAParkedOrSleepingWorker) {
  Watchdog dog("terminate");
  for (bool park : {false, true}) {
    WorkerThread worker(
        [](WorkerThread& t) {
          while (t.Sleep(60000) != WorkerThread::SleepResult::Terminated) {
          }
        },
        true);
    if (park) worker.Suspend();
    worker.Resume();
    if (park) worker.Suspend();
    app().RunFor(10);
    EXPECT_FALSE(worker.Ended()) << park;
    worker.Terminate();
    EXPECT_TRUE(worker.WaitForEnd(5000)) << park;
  }
}

TEST(WorkerThreadRealClockTest, SleepWaitsRealTimeWithoutAnApplication) {
  Watchdog dog("real-clock sleep");
  std::atomic<int> timedOut{0};
  WorkerThread worker([&](WorkerThread& t) {
    while (t.Sleep(1) == WorkerThread::SleepResult::TimedOut)
      if (++timedOut == 3) return;
  });
  EXPECT_TRUE(worker.Ended());  // not started yet
  worker.Resume();
  EXPECT_TRUE(worker.WaitForEnd(5000));
  EXPECT_EQ(timedOut.load(), 3);
}

// A hand-off that has not begun when the application terminates is taken
// back: it never runs, not even from a loop step during the shutdown.
TEST(WorkerThreadShutdownTest, AHandOffQueuedAtTerminationNeverRuns) {
  Watchdog dog("hand-off at termination");
  backend::HeadlessBackend backend;
  auto app = std::make_unique<Application>(backend);
  std::atomic<bool> queued{false};
  std::atomic<bool> result{true};
  std::atomic<bool> ran{false};
  WorkerThread worker([&](WorkerThread&) {
    queued = true;
    result = App().Synchronize([&] { ran = true; });
  });
  // Destroyed with the application, after the termination flag is up: it
  // waits for the worker to give up and then runs the loop's hand-offs.
  struct LastStep : Component {
    LastStep(Component* owner, WorkerThread& w) : Component(owner), worker(w) {}
    ~LastStep() override {
      worker.WaitForEnd(5000);
      App().CheckSynchronize();
      App().ProcessMessages();
    }
    WorkerThread& worker;
  };
  new LastStep(app.get(), worker);
  worker.Resume();
  while (!queued) std::this_thread::sleep_for(milliseconds(1));
  std::this_thread::sleep_for(milliseconds(20));
  app.reset();
  EXPECT_TRUE(worker.Ended());
  EXPECT_FALSE(result.load());
  EXPECT_FALSE(ran.load());
}

}  // namespace
}  // namespace ui::testing
