#include "platform/gfx/SymbolGlyphs.h"

#include <algorithm>
#include <vector>

namespace gfx {
namespace {

bool InPolygon(const std::vector<Point>& poly, float x, float y) {
  bool in = false;
  for (std::size_t i = 0, j = poly.size() - 1; i < poly.size(); j = i++) {
    const float ax = static_cast<float>(poly[i].X), ay = static_cast<float>(poly[i].Y);
    const float bx = static_cast<float>(poly[j].X), by = static_cast<float>(poly[j].Y);
    if ((ay > y) != (by > y) && x < (bx - ax) * (y - ay) / (by - ay) + ax) in = !in;
  }
  return in;
}

bool Inside(const SymbolShape& s, float x, float y) {
  for (const Rect& b : s.Boxes)
    if (x >= static_cast<float>(b.Left) && x < static_cast<float>(b.Right) &&
        y >= static_cast<float>(b.Top) && y < static_cast<float>(b.Bottom))
      return true;
  return !s.Polygon.empty() && InPolygon(s.Polygon, x, y);
}

}  // namespace

SymbolShape SymbolShapeOf(char32_t cp) {
  switch (cp) {
    case U'0': return {{{4, 11, 11, 13}}, {}};  // minimise: a bar at the bottom
    case U'1':                                  // maximise: a window with a thick title
      return {{{3, 3, 13, 5}, {3, 3, 4, 13}, {12, 3, 13, 13}, {3, 12, 13, 13}}, {}};
    case U'2':  // restore: two overlapping windows
      return {{{6, 2, 14, 4},
               {13, 2, 14, 9},
               {11, 8, 14, 9},
               {6, 2, 7, 5},
               {2, 6, 10, 8},
               {2, 6, 3, 14},
               {9, 6, 10, 14},
               {2, 13, 10, 14}},
              {}};
    case U'r':  // close: a cross
      return {{},
              {{3, 4},
               {5, 4},
               {8, 7},
               {11, 4},
               {13, 4},
               {9, 8},
               {13, 12},
               {11, 12},
               {8, 9},
               {5, 12},
               {3, 12},
               {7, 8}}};
    default: return {};
  }
}

std::optional<GlyphImage> SymbolGlyph(char32_t cp, int pixelHeight, const FontMetrics& line) {
  const SymbolShape shape = SymbolShapeOf(cp);
  if (shape.Empty()) return std::nullopt;
  const int em = std::max(1, pixelHeight);
  GlyphImage g;
  g.Width = em;
  g.Height = em;
  g.Left = 0;
  g.Advance = em;
  // The em box sits in the middle of the line.
  g.Top = line.Ascent - (line.Height - em) / 2;
  g.Coverage.assign(static_cast<std::size_t>(em) * em, 0);
  // Coverage from 4 x 4 samples per pixel, so that any size stays balanced.
  constexpr int kSub = 4;
  const float scale = 16.0f / static_cast<float>(em);
  for (int y = 0; y < em; ++y) {
    for (int x = 0; x < em; ++x) {
      int hits = 0;
      for (int sy = 0; sy < kSub; ++sy)
        for (int sx = 0; sx < kSub; ++sx)
          hits += Inside(shape, (static_cast<float>(x) + (sx + 0.5f) / kSub) * scale,
                         (static_cast<float>(y) + (sy + 0.5f) / kSub) * scale);
      g.Coverage[static_cast<std::size_t>(y) * em + x] =
          static_cast<std::uint8_t>(hits * 255 / (kSub * kSub));
    }
  }
  return g;
}

}  // namespace gfx
