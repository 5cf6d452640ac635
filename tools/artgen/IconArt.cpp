#include "tools/artgen/IconArt.h"

#include "tools/artgen/Effects.h"
#include "tools/artgen/Shapes.h"

namespace artgen {

gfx::Bitmap DrawIcon(int size) {
  // The design is 32 units square; cells are placed so that at 16 pixels
  // their edges fall on pixel boundaries.
  FloatImage img(size, size, 32.0 / size);
  const Distance back = [](Vec2 p) { return RoundBoxDist(p, {16, 16}, {16, 16}, 6); };
  img.Paint(Fill(back), VerticalGradient(0, FromHex(0x3A4660), 32, FromHex(0x141A28)));

  struct Cell {
    Vec2 centre;
    unsigned colour;
    bool lit;
  };
  static constexpr Cell kCells[] = {{{8, 8}, 0xE02A3A, false},
                                    {{24, 8}, 0xF2C10F, true},
                                    {{8, 24}, 0x25B347, false},
                                    {{24, 24}, 0x2C74F0, false}};
  for (const Cell& c : kCells) {
    const Distance cell = [&c](Vec2 p) { return RoundBoxDist(p, c.centre, {6, 6}, 2.5); };
    const Rgba base = FromHex(c.colour);
    if (c.lit) {
      img.Paint(Soft(cell, 0, 3), WithAlpha(Lighten(base, 0.6), 0.8));
      img.Paint(Fill(cell),
                VerticalGradient(c.centre.y - 6, Lighten(base, 0.75), c.centre.y + 6, Lighten(base, 0.1)));
    } else {
      img.Paint(Fill(cell),
                VerticalGradient(c.centre.y - 6, Lighten(base, 0.1), c.centre.y + 6, Darken(base, 0.35)));
    }
    img.Paint(Stroke(cell, 1.0, -0.5), Rgba{0, 0, 0, 0.35});
  }
  return img.ToBitmap();
}

}  // namespace artgen
