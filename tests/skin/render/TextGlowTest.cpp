#include "skin/render/TextGlow.h"

#include <gtest/gtest.h>

#include "platform/gfx/Canvas.h"
#include "platform/gfx/DrawTextFlags.h"
#include "skin/paint/Blur.h"
#include "tests/skin/paint/PaintTestUtil.h"

namespace skin {
namespace {

using test::Filled;
using test::kRowOrders;
using test::Pixels;

gfx::Font TestFont() {
  gfx::Font f;
  f.Name = "Tahoma";
  f.Height = -11;
  return f;
}

// A pre-sized mask (rect grown by size + 4) is used as it is: one grey value
// v at mask (m, m), i.e. over the target pixel at rect's top-left corner.
TEST(DrawTextGlow, PresizedMaskMixesTowardsTheColour) {
  struct Case {
    int T, C, V, Alpha;
    int WantT, WantAlpha;
  };
  const Case cases[] = {
      {10, 200, 100, 255, 126, 100},  // (10 - 200) * 100 / 255 truncates to -74
      {200, 10, 100, 255, 84, 100},   // 190 * 100 / 255 truncates to 74
      {77, 200, 255, 200, 77, 200},   // v = 255: untouched
      {50, 50, 100, 200, 50, 45},     // alpha 200 + 100 - 255
      {50, 50, 10, 100, 50, 0},       // alpha never goes below 0
      {0, 255, 0, 255, 255, 0},       // v = 0: the colour itself
  };
  const int size = 2, m = size + 4;
  const gfx::Rect rect{3, 2, 8, 6};
  for (const Case& c : cases)
    for (gfx::PixelFormat f : {gfx::PixelFormat::Bgr24, gfx::PixelFormat::Bgra32})
      for (gfx::RowOrder o : kRowOrders) {
        const gfx::Color px = gfx::RGB(c.T, c.T, c.T) | (static_cast<gfx::Color>(c.Alpha) << 24);
        gfx::Bitmap target = Filled(f, 10, 9, px, o);
        gfx::Bitmap mask = Filled(gfx::PixelFormat::Gray8, rect.Width() + 2 * m, rect.Height() + 2 * m, 255);
        mask.SetPixelAt(m, m, static_cast<gfx::Color>(c.V));
        DrawTextGlow(target, TestFont(), "Skin", rect, mask, gfx::RGB(c.C, c.C, c.C), size, kGlowAllSides,
                     gfx::DT_SINGLELINE);
        gfx::Color want = gfx::RGB(c.WantT, c.WantT, c.WantT);
        if (f == gfx::PixelFormat::Bgra32) want |= static_cast<gfx::Color>(c.WantAlpha) << 24;
        EXPECT_EQ(target.PixelAt(3, 2), want) << c.T << "/" << c.C << "/" << c.V;
        // Everything else lies under white mask pixels and is untouched.
        gfx::Bitmap rest = target;
        rest.SetPixelAt(3, 2, px);
        EXPECT_EQ(Pixels(rest), Pixels(Filled(f, 10, 9, px, o)));
        EXPECT_EQ(mask.PixelAt(m, m) & 0xFF, static_cast<gfx::Color>(c.V)) << "mask reused unchanged";
      }
}

TEST(DrawTextGlow, FreshMaskIsTheBlurredShiftedText) {
  const int size = 3, m = size + 4;
  const gfx::Rect rect{-4, 5, 40, 20};  // the glow runs off the top-left of the target
  const unsigned flags = gfx::DT_SINGLELINE | gfx::DT_VCENTER;
  for (unsigned sides : {0u, kGlowRight, kGlowAllSides}) {
    // The mask made by hand: white, black text per side shifted, then in place, blurred.
    gfx::Bitmap want(rect.Width() + 2 * m, rect.Height() + 2 * m, gfx::PixelFormat::Gray8);
    want.FillBytes(255);
    {
      gfx::Canvas c(want);
      c.SetFont(TestFont());
      c.SetTextColor(gfx::clBlack);
      const gfx::Rect tr{m, m, m + rect.Width(), m + rect.Height()};
      const gfx::Point shift[4] = {{-1, 0}, {0, -1}, {1, 0}, {0, 1}};
      for (unsigned s = 0; s < 4; ++s)
        if (sides & (1u << s)) {
          gfx::Rect r = tr.Offset(shift[s].X, shift[s].Y);
          c.DrawText("Glow", r, flags);
        }
      gfx::Rect r = tr;
      c.DrawText("Glow", r, flags);
    }
    GaussBlur8(want, size);

    gfx::Bitmap mask;  // empty: made by the call
    gfx::Bitmap target = Filled(gfx::PixelFormat::Bgr24, 50, 40, 0xFFFFFF);
    DrawTextGlow(target, TestFont(), "Glow", rect, mask, 0x0000FF, size, sides, flags);
    ASSERT_EQ(mask.Format(), gfx::PixelFormat::Gray8);
    EXPECT_EQ(Pixels(mask), Pixels(want)) << sides;
    for (int y = 0; y < target.Height(); ++y)
      for (int x = 0; x < target.Width(); ++x) {
        const int mx = x - rect.Left + m, my = y - rect.Top + m;
        gfx::Color expect = 0xFFFFFF;
        if (mx >= 0 && my >= 0 && mx < want.Width() && my < want.Height()) {
          const int v = static_cast<int>(want.PixelAt(mx, my) & 0xFF);
          if (v != 255) {
            const int g = (255 - 0) * v / 255;  // green and blue channels: t 255, c 0
            expect = gfx::RGB(255, g, g);       // red: (255 - 255) * v / 255 + 255
          }
        }
        ASSERT_EQ(target.PixelAt(x, y), expect) << x << "," << y;
      }
  }
}

TEST(DrawTextGlow, OtherFormatsAndImpossibleSizesPaintNothing) {
  gfx::Bitmap grey = Filled(gfx::PixelFormat::Gray8, 8, 8, 100);
  gfx::Bitmap mask;
  DrawTextGlow(grey, TestFont(), "x", {0, 0, 8, 8}, mask, 0, 2, kGlowAllSides, 0);
  EXPECT_EQ(Pixels(grey), Pixels(Filled(gfx::PixelFormat::Gray8, 8, 8, 100)));

  gfx::Bitmap target = Filled(gfx::PixelFormat::Bgr24, 8, 8, 0x808080);
  DrawTextGlow(target, TestFont(), "x", {0, 0, 2000000000, 8}, mask, 0, 2, kGlowAllSides, 0);
  EXPECT_EQ(Pixels(target), Pixels(Filled(gfx::PixelFormat::Bgr24, 8, 8, 0x808080)));
}

}  // namespace
}  // namespace skin
