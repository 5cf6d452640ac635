// Reading a whole file into memory, with a size limit.
#pragma once

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace gfx {

// Thrown when a file cannot be opened or read, or is too large; the message
// names the path and the reason.
class FileError : public std::runtime_error {
 public:
  explicit FileError(const std::string& message);
};

// Largest file ReadFileBytes accepts: 256 MiB. Images, skin packages and
// options files are far smaller; anything bigger is not meant for us.
constexpr std::size_t kMaxFileBytes = std::size_t{256} << 20;

// Returns the file's complete contents. Throws FileError when the path is not
// a readable regular file or holds more than `limit` bytes.
std::vector<std::uint8_t> ReadFileBytes(const std::string& path, std::size_t limit = kMaxFileBytes);

}  // namespace gfx
