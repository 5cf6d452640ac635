#include "tests/platform/backend/XServerProcess.h"

#include <X11/Xlib.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <thread>

namespace backend::testing {

namespace {

using Clock = std::chrono::steady_clock;

bool Owned(const std::string& display, const char* selection) {
  Display* d = XOpenDisplay(display.c_str());
  if (!d) return false;
  const bool owned = XGetSelectionOwner(d, XInternAtom(d, selection, False)) != 0;
  XCloseDisplay(d);
  return owned;
}

}  // namespace

std::unique_ptr<ChildProcess> ChildProcess::Spawn(const std::vector<std::string>& argv,
                                                  const std::vector<std::string>& env, int keepFd) {
  // Everything the child needs is prepared before fork.
  std::vector<char*> args;
  for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
  args.push_back(nullptr);
  const pid_t parent = getpid();
  const pid_t pid = fork();
  if (pid < 0) return nullptr;
  if (pid == 0) {
    // Dies with the test process, however that ends.
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (getppid() != parent) _exit(127);
    const int null = open("/dev/null", O_RDWR);
    if (null >= 0) {
      dup2(null, STDIN_FILENO);
      dup2(null, STDOUT_FILENO);
      dup2(null, STDERR_FILENO);
    }
    for (int fd = 3; fd < 1024; ++fd)
      if (fd != keepFd) close(fd);
    for (const std::string& e : env) putenv(const_cast<char*>(e.c_str()));
    execvp(args[0], args.data());
    _exit(127);
  }
  return std::unique_ptr<ChildProcess>(new ChildProcess(pid));
}

bool ChildProcess::Exited() {
  if (reaped_) return true;
  int status;
  if (waitpid(pid_, &status, WNOHANG) == pid_) reaped_ = true;
  return reaped_;
}

ChildProcess::~ChildProcess() {
  if (Exited()) return;
  kill(pid_, SIGTERM);
  const auto until = Clock::now() + std::chrono::seconds(3);
  while (!Exited() && Clock::now() < until) std::this_thread::sleep_for(std::chrono::milliseconds(10));
  if (!Exited()) {
    kill(pid_, SIGKILL);
    int status;
    waitpid(pid_, &status, 0);
  }
}

std::unique_ptr<XServerProcess> XServerProcess::Start(std::string& why) {
  int fds[2];
  if (pipe2(fds, O_CLOEXEC) != 0) {
    why = "cannot make a pipe";
    return nullptr;
  }
  // The child's end must survive exec: give it a descriptor without CLOEXEC.
  const int childEnd = fcntl(fds[1], F_DUPFD, 10);
  close(fds[1]);
  std::unique_ptr<XServerProcess> server(new XServerProcess);
  server->xvfb_ = ChildProcess::Spawn({"Xvfb", "-displayfd", std::to_string(childEnd), "-screen", "0",
                                       "800x600x24", "-nolisten", "tcp", "-noreset"},
                                      {}, childEnd);
  close(childEnd);
  if (!server->xvfb_) {
    close(fds[0]);
    why = "cannot fork";
    return nullptr;
  }
  // Xvfb writes its display number once it accepts connections.
  std::string number;
  const auto until = Clock::now() + std::chrono::seconds(15);
  while (Clock::now() < until && number.find('\n') == std::string::npos) {
    pollfd p{fds[0], POLLIN, 0};
    if (poll(&p, 1, 100) <= 0) {
      if (server->xvfb_->Exited()) break;
      continue;
    }
    char buffer[32];
    const ssize_t n = read(fds[0], buffer, sizeof buffer);
    if (n <= 0) break;
    number.append(buffer, static_cast<std::size_t>(n));
  }
  close(fds[0]);
  while (!number.empty() && (number.back() == '\n' || number.back() == '\r')) number.pop_back();
  if (number.empty() || number.find_first_not_of("0123456789") != std::string::npos) {
    why = "Xvfb did not start (is the xvfb package installed?)";
    return nullptr;
  }
  server->display_ = ":" + number;
  Display* d = XOpenDisplay(server->display_.c_str());
  if (!d) {
    why = "Xvfb started but " + server->display_ + " does not answer";
    return nullptr;
  }
  XCloseDisplay(d);
  return server;
}

XServerProcess::~XServerProcess() {
  compositor_.reset();  // before the server it talks to
  xvfb_.reset();
}

bool XServerProcess::StartCompositor(std::string& why) {
  compositor_ = ChildProcess::Spawn({"xcompmgr"}, {"DISPLAY=" + display_});
  if (!compositor_) {
    why = "cannot fork";
    return false;
  }
  const auto until = Clock::now() + std::chrono::seconds(10);
  while (Clock::now() < until) {
    if (Owned(display_, "_NET_WM_CM_S0")) return true;
    if (compositor_->Exited()) break;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  why = "xcompmgr did not take _NET_WM_CM_S0";
  return false;
}

}  // namespace backend::testing
