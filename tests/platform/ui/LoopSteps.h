// Runs test steps from inside a nested loop (modal forms, move and size
// loops, menus): one step per timer tick on the virtual clock. When the loop
// is still running some time after the last step, the watchdog terminates
// the application so that a stuck loop fails the test instead of hanging it.
#pragma once

#include <cstddef>
#include <functional>
#include <utility>
#include <vector>

#include "platform/ui/Application.h"

namespace ui::testing {

class LoopSteps {
 public:
  using Step = std::function<void()>;

  LoopSteps(Application& app, std::vector<Step> steps, unsigned intervalMs = 20)
      : app_(app), steps_(std::move(steps)), intervalMs_(intervalMs) {
    timer_ = app_.StartCallbackTimer(intervalMs, [this] { Tick(); });
  }
  ~LoopSteps() { app_.StopCallbackTimer(timer_); }
  LoopSteps(const LoopSteps&) = delete;
  LoopSteps& operator=(const LoopSteps&) = delete;

  // Every step ran (and the watchdog did not fire).
  bool Done() const { return next_ == steps_.size() && !timedOut_; }
  bool TimedOut() const { return timedOut_; }

 private:
  void Tick() {
    if (next_ < steps_.size()) {
      Step s = steps_[next_++];
      s();
      return;
    }
    // About five seconds after the last step.
    if (++idleTicks_ * intervalMs_ >= 5000) {
      app_.StopCallbackTimer(timer_);
      timedOut_ = true;
      app_.Terminate();
    }
  }

  Application& app_;
  std::vector<Step> steps_;
  std::size_t next_ = 0;
  unsigned intervalMs_;
  unsigned idleTicks_ = 0;
  bool timedOut_ = false;
  int timer_ = 0;
};

}  // namespace ui::testing
