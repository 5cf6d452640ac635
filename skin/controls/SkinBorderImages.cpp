#include "skin/controls/SkinBorderImages.h"

#include <algorithm>
#include <cstring>

namespace skin {
namespace {

// A 32-bit copy of the part of `src` at (x, y) of size w x h, clipped to the
// source; pixels off the source stay zero.
gfx::Bitmap CopyCell(const gfx::Bitmap& src, int x, int y, int w, int h) {
  if (w <= 0 || h <= 0) return {};
  const gfx::Bitmap src32 =
      src.Format() == gfx::PixelFormat::Bgra32 ? gfx::Bitmap() : src.ConvertTo(gfx::PixelFormat::Bgra32);
  const gfx::Bitmap& s = src.Format() == gfx::PixelFormat::Bgra32 ? src : src32;
  gfx::Bitmap cell = gfx::NewBitmap32(w, h);
  cell.FillBytes(0);
  const int x0 = std::max(x, 0), x1 = std::min(x + w, s.Width());
  const int y0 = std::max(y, 0), y1 = std::min(y + h, s.Height());
  if (x1 <= x0) return cell;
  for (int sy = y0; sy < y1; ++sy)
    std::memcpy(cell.Scanline(sy - y) + (x0 - x) * 4, s.Scanline(sy) + x0 * 4,
                static_cast<std::size_t>(x1 - x0) * 4);
  return cell;
}

// White pixels that are fully transparent become all zero, so that
// filtering never bleeds white into the shadow's edge.
void ClearTransparentWhite(gfx::Bitmap& b) {
  for (int y = 0; y < b.Height(); ++y) {
    std::uint8_t* p = b.Scanline(y);
    for (int x = 0; x < b.Width(); ++x, p += 4)
      if (p[0] == 0xFF && p[1] == 0xFF && p[2] == 0xFF && p[3] == 0) p[0] = p[1] = p[2] = 0;
  }
}

}  // namespace

TacBorderImages MakeBorderImages(const TsSkinModel* model, bool enabled, const gfx::Bitmap* builtInShadow,
                                 bool compositionOn) {
  TacBorderImages out;
  if (!model || !enabled) return out;
  const int ex = model->CommonIndexes.ExBorder;
  if (ex >= 0 && static_cast<std::size_t>(ex) < model->MaskTable.size()) {
    const TsMaskData& m = model->MaskTable[static_cast<std::size_t>(ex)];
    const TsSkinData& g = model->SkinWideData;
    if (g.BorderMode != 0) {
      out.Margins = {g.FormOffset, g.FormOffset, g.FormOffset, g.FormOffset};
    } else {
      out.Margins = {m.WL - g.FormOffset, m.WT - g.FormOffset, m.WR - g.FormOffset, m.WB - g.FormOffset};
    }
    // Counts and sizes come from the skin file: a cell that cannot exist
    // gives no image rather than a division by zero or a huge bitmap.
    if (m.Image && !m.Image->Empty() && m.ImageCount > 0 && m.MaskType >= 0) {
      const std::int64_t cw = m.Width() / m.ImageCount;
      const std::int64_t ch = m.Height() / (m.MaskType + 1);
      if (cw > 0 && ch > 0 && cw <= m.Image->Width() && ch <= m.Image->Height()) {
        const int w = static_cast<int>(cw), h = static_cast<int>(ch);
        out.Inactive = CopyCell(*m.Image, 0, 0, w, h);
        out.Active = CopyCell(*m.Image, m.ImageCount > 1 ? w : 0, 0, w, h);
      }
    }
  } else if (builtInShadow && !builtInShadow->Empty()) {
    const int extra = compositionOn ? 1 : 0;
    out.Margins = {11 + extra, 7 + extra, 11 + extra, 11 + extra};
    out.Inactive = CopyCell(*builtInShadow, 0, 0, builtInShadow->Width(), builtInShadow->Height());
    out.Active = CopyCell(*builtInShadow, 0, 0, builtInShadow->Width(), builtInShadow->Height());
  }
  ClearTransparentWhite(out.Active);
  ClearTransparentWhite(out.Inactive);
  return out;
}

}  // namespace skin
