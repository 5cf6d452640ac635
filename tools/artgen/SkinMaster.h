// The master bitmap of an internal skin and the mask values that point into
// it. Every element is drawn at a fixed place, the same for every palette.
#pragma once

#include <map>
#include <string>

#include "platform/gfx/Bitmap.h"
#include "tools/artgen/SkinPalette.h"

namespace artgen {

struct MasterArt {
  gfx::Bitmap Bitmap;  // 24-bit, magenta where transparent
  // Mask values by "SECTION.KEY", e.g. "BUTTON.BORDERSMASK".
  std::map<std::string, std::string> Masks;
};

MasterArt DrawMaster(const SkinPalette& p);

// The colours of the title bar from its top row to its bottom row.
struct TitleColours {
  gfx::Color Top, Bottom, Outline, Border;
};
TitleColours TitleColoursOf(const SkinPalette& p, bool active);

// A "^" border mask value in the fixed-column form.
std::string BorderMaskValue(int left, int top, int right, int bottom, int wl, int wt, int wr, int wb,
                            int imageCount, int maskType, int stretchMode, int borderWidth);
// An "@" glyph value.
std::string GlyphValue(int left, int top, int right, int bottom, int imageCount, int maskType);

// Where the caption-button glyphs lie: cells of one height side by side.
inline constexpr int kCaptionGlyphHeight = 19;
inline constexpr int kCloseCellWidth = 43;
inline constexpr int kSmallCellWidth = 29;

}  // namespace artgen
