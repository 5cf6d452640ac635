// Lines, polygons and the gradient triangle.
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "platform/gfx/Canvas.h"
#include "platform/gfx/PixelOps.h"

namespace gfx {
namespace {

// Bresenham points from a to b, b itself excluded.
template <class Plot>
void Bresenham(Point a, Point b, Plot plot) {
  const int dx = std::abs(b.X - a.X), sx = a.X < b.X ? 1 : -1;
  const int dy = -std::abs(b.Y - a.Y), sy = a.Y < b.Y ? 1 : -1;
  int err = dx + dy;
  int x = a.X, y = a.Y;
  while (x != b.X || y != b.Y) {
    plot(x, y);
    const int e2 = 2 * err;
    if (e2 >= dy) {
      err += dy;
      x += sx;
    }
    if (e2 <= dx) {
      err += dx;
      y += sy;
    }
  }
}

}  // namespace

void Canvas::LineTo(int x, int y) {
  const Point from = st_.PenPos;
  st_.PenPos = {x, y};
  if (st_.Pen == PenStyle::Clear) return;
  const pixel::Rgb c = pixel::Resolve(st_.PenColor);
  const int w = st_.PenWidth;
  const int ox = st_.Origin.X, oy = st_.Origin.Y;
  Rect touched{};
  Bresenham(from, {x, y}, [&](int px, int py) {
    const int dx = px + ox, dy = py + oy;
    if (w <= 1) {
      if (!pixel::Visible(*target_, st_.Clip, dx, dy)) return;
      pixel::FillSpan(*target_, dy, dx, dx + 1, c);
      touched = Bounds(touched, {dx, dy, dx + 1, dy + 1});
      return;
    }
    const Rect sq = Rect::FromXYWH(dx - w / 2, dy - w / 2, w, w);
    pixel::ForEachClipped(*target_, st_.Clip, sq, [&](const Rect& part) {
      for (int yy = part.Top; yy < part.Bottom; ++yy) pixel::FillSpan(*target_, yy, part.Left, part.Right, c);
      touched = Bounds(touched, part);
    });
  });
  Damage(touched);
}

void Canvas::Polyline(std::span<const Point> pts) {
  if (pts.empty()) return;
  DamageBatch batch(*this);
  const Point saved = st_.PenPos;
  st_.PenPos = pts[0];
  for (std::size_t i = 1; i < pts.size(); ++i) LineTo(pts[i].X, pts[i].Y);
  st_.PenPos = saved;
}

void Canvas::Polygon(std::span<const Point> pts, FillRule rule) {
  if (pts.size() < 2) return;
  DamageBatch batch(*this);
  const int ox = st_.Origin.X, oy = st_.Origin.Y;
  if (st_.Brush == BrushStyle::Solid && pts.size() >= 3) {
    const pixel::Rgb c = pixel::Resolve(st_.BrushColor);
    int minY = pts[0].Y, maxY = pts[0].Y;
    for (Point p : pts) {
      minY = std::min(minY, p.Y);
      maxY = std::max(maxY, p.Y);
    }
    const Rect box = st_.Clip.BoundingBox();
    minY = std::max(minY + oy, box.Top);
    maxY = std::min(maxY + oy, box.Bottom);
    struct Crossing {
      double X;
      int Dir;
    };
    std::vector<Crossing> xs;
    Rect touched{};
    for (int y = minY; y < maxY; ++y) {
      // Sample the outline at the pixel centre row y + 0.5 (logical).
      const double yc = y - oy + 0.5;
      xs.clear();
      for (std::size_t i = 0; i < pts.size(); ++i) {
        const Point a = pts[i], b = pts[(i + 1) % pts.size()];
        if (a.Y == b.Y) continue;
        const double lo = std::min(a.Y, b.Y), hi = std::max(a.Y, b.Y);
        if (yc < lo || yc >= hi) continue;
        const double x = a.X + (yc - a.Y) * (b.X - a.X) / (b.Y - a.Y);
        xs.push_back({x, b.Y > a.Y ? 1 : -1});
      }
      std::sort(xs.begin(), xs.end(), [](const Crossing& p, const Crossing& q) { return p.X < q.X; });
      int winding = 0;
      for (std::size_t i = 0; i + 1 < xs.size(); ++i) {
        winding += xs[i].Dir;
        const bool inside = rule == FillRule::EvenOdd ? (i % 2 == 0) : winding != 0;
        if (!inside) continue;
        // Pixels whose centre x + 0.5 lies in [xs[i], xs[i+1]).
        // Clamped to the clip box first so that far-away outlines stay in int range.
        const double lo = box.Left - ox - 1.0, hi = box.Right - ox + 1.0;
        const int x0 = static_cast<int>(std::ceil(std::clamp(xs[i].X, lo, hi) - 0.5)) + ox;
        const int x1 = static_cast<int>(std::ceil(std::clamp(xs[i + 1].X, lo, hi) - 0.5)) + ox;
        pixel::ForEachClipped(*target_, st_.Clip, {x0, y, x1, y + 1}, [&](const Rect& part) {
          pixel::FillSpan(*target_, y, part.Left, part.Right, c);
          touched = Bounds(touched, part);
        });
      }
    }
    Damage(touched);
  }
  if (st_.Pen == PenStyle::Solid) {
    const Point saved = st_.PenPos;
    st_.PenPos = pts[0];
    for (std::size_t i = 1; i <= pts.size(); ++i) LineTo(pts[i % pts.size()].X, pts[i % pts.size()].Y);
    st_.PenPos = saved;
  }
}

void Canvas::GradientTriangle(const GradientVertex& a, const GradientVertex& b, const GradientVertex& c) {
  // Edge function: twice the signed area of (u, v, p).
  // 128-bit so that no coordinate an int can hold overflows.
  using Wide = __int128;
  auto edge = [](Wide ux, Wide uy, Wide vx, Wide vy, Wide px, Wide py) {
    return (vx - ux) * (py - uy) - (vy - uy) * (px - ux);
  };
  Wide area = edge(a.X, a.Y, b.X, b.Y, c.X, c.Y);
  if (area == 0) return;
  const Wide sign = area < 0 ? -1 : 1;
  area *= sign;
  const pixel::Rgb ca = pixel::Resolve(a.Color), cb = pixel::Resolve(b.Color), cc = pixel::Resolve(c.Color);
  const int ox = st_.Origin.X, oy = st_.Origin.Y;
  // Vertices sit on pixel positions (a vertex's own pixel gets its colour
  // exactly); edges are inclusive.
  const Rect tri{std::min({a.X, b.X, c.X}) + ox, std::min({a.Y, b.Y, c.Y}) + oy,
                 std::max({a.X, b.X, c.X}) + ox + 1, std::max({a.Y, b.Y, c.Y}) + oy + 1};
  Rect touched{};
  pixel::ForEachClipped(*target_, st_.Clip, tri, [&](const Rect& part) {
    for (int y = part.Top; y < part.Bottom; ++y) {
      std::uint8_t* row = target_->Scanline(y);
      for (int x = part.Left; x < part.Right; ++x) {
        const Wide px = static_cast<Wide>(x) - ox, py = static_cast<Wide>(y) - oy;
        const Wide wa = sign * edge(b.X, b.Y, c.X, c.Y, px, py);
        const Wide wb = sign * edge(c.X, c.Y, a.X, a.Y, px, py);
        const Wide wc = sign * edge(a.X, a.Y, b.X, b.Y, px, py);
        if (wa < 0 || wb < 0 || wc < 0) continue;
        auto mix = [&](int va, int vb, int vc) {
          return static_cast<std::uint8_t>((wa * va + wb * vb + wc * vc + area / 2) / area);
        };
        const pixel::Rgb col{mix(ca.R, cb.R, cc.R), mix(ca.G, cb.G, cc.G), mix(ca.B, cb.B, cc.B)};
        pixel::BlendPixel(row, target_->Format(), x, col, 255);
      }
    }
    touched = Bounds(touched, part);
  });
  Damage(touched);
}

}  // namespace gfx
