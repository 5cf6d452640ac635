// Timers on the virtual clock, the threaded hand-off, and a modal dialog
// that blocks its owner while the owner's timer keeps running.
#include <atomic>
#include <thread>
#include <vector>

#include "platform/ui/Threads.h"
#include "platform/ui/Timer.h"
#include "tests/platform/ui/TestControls.h"
#include "tests/platform/ui/UiFixture.h"

namespace ui::testing {
namespace {

using TimerTest = UiFixture;

TEST_F(TimerTest, OneShotPatternFiresAtExactTimes) {
  // A handler switches its own timer off and arms the next one, like a
  // game's wait/show/hide cycle.
  Form* f = NewForm({0, 0, 200, 100});
  auto* wait = new Timer(f);
  auto* show = new Timer(f);
  wait->SetEnabled(false);
  show->SetEnabled(false);
  wait->SetInterval(1000);
  show->SetInterval(400);
  std::vector<std::pair<char, std::int64_t>> log;
  std::int64_t t0 = app().NowMs();
  wait->SetOnTimer([&](Component*) {
    wait->SetEnabled(false);
    log.emplace_back('w', app().NowMs() - t0);
    show->SetEnabled(true);
  });
  show->SetOnTimer([&](Component*) {
    show->SetEnabled(false);
    log.emplace_back('s', app().NowMs() - t0);
    if (log.size() < 4) wait->SetEnabled(true);
  });
  wait->SetEnabled(true);
  app().RunFor(5000);
  std::vector<std::pair<char, std::int64_t>> want{{'w', 1000}, {'s', 1400}, {'w', 2400}, {'s', 2800}};
  EXPECT_EQ(log, want);
}

TEST_F(TimerTest, SwitchingOnOrChangingIntervalStartsAfresh) {
  Form* f = NewForm({0, 0, 200, 100});
  auto* t = new Timer(f);
  std::vector<std::int64_t> ticks;
  t->SetOnTimer([&](Component*) { ticks.push_back(app().NowMs()); });
  t->SetInterval(300);
  app().RunFor(200);
  t->SetInterval(300);  // same value: no restart
  t->SetEnabled(false);
  t->SetEnabled(true);  // restart at 200 -> next tick at 500
  app().RunFor(700);    // until 900: ticks at 500 and 800
  EXPECT_EQ(ticks, (std::vector<std::int64_t>{500, 800}));
}

TEST_F(TimerTest, WindowTimersByIdInDueOrder) {
  Form* f = NewForm({0, 0, 200, 100});
  auto* w = new TestButton(f, f, {0, 0, 10, 10});
  Show(f);
  std::vector<std::pair<unsigned, std::int64_t>> log;
  ProcHook hook(*w, [&](Message& m, const WndMethod& next) {
    if (m.msg == WM_TIMER) {
      log.emplace_back(static_cast<unsigned>(m.wParam), app().NowMs());
      if (m.wParam == TIMER_SCROLL_DELAY) w->KillTimer(TIMER_SCROLL_DELAY);  // once
      return;
    }
    next(m);
  });
  std::int64_t t0 = app().NowMs();
  w->SetTimer(TIMER_SCROLL_DELAY, 300);
  w->SetTimer(TIMER_SCROLL_REPEAT, 55);
  app().RunFor(330);
  w->KillTimer(TIMER_SCROLL_REPEAT);
  app().RunFor(200);
  std::vector<std::pair<unsigned, std::int64_t>> want;
  for (int i = 1; i <= 6; ++i) {
    if (i == 6) want.emplace_back(TIMER_SCROLL_DELAY, t0 + 300);
    want.emplace_back(TIMER_SCROLL_REPEAT, t0 + 55 * i);
  }
  EXPECT_EQ(log, want);
}

TEST_F(TimerTest, WorkerHandsTicksToTheUiThreadSynchronously) {
  std::thread::id ui = std::this_thread::get_id();
  std::atomic<int> ran{0};
  std::atomic<bool> wrongThread{false};
  WorkerThread worker([&](WorkerThread& self) {
    while (!self.Terminated()) {
      self.WakeEvent().WaitFor(5);
      if (self.Terminated()) break;
      int before = ran.load();
      bool ok = App().Synchronize([&] {
        if (std::this_thread::get_id() != ui) wrongThread = true;
        ++ran;
      });
      // Synchronous: when Synchronize returns the call has run.
      if (ok && ran.load() != before + 1) wrongThread = true;
      if (ran.load() >= 3) break;
    }
  });
  worker.Resume();
  app().RunUntil([&] { return ran.load() >= 3; });
  EXPECT_GE(ran.load(), 3);
  EXPECT_FALSE(wrongThread.load());
}

TEST(SyncEventTest, ManualAndAutoReset) {
  SyncEvent manual(true, false);
  EXPECT_FALSE(manual.WaitFor(1));
  manual.Set();
  EXPECT_TRUE(manual.WaitFor(0));
  EXPECT_TRUE(manual.WaitFor(0));
  manual.Reset();
  EXPECT_FALSE(manual.IsSet());
  SyncEvent autoReset(false, true);
  EXPECT_TRUE(autoReset.WaitFor(0));
  EXPECT_FALSE(autoReset.WaitFor(0));
}

TEST_F(TimerTest, ModalDialogBlocksOwnerInputWhileOwnerTimerKeepsFiring) {
  Form* owner = NewForm({100, 100, 500, 400});
  app().SetMainForm(owner);
  auto* ownerProbe = new Probe(owner, owner, {10, 10, 100, 60}, gfx::RGB(0, 200, 0));
  Show(owner);
  Form* dlg = NewForm({0, 0, 200, 120}, BorderStyle::bsDialog);
  dlg->SetPosition(Position::poMainFormCenter);
  auto* ok = new TestButton(dlg, dlg, {10, 10, 80, 40});
  ok->OnClick = [&](Component*) { dlg->SetModalResult(mrOk); };
  auto* tick = new Timer(owner);
  int ticks = 0;
  tick->SetInterval(100);
  tick->SetOnTimer([&](Component*) { ++ticks; });

  // While the dialog runs: click the owner (blocked), let time pass, then OK.
  int shows = 0;
  dlg->OnShow = [&](Component*) { ++shows; };
  gfx::Point ownerPoint = ClientPoint(ownerProbe, 5, 5);
  bool dialogCentred = false, scripted = false;
  int driver = app().StartCallbackTimer(20, [&] {
    if (!dlg->Visible() || scripted) return;
    scripted = true;
    gfx::Rect o = owner->WindowRect(), d = dlg->WindowRect();
    dialogCentred = d.Left - o.Left == o.Right - d.Right && d.Top - o.Top == o.Bottom - d.Bottom;
    screen().InjectClick(ownerPoint);
    App().RunFor(1000);
    screen().InjectClick(ClientPoint(ok, 5, 5));
  });
  ModalResult r = dlg->ShowModal();
  app().StopCallbackTimer(driver);
  EXPECT_EQ(r, mrOk);
  EXPECT_EQ(ownerProbe->clicks, 0);
  EXPECT_EQ(ownerProbe->downs, 0);
  EXPECT_GE(ticks, 9);
  EXPECT_TRUE(dialogCentred);
  EXPECT_FALSE(dlg->Visible());
  EXPECT_TRUE(owner->Active());
  // Shown again: OnShow again, the form was only hidden.
  int driver2 = app().StartCallbackTimer(20, [&] { dlg->Close(); });
  EXPECT_EQ(dlg->ShowModal(), mrCancel);
  app().StopCallbackTimer(driver2);
  EXPECT_EQ(shows, 2);
  // After the dialog the owner takes clicks again.
  Click(ownerPoint);
  EXPECT_EQ(ownerProbe->clicks, 1);
}

}  // namespace
}  // namespace ui::testing
