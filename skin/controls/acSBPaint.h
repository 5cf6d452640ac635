// Painting one skinned scroll bar into an image of its size: the two track
// parts split at the thumb's middle, the two arrow buttons with their glyphs,
// the thumb with its glyph, and the disabled look. Works on the skin model
// and bitmaps only; the window adapter decides states and places the image.
#pragma once

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Geometry.h"
#include "skin/controls/acSBBar.h"
#include "skin/paint/Backdrop.h"

namespace skin {

struct BarLook {
  const TsSkinModel* Model = nullptr;
  const TacScrollBar* Bar = nullptr;
  gfx::Point Origin;      // the bar's top-left in the window (the backdrop's coordinates)
  gfx::Size Size;         // the bar's width and height
  int ThumbOffset = 0;    // thumb start from the bar's start
  int ThumbLength = 0;
  int ArrowLength = 0;    // skin-sized arrow length
  int GlyphSquare = 0;    // side of the square the arrow glyphs are centred in
  bool Usable = true;     // bar and owning control enabled: thumb shown, no disabled look
  int FirstArrowState = 0, SecondArrowState = 0;
  int TrackBeforeState = 0, TrackAfterState = 0;
  int ThumbState = 0;
  BackdropRef WindowBackdrop;  // the window's background, window coordinates
};

// True when "SCROLLBAR1V" (or "...1H") exists: without it nothing is painted.
bool CanPaintBar(const TsSkinModel& model, bool vertical);

// The working images of the arrows and the thumb, kept between paints so
// that painting a bar allocates nothing once the sizes are settled.
struct BarScratch {
  gfx::Bitmap First, Second, Thumb;
};

// Paints the bar into `image`, which is made 24-bit of the bar's size.
void PaintBarImage(const BarLook& look, gfx::Bitmap& image);
void PaintBarImage(const BarLook& look, gfx::Bitmap& image, BarScratch& scratch);

}  // namespace skin
