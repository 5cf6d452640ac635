// The blurred glow behind skinned text.
#pragma once

#include <string_view>

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Color.h"
#include "platform/gfx/Font.h"
#include "platform/gfx/Geometry.h"

namespace skin {

// Side bits of DrawTextGlow: the text is also drawn one pixel towards each.
inline constexpr unsigned kGlowLeft = 1, kGlowTop = 2, kGlowRight = 4, kGlowBottom = 8;
inline constexpr unsigned kGlowAllSides = kGlowLeft | kGlowTop | kGlowRight | kGlowBottom;

// Paints a glow of `colour` behind `text` (drawn with `font` and the DT_*
// `flags` into `rect` of `target`, in the target's coordinates).
//
// The glow reaches m = size + 4 pixels beyond `rect`. Its coverage lives in
// `mask`, an 8-bit grey bitmap of rect grown by m on every side: when `mask`
// already is such a bitmap of that size it is used as it is (callers keep it
// between paints of the same text); otherwise it is remade: white, the text in
// black once moved one pixel towards each side in `sides` and once in place,
// then blurred with radius `size`. Every mask pixel v below 255 then pulls
// the target pixel under it towards the colour: t := (t - c) * v / 255 + c
// per channel (truncating), and on a 32-bit target alpha := max(0, alpha + v
// - 255). Only 24- and 32-bit targets are painted; pixels outside the target
// are skipped.
void DrawTextGlow(gfx::Bitmap& target, const gfx::Font& font, std::string_view text, const gfx::Rect& rect,
                  gfx::Bitmap& mask, gfx::Color colour, int size, unsigned sides, unsigned flags);

}  // namespace skin
