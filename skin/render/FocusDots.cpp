#include "skin/render/FocusDots.h"

#include <algorithm>
#include <cstdint>

namespace skin {
namespace {

// Division rounding towards minus infinity.
std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
  return a / b - ((a % b != 0) && ((a < 0) != (b < 0)));
}

// The steps i = 0 .. count of a dotted edge starting at `start` whose dot
// (at start + 3i, with its neighbour one to the left or above) touches the
// visible span [lo, hi]: a huge rectangle costs no more than its visible part.
struct Steps {
  std::int64_t First, Last;
};

Steps VisibleSteps(std::int64_t start, std::int64_t count, std::int64_t lo, std::int64_t hi) {
  return {std::max<std::int64_t>(0, -FloorDiv(start - lo, 3)), std::min(count, FloorDiv(hi - start, 3))};
}

}  // namespace

void DrawFocusDots(gfx::Canvas& canvas, const gfx::Rect& r) {
  const std::int64_t across = (std::int64_t{r.Right} - r.Left) / 3;
  const std::int64_t down = (std::int64_t{r.Bottom} - r.Top) / 3;
  const gfx::Rect clip = canvas.ClipBox();
  if (clip.IsEmpty()) return;

  const Steps h = VisibleSteps(r.Left, across, clip.Left, clip.Right);
  for (std::int64_t i = h.First; i <= h.Last; ++i) {
    const int x = static_cast<int>(r.Left + 3 * i);
    canvas.SetPixel(x, r.Top, gfx::clBlack);
    canvas.SetPixel(x, r.Bottom, gfx::clBlack);
    canvas.SetPixel(x - 1, r.Top - 1, gfx::clWhite);
    canvas.SetPixel(x - 1, r.Bottom - 1, gfx::clWhite);
  }
  const Steps v = VisibleSteps(r.Top, down, clip.Top, clip.Bottom);
  for (std::int64_t i = v.First; i <= v.Last; ++i) {
    const int y = static_cast<int>(r.Top + 3 * i);
    canvas.SetPixel(r.Left, y, gfx::clBlack);
    canvas.SetPixel(r.Right, y, gfx::clBlack);
    canvas.SetPixel(r.Left - 1, y - 1, gfx::clWhite);
    canvas.SetPixel(r.Right - 1, y - 1, gfx::clWhite);
  }
}

}  // namespace skin
