#include "platform/backend/WakePipe.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

namespace backend {

WakePipe::WakePipe() {
  int fds[2];
  if (pipe2(fds, O_NONBLOCK | O_CLOEXEC) != 0)
    throw std::system_error(errno, std::generic_category(), "pipe2");
  read_ = fds[0];
  write_ = fds[1];
}

WakePipe::~WakePipe() {
  close(read_);
  close(write_);
}

void WakePipe::Wake() {
  const char byte = 1;
  // A full pipe already holds a wake-up; nothing else can go wrong here.
  while (write(write_, &byte, 1) < 0 && errno == EINTR) {
  }
}

bool WakePipe::Drain() {
  bool any = false;
  char buffer[64];
  for (;;) {
    const ssize_t n = read(read_, buffer, sizeof buffer);
    if (n > 0) {
      any = true;
      continue;
    }
    if (n < 0 && errno == EINTR) continue;
    return any;
  }
}

}  // namespace backend
