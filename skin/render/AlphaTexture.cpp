#include "skin/render/AlphaTexture.h"

#include <cstdint>

#include "skin/paint/Fill.h"
#include "skin/paint/PixelAccess.h"
#include "skin/render/BackdropCopy.h"
#include "skin/render/MaskCells.h"
#include "skin/render/PieceCopy.h"
#include "skin/render/ReadableImage.h"
#include "skin/render/Texture.h"

namespace skin {
namespace {

using I64 = std::int64_t;

// Number of whole tiles that start before `extent - tile`.
I64 WholeTiles(I64 extent, I64 tile) { return extent > tile ? (extent - 1) / tile : 0; }

// Shows the backdrop in `strip` (bitmap coordinates); `backdrop` is relative
// to `origin`. A FillColor of clFuchsia is no colour: the pixels stay.
void ShowBackdrop(gfx::Bitmap& bitmap, const gfx::Rect& strip, gfx::Point origin,
                  const BackdropRef& backdrop) {
  if (strip.IsEmpty()) return;
  if (backdrop.Ready) {
    CopyBackdropBlock(
        bitmap, strip,
        ShiftedBackdrop(backdrop, std::int64_t{strip.Left} - origin.X, std::int64_t{strip.Top} - origin.Y));
  } else if (backdrop.FillColor != gfx::clFuchsia) {
    FillColorRect(bitmap, strip, backdrop.FillColor);
  }
}

}  // namespace

void PaintAlphaTexture(const TsSkinModel& model, gfx::Bitmap& bitmap, gfx::Rect& area,
                       const BackdropRef& backdrop, int mode, const TsMaskData& mask) {
  if (ColorBytes(bitmap) == 0 || mask.Owner == nullptr || mask.ImageCount < 1) return;
  if (mode != 0 && mode != 10) return;
  const I64 w = mask.Width() / mask.ImageCount, h = mask.Height() / 2;
  if (w <= 0 || h <= 0) return;
  const ReadableImage src(MaskSourceImage(model, mask));
  if (!src) return;

  const gfx::Rect a = area;
  const I64 rows = WholeTiles(I64{a.Bottom} - a.Top, h);
  const I64 cols = WholeTiles(I64{a.Right} - a.Left, w);
  const I64 rowsEnd = a.Top + rows * h, colsEnd = a.Left + cols * w;

  piece::Span s;
  s.X0 = a.Left;
  s.Y0 = a.Top;
  s.X1 = mode == 0 ? I64{a.Right} : colsEnd;
  s.Y1 = rowsEnd;
  s.TileX = mask.Left;
  s.TileY = mask.Top;
  s.TileW = w;
  s.TileH = h;
  piece::Style style;
  style.How = piece::Op::Compose;
  style.UseBackdrop = backdrop.Ready;
  style.Backdrop = ShiftedBackdrop(backdrop, -std::int64_t{a.Left}, -std::int64_t{a.Top});
  style.MaskOffset = static_cast<int>(h);
  if (s.X1 > s.X0 && s.Y1 > s.Y0) piece::Paint(bitmap, *src.Get(), s, style);

  if (mode == 10) {
    const int y = static_cast<int>(rowsEnd), x = static_cast<int>(colsEnd);
    ShowBackdrop(bitmap, {a.Left, y, a.Right, a.Bottom}, a.TopLeft(), backdrop);
    ShowBackdrop(bitmap, {x, a.Top, a.Right, a.Bottom}, a.TopLeft(), backdrop);
  }
  area = kNoArea;
}

}  // namespace skin
