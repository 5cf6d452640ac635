// The exception that the image readers throw for data they cannot decode:
// truncated or inconsistent files, unsupported variants, sizes over our limits.
// The message names the format and the problem and is fit to show to a user.
#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>

namespace gfx {

class ImageError : public std::runtime_error {
 public:
  explicit ImageError(const std::string& message);
};

// Limits shared by the image readers. A picture of a skin or a game is a few
// megapixels at most; these bounds keep hostile files from making us allocate
// or decode gigabytes.
constexpr int kMaxImageSide = 16384;
constexpr std::size_t kMaxImageBytes = std::size_t{256} << 20;  // 256 MiB of decoded pixels

}  // namespace gfx
