#include "skin/paint/DisabledLook.h"

#include "skin/paint/BlendWith.h"
#include "skin/paint/Gray.h"
#include "skin/paint/Tint.h"

namespace skin {

void PaintDisabledLook(gfx::Bitmap& bitmap, TsDisabledKinds kinds, gfx::Color parentColor, gfx::Point offset,
                       const BackdropRef& backdrop) {
  if (kinds.Contains(dkGrayed)) MakeGray(bitmap);
  if (!kinds.Contains(dkBlended)) return;
  if (backdrop.HasImage()) {
    const gfx::Rect srcRect =
        gfx::Rect{0, 0, bitmap.Width(), bitmap.Height()}.Offset(backdrop.X + offset.X, backdrop.Y + offset.Y);
    BlendWithBitmap(bitmap, 0, 0, gfx::clNone, 0.4, srcRect, *backdrop.Bitmap);
  } else {
    const gfx::Color toward = backdrop.FillColor == gfx::clFuchsia ? parentColor : backdrop.FillColor;
    TintRect(bitmap, bitmap.Bounds(), 50, toward);
  }
}

}  // namespace skin
