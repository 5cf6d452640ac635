#include "skin/render/SkinItem.h"

#include <cstddef>

#include "skin/render/BackdropCopy.h"
#include "skin/render/ItemBackground.h"
#include "skin/render/MaskCells.h"
#include "skin/render/MaskFrame.h"
#include "skin/render/MaskImage.h"

namespace skin {
namespace {

bool CanPaint(const TsSkinModel& model, int skinIndex, const gfx::Bitmap& bitmap, const gfx::Rect& rect) {
  return skinIndex >= 0 && static_cast<std::size_t>(skinIndex) < model.GeneralTable.size() &&
         !rect.IsEmpty() && gfx::Intersect(rect, bitmap.Bounds()) == rect;
}

// The four corner images of the section, each in its corner of rect, showing
// the bitmap itself where they are transparent.
void PaintCorners(const TsSkinModel& model, const TsGeneralData& g, gfx::Bitmap& bitmap, const gfx::Rect& r,
                  int state) {
  const BackdropRef self = MakeBackdropRef(&bitmap, 0, 0);
  auto corner = [&](int index, bool right, bool bottom) {
    const TsMaskData* m = MaskAt(model, index);
    if (m == nullptr) return;
    const gfx::Point at{right ? r.Right - MaskCellWidth(*m) : r.Left,
                        bottom ? r.Bottom - MaskCellHeight(*m) : r.Top};
    RenderMaskImage(model, bitmap, at, state, self, *m, kMaskImageNormal);
  };
  corner(g.ImgTopLeftIndex, false, false);
  corner(g.ImgTopRightIndex, true, false);
  corner(g.ImgBtmLeftIndex, false, true);
  corner(g.ImgBtmRightIndex, true, true);
}

}  // namespace

void RenderSkinItem(const TsSkinModel& model, int skinIndex, std::string_view sectionName,
                    const BackdropRef& backdrop, int textureIndex, int hotTextureIndex, gfx::Bitmap& bitmap,
                    gfx::Point offset, const gfx::Rect& rect, int state, bool withCentre) {
  if (!CanPaint(model, skinIndex, bitmap, rect)) return;
  const TsGeneralData& g = model.GeneralTable[static_cast<std::size_t>(skinIndex)];
  RenderItemBackground(model, skinIndex, sectionName, backdrop, state, rect, offset, bitmap, textureIndex,
                       hotTextureIndex, gfx::clFuchsia);
  PaintCorners(model, g, bitmap, rect, state);
  RenderMaskFrame(model, bitmap, rect, withCentre, true, state, g.BordersMaskIndex,
                  ShiftedBackdrop(backdrop, offset.X, offset.Y));
}

void RenderSkinItemOnTop(const TsSkinModel& model, int skinIndex, std::string_view sectionName,
                         const BackdropRef& backdrop, int textureIndex, int hotTextureIndex,
                         gfx::Color customColor, int borderMaskIndex, gfx::Bitmap& bitmap, gfx::Point offset,
                         const gfx::Rect& rect, int state, bool withCentre, bool cornersUseBackdrop) {
  if (!CanPaint(model, skinIndex, bitmap, rect)) return;
  const TsGeneralData& g = model.GeneralTable[static_cast<std::size_t>(skinIndex)];
  RenderItemBackground(model, skinIndex, sectionName, backdrop, state, rect, offset, bitmap, textureIndex,
                       hotTextureIndex, customColor);
  RenderMaskFrame(model, bitmap, rect, withCentre, cornersUseBackdrop, state, borderMaskIndex,
                  ShiftedBackdrop(backdrop, offset.X, offset.Y));
  PaintCorners(model, g, bitmap, rect, state);
}

}  // namespace skin
