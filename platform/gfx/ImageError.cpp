#include "platform/gfx/ImageError.h"

namespace gfx {

ImageError::ImageError(const std::string& message) : std::runtime_error(message) {}

}  // namespace gfx
