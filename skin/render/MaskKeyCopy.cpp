#include "skin/render/MaskKeyCopy.h"

#include <cstdint>

#include "skin/paint/KeyCopy.h"
#include "skin/render/MaskCells.h"
#include "skin/render/ReadableImage.h"

namespace skin {

void CopyWhereKey(gfx::Bitmap& dst, const gfx::Bitmap& src, const gfx::Rect& rect, int kind,
                  const TsSkinModel& model, int maskIndex, gfx::Point point) {
  if (maskIndex == -1) {
    CopyWhereKey(dst, src, rect, point);
    return;
  }
  const TsMaskData* mask = MaskAt(model, maskIndex);
  if (mask == nullptr) return;
  const ReadableImage test(MaskSourceImage(model, *mask));
  if (!test) return;
  std::int64_t x = mask->Left, y = mask->Top;
  if (kind == kCornerTopRight || kind == kCornerBottomRight)
    x += std::int64_t{MaskCellWidth(*mask)} - mask->WR;
  if (kind == kCornerBottomLeft || kind == kCornerBottomRight)
    y += std::int64_t{MaskCellHeight(*mask)} - mask->WB;
  // Origins far outside the test image cannot match anything (and would
  // overflow the clipping arithmetic).
  constexpr std::int64_t kFar = std::int64_t{1} << 30;
  if (x < -kFar || x > kFar || y < -kFar || y > kFar) return;
  CopyWhereKeyIn(dst, src, rect, point, *test.Get(), {static_cast<int>(x), static_cast<int>(y)});
}

}  // namespace skin
