// Where a painter finds the background that lies behind the area it paints
// (normally the parent control's rendered image).
#pragma once

#include <algorithm>
#include <cstdint>

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Color.h"

namespace skin {

// An offset sum cut to the int32 range.
constexpr std::int32_t SaturatedOffset(std::int64_t v) {
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(v, INT32_MIN, INT32_MAX));
}

// A pixel (px, py) of the painted area has its background at (X + px, Y + py)
// in Bitmap. When Ready is false only FillColor applies, and a FillColor of
// clFuchsia means that no background colour is known either.
struct BackdropRef {
  const gfx::Bitmap* Bitmap = nullptr;  // not owned
  std::int32_t X = 0;
  std::int32_t Y = 0;
  gfx::Color FillColor = gfx::clFuchsia;
  bool Ready = false;

  // Ready and with an image to read from.
  bool HasImage() const { return Ready && Bitmap != nullptr && !Bitmap->Empty(); }
  // The same backdrop seen from an area that starts (dx, dy) further in.
  // The sums saturate at the ends of the int32 range: such an offset lies
  // outside every bitmap either way, and reads nothing.
  BackdropRef Moved(int dx, int dy) const {
    BackdropRef r = *this;
    r.X = SaturatedOffset(std::int64_t{X} + dx);
    r.Y = SaturatedOffset(std::int64_t{Y} + dy);
    return r;
  }
};

inline BackdropRef MakeBackdropRef(const gfx::Bitmap* bitmap, int x, int y) {
  return {bitmap, x, y, gfx::clFuchsia, true};
}

// Nothing behind is known.
inline constexpr BackdropRef NoBackdrop{nullptr, -99, -99, 0, false};

}  // namespace skin
