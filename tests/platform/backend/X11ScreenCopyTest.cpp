// Reading the X screen back under Xvfb (800x600), with and without a
// compositing manager.
#include "tests/platform/backend/X11TestSupport.h"

namespace backend {
namespace {

using testing::X11Composited;
using testing::X11Plain;

constexpr gfx::Color kOpaque = 0xFF000000u;
constexpr gfx::Color kOrange = gfx::RGB(255, 128, 0);
constexpr gfx::Color kTeal = gfx::RGB(0, 128, 128);

// Counts the pixels of `copy` inside `part` (bitmap coordinates) that are
// not `expected`.
int Mismatches(const gfx::Bitmap& copy, const gfx::Rect& part, gfx::Color expected) {
  int wrong = 0;
  for (int y = part.Top; y < part.Bottom; ++y)
    for (int x = part.Left; x < part.Right; ++x) wrong += copy.PixelAt(x, y) != expected;
  return wrong;
}

// Checks the read-back of an orange window at (100,80)-(160,120) with a
// margin of 10 pixels around it.
void ExpectOrangeWindow(const X11Backend& b) {
  const gfx::Bitmap copy = b.CopyScreen({90, 70, 170, 130});
  ASSERT_EQ(copy.Format(), gfx::PixelFormat::Bgra32);
  ASSERT_EQ(copy.GetSize(), (gfx::Size{80, 60}));
  EXPECT_EQ(Mismatches(copy, {10, 10, 70, 50}, kOrange | kOpaque), 0);
  EXPECT_NE(copy.PixelAt(9, 9), kOrange | kOpaque);
}

TEST_F(X11Plain, CopyScreenReadsBackAWindow) {
  Solid({100, 80, 160, 120}, kOrange);
  Settle();
  ExpectOrangeWindow(*backend_);
  // Beside the window the root shows, in whatever pattern it has: the copy
  // agrees with the server's own pixels there.
  const gfx::Bitmap copy = backend_->CopyScreen({90, 70, 100, 80});
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 10; ++x) {
      const unsigned long p = ScreenPixel(90 + x, 70 + y);  // 0xRRGGBB
      const gfx::Color server =
          gfx::RGB(static_cast<int>(p >> 16), static_cast<int>((p >> 8) & 0xFF), static_cast<int>(p & 0xFF));
      ASSERT_EQ(copy.PixelAt(x, y), server | kOpaque) << x << "," << y;
    }
}

TEST_F(X11Plain, CopyScreenPartlyOffTheScreenIsBlackThere) {
  Solid({0, 0, 30, 20}, kTeal);
  Solid({780, 590, 800, 600}, kOrange);
  Settle();
  const gfx::Bitmap topLeft = backend_->CopyScreen({-10, -5, 20, 15});
  ASSERT_EQ(topLeft.GetSize(), (gfx::Size{30, 20}));
  EXPECT_EQ(Mismatches(topLeft, {0, 0, 30, 5}, kOpaque), 0);   // above the screen
  EXPECT_EQ(Mismatches(topLeft, {0, 0, 10, 20}, kOpaque), 0);  // left of it
  EXPECT_EQ(Mismatches(topLeft, {10, 5, 30, 20}, kTeal | kOpaque), 0);

  const gfx::Bitmap bottomRight = backend_->CopyScreen({790, 595, 830, 640});
  ASSERT_EQ(bottomRight.GetSize(), (gfx::Size{40, 45}));
  EXPECT_EQ(Mismatches(bottomRight, {0, 0, 10, 5}, kOrange | kOpaque), 0);
  EXPECT_EQ(Mismatches(bottomRight, {10, 0, 40, 45}, kOpaque), 0);
  EXPECT_EQ(Mismatches(bottomRight, {0, 5, 40, 45}, kOpaque), 0);

  // Wholly off the screen: black, and no X error on the way.
  const gfx::Bitmap outside = backend_->CopyScreen({900, 700, 910, 705});
  EXPECT_EQ(Mismatches(outside, outside.Bounds(), kOpaque), 0);
  EXPECT_TRUE(backend_->CopyScreen({10, 10, 10, 20}).Empty());
}

TEST_F(X11Composited, CopyScreenReadsBackAnArgbWindow) {
  // Windows have the 32-bit visual here; the root shows the compositor's
  // output.
  Solid({100, 80, 160, 120}, kOrange);
  ASSERT_TRUE(Eventually([&] { return ScreenPixel(130, 100) == 0xFF8000u; }));
  ExpectOrangeWindow(*backend_);
}

}  // namespace
}  // namespace backend
