// Building small bitmaps from colour values and reading them back, for the
// pixel-operation tests.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Color.h"

namespace skin::test {

// Both row orders, so that every table runs with a positive and a negative
// stride.
inline constexpr gfx::RowOrder kRowOrders[] = {gfx::RowOrder::TopDown, gfx::RowOrder::BottomUp};

inline const char* OrderName(gfx::RowOrder o) {
  return o == gfx::RowOrder::TopDown ? "top-down" : "bottom-up";
}

// A w x h bitmap whose pixels (row by row) are the given colour values;
// 32-bit values carry alpha in the high byte. Missing values stay 0.
inline gfx::Bitmap MakeBitmap(gfx::PixelFormat f, int w, int h, std::initializer_list<gfx::Color> pixels,
                              gfx::RowOrder order = gfx::RowOrder::TopDown) {
  gfx::Bitmap b(w, h, f, order);
  int i = 0;
  for (gfx::Color c : pixels) {
    b.SetPixelAt(i % w, i / w, c);
    ++i;
  }
  return b;
}

inline gfx::Bitmap Filled(gfx::PixelFormat f, int w, int h, gfx::Color c,
                          gfx::RowOrder order = gfx::RowOrder::TopDown) {
  gfx::Bitmap b(w, h, f, order);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) b.SetPixelAt(x, y, c);
  return b;
}

// All pixels row by row as colour values (PixelAt).
inline std::vector<gfx::Color> Pixels(const gfx::Bitmap& b) {
  std::vector<gfx::Color> v;
  for (int y = 0; y < b.Height(); ++y)
    for (int x = 0; x < b.Width(); ++x) v.push_back(b.PixelAt(x, y));
  return v;
}

}  // namespace skin::test
