// TacThreadedTimer: a timer component whose waiting happens on a worker
// thread while its tick handler runs on the user-interface thread. The
// worker sleeps out the interval (on the application clock) and hands each
// tick synchronously to the UI thread, so ticks never overlap each other or
// other UI code. It ticks only while Enabled, Interval != 0 and OnTimer is
// set; every property change starts the interval afresh.
//
// Setters never wait for the worker (they may run inside a tick, while the
// worker is blocked in the hand-off). Destruction stops the worker and runs
// pending hand-offs until it ends; a tick that was queued when the timer
// began to stop does nothing. A timer freed by its own tick leaves its worker
// to the application, which joins it once the tick is over.
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>

#include "platform/ui/Component.h"
#include "platform/ui/Events.h"

namespace ui {
class WorkerThread;
}

namespace skin {

// Stored only: the worker runs at the normal priority of the process.
enum class TThreadPriority : std::uint8_t {
  tpIdle,
  tpLowest,
  tpLower,
  tpNormal,
  tpHigher,
  tpHighest,
  tpTimeCritical
};

class TacThreadedTimer : public ui::Component {
 public:
  explicit TacThreadedTimer(ui::Component* owner);
  ~TacThreadedTimer() override;

  std::string ClassName() const override { return "TacThreadedTimer"; }
  bool InheritsFrom(const std::string& c) const override {
    return c == "TacThreadedTimer" || ui::Component::InheritsFrom(c);
  }

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool on);
  std::uint32_t Interval() const { return shared_->interval.load(); }
  void SetInterval(std::uint32_t ms);
  const ui::NotifyEvent& OnTimer() const { return onTimer_; }
  void SetOnTimer(ui::NotifyEvent handler);
  TThreadPriority ThreadPriority() const { return priority_; }
  void SetThreadPriority(TThreadPriority p);

 protected:
  // One tick on the UI thread: OnTimer(this) while the timer may tick.
  virtual void Tick();

 private:
  // What the worker and the queued hand-offs share with the timer; it
  // outlives the timer as long as either needs it.
  struct Shared {
    std::atomic<std::uint32_t> interval{1000};
    // UI thread only:
    TacThreadedTimer* timer = nullptr;  // null once the timer is stopping
    bool inTick = false;
    bool appGone = false;  // a hand-off found the application terminating
  };

  static void Run(const std::shared_ptr<Shared>& shared, ui::WorkerThread& thread);
  // Pauses the worker, and resumes it when the timer may tick.
  void UpdateThread();
  bool MayTick() const { return enabled_ && Interval() != 0 && static_cast<bool>(onTimer_); }

  bool enabled_ = true;
  ui::NotifyEvent onTimer_;
  TThreadPriority priority_ = TThreadPriority::tpNormal;
  std::shared_ptr<Shared> shared_;
  std::unique_ptr<ui::WorkerThread> thread_;
};

}  // namespace skin
