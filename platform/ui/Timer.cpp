#include "platform/ui/Timer.h"

#include "platform/ui/Application.h"

namespace ui {

Timer::Timer(Component* owner) : Component(owner) {}

Timer::~Timer() {
  BeginDestruction();
  if (timerId_ && Application::Exists()) App().StopCallbackTimer(timerId_);
  timerId_ = 0;
}

void Timer::SetEnabled(bool on) {
  if (on == enabled_) return;
  enabled_ = on;
  Update();
}

void Timer::SetInterval(unsigned ms) {
  if (ms == interval_) return;
  interval_ = ms;
  Update();
}

void Timer::SetOnTimer(NotifyEvent handler) {
  onTimer_ = std::move(handler);
  Update();
}

void Timer::Loaded() {
  Component::Loaded();
  Update();
}

void Timer::Update() {
  if (!Application::Exists()) return;
  if (timerId_) App().StopCallbackTimer(timerId_);
  timerId_ = 0;
  // Every change starts the interval afresh; nothing runs while loading.
  if (enabled_ && interval_ != 0 && onTimer_ && !Loading() && !Destroying())
    timerId_ = App().StartCallbackTimer(interval_, [this] { DoTimer(); });
}

void Timer::DoTimer() { onTimer_(this); }

}  // namespace ui
