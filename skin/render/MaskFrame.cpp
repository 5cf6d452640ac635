#include "skin/render/MaskFrame.h"

#include <algorithm>
#include <climits>
#include <cstdint>

#include "platform/gfx/Canvas.h"
#include "skin/paint/PixelAccess.h"
#include "skin/render/MaskCells.h"
#include "skin/render/PieceCopy.h"
#include "skin/render/ReadableImage.h"

namespace skin {
namespace {

using I64 = std::int64_t;

bool FitsInt(I64 v) { return v >= INT_MIN && v <= INT_MAX; }

int ClampInt(I64 v) { return static_cast<int>(std::clamp<I64>(v, INT_MIN, INT_MAX)); }

// Border widths too wide for the destination give up half their excess each;
// an odd extent takes one more from the far side.
void Shrink(I64& nearSide, I64& farSide, I64 extent) {
  if (extent < nearSide + farSide) {
    const I64 half = (nearSide + farSide - extent) / 2;
    nearSide -= half;
    farSide -= half;
    if (extent % 2 != 0) farSide -= 1;
    nearSide = std::max<I64>(nearSide, 0);
    farSide = std::max<I64>(farSide, 0);
  }
}

// The whole tile scaled onto the whole span with the area-averaging stretch.
// A tile of size 0 draws nothing.
void StretchPiece(gfx::Bitmap& dst, const gfx::Bitmap& src, const piece::Span& s) {
  if (s.X1 <= s.X0 || s.Y1 <= s.Y0 || s.TileW <= 0 || s.TileH <= 0) return;
  // Coordinates and extents must all fit an int (a side as wide as the int
  // range is not scaled).
  for (I64 v : {s.X0, s.Y0, s.X1, s.Y1, s.TileX, s.TileY, s.TileX + s.TileW, s.TileY + s.TileH, s.X1 - s.X0,
                s.Y1 - s.Y0})
    if (!FitsInt(v)) return;
  const gfx::Rect d{static_cast<int>(s.X0), static_cast<int>(s.Y0), static_cast<int>(s.X1),
                    static_cast<int>(s.Y1)};
  const gfx::Rect from{static_cast<int>(s.TileX), static_cast<int>(s.TileY),
                       static_cast<int>(s.TileX + s.TileW), static_cast<int>(s.TileY + s.TileH)};
  if (Is32(src) && Is24(dst)) {
    // A picture with alpha is scaled first and then blended by its alpha.
    const gfx::Rect vis = gfx::Intersect(d, dst.Bounds());
    if (vis.IsEmpty()) return;
    gfx::Bitmap scaled = gfx::NewBitmap32(vis.Width(), vis.Height());
    gfx::Canvas c(scaled);
    c.SetOrigin({-vis.Left, -vis.Top});
    c.StretchDraw(d, src, from);
    piece::Paint(dst, scaled, {vis.Left, vis.Top, vis.Right, vis.Bottom, 0, 0, vis.Width(), vis.Height()},
                 {});
    return;
  }
  gfx::Canvas c(dst);
  c.StretchDraw(d, src, from);
}

}  // namespace

void RenderMaskFrame(const TsSkinModel& model, gfx::Bitmap& bitmap, const gfx::Rect& destRect,
                     bool withCentre, bool cornersUseBackdrop, int state, const TsMaskData& mask,
                     const BackdropRef& backdrop) {
  if (ColorBytes(bitmap) == 0) return;
  if (state == 0 && (mask.StretchMode & kSkipInNormal) != 0) return;
  const I64 L = destRect.Left, T = destRect.Top, R = destRect.Right, B = destRect.Bottom;
  if (R - L < 2 || B - T < 2) return;
  if (mask.Owner == nullptr || mask.ImageCount <= 0) return;
  const I64 cw = MaskCellWidth(mask), ch = MaskCellHeight(mask);
  if (cw <= 0 || ch <= 0) return;
  const ReadableImage image(MaskSourceImage(model, mask));
  if (!image) return;
  const gfx::Bitmap& src = *image.Get();

  I64 wl = std::max<I64>(mask.WL, 0), wr = std::max<I64>(mask.WR, 0);
  I64 wt = std::max<I64>(mask.WT, 0), wb = std::max<I64>(mask.WB, 0);
  Shrink(wl, wr, R - L);
  Shrink(wt, wb, B - T);
  const I64 tw = std::max<I64>(cw - wl - wr, 0);
  const I64 th = std::max<I64>(ch - wt - wb, 0);
  const I64 ox = MaskCellLeft(mask, state), oy = mask.Top;

  // The backdrop comes relative to destRect; the pieces read it in bitmap
  // coordinates.
  BackdropRef back = backdrop;
  back.X = ClampInt(I64{backdrop.X} - L);
  back.Y = ClampInt(I64{backdrop.Y} - T);

  const bool masked = mask.MaskType >= 1;
  const bool stretch = !masked && (mask.StretchMode & kStretchSides) != 0;
  piece::Style cornerStyle;
  cornerStyle.How = masked ? piece::Op::Compose : piece::Op::Keyed;
  cornerStyle.UseBackdrop = cornersUseBackdrop;
  cornerStyle.Backdrop = back;
  cornerStyle.MaskOffset = static_cast<int>(ch);
  piece::Style sideStyle;
  sideStyle.How = masked ? piece::Op::Compose : piece::Op::Copy;
  sideStyle.MaskOffset = static_cast<int>(ch);

  auto corner = [&](I64 x, I64 y, I64 sx, I64 sy, I64 w, I64 h) {
    if (w > 0 && h > 0) piece::Paint(bitmap, src, {x, y, x + w, y + h, sx, sy, w, h}, cornerStyle);
  };
  auto side = [&](I64 x0, I64 y0, I64 x1, I64 y1, I64 sx, I64 sy, I64 tileW, I64 tileH) {
    const piece::Span s{x0, y0, x1, y1, sx, sy, tileW, tileH};
    if (stretch)
      StretchPiece(bitmap, src, s);
    else
      piece::Paint(bitmap, src, s, sideStyle);
  };

  const I64 sxRight = ox + wl + tw, syBottom = oy + ch - wb;
  corner(L, T, ox, oy, wl, wt);
  side(L, T + wt, L + wl, B - wb, ox, oy + wt, wl, th);
  side(L + wl, T, R - wr, T + wt, ox + wl, oy, tw, wt);
  corner(L, B - wb, ox, syBottom, wl, wb);
  side(L + wl, B - wb, R - wr, B, ox + wl, syBottom, tw, wb);
  corner(R - wr, B - wb, sxRight, syBottom, wr, wb);
  corner(R - wr, T, sxRight, oy, wr, wt);
  side(R - wr, T + wt, R, B - wb, sxRight, oy + wt, wr, th);
  if (withCentre && (mask.StretchMode & kDrawCentre) != 0)
    side(L + wl, T + wt, R - wr, B - wb, ox + wl, oy + wt, tw, th);
}

void RenderMaskFrame(const TsSkinModel& model, gfx::Bitmap& bitmap, const gfx::Rect& destRect,
                     bool withCentre, bool cornersUseBackdrop, int state, int maskIndex,
                     const BackdropRef& backdrop) {
  if (const TsMaskData* m = MaskAt(model, maskIndex))
    RenderMaskFrame(model, bitmap, destRect, withCentre, cornersUseBackdrop, state, *m, backdrop);
}

}  // namespace skin
