// Shared rules of reading the screen back (Backend::CopyScreen).
#pragma once

#include "platform/gfx/Geometry.h"

namespace backend {

// The largest side a read-back rectangle may have.
inline constexpr int kMaxScreenCopySide = 8192;

// The part of `rect` that lies on a screen of `screen` size (empty when none).
// Throws std::invalid_argument when a side of `rect` exceeds
// kMaxScreenCopySide.
gfx::Rect ScreenCopyPart(const gfx::Rect& rect, gfx::Size screen);

}  // namespace backend
