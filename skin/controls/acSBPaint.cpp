#include "skin/controls/acSBPaint.h"

#include <algorithm>
#include <climits>

#include "platform/ui/MulDiv.h"
#include "skin/data/SkinModel.h"
#include "skin/paint/BlendWith.h"
#include "skin/paint/Colorize.h"
#include "skin/render/ItemBackground.h"
#include "skin/render/MaskCells.h"
#include "skin/render/MaskFrame.h"
#include "skin/render/MaskImage.h"

namespace skin {

namespace {

// Grey share of the disabled look over a plain colour (about 0.6 bar).
constexpr std::uint8_t kDisabledMaskValue = 153;
// Share of the bar kept over a background image.
constexpr double kDisabledKeep = 0.4;

struct Parts {
  const TsScrollPartIndexes* Before;
  const TsScrollPartIndexes* After;
  const TsScrollPartIndexes* Thumb;
  const TsScrollPartIndexes* First;
  const TsScrollPartIndexes* Second;
};

Parts PartsOf(const TsCommonIndexes& ci, bool vertical) {
  if (vertical) return {&ci.ScrollBar1V, &ci.ScrollBar2V, &ci.ScrollSliderV, &ci.ScrollBtnTop, &ci.ScrollBtnBottom};
  return {&ci.ScrollBar1H, &ci.ScrollBar2H, &ci.ScrollSliderH, &ci.ScrollBtnLeft, &ci.ScrollBtnRight};
}

bool ValidSection(const TsSkinModel& model, int index) {
  return index >= 0 && index < static_cast<int>(model.GeneralTable.size());
}

// A rectangle [from, to) along the bar, across its whole thickness.
gfx::Rect Along(bool vertical, gfx::Size size, int from, int to) {
  return vertical ? gfx::Rect{0, from, size.Width, to} : gfx::Rect{from, 0, to, size.Height};
}

// Background plus border mask of one part into `rect` of `bitmap`; `offset`
// is rect's top-left inside `backdrop`.
void PaintPart(const TsSkinModel& model, const TsScrollPartIndexes& part, gfx::Bitmap& bitmap,
               const gfx::Rect& rect, gfx::Point offset, const BackdropRef& backdrop, int state) {
  if (!ValidSection(model, part.Section) || rect.IsEmpty()) return;
  const std::string& name = model.GeneralTable[static_cast<std::size_t>(part.Section)].SectionName;
  RenderItemBackground(model, part.Section, name, backdrop, state, rect, offset, bitmap, part.Pattern,
                       part.HotPattern, gfx::clFuchsia);
  RenderMaskFrame(model, bitmap, rect, true, true, state, part.BordersMask, backdrop.Moved(offset.X, offset.Y));
}

// The glyph of `part` in `state`, centred in `square` of `bitmap`.
void PaintGlyph(const TsSkinModel& model, const TsScrollPartIndexes& part, gfx::Bitmap& bitmap,
                const gfx::Rect& square, int state) {
  const TsMaskData* glyph = MaskAt(model, part.GlyphMask);
  if (!glyph) return;
  const int w = MaskCellWidth(*glyph);
  const int h = MaskCellHeight(*glyph);
  if (w <= 0 || h <= 0) return;
  const gfx::Point at{square.Left + (square.Width() - w) / 2, square.Top + (square.Height() - h) / 2};
  RenderMaskImage(model, bitmap, at, state, MakeBackdropRef(&bitmap, 0, 0), *glyph, kMaskImageNormal);
}

// A button or the thumb: painted in a bitmap of its own over the part of the
// bar image behind it, its glyph centred in `glyphSquare` (the part's
// coordinates), then copied into the bar image at `rect`.
void PaintButton(const TsSkinModel& model, const TsScrollPartIndexes& part, gfx::Bitmap& bar,
                 const gfx::Rect& rect, const gfx::Rect& glyphSquare, int state, gfx::Bitmap& scratch) {
  if (!ValidSection(model, part.Section) || rect.IsEmpty()) return;
  if (scratch.Width() != rect.Width() || scratch.Height() != rect.Height() ||
      scratch.Format() != gfx::PixelFormat::Bgr24)
    scratch = gfx::Bitmap(rect.Width(), rect.Height(), gfx::PixelFormat::Bgr24);
  const BackdropRef behind = MakeBackdropRef(&bar, rect.Left, rect.Top);
  PaintPart(model, part, scratch, {0, 0, rect.Width(), rect.Height()}, {0, 0}, behind, state);
  PaintGlyph(model, part, scratch, glyphSquare, state);
  const std::size_t bytes = static_cast<std::size_t>(rect.Width()) * 3;
  for (int y = 0; y < rect.Height(); ++y)
    std::copy_n(scratch.Scanline(y), bytes, bar.Scanline(rect.Top + y) + static_cast<std::size_t>(rect.Left) * 3);
}

// The disabled look: mixed with the window's background image, or coloured
// towards its background colour.
void MixDisabled(const BarLook& look, gfx::Bitmap& image) {
  const BackdropRef& bg = look.WindowBackdrop;
  if (bg.HasImage()) {
    const int x = bg.X + look.Origin.X;
    const int y = bg.Y + look.Origin.Y;
    BlendWithBitmap(image, 0, 0, gfx::clNone, kDisabledKeep,
                    {x, y, x + image.Width() - 1, y + image.Height() - 1}, *bg.Bitmap);
    return;
  }
  if (bg.FillColor == gfx::clFuchsia) return;  // no background known
  gfx::Bitmap mask(image.Width(), image.Height(), gfx::PixelFormat::Bgr24);
  for (int y = 0; y < mask.Height(); ++y)
    std::fill_n(mask.Scanline(y), static_cast<std::size_t>(mask.Width()) * 3, kDisabledMaskValue);
  ColorizeByMask(image, mask, bg.FillColor);
}

// The thumb is shown when the track can hold the smallest thumb the range allows.
bool ThumbFits(const TacScrollBar& bar, int track) {
  const std::int64_t range = static_cast<std::int64_t>(bar.Info.Max) - bar.Info.Min;
  const int divisor = static_cast<int>(std::clamp<std::int64_t>(range, INT_MIN, INT_MAX));
  const int page = static_cast<int>(std::min<std::uint64_t>(bar.Info.Page, INT_MAX));
  return track >= std::max(ui::MulDiv(page, track, divisor), bar.MinThumb);
}

}  // namespace

bool CanPaintBar(const TsSkinModel& model, bool vertical) {
  const TsCommonIndexes& ci = model.CommonIndexes;
  return ValidSection(model, vertical ? ci.ScrollBar1V.Section : ci.ScrollBar1H.Section);
}

void PaintBarImage(const BarLook& look, gfx::Bitmap& image) {
  BarScratch scratch;
  PaintBarImage(look, image, scratch);
}

void PaintBarImage(const BarLook& look, gfx::Bitmap& image, BarScratch& scratch) {
  const TsSkinModel& model = *look.Model;
  const bool vertical = look.Bar->Vertical();
  const gfx::Size size = look.Size;
  if (image.Width() != size.Width || image.Height() != size.Height || image.Format() != gfx::PixelFormat::Bgr24)
    image = gfx::Bitmap(size.Width, size.Height, gfx::PixelFormat::Bgr24);
  const Parts parts = PartsOf(model.CommonIndexes, vertical);
  const int n = vertical ? size.Height : size.Width;
  const int b = look.ArrowLength;
  const gfx::Point o = look.Origin;
  auto at = [&](int along) { return vertical ? gfx::Point{o.X, o.Y + along} : gfx::Point{o.X + along, o.Y}; };

  if (2 * b < n) {
    const int m = look.ThumbOffset + look.ThumbLength / 2;
    PaintPart(model, *parts.Before, image, Along(vertical, size, 0, m), at(0), look.WindowBackdrop,
              look.TrackBeforeState);
    PaintPart(model, *parts.After, image, Along(vertical, size, m, n), at(m), look.WindowBackdrop,
              look.TrackAfterState);
    const int square = look.GlyphSquare;
    const gfx::Rect firstGlyph = Along(vertical, size, 0, square);
    const gfx::Rect secondGlyph = Along(vertical, size, b - square, b);
    PaintButton(model, *parts.First, image, Along(vertical, size, 0, b), firstGlyph, look.FirstArrowState,
                scratch.First);
    PaintButton(model, *parts.Second, image, Along(vertical, size, n - b, n), secondGlyph, look.SecondArrowState,
                scratch.Second);
    if (look.Usable && look.ThumbLength > 0 && ThumbFits(*look.Bar, n - 2 * b)) {
      const gfx::Rect thumb = Along(vertical, size, look.ThumbOffset, look.ThumbOffset + look.ThumbLength);
      const gfx::Rect whole = Along(vertical, size, 0, look.ThumbLength);
      PaintButton(model, *parts.Thumb, image, thumb, whole, look.ThumbState, scratch.Thumb);
    }
  } else {
    // No room for a track: two halves, each under one arrow.
    const int half = n / 2;
    PaintPart(model, *parts.Before, image, Along(vertical, size, 0, half), at(0), look.WindowBackdrop, 0);
    PaintPart(model, *parts.After, image, Along(vertical, size, half, n), at(half), look.WindowBackdrop, 0);
    PaintButton(model, *parts.First, image, Along(vertical, size, 0, half), Along(vertical, size, 0, half),
                look.FirstArrowState, scratch.First);
    PaintButton(model, *parts.Second, image, Along(vertical, size, half, n), Along(vertical, size, 0, n - half),
                look.SecondArrowState, scratch.Second);
  }
  if (!look.Usable) MixDisabled(look, image);
}

}  // namespace skin
