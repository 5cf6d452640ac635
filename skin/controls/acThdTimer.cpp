#include "skin/controls/acThdTimer.h"

#include "platform/ui/Application.h"
#include "platform/ui/Threads.h"

namespace skin {
namespace {

bool AppTerminating() {
  return !ui::Application::Exists() || ui::App().Terminated() || ui::App().Terminating();
}

}  // namespace

TacThreadedTimer::TacThreadedTimer(ui::Component* owner)
    : ui::Component(owner), shared_(std::make_shared<Shared>()) {
  shared_->timer = this;
  if (AppTerminating()) return;
  // Created paused; UpdateThread starts it once the timer may tick.
  thread_ = std::make_unique<ui::WorkerThread>([s = shared_](ui::WorkerThread& t) { Run(s, t); }, true);
  thread_->Suspend();
  UpdateThread();
}

TacThreadedTimer::~TacThreadedTimer() {
  BeginDestruction();
  const bool ownTick = shared_->inTick;
  shared_->timer = nullptr;  // a queued tick now does nothing
  if (!thread_) return;
  thread_->Terminate();
  if (ownTick) {
    // The worker waits in the hand-off that runs this destructor.
    ui::App().ReleaseWorker(std::move(thread_));
    return;
  }
  // The worker may be blocked in a hand-off: serve it until it ends.
  while (!thread_->WaitForEnd(1))
    if (ui::Application::Exists()) ui::App().CheckSynchronize();
  thread_.reset();
}

void TacThreadedTimer::SetEnabled(bool on) {
  enabled_ = on;
  UpdateThread();
}

void TacThreadedTimer::SetInterval(std::uint32_t ms) {
  shared_->interval.store(ms);
  UpdateThread();
}

void TacThreadedTimer::SetOnTimer(ui::NotifyEvent handler) {
  onTimer_ = std::move(handler);
  UpdateThread();
}

void TacThreadedTimer::SetThreadPriority(TThreadPriority p) {
  priority_ = p;
  UpdateThread();
}

void TacThreadedTimer::UpdateThread() {
  if (!thread_) return;
  thread_->Suspend();
  if (MayTick()) thread_->Resume();
}

void TacThreadedTimer::Tick() {
  if (MayTick()) onTimer_(this);
}

void TacThreadedTimer::Run(const std::shared_ptr<Shared>& shared, ui::WorkerThread& thread) {
  for (;;) {
    const auto r = thread.Sleep(shared->interval.load());
    if (r == ui::WorkerThread::SleepResult::Terminated) return;
    if (r == ui::WorkerThread::SleepResult::Interrupted) continue;
    const bool ran = ui::App().Synchronize([shared] {
      if (AppTerminating()) {
        shared->appGone = true;
        return;
      }
      if (!shared->timer) return;
      shared->inTick = true;
      shared->timer->Tick();  // may free the timer
      shared->inTick = false;
    });
    if (!ran || shared->appGone) return;
  }
}

}  // namespace skin
