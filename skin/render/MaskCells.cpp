#include "skin/render/MaskCells.h"

#include <algorithm>
#include <climits>

namespace skin {
namespace {

int CellSize(std::int64_t extent, std::int64_t count) {
  if (count < 1 || extent <= 0) return 0;
  return static_cast<int>(std::min<std::int64_t>(extent / count, INT_MAX));
}

}  // namespace

int MaskCellWidth(const TsMaskData& mask) { return CellSize(mask.Width(), mask.ImageCount); }

int MaskCellHeight(const TsMaskData& mask) {
  return CellSize(mask.Height(), std::int64_t{mask.MaskType} + 1);
}

const gfx::Bitmap* MaskSourceImage(const TsSkinModel& model, const TsMaskData& mask) {
  const gfx::Bitmap* image = mask.Image ? mask.Image.get() : &model.MasterBitmap;
  return image->Empty() ? nullptr : image;
}

std::int64_t MaskCellLeft(const TsMaskData& mask, int state) {
  const int s = std::clamp(state, 0, std::max(0, mask.ImageCount - 1));
  return std::int64_t{mask.Left} + std::int64_t{MaskCellWidth(mask)} * s;
}

const TsMaskData* MaskAt(const TsSkinModel& model, int maskIndex) {
  if (maskIndex < 0 || static_cast<std::size_t>(maskIndex) >= model.MaskTable.size()) return nullptr;
  return &model.MaskTable[static_cast<std::size_t>(maskIndex)];
}

}  // namespace skin
