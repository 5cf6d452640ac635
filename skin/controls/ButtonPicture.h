// The picture of a skinned button: one frame of its Glyph bitmap or of an
// image list item, alpha-blended into the button's cache (or, without a skin,
// onto its canvas) with the button's transparency, grey tint and reflection.
#pragma once

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"
#include "platform/gfx/Color.h"
#include "platform/gfx/Geometry.h"

namespace ui {
class CustomImageList;
}

namespace skin {

struct ButtonPicture {
  const gfx::Bitmap* Glyph = nullptr;  // a non-empty glyph wins over the list
  const ui::CustomImageList* Images = nullptr;
  int ImageIndex = -1;
  int NumGlyphs = 1;
  int Frame = 0;         // limited to NumGlyphs - 1 when drawn
  int BlendPercent = 0;  // more transparent by this many percent
  gfx::Color Gray = gfx::clNone;
  bool Reflected = false;
  // The glyph's bottom-left pixel is its transparent colour (a 24-bit glyph,
  // or a 32-bit one without any opaque pixel).
  bool KeyedGlyph() const;
  // The size of one frame; 0 x 0 when there is no picture.
  gfx::Size FrameSize() const;
};

// Draws the picture with its top-left at `at` of `target` (24- or 32-bit).
// Nothing for an empty target or without a picture.
void DrawButtonPicture(gfx::Bitmap& target, gfx::Point at, const ButtonPicture& p);

// The same onto a canvas, through a 24-bit copy of the area under the
// picture (one and a half times its height when reflected).
void DrawButtonPictureOnCanvas(gfx::Canvas& canvas, gfx::Point at, const ButtonPicture& p);

}  // namespace skin
