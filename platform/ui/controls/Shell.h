// Opening an address (web link, file) with the desktop's handler.
#pragma once

#include <string>

namespace ui {

// One attempt to open an address: starts `program` (by default xdg-open)
// with `address` as its one argument, detached in a session of its own, and
// returns at once; the caller never waits for the handler, it polls.
class AddressOpening {
 public:
  enum class State { Running, Opened, Failed };

  AddressOpening(const std::string& address, const std::string& program = "xdg-open");
  // Stops watching; a handler still running runs on.
  ~AddressOpening();
  AddressOpening(const AddressOpening&) = delete;
  AddressOpening& operator=(const AddressOpening&) = delete;

  // Running until the handler has ended; then Opened when it exited with
  // status 0, Failed otherwise. A handler that is not found (by path or on
  // PATH) or cannot be started, and an empty address, fail at once.
  State Poll();

 private:
  int fd_ = -1;  // reads the handler's exit status
  State state_ = State::Running;
  std::string status_;
};

}  // namespace ui
