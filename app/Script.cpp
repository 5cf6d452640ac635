#include "app/Script.h"

namespace app {

Script::~Script() {
  if (timer_ && ui::Application::Exists()) app_.StopCallbackTimer(timer_);
}

void Script::When(std::string what, std::function<bool()> ready, std::function<void()> act) {
  steps_.push_back({std::move(what), std::move(ready), std::move(act)});
}

void Script::After(std::string what, std::int64_t ms, std::function<void()> act) {
  // The wait is measured from the moment the step before ran.
  When(
      std::move(what), [this, ms] { return app_.NowMs() - lastRun_ >= ms; }, std::move(act));
}

void Script::Start() {
  lastRun_ = app_.NowMs();
  timer_ = app_.StartCallbackTimer(10, [this] { Tick(); });
}

void Script::Tick() {
  if (Finished()) {
    app_.StopCallbackTimer(timer_);
    timer_ = 0;
    return;
  }
  const Step s = steps_[next_];
  if (s.Ready && !s.Ready()) {
    if (app_.NowMs() - lastRun_ > timeoutMs_) {
      failure_ = "timed out waiting for: " + s.What;
      next_ = steps_.size();
    }
    return;
  }
  ++next_;
  lastRun_ = app_.NowMs();
  if (s.Act) s.Act();
}

}  // namespace app
