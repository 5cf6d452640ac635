// Opening an address (web link, file) with the desktop's handler.
#pragma once

#include <string>

namespace ui {

// Starts `program` (by default xdg-open) with `address` as its one argument,
// detached in a session of its own, and returns at once; the caller never
// waits for the handler. Failures are silent: false only means that nothing
// could be started (empty address, no shell).
bool OpenAddress(const std::string& address, const std::string& program = "xdg-open");

}  // namespace ui
