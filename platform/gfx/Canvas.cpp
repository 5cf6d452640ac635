#include "platform/gfx/Canvas.h"

#include <stdexcept>

#include "platform/gfx/PixelOps.h"

namespace gfx {

Canvas::Canvas(Bitmap& target) : target_(&target) {
  if (pixel::Bpp(target.Format()) == 0)
    throw std::invalid_argument("a canvas draws on 8-bit grey, 24-bit or 32-bit bitmaps only");
  st_.Clip = Region(target.Bounds());
}

void Canvas::Save() { stack_.push_back(st_); }

void Canvas::Restore() {
  if (stack_.empty()) return;
  st_ = std::move(stack_.back());
  stack_.pop_back();
}

void Canvas::Damage(const Rect& device) const {
  if (!damage_) return;
  Rect r = Intersect(device, st_.Clip.BoundingBox());
  if (r.IsEmpty()) return;
  if (batch_) {
    *batch_ = Bounds(*batch_, r);
  } else {
    damage_(r);
  }
}

Canvas::DamageBatch::DamageBatch(Canvas& c) : c_(c), outer_(c.batch_) { c_.batch_ = &acc_; }

Canvas::DamageBatch::~DamageBatch() {
  c_.batch_ = outer_;
  c_.Damage(acc_);
}

// --- clipping ---------------------------------------------------------------

Rect Canvas::ClipBox() const {
  if (st_.Clip.IsEmpty()) return {};
  return st_.Clip.BoundingBox().Offset(-st_.Origin.X, -st_.Origin.Y);
}

void Canvas::IntersectClipRect(const Rect& logical) { st_.Clip &= Region(ToDevice(logical)); }

void Canvas::ExcludeClipRect(const Rect& logical) { st_.Clip -= Region(ToDevice(logical)); }

void Canvas::SetClipRegion(const Region& device) { st_.Clip = device & Region(target_->Bounds()); }

void Canvas::IntersectClipRegion(const Region& device) { st_.Clip &= device; }

void Canvas::ResetClip() { st_.Clip = Region(target_->Bounds()); }

bool Canvas::PtVisible(int x, int y) const { return st_.Clip.Contains(x + st_.Origin.X, y + st_.Origin.Y); }

bool Canvas::RectVisible(const Rect& logical) const { return st_.Clip.Overlaps(ToDevice(logical)); }

// --- fills ------------------------------------------------------------------

void Canvas::FillRect(const Rect& r) {
  if (st_.Brush == BrushStyle::Clear) return;
  FillRect(r, st_.BrushColor);
}

void Canvas::FillRect(const Rect& r, gfx::Color c) {
  const Rect d = ToDevice(r);
  const pixel::Rgb rgb = pixel::Resolve(c);
  pixel::ForEachClipped(*target_, st_.Clip, d,
                        [&](const Rect& part) { pixel::FillRows(*target_, part, rgb); });
  Damage(d);
}

void Canvas::FillRectAlpha(const Rect& r, gfx::Color c, std::uint8_t alpha) {
  if (target_->Format() != PixelFormat::Bgra32) {
    FillRect(r, c);
    return;
  }
  const Rect d = ToDevice(r);
  const pixel::Rgb rgb = pixel::Resolve(c);
  pixel::ForEachClipped(*target_, st_.Clip, d, [&](const Rect& part) {
    for (int y = part.Top; y < part.Bottom; ++y) {
      std::uint8_t* p = target_->Scanline(y);
      for (std::uint8_t* q = p + 4 * part.Left; q < p + 4 * part.Right; q += 4) {
        q[0] = rgb.B;
        q[1] = rgb.G;
        q[2] = rgb.R;
        q[3] = alpha;
      }
    }
  });
  Damage(d);
}

void Canvas::FillRegion(const Region& logical, gfx::Color c) {
  const Region d = logical.Offset(st_.Origin.X, st_.Origin.Y) & st_.Clip & Region(target_->Bounds());
  const pixel::Rgb rgb = pixel::Resolve(c);
  for (const Rect& part : d.Rects()) pixel::FillRows(*target_, part, rgb);
  Damage(d.BoundingBox());
}

void Canvas::FrameRect(const Rect& r) {
  if (st_.Brush == BrushStyle::Clear) return;
  FrameRect(r, st_.BrushColor);
}

void Canvas::FrameRect(const Rect& r, gfx::Color c) {
  if (r.IsEmpty()) return;
  const Rect strips[4] = {{r.Left, r.Top, r.Right, r.Top + 1},
                          {r.Left, r.Bottom - 1, r.Right, r.Bottom},
                          {r.Left, r.Top, r.Left + 1, r.Bottom},
                          {r.Right - 1, r.Top, r.Right, r.Bottom}};
  FillRegion(Region::FromRects(strips), c);
}

// --- pixels -----------------------------------------------------------------

gfx::Color Canvas::GetPixel(int x, int y) const {
  const int dx = x + st_.Origin.X, dy = y + st_.Origin.Y;
  if (!target_->Bounds().Contains({dx, dy})) return clNone;
  const std::uint8_t* p = target_->Scanline(dy);
  switch (target_->Format()) {
    case PixelFormat::Gray8: return RGB(p[dx], p[dx], p[dx]);
    case PixelFormat::Bgr24: return RGB(p[3 * dx + 2], p[3 * dx + 1], p[3 * dx]);
    case PixelFormat::Bgra32: return RGB(p[4 * dx + 2], p[4 * dx + 1], p[4 * dx]);
    default: return clNone;
  }
}

void Canvas::SetPixel(int x, int y, gfx::Color c) {
  const int dx = x + st_.Origin.X, dy = y + st_.Origin.Y;
  if (!pixel::Visible(*target_, st_.Clip, dx, dy)) return;
  pixel::FillSpan(*target_, dy, dx, dx + 1, pixel::Resolve(c));
  Damage({dx, dy, dx + 1, dy + 1});
}

}  // namespace gfx
