// The extended border images of a skin: the two 32-bit pictures a form's
// shadow border is drawn from (active and inactive) and the margins they add
// around the form. Taken from the skin's EXBORDER mask, else from the
// program's built-in shadow image.
#pragma once

#include "platform/gfx/Bitmap.h"
#include "skin/data/SkinModel.h"

namespace skin {

struct TacBorderMargins {
  int Left = 0, Top = 0, Right = 0, Bottom = 0;
  friend bool operator==(const TacBorderMargins&, const TacBorderMargins&) = default;
};

struct TacBorderImages {
  gfx::Bitmap Active;    // 32-bit; empty when none
  gfx::Bitmap Inactive;  // 32-bit; empty when none
  TacBorderMargins Margins;
};

// `model` null or `enabled` false (extended borders off, or no skin): no
// images, margins 0. `builtInShadow` may be null or empty.
TacBorderImages MakeBorderImages(const TsSkinModel* model, bool enabled, const gfx::Bitmap* builtInShadow,
                                 bool compositionOn);

}  // namespace skin
