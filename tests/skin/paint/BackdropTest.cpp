#include "skin/paint/Backdrop.h"

#include <gtest/gtest.h>

#include <climits>

namespace skin {
namespace {

TEST(BackdropRefTest, MovedAddsAndSaturatesAtTheEndsOfTheRange) {
  struct C {
    int X, Y, Dx, Dy, WantX, WantY;
  };
  const C cases[] = {
      {5, 7, 3, -10, 8, -3},
      {INT_MAX, INT_MIN, 1, -1, INT_MAX, INT_MIN},
      {INT_MAX - 2, INT_MIN + 2, INT_MAX, INT_MIN, INT_MAX, INT_MIN},
      {INT_MIN, INT_MAX, INT_MAX, INT_MIN, -1, -1},
  };
  const gfx::Bitmap image(2, 2, gfx::PixelFormat::Bgr24);
  for (const C& c : cases) {
    const BackdropRef moved = MakeBackdropRef(&image, c.X, c.Y).Moved(c.Dx, c.Dy);
    EXPECT_EQ(moved.X, c.WantX) << c.X << " + " << c.Dx;
    EXPECT_EQ(moved.Y, c.WantY) << c.Y << " + " << c.Dy;
    EXPECT_EQ(moved.Bitmap, &image);
    EXPECT_TRUE(moved.Ready);
  }
}

}  // namespace
}  // namespace skin
