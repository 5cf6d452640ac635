#include "platform/ui/controls/Shell.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <string_view>

extern char** environ;

namespace ui {

namespace {
// True when `program` names an executable file, by path or on PATH.
bool Findable(const std::string& program) {
  if (program.find('/') != std::string::npos) return access(program.c_str(), X_OK) == 0;
  const char* path = std::getenv("PATH");
  const std::string_view dirs = path ? path : "/usr/local/bin:/usr/bin:/bin";
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = std::min(dirs.find(':', start), dirs.size());
    const std::string_view dir = dirs.substr(start, end - start);
    const std::string file = (dir.empty() ? std::string(".") : std::string(dir)) + "/" + program;
    if (access(file.c_str(), X_OK) == 0) return true;
    if (end == dirs.size()) return false;
    start = end + 1;
  }
}
}  // namespace

AddressOpening::AddressOpening(const std::string& address, const std::string& program) {
  state_ = State::Failed;
  // A missing handler (no xdg-open on a minimal system) fails at once.
  if (address.empty() || program.empty() || !Findable(program)) return;
  int fds[2];
  if (pipe2(fds, O_CLOEXEC) != 0) return;
  // A short-lived shell starts a background job and exits, so the job is
  // nobody's child and needs no reaping. The job runs the handler and writes
  // its exit status into the pipe (fd 3, which the handler and whatever it
  // starts do not get); a missing handler is status 127. Both strings travel
  // as arguments, never as shell text.
  const char* script = "(\"$0\" \"$1\" </dev/null >/dev/null 2>&1 3>&-; echo $? >&3) &";
  std::string prog = program, addr = address;
  char* argv[] = {const_cast<char*>("/bin/sh"),
                  const_cast<char*>("-c"),
                  const_cast<char*>(script),
                  prog.data(),
                  addr.data(),
                  nullptr};
  posix_spawn_file_actions_t actions;
  posix_spawnattr_t attr;
  bool started = false;
  pid_t pid = 0;
  if (posix_spawn_file_actions_init(&actions) == 0) {
    if (posix_spawnattr_init(&attr) == 0) {
      posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
      posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
      posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
      posix_spawn_file_actions_adddup2(&actions, fds[1], 3);
      posix_spawnattr_setflags(&attr, POSIX_SPAWN_SETSID);
      started = posix_spawn(&pid, "/bin/sh", &actions, &attr, argv, environ) == 0;
      posix_spawnattr_destroy(&attr);
    }
    posix_spawn_file_actions_destroy(&actions);
  }
  close(fds[1]);
  if (!started) {
    close(fds[0]);
    return;
  }
  // The shell only forks and exits.
  int status = 0;
  while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  fcntl(fds[0], F_SETFL, O_NONBLOCK);
  fd_ = fds[0];
  state_ = State::Running;
}

AddressOpening::~AddressOpening() {
  if (fd_ >= 0) close(fd_);
}

AddressOpening::State AddressOpening::Poll() {
  if (state_ != State::Running) return state_;
  char buf[16];
  for (;;) {
    const ssize_t n = read(fd_, buf, sizeof buf);
    if (n > 0) {
      status_.append(buf, static_cast<std::size_t>(n));
      if (status_.find('\n') != std::string::npos) break;
      continue;
    }
    if (n < 0 && errno == EINTR) continue;
    if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) return state_;
    break;  // the job ended (end of file) or the pipe broke
  }
  close(fd_);
  fd_ = -1;
  state_ = status_ == "0\n" ? State::Opened : State::Failed;
  return state_;
}

}  // namespace ui
