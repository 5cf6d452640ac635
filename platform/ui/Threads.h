// The worker-thread facility of the threaded timer: a manual-reset event
// with a timed wait, and a thread object that is created suspended, resumed,
// paused, and signalled and joined at destruction. Hand-offs to the
// user-interface thread go through Application::Synchronize.
//
// A worker made with `onAppClock` waits with Sleep on the application's
// clock: on the headless backend's virtual clock its deadline counts as a due
// timer of the message loop, and from the moment the loop wakes it (its
// deadline came, or Resume/Interrupt changed its settings) until it waits
// again, parks or ends, the loop keeps the clock still. Such a body must,
// after every Sleep, either Sleep again (after at most a hand-off) or return.
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <thread>

namespace ui {

class Application;

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
  enum class SleepResult { TimedOut, Interrupted, Terminated };

  // The body runs once on the worker after the first Resume; it should return
  // when Terminated() becomes true (Sleep reports it). The application, when
  // `onAppClock` is set, must outlive the thread.
  explicit WorkerThread(std::function<void(WorkerThread&)> body, bool onAppClock = false);
  // Sets Terminated, signals the wake event and joins.
  ~WorkerThread();
  WorkerThread(const WorkerThread&) = delete;
  WorkerThread& operator=(const WorkerThread&) = delete;

  // The first call starts the thread; later calls end a pause (the running
  // or next Sleep reports Interrupted).
  void Resume();
  // Pauses the body at its Sleep: a running Sleep returns Interrupted and the
  // next one parks until Resume or Terminate. Never waits for the worker.
  void Suspend();
  bool Suspended() const;
  bool Started() const { return started_; }
  void Terminate();
  bool Terminated() const { return terminated_.load(); }
  // Cuts the body's running Sleep short (Interrupted), so that it starts its
  // wait again with new settings. Never waits for the worker.
  void Interrupt();
  // The event the body may wait on; Terminate sets it.
  SyncEvent& WakeEvent() { return wake_; }

  // Called by the body: waits `ms` milliseconds (of the application clock
  // with `onAppClock`, else real ones) unless interrupted, paused or
  // terminated first. While paused it parks and reports Interrupted once
  // resumed.
  SleepResult Sleep(std::uint32_t ms);

  // True once the body has returned (or when it never started).
  bool Ended() const;
  // Waits up to `realMs` real milliseconds for the body to return.
  bool WaitForEnd(int realMs);

 private:
  friend class Application;
  // The application clock reached the deadline of the running Sleep.
  void ClockDue();
  // A new deadline is armed: a due notice of the previous one is void.
  void ClearDue();

  std::function<void(WorkerThread&)> body_;
  Application* app_ = nullptr;  // set with onAppClock
  std::thread thread_;
  std::atomic<bool> terminated_{false};
  bool started_ = false;
  SyncEvent wake_{true, false};

  mutable std::mutex m_;
  std::condition_variable cv_;
  bool suspended_ = false;
  std::uint64_t generation_ = 0;  // bumped by every settings change
  bool due_ = false;
  bool ended_ = false;
};

}  // namespace ui
