#include "platform/ui/controls/Shell.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

extern char** environ;

namespace ui {

bool OpenAddress(const std::string& address, const std::string& program) {
  if (address.empty() || program.empty()) return false;
  // A short-lived shell starts the handler in the background and exits; the
  // handler is then nobody's child and needs no reaping. Both strings travel
  // as arguments, never as shell text.
  const char* script = "\"$0\" \"$1\" </dev/null >/dev/null 2>&1 &";
  std::string prog = program, addr = address;
  char* argv[] = {const_cast<char*>("/bin/sh"),
                  const_cast<char*>("-c"),
                  const_cast<char*>(script),
                  prog.data(),
                  addr.data(),
                  nullptr};
  posix_spawn_file_actions_t actions;
  posix_spawnattr_t attr;
  if (posix_spawn_file_actions_init(&actions) != 0) return false;
  if (posix_spawnattr_init(&attr) != 0) {
    posix_spawn_file_actions_destroy(&actions);
    return false;
  }
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  posix_spawnattr_setflags(&attr, POSIX_SPAWN_SETSID);
  pid_t pid = 0;
  int rc = posix_spawn(&pid, "/bin/sh", &actions, &attr, argv, environ);
  posix_spawn_file_actions_destroy(&actions);
  posix_spawnattr_destroy(&attr);
  if (rc != 0) return false;
  // The shell only forks and exits.
  int status = 0;
  while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  return true;
}

}  // namespace ui
