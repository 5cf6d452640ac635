// The two ways a piece of a skin image is put onto a bitmap: a keyed copy
// (pieces of masks without a transparency part) and a masked composition
// (pieces of masks whose region holds a transparency picture under the
// state pictures). Both are used for frames and glyphs here and for the
// corners of control caches by the control binding.
//
// Source images:
// - 24-bit: pixels of exactly clFuchsia are the transparent key.
// - 32-bit (pictures with their own alpha): the whole value 0x00FF00FF is a
//   hole and is treated like a key pixel; other pixels are copied with all
//   four bytes onto a 32-bit bitmap, and blended by their alpha onto a 24-bit
//   one, d := (d * 256 + (s - d) * A) >> 8. Their transparency is their alpha,
//   so no mask rows are read for them.
// - palette and grey images are converted to 24 bits first.
// Destinations other than 24- and 32-bit bitmaps are left alone.
#pragma once

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Geometry.h"
#include "skin/data/sMaskData.h"
#include "skin/paint/Backdrop.h"

namespace skin {

// Copies `sourceRect` of `source` to (x, y) of `bitmap`. sourceRect is
// INCLUSIVE (Right and Bottom are the last column and row) and is clipped to
// the source; positions outside the bitmap are skipped. A pixel that is not
// the key is copied (a 32-bit bitmap gets alpha 255). A key pixel becomes:
// - with `useBackdrop` and a Ready backdrop that has an image: the backdrop
//   pixel at (backdrop.X + bx, backdrop.Y + by), (bx, by) the pixel's position
//   in `bitmap`; left unchanged where that lies outside the backdrop image;
// - otherwise, with a Ready backdrop: unchanged;
// - otherwise: the backdrop's FillColor (alpha 255 in a 32-bit bitmap);
//   NoBackdrop thus gives black.
void CopyKeyed(gfx::Bitmap& bitmap, const gfx::Bitmap& source, int x, int y, bool useBackdrop,
               const BackdropRef& backdrop, const gfx::Rect& sourceRect);

// Composes `sourceRect` of `source` (exclusive rectangle) into `destRect` of
// `bitmap` through the mask part: the copied size is the smaller of the two
// rectangles, cut to both bitmaps (a negative start moves the other
// rectangle). The mask row of source row y is y + MaskCellHeight(mask), the
// block of mask rows limited to start at most at source height - copied
// height (so a piece that touches the image bottom keeps its own mask rows).
// Per channel, with m the mask pixel's channel:
//   d := (s * (256 - m) + d * m) >> 8
// A 32-bit bitmap gets alpha 255 on composed pixels only when `useBackdrop`
// is set and the backdrop is Ready. Key pixels of the source:
//   useBackdrop, Ready       -> the backdrop pixel (as in CopyKeyed; the row
//                               stops at the backdrop image's edge)
//   useBackdrop, not Ready   -> FillColor
//   no useBackdrop, Ready    -> composed like any other pixel
//   no useBackdrop, not Ready-> unchanged
void ComposeMasked(gfx::Bitmap& bitmap, const gfx::Rect& destRect, const gfx::Rect& sourceRect,
                   const TsMaskData& mask, bool useBackdrop, const BackdropRef& backdrop,
                   const gfx::Bitmap& source);

}  // namespace skin
