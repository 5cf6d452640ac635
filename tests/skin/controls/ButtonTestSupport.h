// What the skinned-button tests share: a parent that answers the background
// question with an image or a colour, synthetic tile pictures in an alpha
// image list, the fixture skin's button sections, and the blend arithmetic
// the expected pixels are worked out with.
#pragma once

#include <cstdint>
#include <functional>

#include "platform/gfx/Bitmap.h"
#include "platform/ui/controls/Panel.h"
#include "skin/controls/sAlphaImageList.h"
#include "tests/skin/controls/FixtureSkin.h"

namespace skin::testing {

// A panel that answers command 34 with `Image` (when set) or `Color`, and
// says it needs its parent's background for its transparent children.
class BackdropParent : public ui::Panel {
 public:
  explicit BackdropParent(ui::Component* owner) : ui::Panel(owner) {}
  const gfx::Bitmap* Image = nullptr;
  gfx::Color Color = gfx::clWhite;
  int Queries = 0;

 protected:
  void WndProc(ui::Message& m) override;
  void PaintWindow(gfx::Canvas& canvas) override;
};

// The tile background of the look table: (B, G, R) = (100, 150, 200).
inline constexpr gfx::Color kTileBg = (100u << 16) | (150u << 8) | 200u;
// The dark picture's pixel (10, 20, 30) at alpha 128 and the lit one's.
inline constexpr std::uint8_t kDarkB = 10, kDarkG = 20, kDarkR = 30, kDarkA = 128;

// An image filled with one colour (24-bit).
gfx::Bitmap Plain24(int w, int h, gfx::Color c);
// A 32-bit picture of one BGRA value.
gfx::Bitmap Picture32(int w, int h, std::uint8_t b, std::uint8_t g, std::uint8_t r, std::uint8_t a);
// An alpha image list of `size` with the dark picture (index 0) and a lit
// one (index 1: (200, 220, 240) opaque), as PNG items.
AlphaImageList* TileList(ui::Component* owner, int size = 200);

// d := (d * 256 + (s - d) * a) >> 8, the picture blend.
inline int Over(int d, int s, int a) { return (d * 256 + (s - d) * a) >> 8; }
// (B, G, R) of a colour.
inline int B(gfx::Color c) { return static_cast<int>((c >> 16) & 0xFF); }
inline int G(gfx::Color c) { return static_cast<int>((c >> 8) & 0xFF); }
inline int R(gfx::Color c) { return static_cast<int>(c & 0xFF); }

// The fixture skin of the button tests: SPEEDBUTTON with a three-state
// 33 x 22 border mask (cells of 11 x 11 in the colours `kCellColors`,
// corner pixel (0, 0) of each cell magenta, mask type 1 with m = 0, not
// drawn in state 0) and a 70 % transparent red hot background; WEBBUTTON
// fully transparent without mask; BUTTON with a three-state mask (type 0,
// cells of 12 x 10, WL = WR = 4, WT = WB = 3, each cell's corner run of
// 1/2/3 pixels magenta by state).
fixture::FixtureSkin ButtonSkin(bool fading = false, int iterations = 20);
inline constexpr gfx::Color kCellColors[3] = {0x000000FF, 0x0000FF00, 0x00FF0000};
inline constexpr gfx::Color kButtonCellColors[3] = {0x00404040, 0x00808080, 0x00C0C0C0};

}  // namespace skin::testing
