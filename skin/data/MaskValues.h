// The value syntaxes that make mask-table entries: "^" border masks, "@"
// glyphs and "~" textures in fixed columns of the master bitmap, "!" image
// files, and the older "#" masks and ".BMP" file names.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "skin/data/sMaskData.h"

namespace skin {

enum class MaskValueKind : std::uint8_t {
  None,       // the value makes no entry
  Border,     // "^"
  Glyph,      // "@"
  Texture,    // "~"
  ImageFile,  // "!" naming a ".BMP" or ".PNG" file
  OldMask,    // "#"
  OldBitmap,  // a value naming a ".BMP" file
};

// What a value says; the image of "!" and ".BMP" values is found by the loader.
struct MaskValue {
  MaskValueKind Kind = MaskValueKind::None;
  TsMaskData Entry;                     // rectangle and counts for master-bitmap values
  std::string FileName;                 // "!": as written; ".BMP": upper case
  std::vector<std::string_view> Words;  // "!": every word, the file name first
};

// Classifies a value by its first character and parses the fixed-column and
// "#" forms. Throws the conversion error for a missing or malformed field.
// Section and key names are not filled in.
MaskValue ParseMaskValue(std::string_view value);

// Fields of an "!" value once its image (`width` x `height`) is found:
// ImageCount, MaskType, kind and optional part widths. Throws the conversion
// error when the value has fewer than four words or five to seven.
TsMaskData ParseImageFileFields(const std::vector<std::string_view>& words, int width, int height);

// Part widths derived from the rectangle when none are given: all four become
// BorderWidth if that is not 0, else a third of one state image's width and of
// one part's height. A zero divisor gives 0.
void DeriveBorderParts(TsMaskData& m);

}  // namespace skin
