#include "skin/render/ItemBackground.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstddef>
#include <vector>

#include "skin/paint/Fill.h"
#include "skin/paint/PixelAccess.h"
#include "skin/paint/Tint.h"
#include "skin/render/AlphaTexture.h"
#include "skin/render/BackdropBlend.h"
#include "skin/render/BackdropCopy.h"
#include "skin/render/Gradient.h"
#include "skin/render/ItemContent.h"
#include "skin/render/ItemLook.h"
#include "skin/render/MaskCells.h"

namespace skin {
namespace {

// The backdrop itself in rect: its image, else its plain colour.
void PutBackdrop(gfx::Bitmap& bitmap, const gfx::Rect& rect, const BackdropRef& behind) {
  if (behind.Ready)
    CopyBackdropBlock(bitmap, rect, behind);
  else
    FillColorRect(bitmap, rect, behind.FillColor);
}

// The transparent mode-10 texture that state 0 paints last, or null.
const TsMaskData* LastPassTexture(const TsSkinModel& model, int textureIndex, int hotTextureIndex) {
  auto qualifies = [&](int index) -> const TsMaskData* {
    const TsMaskData* m = MaskAt(model, index);
    return m != nullptr && m->MaskType > 0 && m->StretchMode == 10 ? m : nullptr;
  };
  if (textureIndex != -1) return qualifies(textureIndex);
  return qualifies(hotTextureIndex);
}

// True when the content has one colour per row whatever its width: a
// vertical gradient that covers the item alone (no texture, no tint).
bool RowUniform(const ItemLook& look, const gfx::Rect& rect) {
  return look.Image == 0 && look.Gradient >= 100 && look.Steps != nullptr && look.Steps->front().Kind == 0 &&
         rect.Height() >= 2;
}

// A vertical gradient alone is one colour per row: its column of row
// colours is worked out straight into a buffer and blended along the rows.
// False when the content is not such a gradient.
bool BlendGradientColumn(gfx::Bitmap& bitmap, const gfx::Rect& rect, const BackdropRef& behind,
                         const ItemLook& look, int a) {
  if (!RowUniform(look, rect)) return false;
  const int bpp = ColorBytes(bitmap);
  const std::size_t bytes = static_cast<std::size_t>(rect.Height()) * static_cast<std::size_t>(bpp);
  // Items up to a window's height need no allocation.
  std::array<std::uint8_t, 4 * 1024> local;
  std::vector<std::uint8_t> large;
  std::uint8_t* colours = local.data();
  if (bytes > local.size()) {
    large.resize(bytes);
    colours = large.data();
  }
  if (!VerticalGradientColumn(*look.Steps, rect.Height(), bpp, colours)) return false;
  BlendColumnOverBackdrop(bitmap, rect, behind, colours, a);
  return true;
}

}  // namespace

void RenderItemBackground(const TsSkinModel& model, int skinIndex, std::string_view sectionName,
                          const BackdropRef& backdrop, int state, const gfx::Rect& rect, gfx::Point offset,
                          gfx::Bitmap& bitmap, int textureIndex, int hotTextureIndex,
                          gfx::Color customColor) {
  if (skinIndex < 0 || static_cast<std::size_t>(skinIndex) >= model.GeneralTable.size()) return;
  if (ColorBytes(bitmap) == 0 || rect.IsEmpty() || gfx::Intersect(rect, bitmap.Bounds()) != rect) return;

  const ItemLook look = LookOf(model, skinIndex, sectionName, state, textureIndex, customColor);
  const BackdropRef behind = ShiftedBackdrop(backdrop, offset.X, offset.Y);  // relative to rect
  const int t = look.Transparency;

  if ((!backdrop.Ready && backdrop.FillColor == gfx::clFuchsia) || t == 0) {
    PaintItemContent(model, bitmap, rect, look, behind);
  } else if (t == 100) {
    PutBackdrop(bitmap, rect, behind);
  } else if (backdrop.Ready || look.Gradient + look.Image != 0) {
    const int a = std::clamp(t * 255 / 100, 0, 255);
    if (!BlendGradientColumn(bitmap, rect, behind, look, a)) {
      gfx::Bitmap content(rect.Width(), rect.Height(), bitmap.Format());
      PaintItemContent(model, content, content.Bounds(), look, behind);
      BlendOverBackdrop(bitmap, rect, behind, content, a);
    }
  } else {
    FillColorRect(bitmap, rect, LerpColor(gfx::ColorToRGB(backdrop.FillColor), look.Color, t / 100.0));
  }

  // A custom colour replaces the whole look, this texture included.
  if (state == 0 && customColor == gfx::clFuchsia) {
    if (const TsMaskData* last = LastPassTexture(model, textureIndex, hotTextureIndex)) {
      gfx::Rect area = rect;
      PaintAlphaTexture(model, bitmap, area, behind, 10, *last);
    }
  }
}

}  // namespace skin
