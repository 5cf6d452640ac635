// The timer component: OnTimer every Interval milliseconds while Enabled.
// Switching it on (or changing the interval) starts the interval afresh.
#pragma once

#include "platform/ui/Component.h"
#include "platform/ui/Events.h"

namespace ui {

class Timer : public Component {
 public:
  explicit Timer(Component* owner);
  ~Timer() override;

  std::string ClassName() const override { return "TTimer"; }
  bool InheritsFrom(const std::string& c) const override {
    return c == "TTimer" || Component::InheritsFrom(c);
  }

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool on);
  unsigned Interval() const { return interval_; }
  void SetInterval(unsigned ms);
  // Assigning a handler restarts the timer like the platform does.
  void SetOnTimer(NotifyEvent handler);
  const NotifyEvent& OnTimer() const { return onTimer_; }

 protected:
  virtual void DoTimer();
  void Loaded() override;

 private:
  void Update();

  bool enabled_ = true;
  unsigned interval_ = 1000;
  NotifyEvent onTimer_;
  int timerId_ = 0;
};

}  // namespace ui
