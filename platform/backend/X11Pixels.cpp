// Pixels of the X11 backend: presents, layered updates, shapes and the
// input shape that lets clicks through transparent pixels.
#include "platform/backend/Compose.h"
#include "platform/backend/X11Backend.h"

namespace backend {

namespace {

// More input-shape rectangles than this and the whole window takes input.
constexpr std::size_t kMaxInputRects = 20000;

}  // namespace

void X11Backend::EnsureImage(Surface& s) {
  const gfx::Size size = s.Pixels.GetSize();
  if (s.Image && s.Image->GetSize() == size) return;
  s.Image.reset();
  s.Image = std::make_unique<X11Image>(x_.Get(), visual_, depth_, size, shm_, argb_);
  if (shm_ && !s.Image->UsesShm()) shm_ = false;  // the server cannot share memory with us
  s.Image->Convert(s.Pixels.Pixels(), {0, 0, size.Width, size.Height}, s.ConstantAlpha);
}

void X11Backend::Upload(Surface& s, const gfx::Rect& rect) {
  EnsureImage(s);
  s.Image->Convert(s.Pixels.Pixels(), rect, s.ConstantAlpha);
  if (s.Visible) s.Image->Put(s.XWindow, s.Gc, rect);
}

void X11Backend::Present(SurfaceId id, const gfx::Bitmap& buffer, const gfx::Rect& rect) {
  Surface& s = Get(id);
  const gfx::Rect r = s.Pixels.Present(buffer, rect);
  if (r.IsEmpty()) return;
  Upload(s, r);
  if (s.Picture && !s.Options.ClickThrough) UpdateInputShape(s);
}

void X11Backend::SetShape(SurfaceId id, const gfx::Region& shape) {
  Surface& s = Get(id);
  s.Shape = shape;
  std::vector<XRectangle> rects;
  rects.reserve(shape.Rects().size());
  for (const gfx::Rect& r : shape.Rects()) {
    // XRectangle holds 16-bit values; clip to what a window can have.
    const gfx::Rect c = gfx::Intersect(r, {-32768, -32768, 32767, 32767});
    if (c.IsEmpty()) continue;
    rects.push_back({static_cast<short>(c.Left), static_cast<short>(c.Top),
                     static_cast<unsigned short>(c.Width()), static_cast<unsigned short>(c.Height())});
  }
  XShapeCombineRectangles(x_.Get(), s.XWindow, ShapeBounding, 0, 0, rects.data(),
                          static_cast<int>(rects.size()), ShapeSet, YXBanded);
}

void X11Backend::ClearShape(SurfaceId id) {
  Surface& s = Get(id);
  s.Shape.reset();
  XShapeCombineMask(x_.Get(), s.XWindow, ShapeBounding, 0, 0, kXNone, ShapeSet);
}

// Clicks pass through a click-through window, and through fully transparent
// pixels of a blended window as they do through the holes of its shape.
// Otherwise the input shape is the default one (the bounding shape).
void X11Backend::UpdateInputShape(Surface& s) {
  Display* d = x_.Get();
  if (s.Options.ClickThrough) {
    XShapeCombineRectangles(d, s.XWindow, ShapeInput, 0, 0, nullptr, 0, ShapeSet, Unsorted);
    return;
  }
  if (!argb_) {
    XShapeCombineMask(d, s.XWindow, ShapeInput, 0, 0, kXNone, ShapeSet);
    return;
  }
  const gfx::Bitmap& px = s.Pixels.Pixels();
  std::vector<XRectangle> rects;
  bool everything = true;
  for (int y = 0; y < px.Height() && rects.size() <= kMaxInputRects; ++y) {
    const std::uint8_t* row = px.Scanline(y);
    int x = 0;
    while (x < px.Width()) {
      while (x < px.Width() && MulDiv255(row[x * 4 + 3], s.ConstantAlpha) == 0) {
        everything = false;
        ++x;
      }
      const int start = x;
      while (x < px.Width() && MulDiv255(row[x * 4 + 3], s.ConstantAlpha) != 0) ++x;
      if (x > start)
        rects.push_back(
            {static_cast<short>(start), static_cast<short>(y), static_cast<unsigned short>(x - start), 1});
    }
  }
  if (everything || rects.size() > kMaxInputRects)
    XShapeCombineMask(d, s.XWindow, ShapeInput, 0, 0, kXNone, ShapeSet);
  else
    XShapeCombineRectangles(d, s.XWindow, ShapeInput, 0, 0, rects.data(), static_cast<int>(rects.size()),
                            ShapeSet, YXSorted);
}

void X11Backend::UpdateLayered(SurfaceId id, const gfx::Bitmap& picture, gfx::Point position, gfx::Size size,
                               std::uint8_t constantAlpha) {
  Surface& s = Get(id);
  const gfx::Rect b = SanitizeBounds(gfx::Rect::FromXYWH(position.X, position.Y, size.Width, size.Height));
  const bool empty = size.Width <= 0 || size.Height <= 0;  // a 1x1 window that shows nothing
  s.Pixels.Replace(empty ? gfx::Bitmap() : picture, b.GetSize());
  s.ConstantAlpha = constantAlpha;
  s.Picture = true;
  if (b != s.Bounds) {
    s.Bounds = b;
    MoveResize(s, b);
  }
  Upload(s, {0, 0, b.Width(), b.Height()});
  if (!s.Options.ClickThrough) UpdateInputShape(s);
}

void X11Backend::SetConstantAlpha(SurfaceId id, std::uint8_t alpha) {
  Surface& s = Get(id);
  if (s.ConstantAlpha == alpha) return;
  s.ConstantAlpha = alpha;
  if (!argb_) return;
  Upload(s, {0, 0, s.Bounds.Width(), s.Bounds.Height()});
  if (!s.Options.ClickThrough) UpdateInputShape(s);
}

void X11Backend::SetClickThrough(SurfaceId id, bool clickThrough) {
  Surface& s = Get(id);
  if (s.Options.ClickThrough == clickThrough) return;
  s.Options.ClickThrough = clickThrough;
  UpdateInputShape(s);
}

}  // namespace backend
