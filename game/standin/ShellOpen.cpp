#include "game/standin/ShellOpen.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <cerrno>

extern char** environ;

namespace game::standin {

bool OpenAddress(const std::string& address) {
  // A short-lived intermediate child starts the opener and exits at once, so
  // the opener is adopted by init and never lingers as a zombie of ours.
  const pid_t child = fork();
  if (child < 0) return false;
  if (child == 0) {
    std::string prog = "xdg-open";
    char* argv[] = {prog.data(), const_cast<char*>(address.c_str()), nullptr};
    pid_t opener = 0;
    const int rc = posix_spawnp(&opener, "xdg-open", nullptr, nullptr, argv, environ);
    _exit(rc == 0 ? 0 : 1);
  }
  int status = 0;
  while (waitpid(child, &status, 0) < 0)
    if (errno != EINTR) return false;
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace game::standin
