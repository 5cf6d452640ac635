#include "platform/gfx/FileBytes.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace gfx {

FileError::FileError(const std::string& message) : std::runtime_error(message) {}

namespace {

class Fd {
 public:
  explicit Fd(int fd) : fd_(fd) {}
  ~Fd() {
    if (fd_ >= 0) ::close(fd_);
  }
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;
  int get() const { return fd_; }

 private:
  int fd_;
};

[[noreturn]] void Fail(const std::string& path, const std::string& what) {
  throw FileError("cannot read \"" + path + "\": " + what);
}

}  // namespace

std::vector<std::uint8_t> ReadFileBytes(const std::string& path, std::size_t limit) {
  // Opened without blocking: opening a FIFO or a device would otherwise wait
  // for a writer before the regular-file check below could refuse it.
  Fd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
  if (fd.get() < 0) Fail(path, std::strerror(errno));
  struct stat st {};
  if (::fstat(fd.get(), &st) != 0) Fail(path, std::strerror(errno));
  if (S_ISDIR(st.st_mode)) Fail(path, "it is a directory");
  if (!S_ISREG(st.st_mode)) Fail(path, "not a regular file");
  if (st.st_size < 0 || static_cast<std::uint64_t>(st.st_size) > limit)
    Fail(path, "file larger than " + std::to_string(limit) + " bytes");

  // The size is only a hint: the file may change while we read, so read until
  // end of file and enforce the limit on what actually arrives.
  std::vector<std::uint8_t> data(static_cast<std::size_t>(st.st_size));
  std::size_t got = 0;
  for (;;) {
    if (got == data.size()) {
      if (data.size() > limit) Fail(path, "file larger than " + std::to_string(limit) + " bytes");
      data.resize(data.size() + 65536);
    }
    const ssize_t n = ::read(fd.get(), data.data() + got, data.size() - got);
    if (n < 0) {
      if (errno == EINTR) continue;
      Fail(path, std::strerror(errno));
    }
    if (n == 0) break;
    got += static_cast<std::size_t>(n);
  }
  if (got > limit) Fail(path, "file larger than " + std::to_string(limit) + " bytes");
  data.resize(got);
  return data;
}

}  // namespace gfx
