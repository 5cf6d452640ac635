// The worker-thread facility of the threaded timer: a manual-reset event
// with a timed wait, and a thread object that is created suspended, resumed,
// and signalled and joined at destruction. Hand-offs to the user-interface
// thread go through Application::Synchronize.
#pragma once

#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

namespace ui {

class SyncEvent {
 public:
  explicit SyncEvent(bool manualReset = true, bool initiallySet = false)
      : manual_(manualReset), set_(initiallySet) {}
  void Set();
  void Reset();
  // Waits until set or `ms` real milliseconds passed; true when set. An
  // auto-reset event is reset by a successful wait.
  bool WaitFor(int ms);
  bool IsSet() const;

 private:
  mutable std::mutex m_;
  std::condition_variable cv_;
  bool manual_;
  bool set_;
};

class WorkerThread {
 public:
  // The body runs once on the worker after Resume; it should return when
  // Terminated() becomes true.
  explicit WorkerThread(std::function<void(WorkerThread&)> body);
  // Sets Terminated, signals the wake event and joins.
  ~WorkerThread();
  WorkerThread(const WorkerThread&) = delete;
  WorkerThread& operator=(const WorkerThread&) = delete;

  void Resume();
  bool Started() const { return started_; }
  void Terminate();
  bool Terminated() const { return terminated_.load(); }
  // The event the body waits on; Terminate sets it.
  SyncEvent& WakeEvent() { return wake_; }

 private:
  std::function<void(WorkerThread&)> body_;
  std::thread thread_;
  std::atomic<bool> terminated_{false};
  bool started_ = false;
  SyncEvent wake_{true, false};
};

}  // namespace ui
