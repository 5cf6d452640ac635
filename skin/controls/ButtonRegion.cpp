#include "skin/controls/ButtonRegion.h"

#include <algorithm>
#include <vector>

#include "skin/data/SkinModel.h"
#include "skin/render/MaskCells.h"
#include "skin/render/MaskFrame.h"

namespace skin {

namespace {

void Shrink(int& nearSide, int& farSide, int extent) {
  if (extent >= nearSide + farSide) return;
  const int half = (nearSide + farSide - extent) / 2;
  nearSide -= half;
  farSide -= half;
  if (extent % 2 != 0) farSide -= 1;
  nearSide = std::max(nearSide, 0);
  farSide = std::max(farSide, 0);
}

}  // namespace

gfx::Region ButtonWindowRegion(const TsSkinModel& model, int maskIndex, int state, gfx::Size size) {
  const gfx::Rect whole{0, 0, size.Width, size.Height};
  const TsMaskData* mask = MaskAt(model, maskIndex);
  if (!mask || size.Width < 2 || size.Height < 2) return gfx::Region(whole);
  if (state == 0 && (mask->StretchMode & kSkipInNormal) != 0) return gfx::Region(whole);
  const gfx::Bitmap* source = MaskSourceImage(model, *mask);
  const int cw = MaskCellWidth(*mask), ch = MaskCellHeight(*mask);
  if (!source || cw <= 0 || ch <= 0) return gfx::Region(whole);
  int wl = model.MaskWidthLeft(maskIndex), wr = model.MaskWidthRight(maskIndex);
  int wt = model.MaskWidthTop(maskIndex), wb = model.MaskWidthBottom(maskIndex);
  Shrink(wl, wr, size.Width);
  Shrink(wt, wb, size.Height);
  const auto cellLeft = static_cast<int>(MaskCellLeft(*mask, state));
  const int cellTop = mask->Top;

  struct Corner {
    int sx, sy, w, h, dx, dy;  // source offset in the cell, size, destination
  };
  const Corner corners[4] = {
      {0, 0, wl, wt, 0, 0},
      {cw - wr, 0, wr, wt, size.Width - wr, 0},
      {0, ch - wb, wl, wb, 0, size.Height - wb},
      {cw - wr, ch - wb, wr, wb, size.Width - wr, size.Height - wb},
  };
  std::vector<gfx::Rect> holes;
  for (const Corner& c : corners) {
    for (int y = 0; y < c.h; ++y) {
      int runStart = -1;
      for (int x = 0; x <= c.w; ++x) {
        const bool key =
            x < c.w && (source->PixelAt(cellLeft + c.sx + x, cellTop + c.sy + y) & 0xFFFFFF) == 0xFF00FF;
        if (key && runStart < 0) runStart = x;
        if (!key && runStart >= 0) {
          holes.push_back({c.dx + runStart, c.dy + y, c.dx + x, c.dy + y + 1});
          runStart = -1;
        }
      }
    }
  }
  if (holes.empty()) return gfx::Region(whole);
  return gfx::Region(whole).Difference(gfx::Region::FromRects(holes));
}

}  // namespace skin
