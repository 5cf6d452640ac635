// Pixel shapes of the classic look's drawn symbols.
#include "platform/ui/ClassicLook.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace ui::classic {
namespace {

// The symbol drawn into a w x h box, as rows of '#' (ink) and '.'.
std::vector<std::string> Drawn(Glyph g, int w, int h) {
  gfx::Bitmap b(w, h, gfx::PixelFormat::Bgr24);
  b.FillBytes(0xFF);
  gfx::Canvas c(b);
  DrawGlyph(c, {0, 0, w, h}, g, gfx::clBlack);
  std::vector<std::string> rows;
  for (int y = 0; y < h; ++y) {
    std::string row;
    for (int x = 0; x < w; ++x) row += (b.PixelAt(x, y) & 0xFFFFFF) == 0 ? '#' : '.';
    rows.push_back(row);
  }
  return rows;
}

// The close cross of the main window's and of the small-title dialogs'
// caption buttons: four equal arms, the lower right one included.
TEST(ClassicLookTest, CloseCrossHasFourEqualArms) {
  EXPECT_EQ(Drawn(Glyph::Close, 12, 12),
            (std::vector<std::string>{"............", "............", "..##....##..", "...##..##...",
                                      "....####....", ".....##.....", "....####....", "...##..##...",
                                      "..##....##..", "............", "............", "............"}));
  EXPECT_EQ(Drawn(Glyph::Close, 9, 9),
            (std::vector<std::string>{".........", ".........", ".##..##..", "..####...", "...##....",
                                      "..####...", ".##..##..", ".........", "........."}));
}

}  // namespace
}  // namespace ui::classic
