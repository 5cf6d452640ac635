#include "skin/render/CornerHoles.h"

#include <algorithm>
#include <climits>
#include <cstdint>

#include "skin/paint/PixelAccess.h"
#include "skin/render/MaskCells.h"
#include "skin/render/ReadableImage.h"

namespace skin {
namespace {

using I64 = std::int64_t;

int ClampInt(I64 v) { return static_cast<int>(std::clamp<I64>(v, INT_MIN, INT_MAX)); }

}  // namespace

void AddCornerHoles(const TsSkinModel& model, TAOR& holes, int width, const TsMaskData& mask, bool bottom,
                    int y) {
  const ReadableImage image(MaskSourceImage(model, mask));
  if (!image) return;
  const gfx::Bitmap& src = *image.Get();
  const int bpp = ColorBytes(src);
  const I64 cw = MaskCellWidth(mask), ch = MaskCellHeight(mask);
  const I64 wl = std::max<I64>(mask.WL, 0), wr = std::max<I64>(mask.WR, 0);
  const I64 rows = std::max<I64>(bottom ? mask.WB : mask.WT, 0);
  const I64 top = bottom ? I64{mask.Top} + ch - rows : I64{mask.Top};
  if (rows == 0 || top < 0 || top + rows > src.Height()) return;

  // Scans columns [c0, c1) of the cell in row `row`; `shift` turns a cell
  // column into a window column.
  auto scan = [&](const std::uint8_t* line, I64 r, I64 c0, I64 c1, I64 shift) {
    I64 runStart = -1;
    for (I64 col = c0; col <= c1; ++col) {
      const I64 sx = I64{mask.Left} + col;
      const bool key = col < c1 && sx >= 0 && sx < src.Width() && SameRgb(line + sx * bpp, gfx::clFuchsia);
      if (key && runStart < 0) runStart = col;
      if (!key && runStart >= 0) {
        holes.push_back({ClampInt(runStart + shift), ClampInt(I64{y} + r), ClampInt(col + shift),
                         ClampInt(I64{y} + r + 1)});
        runStart = -1;
      }
    }
  };
  // Wider corners than the cell are cut to it: the scan never runs past the
  // first picture (and a hostile width cannot make it loop for long).
  const I64 leftEnd = std::min(wl, cw);
  const I64 rightStart = std::max<I64>(cw - wr, 0);
  for (I64 r = 0; r < rows; ++r) {
    const std::uint8_t* line = src.Scanline(static_cast<int>(top + r));
    scan(line, r, 0, leftEnd, 0);
    scan(line, r, rightStart, cw, I64{width} - cw);
  }
}

}  // namespace skin
