#include "skin/paint/Frames.h"

namespace skin {
namespace {

void FillIfAny(gfx::Canvas& surface, const gfx::Rect& r, gfx::Color color) {
  if (!r.IsEmpty()) surface.FillRect(r, color);
}

void CopyIfAny(gfx::Canvas& dst, int x, int y, int w, int h, const gfx::Canvas& src, int sx, int sy) {
  if (w > 0 && h > 0) dst.CopyRect(x, y, src, gfx::Rect::FromXYWH(sx, sy, w, h));
}

}  // namespace

void FillFrameRect(gfx::Canvas& surface, const gfx::Rect& rect, gfx::Color color, int wl, int wt, int wr,
                   int wb) {
  const gfx::Color c = gfx::ColorToRGB(color);
  const gfx::Rect& r = rect;
  FillIfAny(surface, {r.Left, r.Top, r.Right, r.Top + wt}, c);
  FillIfAny(surface, {r.Left, r.Top + wt, r.Left + wl, r.Bottom}, c);
  FillIfAny(surface, {r.Left + wl, r.Bottom - wb, r.Right, r.Bottom}, c);
  FillIfAny(surface, {r.Right - wr, r.Top + wt, r.Right, r.Bottom - wb}, c);
}

void BevelFrame(gfx::Canvas& surface, const gfx::Rect& rect, gfx::Color topLeft, int width,
                gfx::Color bottomRight) {
  gfx::Canvas::StateGuard keep(surface);
  surface.SetPenStyle(gfx::PenStyle::Solid);
  surface.SetPenWidth(1);
  const gfx::Color tl = gfx::ColorToRGB(topLeft);
  gfx::Rect r = rect;
  for (int i = 0; i < width && !r.IsEmpty(); ++i) {
    const int right = r.Right - 1;
    const int bottom = r.Bottom - 1;
    surface.SetPenColor(tl);
    surface.MoveTo(r.Left, bottom);
    surface.LineTo(r.Left, r.Top);
    surface.LineTo(right, r.Top);
    surface.SetPenColor(bottomRight);
    surface.LineTo(right, bottom);
    surface.LineTo(r.Left - 1, bottom);
    r = r.Inflate(-1, -1);
  }
}

void CopyFrameStrips(gfx::Canvas& dst, int x, int y, int w, int h, const gfx::Canvas& src, int sx, int sy,
                     int b) {
  if (b <= 0) return;
  CopyIfAny(dst, x, y, b, h, src, sx, sy);
  CopyIfAny(dst, x + b, y, w - b, b, src, sx + b, sy);
  CopyIfAny(dst, x + w - b, y + b, b, h - b, src, sx + w - b, sy + b);
  CopyIfAny(dst, x + b, y + h - b, w - 2 * b, b, src, sx + b, sy + h - b);
}

}  // namespace skin
