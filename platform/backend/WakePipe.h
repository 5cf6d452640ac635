// A self-pipe that lets any thread wake a poll() on the user-interface thread.
#pragma once

namespace backend {

class WakePipe {
 public:
  WakePipe();  // throws std::system_error
  ~WakePipe();
  WakePipe(const WakePipe&) = delete;
  WakePipe& operator=(const WakePipe&) = delete;

  // The end to poll for reading.
  int ReadFd() const { return read_; }
  // Thread-safe and async-signal-safe; wake-ups before the next Drain merge.
  void Wake();
  // Empties the pipe; true when there was a wake-up.
  bool Drain();

 private:
  int read_ = -1;
  int write_ = -1;
};

}  // namespace backend
