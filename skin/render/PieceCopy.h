// The one pixel engine behind the mask painters: a piece of a skin image,
// repeated as tiles over a span of the destination, written with one of the
// piece operations. Everything is clipped pixel by pixel to both images, so
// hostile geometry can neither read nor write outside them. Internal to
// skin/render.
#pragma once

#include <cstdint>

#include "platform/gfx/Bitmap.h"
#include "skin/paint/Backdrop.h"

namespace skin::piece {

// A destination span (exclusive, bitmap coordinates) covered by tiles of the
// source starting at (TileX, TileY). The pixel at span offset (i, j) reads the
// source at (TileX + i mod TileW, TileY + j mod TileH); a tile size of 0 means
// one block of the span's size from the tile start. Positions outside the
// source or the destination are skipped.
struct Span {
  std::int64_t X0 = 0, Y0 = 0, X1 = 0, Y1 = 0;
  std::int64_t TileX = 0, TileY = 0, TileW = 0, TileH = 0;
};

enum class Op : std::uint8_t {
  Copy,          // every pixel copied (32-bit destination: alpha 255)
  SkipKey,       // key pixels left out
  Keyed,         // key pixels from the backdrop or its fill colour (CopyKeyed)
  Compose,       // through the mask rows, key pixels by the ComposeMasked table
  GlyphCompose,  // through the mask rows, key pixels left out, optional fading
};

struct Style {
  Op How = Op::Copy;
  bool UseBackdrop = false;
  BackdropRef Backdrop = NoBackdrop;  // offsets relative to the destination's origin
  int MaskOffset = 0;                 // Compose, GlyphCompose: mask row = source row + MaskOffset
  bool Faded = false;                 // GlyphCompose: m := min(m + 100, 255)
};

// Paints the span from the 24- or 32-bit `src` into the 24- or 32-bit `dst`.
// A 32-bit source is a picture with its own alpha and ignores the operation:
// its pixels are copied with all four bytes onto a 32-bit destination and
// blended by alpha onto a 24-bit one, holes (0x00FF00FF) taking the backdrop
// when UseBackdrop is set and the backdrop has an image, else left alone.
void Paint(gfx::Bitmap& dst, const gfx::Bitmap& src, const Span& span, const Style& style);

}  // namespace skin::piece
