#include "platform/gfx/Region.h"

#include <algorithm>

namespace gfx {
namespace {

// A horizontal span [L, R) of one band.
struct Span {
  int L;
  int R;
};

// Appends one band (rows [top, bottom), spans sorted and disjoint) to a
// canonical list, merging it into the previous band when that one ends at
// `top` with the same spans.
void AppendBand(std::vector<Rect>& out, int top, int bottom, const std::vector<Span>& spans) {
  if (spans.empty() || top >= bottom) return;
  // Find the previous band: the trailing rectangles that share one Top.
  std::size_t n = out.size();
  std::size_t first = n;
  while (first > 0 && out[first - 1].Top == out[n - 1].Top) --first;
  bool merge = n > 0 && out[n - 1].Bottom == top && n - first == spans.size();
  for (std::size_t i = 0; merge && i < spans.size(); ++i)
    merge = out[first + i].Left == spans[i].L && out[first + i].Right == spans[i].R;
  if (merge) {
    for (std::size_t i = first; i < n; ++i) out[i].Bottom = bottom;
    return;
  }
  for (Span s : spans) out.push_back({s.L, top, s.R, bottom});
}

// The spans of the band of `rects` (canonical) that covers row y, starting the
// search at `pos` (bands are visited in increasing y, so `pos` only moves on).
void SpansAt(const std::vector<Rect>& rects, std::size_t& pos, int y, std::vector<Span>& out) {
  out.clear();
  while (pos < rects.size() && rects[pos].Bottom <= y) ++pos;
  for (std::size_t i = pos; i < rects.size() && rects[i].Top <= y && rects[i].Bottom > y; ++i)
    out.push_back({rects[i].Left, rects[i].Right});
}

// Merges sorted, possibly overlapping spans into disjoint, non-touching ones.
void Normalize(std::vector<Span>& spans) {
  std::sort(spans.begin(), spans.end(), [](Span a, Span b) { return a.L < b.L; });
  std::size_t w = 0;
  for (Span s : spans) {
    if (w > 0 && s.L <= spans[w - 1].R) {
      spans[w - 1].R = std::max(spans[w - 1].R, s.R);
    } else {
      spans[w++] = s;
    }
  }
  spans.resize(w);
}

template <class Keep>
void CombineSpans(const std::vector<Span>& a, const std::vector<Span>& b, Keep keep, std::vector<Span>& out) {
  out.clear();
  std::vector<int> xs;
  xs.reserve(2 * (a.size() + b.size()));
  for (Span s : a) xs.insert(xs.end(), {s.L, s.R});
  for (Span s : b) xs.insert(xs.end(), {s.L, s.R});
  std::sort(xs.begin(), xs.end());
  xs.erase(std::unique(xs.begin(), xs.end()), xs.end());
  std::size_t ia = 0, ib = 0;
  for (std::size_t i = 0; i + 1 < xs.size(); ++i) {
    int x = xs[i];
    while (ia < a.size() && a[ia].R <= x) ++ia;
    while (ib < b.size() && b[ib].R <= x) ++ib;
    bool inA = ia < a.size() && a[ia].L <= x;
    bool inB = ib < b.size() && b[ib].L <= x;
    if (!keep(inA, inB)) continue;
    if (!out.empty() && out.back().R == x) {
      out.back().R = xs[i + 1];
    } else {
      out.push_back({x, xs[i + 1]});
    }
  }
}

}  // namespace

Region::Region(const Rect& r) {
  if (!r.IsEmpty()) rects_.push_back(r);
}

Region Region::FromRects(std::span<const Rect> rects) {
  std::vector<Rect> live;
  std::vector<int> ys;
  for (const Rect& r : rects) {
    if (r.IsEmpty()) continue;
    live.push_back(r);
    ys.push_back(r.Top);
    ys.push_back(r.Bottom);
  }
  Region out;
  if (live.empty()) return out;
  std::sort(ys.begin(), ys.end());
  ys.erase(std::unique(ys.begin(), ys.end()), ys.end());
  std::sort(live.begin(), live.end(), [](const Rect& a, const Rect& b) { return a.Top < b.Top; });
  std::vector<Span> spans;
  for (std::size_t i = 0; i + 1 < ys.size(); ++i) {
    int y = ys[i];
    spans.clear();
    for (const Rect& r : live) {
      if (r.Top > y) break;
      if (r.Bottom > y) spans.push_back({r.Left, r.Right});
    }
    Normalize(spans);
    AppendBand(out.rects_, y, ys[i + 1], spans);
  }
  return out;
}

Rect Region::BoundingBox() const {
  if (rects_.empty()) return {};
  Rect b = rects_.front();
  for (const Rect& r : rects_) {
    b.Left = std::min(b.Left, r.Left);
    b.Right = std::max(b.Right, r.Right);
  }
  b.Bottom = rects_.back().Bottom;
  return b;
}

bool Region::Contains(Point p) const {
  // First rectangle of the band holding row p.Y: bands are sorted by Top and
  // do not overlap vertically, so their Bottoms increase too.
  auto it =
      std::partition_point(rects_.begin(), rects_.end(), [&](const Rect& r) { return r.Bottom <= p.Y; });
  for (; it != rects_.end() && it->Top <= p.Y; ++it) {
    if (p.X < it->Left) return false;
    if (p.X < it->Right) return true;
  }
  return false;
}

bool Region::Overlaps(const Rect& r) const {
  if (r.IsEmpty()) return false;
  for (const Rect& q : rects_) {
    if (q.Top >= r.Bottom) break;
    if (!Intersect(q, r).IsEmpty()) return true;
  }
  return false;
}

bool Region::ContainsRect(const Rect& r) const {
  if (r.IsEmpty()) return true;
  return Region(r).Difference(*this).IsEmpty();
}

Region Region::Combine(const Region& a, const Region& b, Op op) {
  std::vector<int> ys;
  ys.reserve(2 * (a.rects_.size() + b.rects_.size()));
  for (const Rect& r : a.rects_) ys.insert(ys.end(), {r.Top, r.Bottom});
  for (const Rect& r : b.rects_) ys.insert(ys.end(), {r.Top, r.Bottom});
  std::sort(ys.begin(), ys.end());
  ys.erase(std::unique(ys.begin(), ys.end()), ys.end());

  auto keep = [op](bool inA, bool inB) {
    switch (op) {
      case Op::Union: return inA || inB;
      case Op::Difference: return inA && !inB;
      case Op::Xor: return inA != inB;
      case Op::Intersection: return inA && inB;
    }
    return false;
  };
  Region out;
  std::vector<Span> sa, sb, sr;
  std::size_t pa = 0, pb = 0;
  for (std::size_t i = 0; i + 1 < ys.size(); ++i) {
    SpansAt(a.rects_, pa, ys[i], sa);
    SpansAt(b.rects_, pb, ys[i], sb);
    CombineSpans(sa, sb, keep, sr);
    AppendBand(out.rects_, ys[i], ys[i + 1], sr);
  }
  return out;
}

Region Region::Union(const Region& other) const {
  if (other.IsEmpty()) return *this;
  if (IsEmpty()) return other;
  return Combine(*this, other, Op::Union);
}
Region Region::Difference(const Region& other) const {
  if (IsEmpty() || other.IsEmpty()) return *this;
  return Combine(*this, other, Op::Difference);
}
Region Region::Xor(const Region& other) const { return Combine(*this, other, Op::Xor); }
Region Region::Intersection(const Region& other) const {
  if (IsEmpty() || other.IsEmpty()) return {};
  return Combine(*this, other, Op::Intersection);
}

Region Region::Offset(int dx, int dy) const {
  Region out = *this;
  for (Rect& r : out.rects_) r = r.Offset(dx, dy);
  return out;
}

}  // namespace gfx
