// Painting a bound control's look: its skin item, the corners of its cache
// over the parent's background, the cache copied to a surface around the
// child controls, and the border ring of the section's mask.
#pragma once

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"
#include "platform/gfx/Geometry.h"
#include "skin/paint/Backdrop.h"

namespace skin {

class TsCommonData;

// Corner bits of RefreshItemCorners.
inline constexpr int kCornerBitTopLeft = 1;
inline constexpr int kCornerBitBottomLeft = 2;
inline constexpr int kCornerBitTopRight = 4;
inline constexpr int kCornerBitBottomRight = 8;
inline constexpr int kAllCorners = 15;

// The binding's skin item (section, textures, border mask and its custom
// colour: the owner's colour with CustomColor) into `rect` of `bitmap`.
// Nothing when the binding is not skinned.
void RenderBoundItem(const TsCommonData& binding, const BackdropRef& backdrop, bool withCentre,
                     bool cornersUseBackdrop, int state, gfx::Bitmap& bitmap, gfx::Point offset,
                     const gfx::Rect& rect);
// The same over the background the parent gives.
void RenderBoundItemOverParent(const TsCommonData& binding, bool withCentre, bool cornersUseBackdrop,
                               int state, gfx::Bitmap& bitmap, gfx::Point offset, const gfx::Rect& rect);

// Composes the chosen corners of the border mask's picture for `state` over
// the parent's background into the cache (a control with rounded corners on
// a parent whose look changed).
void RefreshItemCorners(TsCommonData& binding, int state, int corners = kAllCorners);

// Copies the cache from `origin` to `clip` of `target`, leaving out the
// rectangles of child controls that paint themselves.
void CopyCacheExceptChildren(TsCommonData& binding, gfx::Canvas& target, gfx::Point origin,
                             const gfx::Rect& clip, bool refreshCorners);

// The width of the border ring: the largest of the border mask's four
// widths; 0 without a mask, when not skinned, or when the mask is not drawn
// in the normal state.
int BindingBorderWidth(const TsCommonData& binding);

// Renders the border mask (state 0, without centre) over the parent's
// background into the cache, creating the cache when missing, and copies the
// ring of `width` pixels to `dc` (origin at the control).
void PaintBindingBorder(TsCommonData& binding, gfx::Canvas& dc, int width);

}  // namespace skin
