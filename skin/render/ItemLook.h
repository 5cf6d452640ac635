// The values of a section that make the look of one item in one state: the
// normal set in state 0, the hot set in every other state.
#pragma once

#include <string_view>

#include "platform/gfx/Color.h"
#include "skin/data/SkinModel.h"
#include "skin/data/sMaskData.h"

namespace skin {

// The texture an item is painted with: a mask entry or a pattern picture.
struct ItemTexture {
  const TsMaskData* Mask = nullptr;      // an itisaTexture entry (MaskType 0 opaque, else with a mask part)
  const gfx::Bitmap* Pattern = nullptr;  // a pattern picture (always tiled)
  bool Found() const { return Mask != nullptr || Pattern != nullptr; }
};

struct ItemLook {
  gfx::Color Color = gfx::clWhite;     // C, resolved to RGB
  int Transparency = 0;                // T, 0..100: share of the backdrop
  int Gradient = 0;                    // G, 0..100
  int Image = 0;                       // I, 0..100
  const TsGradArray* Steps = nullptr;  // null when the list paints nothing
  ItemTexture Texture;                 // looked up only when I > 0
};

// The texture key of a state: "PATTERN" in state 0, else "HOTPATTERN".
std::string_view TextureKey(int state);

// The texture for a state: the mask `textureIndex` when it names an opaque
// texture; when the index is -1, the mask found with MaskIndexOf(skinIndex,
// sectionName, key); when that is still no mask (or the index named a texture
// with a mask part), the pattern found with PatternIndexOf.
ItemTexture ChooseTexture(const TsSkinModel& model, int skinIndex, std::string_view sectionName, int state,
                          int textureIndex);

// The look of section `skinIndex` (valid) in `state`. Percentages from the
// file are clamped to 0..100; a custom colour other than clFuchsia makes a
// flat item of that colour; T = 100 needs no gradient or texture. A gradient
// list counts only when its first step's kind is one that paints (0..2).
ItemLook LookOf(const TsSkinModel& model, int skinIndex, std::string_view sectionName, int state,
                int textureIndex, gfx::Color customColor);

}  // namespace skin
