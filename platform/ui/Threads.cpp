#include "platform/ui/Threads.h"

#include <chrono>

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

WorkerThread::WorkerThread(std::function<void(WorkerThread&)> body) : body_(std::move(body)) {}

WorkerThread::~WorkerThread() {
  Terminate();
  if (thread_.joinable()) thread_.join();
}

void WorkerThread::Resume() {
  if (started_) return;
  started_ = true;
  thread_ = std::thread([this] { body_(*this); });
}

void WorkerThread::Terminate() {
  terminated_.store(true);
  wake_.Set();
}

}  // namespace ui
