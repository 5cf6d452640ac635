// The arithmetic of a cross-fade: the weight of the old image at a step, and
// one blended frame of the old image and the new one (the binding's cache).
#pragma once

#include <cstdint>

#include "platform/gfx/Bitmap.h"

namespace skin {

// The old image's weight at step `stepIndex` of `stepCount`:
// 255 - (stepIndex * 256) div stepCount, clamped to 0..255 (div truncates).
// 255 (the old image) when stepCount <= 0.
int FadeAlpha(std::int32_t stepIndex, std::int32_t stepCount);

// frame := a 24-bit copy of `from`; when it and `cache` have the same size
// and are at least 2 x 2, every byte becomes
// (from * a + cache * (255 - a) + 127) >> 8, and a = 0 gives exactly the
// cache. The frame's storage is reused when it has the size already. Never
// throws: a frame that cannot be made is left empty.
void ComposeFadeFrame(gfx::Bitmap& frame, const gfx::Bitmap& from, const gfx::Bitmap& cache, int a);

}  // namespace skin
