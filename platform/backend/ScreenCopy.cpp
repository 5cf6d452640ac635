#include "platform/backend/ScreenCopy.h"

#include <stdexcept>
#include <string>

namespace backend {

gfx::Rect ScreenCopyPart(const gfx::Rect& rect, gfx::Size screen) {
  // In 64 bits: the sides of an arbitrary rectangle may not fit an int.
  const long long width = static_cast<long long>(rect.Right) - rect.Left;
  const long long height = static_cast<long long>(rect.Bottom) - rect.Top;
  if (width > kMaxScreenCopySide || height > kMaxScreenCopySide)
    throw std::invalid_argument("screen copy too large: " + std::to_string(width) + "x" +
                                std::to_string(height));
  if (rect.IsEmpty()) return {};
  return gfx::Intersect(rect, {0, 0, screen.Width, screen.Height});
}

}  // namespace backend
