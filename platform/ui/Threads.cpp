#include "platform/ui/Threads.h"

#include <chrono>

#include "platform/ui/Application.h"

namespace ui {

void SyncEvent::Set() {
  {
    std::lock_guard<std::mutex> lock(m_);
    set_ = true;
  }
  cv_.notify_all();
}

void SyncEvent::Reset() {
  std::lock_guard<std::mutex> lock(m_);
  set_ = false;
}

bool SyncEvent::WaitFor(int ms) {
  std::unique_lock<std::mutex> lock(m_);
  bool ok = cv_.wait_for(lock, std::chrono::milliseconds(ms < 0 ? 0 : ms), [this] { return set_; });
  if (ok && !manual_) set_ = false;
  return ok;
}

bool SyncEvent::IsSet() const {
  std::lock_guard<std::mutex> lock(m_);
  return set_;
}

WorkerThread::WorkerThread(std::function<void(WorkerThread&)> body, bool onAppClock)
    : body_(std::move(body)) {
  if (onAppClock && Application::Exists()) app_ = &Application::Instance();
}

WorkerThread::~WorkerThread() {
  Terminate();
  if (thread_.joinable()) thread_.join();
}

void WorkerThread::Resume() {
  if (!started_) {
    {
      std::lock_guard<std::mutex> lock(m_);
      started_ = true;
      suspended_ = false;
    }
    // The loop waits for the first Sleep's deadline instead of running past it.
    if (app_) app_->HoldWorkerClock(this);
    thread_ = std::thread([this] {
      body_(*this);
      if (app_) app_->ReleaseWorkerClock(this);
      {
        std::lock_guard<std::mutex> lock(m_);
        ended_ = true;
      }
      cv_.notify_all();
    });
    return;
  }
  {
    std::lock_guard<std::mutex> lock(m_);
    if (!suspended_) return;
    suspended_ = false;
    ++generation_;
  }
  if (app_ && !Terminated()) app_->HoldWorkerClock(this);
  cv_.notify_all();
}

void WorkerThread::Suspend() {
  {
    std::lock_guard<std::mutex> lock(m_);
    if (suspended_) return;
    suspended_ = true;
    ++generation_;
  }
  cv_.notify_all();
}

bool WorkerThread::Suspended() const {
  std::lock_guard<std::mutex> lock(m_);
  return suspended_;
}

void WorkerThread::Interrupt() {
  bool running;
  {
    std::lock_guard<std::mutex> lock(m_);
    ++generation_;
    running = started_ && !suspended_ && !ended_;
  }
  if (app_ && running && !Terminated()) app_->HoldWorkerClock(this);
  cv_.notify_all();
}

void WorkerThread::Terminate() {
  {
    std::lock_guard<std::mutex> lock(m_);
    terminated_.store(true);
  }
  cv_.notify_all();
  wake_.Set();
}

WorkerThread::SleepResult WorkerThread::Sleep(std::uint32_t ms) {
  std::uint64_t generation;
  bool parked;
  {
    std::lock_guard<std::mutex> lock(m_);
    if (terminated_.load()) return SleepResult::Terminated;
    generation = generation_;
    parked = suspended_;
  }
  if (parked) {
    // A parked worker holds no clock; Resume holds it again.
    if (app_) app_->ReleaseWorkerClock(this);
    std::unique_lock<std::mutex> lock(m_);
    cv_.wait(lock, [this] { return terminated_.load() || !suspended_; });
    return terminated_.load() ? SleepResult::Terminated : SleepResult::Interrupted;
  }
  const bool virtualClock = app_ && app_->VirtualClock();
  if (virtualClock) app_->ArmWorkerClock(this, app_->NowMs() + static_cast<std::int64_t>(ms));
  std::unique_lock<std::mutex> lock(m_);
  auto woken = [&] { return terminated_.load() || suspended_ || generation_ != generation || due_; };
  if (virtualClock)
    cv_.wait(lock, woken);
  else
    cv_.wait_for(lock, std::chrono::milliseconds(ms), woken);
  if (terminated_.load()) return SleepResult::Terminated;
  if (suspended_ || generation_ != generation) return SleepResult::Interrupted;
  return SleepResult::TimedOut;
}

void WorkerThread::ClockDue() {
  {
    std::lock_guard<std::mutex> lock(m_);
    due_ = true;
  }
  cv_.notify_all();
}

void WorkerThread::ClearDue() {
  std::lock_guard<std::mutex> lock(m_);
  due_ = false;
}

bool WorkerThread::Ended() const {
  std::lock_guard<std::mutex> lock(m_);
  return !started_ || ended_;
}

bool WorkerThread::WaitForEnd(int realMs) {
  std::unique_lock<std::mutex> lock(m_);
  if (!started_) return true;
  return cv_.wait_for(lock, std::chrono::milliseconds(realMs < 0 ? 0 : realMs), [this] { return ended_; });
}

}  // namespace ui
