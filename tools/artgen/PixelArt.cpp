#include "tools/artgen/PixelArt.h"

#include <cmath>

#include "tools/artgen/SkinPalette.h"

namespace artgen {

gfx::Bitmap KeyBitmap(int width, int height) {
  gfx::Bitmap b = gfx::NewBitmap24(width, height);
  FillBox(b, 0, 0, width, height, gfx::clFuchsia);
  return b;
}

void FillBox(gfx::Bitmap& b, int x, int y, int w, int h, gfx::Color c) {
  for (int j = 0; j < h; ++j)
    for (int i = 0; i < w; ++i) b.SetPixelAt(x + i, y + j, c);
}

void VerticalGradient(gfx::Bitmap& b, int x, int y, int w, int h, gfx::Color top, gfx::Color bottom) {
  for (int j = 0; j < h; ++j)
    FillBox(b, x, y + j, w, 1, Mix(top, bottom, h > 1 ? static_cast<double>(j) / (h - 1) : 0.0));
}

BoxPart PartOfRoundBox(int px, int py, int w, int h, int r) {
  if (px < 0 || py < 0 || px >= w || py >= h) return BoxPart::Outside;
  // Distance of the pixel's centre from the centre of its corner's circle.
  const double cx = px < r ? r : (px >= w - r ? w - r : px + 0.5);
  const double cy = py < r ? r : (py >= h - r ? h - r : py + 0.5);
  const double d = std::hypot(px + 0.5 - cx, py + 0.5 - cy);
  const bool inCorner = (px < r || px >= w - r) && (py < r || py >= h - r);
  if (inCorner) {
    if (d > r + 0.1) return BoxPart::Outside;
    if (d > r - 1.0) return BoxPart::Edge;
    return BoxPart::Inside;
  }
  if (px == 0 || py == 0 || px == w - 1 || py == h - 1) return BoxPart::Edge;
  return BoxPart::Inside;
}

void RoundBox(gfx::Bitmap& b, int x, int y, int w, int h, int r, gfx::Color outline,
              const std::function<gfx::Color(int row)>& fill) {
  for (int j = 0; j < h; ++j) {
    for (int i = 0; i < w; ++i) {
      switch (PartOfRoundBox(i, j, w, h, r)) {
        case BoxPart::Outside: break;
        case BoxPart::Edge: b.SetPixelAt(x + i, y + j, outline); break;
        case BoxPart::Inside: b.SetPixelAt(x + i, y + j, fill(j)); break;
      }
    }
  }
}

void DrawPattern(gfx::Bitmap& b, int x, int y, const std::vector<std::string>& rows,
                 const std::map<char, gfx::Color>& colours) {
  for (std::size_t j = 0; j < rows.size(); ++j) {
    for (std::size_t i = 0; i < rows[j].size(); ++i) {
      const auto it = colours.find(rows[j][i]);
      if (it != colours.end()) b.SetPixelAt(x + static_cast<int>(i), y + static_cast<int>(j), it->second);
    }
  }
}

}  // namespace artgen
