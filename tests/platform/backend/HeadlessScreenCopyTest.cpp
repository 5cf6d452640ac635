// Reading rectangles of the virtual screen back.
#include <gtest/gtest.h>

#include <stdexcept>

#include "tests/platform/backend/HeadlessTestSupport.h"

namespace backend {
namespace {

using testing::SolidSurface;

constexpr gfx::Color kRed = gfx::RGB(255, 0, 0);
constexpr gfx::Color kBlue = gfx::RGB(0, 0, 255);
constexpr gfx::Color kDesktop = gfx::RGB(10, 20, 30);
constexpr gfx::Color kOpaque = 0xFF000000u;

// A red surface under a blue one that blends at alpha 128 on its left half
// and is opaque on its right half; their overlap is (20,10)-(30,20).
class HeadlessScreenCopy : public ::testing::Test {
 protected:
  HeadlessScreenCopy() : b_(testing::ScreenOf({40, 30}, kDesktop)) {
    SolidSurface(b_, {5, 5, 30, 20}, kRed);
    const SurfaceId top = b_.CreateSurface({});
    gfx::Bitmap picture = gfx::NewBitmap32(10, 10);
    for (int y = 0; y < 10; ++y)
      for (int x = 0; x < 10; ++x) picture.SetPixelAt(x, y, kBlue | (x < 5 ? 0x80000000u : kOpaque));
    b_.UpdateLayered(top, picture, {20, 10}, {10, 10}, 255);
    b_.Show(top, false);
  }

  // What the composition rule gives at a screen point.
  static gfx::Color Expected(gfx::Point p) {
    const bool onScreen = p.X >= 0 && p.Y >= 0 && p.X < 40 && p.Y < 30;
    if (!onScreen) return 0;
    const bool inRed = p.X >= 5 && p.X < 30 && p.Y >= 5 && p.Y < 20;
    const bool inBlue = p.X >= 20 && p.X < 30 && p.Y >= 10 && p.Y < 20;
    const gfx::Color under = inRed ? kRed : kDesktop;
    if (!inBlue) return under;
    if (p.X >= 25) return kBlue;
    // round((src * 128 + dst * 127) / 255) per channel.
    auto mix = [](int src, int dst) { return (src * 128 + dst * 127 + 127) / 255; };
    return gfx::RGB(mix(0, gfx::GetR(under)), mix(0, gfx::GetG(under)), mix(255, gfx::GetB(under)));
  }

  HeadlessBackend b_;
};

TEST_F(HeadlessScreenCopy, ReadsBackTheCompositionPixelByPixel) {
  const gfx::Rect cases[] = {
      {0, 0, 40, 30},     // the whole screen
      {18, 8, 32, 22},    // around the overlap
      {-6, -4, 12, 9},    // over the top-left corner
      {33, 25, 48, 36},   // over the bottom-right corner
      {-20, 5, -10, 15},  // wholly off the screen
  };
  for (const gfx::Rect& r : cases) {
    SCOPED_TRACE(::testing::Message() << r.Left << "," << r.Top << " - " << r.Right << "," << r.Bottom);
    const gfx::Bitmap copy = b_.CopyScreen(r);
    ASSERT_EQ(copy.Format(), gfx::PixelFormat::Bgra32);
    ASSERT_EQ(copy.GetSize(), r.GetSize());
    int wrong = 0;
    for (int y = 0; y < copy.Height(); ++y)
      for (int x = 0; x < copy.Width(); ++x) {
        const gfx::Point p{r.Left + x, r.Top + y};
        if (copy.PixelAt(x, y) != (Expected(p) | kOpaque) && ++wrong <= 3)
          ADD_FAILURE() << "at " << p.X << "," << p.Y << ": " << std::hex << copy.PixelAt(x, y);
      }
    EXPECT_EQ(wrong, 0);
  }
}

TEST_F(HeadlessScreenCopy, AgreesWithTheScreenshot) {
  const gfx::Bitmap shot = b_.Screenshot();
  const gfx::Bitmap copy = b_.CopyScreen({0, 0, 40, 30});
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 40; ++x) ASSERT_EQ(copy.PixelAt(x, y), shot.PixelAt(x, y) | kOpaque) << x << "," << y;
}

TEST_F(HeadlessScreenCopy, HiddenAndMinimisedSurfacesAreNotSeen) {
  const SurfaceId green = SolidSurface(b_, {0, 0, 4, 4}, gfx::RGB(0, 255, 0));
  EXPECT_EQ(b_.CopyScreen({1, 1, 2, 2}).PixelAt(0, 0), gfx::RGB(0, 255, 0) | kOpaque);
  b_.Minimize(green);
  EXPECT_EQ(b_.CopyScreen({1, 1, 2, 2}).PixelAt(0, 0), kDesktop | kOpaque);
  b_.Show(green, false);
  b_.Hide(green);
  EXPECT_EQ(b_.CopyScreen({1, 1, 2, 2}).PixelAt(0, 0), kDesktop | kOpaque);
}

TEST_F(HeadlessScreenCopy, EmptyAndOversizedRectangles) {
  EXPECT_TRUE(b_.CopyScreen({5, 5, 5, 9}).Empty());
  EXPECT_TRUE(b_.CopyScreen({9, 9, 5, 5}).Empty());  // reversed
  EXPECT_EQ(b_.CopyScreen({0, 0, 8192, 1}).Width(), 8192);
  EXPECT_THROW(b_.CopyScreen({0, 0, 8193, 1}), std::invalid_argument);
  EXPECT_THROW(b_.CopyScreen({-2147483647, 0, 2147483647, 1}), std::invalid_argument);
}

}  // namespace
}  // namespace backend
