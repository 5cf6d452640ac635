// Value types for integer geometry: points, sizes and rectangles.
// Rectangles are (Left, Top, Right, Bottom) with Right and Bottom exclusive.
#pragma once

#include <algorithm>

namespace gfx {

struct Point {
  int X = 0;
  int Y = 0;
  friend constexpr bool operator==(Point, Point) = default;
};

struct Size {
  int Width = 0;
  int Height = 0;
  friend constexpr bool operator==(Size, Size) = default;
};

struct Rect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;

  static constexpr Rect FromXYWH(int x, int y, int w, int h) { return {x, y, x + w, y + h}; }

  constexpr int Width() const { return Right - Left; }
  constexpr int Height() const { return Bottom - Top; }
  constexpr Point TopLeft() const { return {Left, Top}; }
  constexpr Size GetSize() const { return {Width(), Height()}; }
  constexpr bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
  constexpr bool Contains(Point p) const { return p.X >= Left && p.X < Right && p.Y >= Top && p.Y < Bottom; }
  constexpr Rect Offset(int dx, int dy) const { return {Left + dx, Top + dy, Right + dx, Bottom + dy}; }
  constexpr Rect Inflate(int dx, int dy) const { return {Left - dx, Top - dy, Right + dx, Bottom + dy}; }

  friend constexpr bool operator==(const Rect&, const Rect&) = default;
};

// Common part of two rectangles; an empty result is normalised to all zeros.
constexpr Rect Intersect(const Rect& a, const Rect& b) {
  Rect r{std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right),
         std::min(a.Bottom, b.Bottom)};
  return r.IsEmpty() ? Rect{} : r;
}

// Smallest rectangle holding both; an empty operand does not count.
constexpr Rect Bounds(const Rect& a, const Rect& b) {
  if (a.IsEmpty()) return b;
  if (b.IsEmpty()) return a;
  return {std::min(a.Left, b.Left), std::min(a.Top, b.Top), std::max(a.Right, b.Right),
          std::max(a.Bottom, b.Bottom)};
}

}  // namespace gfx
