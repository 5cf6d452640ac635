#include "skin/paint/ColorShift.h"

#include <gtest/gtest.h>

#include "platform/gfx/Color.h"

namespace skin {
namespace {

using gfx::RGB;

struct HueCase {
  int Delta;
  gfx::Color In;
  gfx::Color Out;
};

TEST(ShiftHueTest, Table) {
  const HueCase cases[] = {
      {120, RGB(255, 0, 0), RGB(0, 255, 0)},         // red -> green
      {240, RGB(255, 0, 0), RGB(0, 0, 255)},         // red -> blue
      {360, RGB(255, 0, 0), RGB(255, 0, 0)},         // full turn
      {0, RGB(10, 20, 30), RGB(10, 20, 30)},         // no turn keeps the colour
      {90, RGB(128, 128, 128), RGB(128, 128, 128)},  // grey has no hue
      {45, RGB(0, 0, 0), RGB(0, 0, 0)},
      // hue 0, S = 1, V = 200; h = 30: sector 0, f = 0.5: u = 200 * 0.5 = 100
      {30, RGB(200, 0, 0), RGB(200, 100, 0)},
      // (200,100,100): V 200, S 0.5, hue 0; h = 60: sector 1, f 0: q = 200, p = 100
      {60, RGB(200, 100, 100), RGB(200, 200, 100)},
      // (255,0,0) by 15: f = 0.25, u = 255 * 0.25 = 63.75 -> 64
      {15, RGB(255, 0, 0), RGB(255, 64, 0)},
      // h = 30: f = 0.5, u = V / 2 is a tie for odd V, rounded to even
      {30, RGB(255, 0, 0), RGB(255, 128, 0)},  // 127.5 -> 128
      {30, RGB(253, 0, 0), RGB(253, 126, 0)},  // 126.5 -> 126
      // negative turn wraps: -120 of red is 240 = blue
      {-120, RGB(255, 0, 0), RGB(0, 0, 255)},
      // hue of (0,255,255) is 180; +200 -> 20: f = 1/3, u = 255/3 = 85
      {200, RGB(0, 255, 255), RGB(255, 85, 0)},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ShiftHue(c.Delta, c.In), c.Out) << "delta " << c.Delta << " colour " << std::hex << c.In;
  }
}

TEST(ShiftHueTest, ResolvesSystemColours) {
  gfx::ResetSystemColors();
  // highlight = (10,36,106): rotating by a full turn gives its RGB value
  EXPECT_EQ(ShiftHue(360, gfx::clHighlight), RGB(10, 36, 106));
  // a grey system colour comes back as it was given
  EXPECT_EQ(ShiftHue(120, gfx::clBtnShadow), gfx::clBtnShadow);
}

struct SatCase {
  gfx::Color In;
  int Amount;
  gfx::Color Out;
};

TEST(ShiftSaturationTest, Table) {
  const SatCase cases[] = {
      {RGB(255, 0, 0), 0, RGB(255, 0, 0)},
      {gfx::clBtnFace, 0, gfx::clBtnFace},  // amount 0: not even resolved
      {RGB(255, 0, 0), 100, RGB(85, 85, 85)},
      // avg 85: 255 + 50 * (85 - 255) / 100 = 170; 0 + 42.5 = 42.5 -> 42
      {RGB(255, 0, 0), 50, RGB(170, 42, 42)},
      // away from grey, clamped: 255 - 100 * (-170) / 100... = 425 -> 255; 0 - 85 -> 0
      {RGB(255, 0, 0), -100, RGB(255, 0, 0)},
      // avg 50: 40 + 10 * 10 / 100 = 41; 60 - 1 = 59
      {RGB(40, 50, 60), 10, RGB(41, 50, 59)},
      // avg 5: 4 + 50 * 1 / 100 = 4.5 -> 4; 6 - 0.5 = 5.5 -> 6
      {RGB(4, 5, 6), 50, RGB(4, 5, 6)},
      // avg 3: 2 + 0.5 = 2.5 -> 2; 4 - 0.5 = 3.5 -> 4
      {RGB(2, 3, 4), 50, RGB(2, 3, 4)},
      // avg 2: 1 + 0.5 = 1.5 -> 2; 3 - 0.5 = 2.5 -> 2
      {RGB(1, 2, 3), 50, RGB(2, 2, 2)},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ShiftSaturation(c.In, c.Amount), c.Out)
        << "amount " << c.Amount << " colour " << std::hex << c.In;
  }
}

TEST(ShiftSaturationTest, ResolvesSystemColours) {
  gfx::ResetSystemColors();
  // button face (212,208,200), avg 620/3; fully grey -> 206.67 -> 207
  EXPECT_EQ(ShiftSaturation(gfx::clBtnFace, 100), RGB(207, 207, 207));
}

}  // namespace
}  // namespace skin
