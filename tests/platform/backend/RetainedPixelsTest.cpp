// Presents copy a rectangle of the back buffer into the retained pixels as
// opaque 32-bit pixels; the 24-bit rows go through a vectorised converter,
// which must copy exactly the rectangle, for every width and row order.
#include "platform/backend/RetainedPixels.h"

#include <gtest/gtest.h>

#include <random>

namespace backend {
namespace {

TEST(RetainedPixelsTest, PresentCopiesExactlyTheRectangleOpaque) {
  std::mt19937 rng(99);
  for (gfx::PixelFormat format : {gfx::PixelFormat::Bgr24, gfx::PixelFormat::Bgra32})
    for (gfx::RowOrder order : {gfx::RowOrder::TopDown, gfx::RowOrder::BottomUp})
      for (int w = 1; w <= 70; ++w) {
        constexpr int kW = 80, kH = 6;
        gfx::Bitmap buffer(kW, kH, format, order);
        for (int y = 0; y < kH; ++y)
          for (int x = 0; x < kW; ++x) buffer.SetPixelAt(x, y, static_cast<gfx::Color>(rng()));
        // The retained pixels start as a picture with its own alpha, so that
        // a pixel written outside the rectangle shows.
        gfx::Bitmap before(kW, kH, gfx::PixelFormat::Bgra32);
        for (int y = 0; y < kH; ++y)
          for (int x = 0; x < kW; ++x) before.SetPixelAt(x, y, static_cast<gfx::Color>(rng()));
        RetainedPixels pixels({kW, kH});
        pixels.Replace(before, {kW, kH});
        const int left = static_cast<int>(rng() % static_cast<unsigned>(kW - w + 1));
        const gfx::Rect r{left, 1, left + w, kH - 1};
        EXPECT_EQ(pixels.Present(buffer, r), r);
        for (int y = 0; y < kH; ++y)
          for (int x = 0; x < kW; ++x) {
            const gfx::Color expected =
                r.Contains({x, y}) ? (0xFF000000u | (buffer.PixelAt(x, y) & 0xFFFFFF)) : before.PixelAt(x, y);
            ASSERT_EQ(pixels.Pixels().PixelAt(x, y), expected)
                << x << "," << y << " width " << w << (order == gfx::RowOrder::TopDown ? " top-down" : " bottom-up")
                << (format == gfx::PixelFormat::Bgr24 ? " 24-bit" : " 32-bit");
          }
      }
}

}  // namespace
}  // namespace backend
