// Ends a test program that hangs: when a Watchdog lives longer than its
// limit (real time) it prints what it guards and aborts. Thread tests hold
// one for their whole body.
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <thread>

namespace ui::testing {

class Watchdog {
 public:
  explicit Watchdog(std::string what, std::chrono::milliseconds limit = std::chrono::seconds(5))
      : what_(std::move(what)), thread_([this, limit] {
          std::unique_lock<std::mutex> lock(m_);
          if (!cv_.wait_for(lock, limit, [this] { return done_; })) {
            std::fprintf(stderr, "watchdog: '%s' still running after %lld ms\n", what_.c_str(),
                         static_cast<long long>(limit.count()));
            std::abort();
          }
        }) {}
  ~Watchdog() {
    {
      std::lock_guard<std::mutex> lock(m_);
      done_ = true;
    }
    cv_.notify_all();
    thread_.join();
  }
  Watchdog(const Watchdog&) = delete;
  Watchdog& operator=(const Watchdog&) = delete;

 private:
  std::string what_;
  std::mutex m_;
  std::condition_variable cv_;
  bool done_ = false;
  std::thread thread_;
};

}  // namespace ui::testing
