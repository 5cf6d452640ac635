#include "skin/render/ItemContent.h"

#include <algorithm>

#include "skin/paint/Blend.h"
#include "skin/paint/Fill.h"
#include "skin/paint/Tint.h"
#include "skin/render/AlphaTexture.h"
#include "skin/render/Gradient.h"
#include "skin/render/Texture.h"

namespace skin {
namespace {

// Paints the texture; true when there was one to paint.
bool PaintImagePart(const TsSkinModel& model, gfx::Bitmap& target, const gfx::Rect& rc, const ItemLook& look,
                    const BackdropRef& backdrop) {
  const ItemTexture& t = look.Texture;
  if (!t.Found()) return false;
  gfx::Rect left = rc;
  if (t.Pattern != nullptr)
    PaintTexture(model, target, left, t.Pattern, tmTile, nullptr);
  else if (t.Mask->MaskType == 0)
    PaintTexture(model, target, left, t.Mask->Image.get(), t.Mask->StretchMode, t.Mask);
  else
    PaintAlphaTexture(model, target, left, backdrop, t.Mask->StretchMode, *t.Mask);
  if (!left.IsEmpty()) FillColorRect(target, gfx::Intersect(left, rc), look.Color);
  return true;
}

void PaintGradientPart(gfx::Bitmap& target, const gfx::Rect& rc, const ItemLook& look, bool overTexture) {
  if (!overTexture) {
    if (look.Steps != nullptr) PaintGradient(target, rc, *look.Steps);
    return;  // without a list the colour already there is the gradient part
  }
  gfx::Bitmap layer(rc.Width(), rc.Height(), target.Format());
  FillColorRect(layer, layer.Bounds(), look.Color);
  if (look.Steps != nullptr) PaintGradient(layer, layer.Bounds(), *look.Steps);
  BlendBitmaps(target, layer, std::clamp(look.Image * 255 / 100, 0, 255), rc.TopLeft(), layer.Bounds());
}

// True when the gradient alone paints every pixel of rc: no texture, and a
// vertical list over at least two rows or a horizontal one over at least two
// columns (every band ends on the next band's first row or column, and the
// last band reaches the far edge).
bool GradientCovers(const gfx::Rect& rc, const ItemLook& look) {
  if (look.Image > 0 || look.Gradient == 0 || look.Steps == nullptr) return false;
  switch (look.Steps->front().Kind) {
    case 0: return rc.Height() >= 2;
    case 1: return rc.Width() >= 2;
    default: return false;
  }
}

}  // namespace

void PaintItemContent(const TsSkinModel& model, gfx::Bitmap& target, const gfx::Rect& rc,
                      const ItemLook& look, const BackdropRef& backdrop) {
  if (rc.IsEmpty() || gfx::Intersect(rc, target.Bounds()) != rc) return;
  // The base under every layer that may leave pixels unpainted.
  if (!GradientCovers(rc, look)) FillColorRect(target, rc, look.Color);
  if (look.Gradient == 0 && look.Image == 0) return;

  const bool textured = look.Image > 0 && PaintImagePart(model, target, rc, look, backdrop);
  if (look.Gradient > 0) PaintGradientPart(target, rc, look, textured);
  const int s = look.Gradient + look.Image;
  if (s < 100) TintRect(target, {rc.Left, rc.Top, rc.Right - 1, rc.Bottom - 1}, s, look.Color);
}

}  // namespace skin
