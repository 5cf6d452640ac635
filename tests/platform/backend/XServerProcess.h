// Child X servers for tests: an Xvfb on a display number it picks itself,
// optionally with xcompmgr as compositing manager. Both are ended (and
// reaped) when the object goes away, and die with the test process.
#pragma once

#include <sys/types.h>

#include <memory>
#include <string>
#include <vector>

namespace backend::testing {

// A started program; the destructor sends SIGTERM, then SIGKILL after a
// grace period, and reaps it.
class ChildProcess {
 public:
  // Runs `argv` with extra environment entries "NAME=value". `keepFd`
  // stays open in the child (or -1). Returns null when fork fails.
  static std::unique_ptr<ChildProcess> Spawn(const std::vector<std::string>& argv,
                                             const std::vector<std::string>& env, int keepFd = -1);
  ~ChildProcess();
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;
  pid_t Pid() const { return pid_; }
  bool Exited();  // true once the child has ended (it is reaped then)

 private:
  explicit ChildProcess(pid_t pid) : pid_(pid) {}
  pid_t pid_;
  bool reaped_ = false;
};

class XServerProcess {
 public:
  // Starts Xvfb with one 800x600x24 screen; null with `why` set when it cannot.
  static std::unique_ptr<XServerProcess> Start(std::string& why);
  ~XServerProcess();

  const std::string& DisplayName() const { return display_; }
  // Starts xcompmgr and waits until it owns _NET_WM_CM_S0.
  bool StartCompositor(std::string& why);

 private:
  XServerProcess() = default;
  std::string display_;
  std::unique_ptr<ChildProcess> xvfb_;
  std::unique_ptr<ChildProcess> compositor_;
};

}  // namespace backend::testing
