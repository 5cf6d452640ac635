// A real window manager (openbox) on a test X server, for the tests where
// what a window manager does matters: placement, size hints, allowed
// actions, iconifying and stacking. Started with the packaged default
// configuration; ended (and reaped) before the server goes away.
#pragma once

#include <memory>
#include <string>

#include "tests/platform/backend/XServerProcess.h"

namespace backend::testing {

class WindowManagerProcess {
 public:
  enum class Outcome { Started, NotInstalled, Failed };

  // Starts openbox on `display` and waits (20 s at most) until it manages
  // windows. `why` tells what went wrong otherwise.
  static std::unique_ptr<WindowManagerProcess> Start(const std::string& display, Outcome& outcome,
                                                     std::string& why);
  ~WindowManagerProcess() = default;

  // Whether openbox can be found on PATH.
  static bool Installed();

 private:
  WindowManagerProcess() = default;
  std::unique_ptr<ChildProcess> process_;
};

}  // namespace backend::testing
