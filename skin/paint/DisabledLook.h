// The look of a disabled control: its finished image greyed and/or blended
// with the background behind it.
#pragma once

#include <cstdint>
#include <initializer_list>

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Color.h"
#include "platform/gfx/Geometry.h"
#include "skin/paint/Backdrop.h"

namespace skin {

enum TsDisabledKind : std::uint8_t { dkBlended, dkGrayed };

// A set of TsDisabledKind (the DisabledKind property of skinned controls).
class TsDisabledKinds {
 public:
  constexpr TsDisabledKinds() = default;
  constexpr TsDisabledKinds(std::initializer_list<TsDisabledKind> kinds) {
    for (TsDisabledKind k : kinds) bits_ |= Bit(k);
  }
  constexpr bool Contains(TsDisabledKind k) const { return (bits_ & Bit(k)) != 0; }
  constexpr bool Empty() const { return bits_ == 0; }
  constexpr TsDisabledKinds& Include(TsDisabledKind k) {
    bits_ |= Bit(k);
    return *this;
  }
  constexpr TsDisabledKinds& Exclude(TsDisabledKind k) {
    bits_ &= static_cast<std::uint8_t>(~Bit(k));
    return *this;
  }
  friend constexpr bool operator==(TsDisabledKinds, TsDisabledKinds) = default;

 private:
  static constexpr std::uint8_t Bit(TsDisabledKind k) { return static_cast<std::uint8_t>(1u << k); }
  std::uint8_t bits_ = 0;
};

// Turns a control's finished image into its disabled look:
// 1. with dkGrayed the whole bitmap is made grey (MakeGray);
// 2. with dkBlended, when the backdrop has an image, the bitmap is mixed with
//    the backdrop's pixels at (X + offset.X, Y + offset.Y) so that the result
//    is 0.6 background + 0.4 control (BlendWithBitmap, keep 0.4, no key);
//    otherwise it is tinted 50 % towards the backdrop's FillColor, or towards
//    `parentColor` when that is clFuchsia.
// `parentColor` stands for the colour of the control's parent.
void PaintDisabledLook(gfx::Bitmap& bitmap, TsDisabledKinds kinds, gfx::Color parentColor, gfx::Point offset,
                       const BackdropRef& backdrop);

}  // namespace skin
