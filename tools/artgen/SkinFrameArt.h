// The images of an internal skin besides its master bitmap: the standard
// title bar, the extended border with its soft shadow, the caption-button
// glows and the two extra bitmaps.
#pragma once

#include "platform/gfx/Bitmap.h"
#include "tools/artgen/SkinMaster.h"
#include "tools/artgen/SkinPalette.h"

namespace artgen {

// Extended border geometry: one cell per state (inactive, active); the
// window's box lies kShadow pixels in from every side of a cell.
inline constexpr int kExBorderCellWidth = 40;
inline constexpr int kExBorderCellHeight = 60;
inline constexpr int kShadow = 10;
inline constexpr int kFrameBorder = 8;
inline constexpr int kTitleHeight = 28;
// Margin of the caption-button glows around their glyph cell.
inline constexpr int kGlowMargin = 6;

gfx::Bitmap DrawTitle(const SkinPalette& p);      // 24-bit, two 16 x 28 cells
gfx::Bitmap DrawExBorder(const SkinPalette& p);   // 32-bit straight alpha
// The hot picture of a caption button (cell 1 of `key` in the master bitmap)
// over a soft halo of `halo`, kGlowMargin pixels all round.
gfx::Bitmap DrawCaptionGlow(const MasterArt& master, const std::string& key, gfx::Color halo);
// A halo around a push button's cell (a glow picture for authors; unused by
// the skin's sections).
gfx::Bitmap DrawButtonGlow(const SkinPalette& p);
gfx::Bitmap DrawBrush(const SkinPalette& p);       // 24-bit 8 x 8 surface tile
gfx::Bitmap DrawHugeButton(const SkinPalette& p);  // 24-bit, three 30 x 40 states

}  // namespace artgen
