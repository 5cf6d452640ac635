// Constant-alpha blending of one bitmap onto another, byte by byte.
#pragma once

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Geometry.h"

namespace skin {

// Replaces every byte of the destination area at `dstPoint` (colour bytes, and
// alpha in 32-bit) by (dst * a + src * (255 - a) + 127) >> 8, the source byte
// taken at the same offset from srcRect's top-left corner. a = 255 keeps
// (almost all of) the destination, a = 0 gives (almost only) the source.
//
// Clipping: a negative point coordinate moves the source start by the same
// amount; a negative source start moves the point; the source rectangle is cut
// to the source and then so that it fits into the destination. Nothing happens
// when the source rectangle is empty, when the point lies outside the
// destination or the source rectangle starts outside the source, or unless
// both bitmaps are 24-bit or both 32-bit. `a` is clamped to 0..255.
void BlendBitmaps(gfx::Bitmap& dst, const gfx::Bitmap& src, int a, gfx::Point dstPoint, gfx::Rect srcRect);

// BlendBitmaps over the whole of two 24-bit bitmaps of equal size; nothing
// happens when the sizes or formats differ.
void FadeBitmaps(gfx::Bitmap& dst, const gfx::Bitmap& src, int a);

// FadeBitmaps written to a third bitmap in one pass: every byte of `dst`
// becomes (from * a + to * (255 - a) + 127) >> 8, which is what a copy of
// `from` faded with `to` holds. All three must be 24-bit and of one size;
// otherwise nothing happens and the answer is false.
bool FadeBitmapsInto(gfx::Bitmap& dst, const gfx::Bitmap& from, const gfx::Bitmap& to, int a);

}  // namespace skin
