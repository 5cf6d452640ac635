#include "skin/render/MaskImage.h"

#include <algorithm>
#include <climits>
#include <cstdint>

#include "skin/paint/BlendWith.h"
#include "skin/paint/PixelAccess.h"
#include "skin/render/MaskCells.h"
#include "skin/render/MaskCompose.h"
#include "skin/render/PieceCopy.h"
#include "skin/render/ReadableImage.h"

namespace skin {
namespace {

using I64 = std::int64_t;

bool FitsInt(I64 v) { return v >= INT_MIN && v <= INT_MAX; }

}  // namespace

void RenderMaskImage(const TsSkinModel& model, gfx::Bitmap& bitmap, gfx::Point point, int state,
                     const BackdropRef& backdrop, const TsMaskData& mask, int mode) {
  if (ColorBytes(bitmap) == 0) return;
  const I64 cw = MaskCellWidth(mask), ch = MaskCellHeight(mask);
  if (cw <= 0 || ch <= 0) return;
  // Parts above or left of the bitmap are skipped; the source stays aligned,
  // so the picture is that much narrower (not shifted into the next cell).
  const I64 gx = point.X < 0 ? -I64{point.X} : 0;
  const I64 gy = point.Y < 0 ? -I64{point.Y} : 0;
  const I64 w = cw - gx, h = ch - gy;
  if (w <= 0 || h <= 0) return;
  const I64 sx = MaskCellLeft(mask, state) + gx, sy = I64{mask.Top} + gy;
  const I64 dx = I64{point.X} + gx, dy = I64{point.Y} + gy;
  const piece::Span span{dx, dy, dx + w, dy + h, sx, sy, w, h};

  piece::Style style;
  style.MaskOffset = static_cast<int>(ch);
  style.Faded = mode != kMaskImageNormal;

  const gfx::Bitmap* own = mask.Image.get();
  if (own != nullptr && own->Width() >= mask.Right && own->Height() >= mask.Bottom) {
    const ReadableImage src(own);
    if (!src) return;
    style.How = mask.MaskType != 0 ? piece::Op::GlyphCompose : piece::Op::SkipKey;
    piece::Paint(bitmap, *src.Get(), span, style);
    return;
  }
  if (mask.Owner == nullptr || mask.ImageCount == 0 || model.MasterBitmap.Empty()) return;
  const gfx::Bitmap& master = model.MasterBitmap;
  if (mask.MaskType > 0) {
    style.How = piece::Op::GlyphCompose;
    piece::Paint(bitmap, master, span, style);
    return;
  }
  // Inclusive source rectangle for the copies of the colour primitives, cut
  // to the master first (the destination start moving with a cut left or top
  // edge) so that no coordinate handed on is out of proportion.
  const I64 cutX = std::max<I64>(0, -sx), cutY = std::max<I64>(0, -sy);
  const I64 x0 = sx + cutX, y0 = sy + cutY;
  const I64 x1 = std::min<I64>(sx + w, master.Width()) - 1, y1 = std::min<I64>(sy + h, master.Height()) - 1;
  if (x1 < x0 || y1 < y0) return;
  const I64 atX = dx + cutX, atY = dy + cutY;
  if (!FitsInt(atX) || !FitsInt(atY)) return;
  const gfx::Rect from{static_cast<int>(x0), static_cast<int>(y0), static_cast<int>(x1),
                       static_cast<int>(y1)};
  if (mode == kMaskImageNormal)
    CopyKeyed(bitmap, master, static_cast<int>(atX), static_cast<int>(atY), true, backdrop, from);
  else
    BlendWithBitmap(bitmap, static_cast<int>(atX), static_cast<int>(atY), gfx::clFuchsia, 0.5, from, master);
}

void RenderMaskImage(const TsSkinModel& model, gfx::Bitmap& bitmap, gfx::Point point, int state,
                     const BackdropRef& backdrop, int maskIndex, int mode) {
  if (const TsMaskData* m = MaskAt(model, maskIndex))
    RenderMaskImage(model, bitmap, point, state, backdrop, *m, mode);
}

}  // namespace skin
