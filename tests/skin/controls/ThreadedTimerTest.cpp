// TacThreadedTimer on the virtual clock: when it ticks and when not, ticks on
// the UI thread that never overlap, a settings change that cuts the running
// wait short, and destruction with a tick queued or from inside a tick.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

#include "platform/ui/Threads.h"
#include "skin/controls/acThdTimer.h"
#include "tests/platform/ui/UiFixture.h"
#include "tests/platform/ui/Watchdog.h"

namespace skin::test {
namespace {

using ui::testing::Watchdog;

class ThreadedTimerTest : public ui::testing::UiFixture {
 protected:
  // A timer owned by a form whose ticks note the virtual time.
  TacThreadedTimer* NewTimer(std::uint32_t interval, bool withHandler = true) {
    auto* t = new TacThreadedTimer(form_);
    t->SetInterval(interval);
    if (withHandler) t->SetOnTimer([this](ui::Component*) { Note(); });
    return t;
  }
  void Note() {
    times.push_back(app().NowMs() - t0);
    if (std::this_thread::get_id() != ui) offThread = true;
  }

  ui::Form* form_ = NewForm({0, 0, 100, 100});
  std::int64_t t0 = app().NowMs();
  std::thread::id ui = std::this_thread::get_id();
  std::vector<std::int64_t> times;
  bool offThread = false;
};

TEST_F(ThreadedTimerTest, DefaultsAndNoTicksUnlessEnabledWithIntervalAndHandler) {
  Watchdog dog("threaded timer idle cases");
  auto* fresh = new TacThreadedTimer(form_);
  EXPECT_TRUE(fresh->Enabled());
  EXPECT_EQ(fresh->Interval(), 1000u);
  EXPECT_EQ(fresh->ThreadPriority(), TThreadPriority::tpNormal);
  EXPECT_FALSE(fresh->OnTimer());

  struct Case {
    const char* name;
    std::uint32_t interval;
    bool enabled;
    bool handler;
  };
  for (const Case& c : {Case{"interval 0", 0, true, true}, Case{"disabled", 10, false, true},
                        Case{"no handler", 10, true, false}}) {
    times.clear();
    TacThreadedTimer* t = NewTimer(c.interval, c.handler);
    t->SetEnabled(c.enabled);
    app().RunFor(200);
    EXPECT_TRUE(times.empty()) << c.name;
    // Setting the missing piece makes it tick at its interval from then on.
    t0 = app().NowMs();
    if (!c.handler) t->SetOnTimer([this](ui::Component*) { Note(); });
    t->SetEnabled(true);
    t->SetInterval(10);
    app().RunFor(30);
    EXPECT_EQ(times, (std::vector<std::int64_t>{10, 20, 30})) << c.name;
    delete t;
  }
  EXPECT_FALSE(offThread);
}

TEST_F(ThreadedTimerTest, TicksOnTheUiThreadAtTheInterval) {
  Watchdog dog("threaded timer ticks");
  TacThreadedTimer* t = NewTimer(10);
  ui::Component* sender = nullptr;
  t->SetOnTimer([&](ui::Component* s) {
    sender = s;
    Note();
  });
  app().RunFor(50);
  EXPECT_EQ(times, (std::vector<std::int64_t>{10, 20, 30, 40, 50}));
  EXPECT_EQ(sender, t);
  EXPECT_FALSE(offThread);
}

TEST_F(ThreadedTimerTest, ASlowHandlerNeverOverlapsTheNextTick) {
  Watchdog dog("slow handler");
  TacThreadedTimer* t = NewTimer(10);
  int inside = 0, overlaps = 0;
  t->SetOnTimer([&](ui::Component*) {
    if (inside++) ++overlaps;
    Note();
    std::this_thread::sleep_for(std::chrono::milliseconds(3));
    app().RunFor(25);  // the loop runs on inside the handler
    --inside;
  });
  app().RunFor(100);
  EXPECT_EQ(overlaps, 0);
  ASSERT_GE(times.size(), 2u);
  // The next wait begins when the tick has run.
  for (std::size_t i = 1; i < times.size(); ++i) EXPECT_EQ(times[i] - times[i - 1], 35) << i;
}

TEST_F(ThreadedTimerTest, AnIntervalChangeCutsTheRunningWaitShort) {
  Watchdog dog("interval change");
  TacThreadedTimer* t = NewTimer(65535);
  app().RunFor(1000);
  EXPECT_TRUE(times.empty());
  t->SetInterval(10);
  app().RunFor(20);
  EXPECT_EQ(times, (std::vector<std::int64_t>{1010, 1020}));
}

TEST_F(ThreadedTimerTest, SettersInsideTheTickTakeEffectWithoutWaiting) {
  Watchdog dog("setters inside the tick");
  TacThreadedTimer* t = NewTimer(10);
  // The hide timer's ending: a last interval of 65535 and no handler.
  t->SetOnTimer([&](ui::Component*) {
    Note();
    if (times.size() == 2) {
      t->SetInterval(65535);
      t->SetOnTimer(nullptr);
    }
  });
  app().RunFor(200);
  EXPECT_EQ(times, (std::vector<std::int64_t>{10, 20}));
  // Switched on again, it ticks at once at the new interval.
  t->SetInterval(10);
  t->SetOnTimer([this](ui::Component*) { Note(); });
  app().RunFor(10);
  EXPECT_EQ(times, (std::vector<std::int64_t>{10, 20, 210}));
}

TEST_F(ThreadedTimerTest, DestroyedWithATickQueuedNeitherDeadlocksNorTicksLater) {
  Watchdog dog("destruction with a queued tick");
  for (int round = 0; round < 5; ++round) {
    TacThreadedTimer* t = NewTimer(10);
    bool deleting = false, tickWhileDeleting = false;
    t->SetOnTimer([&](ui::Component*) { tickWhileDeleting |= deleting; });
    // Let the deadline come and the worker hand off, but run no hand-off:
    // the worker is left blocked in it.
    app().Sleep(10);
    app().ProcessMessages();
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
    deleting = true;
    delete t;
    app().RunFor(50);
    EXPECT_FALSE(tickWhileDeleting) << round;
  }
}

TEST_F(ThreadedTimerTest, ATimerFreedByItsOwnTickStopsCleanly) {
  Watchdog dog("freed inside its own tick");
  TacThreadedTimer* t = NewTimer(10);
  int ticks = 0;
  t->SetOnTimer([&](ui::Component*) {
    ++ticks;
    delete t;
  });
  app().RunFor(100);
  EXPECT_EQ(ticks, 1);
}

TEST_F(ThreadedTimerTest, NoTicksOnceTheApplicationIsTerminated) {
  Watchdog dog("terminated application");
  TacThreadedTimer* t = NewTimer(10);
  app().RunFor(20);
  EXPECT_EQ(times.size(), 2u);
  app().Terminate();
  app().Sleep(50);
  app().ProcessMessages();
  EXPECT_EQ(times.size(), 2u);
  // A timer made now has no worker at all.
  auto* late = new TacThreadedTimer(form_);
  late->SetOnTimer([this](ui::Component*) { Note(); });
  late->SetInterval(10);
  app().Sleep(50);
  app().ProcessMessages();
  EXPECT_EQ(times.size(), 2u);
  delete late;
  delete t;
}

}  // namespace
}  // namespace skin::test
