// A set of pixels described by rectangles, kept in a canonical y-x banded
// form: the rectangles are sorted by Top, then Left; rectangles of one band
// share Top and Bottom, never touch or overlap inside a band, and two
// vertically adjacent bands never have the same horizontal spans (they are
// merged). Equal pixel sets therefore have equal rectangle lists, so equality
// is a plain comparison and a point test is a search over the bands.
#pragma once

#include <span>
#include <vector>

#include "platform/gfx/Geometry.h"

namespace gfx {

class Region {
 public:
  Region() = default;
  // The pixels of one rectangle; an empty rectangle gives the empty region.
  explicit Region(const Rect& r);
  // The union of any number of rectangles (they may overlap; empty ones are ignored).
  static Region FromRects(std::span<const Rect> rects);
  // The union of horizontal runs: each run covers [Left, Right) on rows [Top, Bottom).
  // Same as FromRects; named for callers that build a region scanline by scanline.
  static Region FromRuns(std::span<const Rect> runs) { return FromRects(runs); }

  bool IsEmpty() const { return rects_.empty(); }
  // Smallest rectangle holding every pixel; all zeros for the empty region.
  Rect BoundingBox() const;
  bool Contains(Point p) const;
  bool Contains(int x, int y) const { return Contains(Point{x, y}); }
  // True when some pixel of `r` is in the region.
  bool Overlaps(const Rect& r) const;
  // True when every pixel of `r` is in the region (an empty `r` is contained).
  bool ContainsRect(const Rect& r) const;
  // The canonical rectangle list (see the top of this file).
  const std::vector<Rect>& Rects() const { return rects_; }

  Region Union(const Region& other) const;
  Region Difference(const Region& other) const;  // this minus other
  Region Xor(const Region& other) const;
  Region Intersection(const Region& other) const;
  Region Offset(int dx, int dy) const;
  void Clear() { rects_.clear(); }

  Region& operator|=(const Region& o) { return *this = Union(o); }
  Region& operator-=(const Region& o) { return *this = Difference(o); }
  Region& operator^=(const Region& o) { return *this = Xor(o); }
  Region& operator&=(const Region& o) { return *this = Intersection(o); }
  friend Region operator|(const Region& a, const Region& b) { return a.Union(b); }
  friend Region operator-(const Region& a, const Region& b) { return a.Difference(b); }
  friend Region operator^(const Region& a, const Region& b) { return a.Xor(b); }
  friend Region operator&(const Region& a, const Region& b) { return a.Intersection(b); }

  friend bool operator==(const Region&, const Region&) = default;

 private:
  enum class Op { Union, Difference, Xor, Intersection };
  static Region Combine(const Region& a, const Region& b, Op op);

  std::vector<Rect> rects_;
};

}  // namespace gfx
