// The program's two built-in 32-bit shadow images, used for extended borders
// when a skin has no EXBORDER image of its own. The program hands their PNG
// data over at start-up; they live until the program ends.
#pragma once

#include <cstdint>
#include <span>

#include "platform/gfx/Bitmap.h"

namespace skin {

// Decodes and keeps both images; throws a SkinError for bad PNG data.
void LoadBuiltInShadowImages(std::span<const std::uint8_t> first, std::span<const std::uint8_t> second);
// Replaces the images (tests; empty bitmaps = none).
void SetBuiltInShadowImages(gfx::Bitmap first, gfx::Bitmap second);
// Image 0 or 1; null when it is not loaded.
const gfx::Bitmap* BuiltInShadowImage(int index);

}  // namespace skin
