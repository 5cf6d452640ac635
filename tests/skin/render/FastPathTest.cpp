// The vectorised paths of the hot item (masked frame pieces composed source
// row by source row, rows blended over one colour each, the gradient ramp)
// against plain pixel-by-pixel references, over many widths and geometries.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "../paint/PaintTestUtil.h"
#include "RenderFixture.h"
#include "skin/paint/Blend.h"
#include "skin/paint/Round.h"
#include "skin/render/BackdropBlend.h"
#include "skin/render/BackdropCopy.h"
#include "skin/render/Gradient.h"
#include "skin/render/MaskFrame.h"

namespace skin {
namespace {

using gfx::PixelFormat;
using test::Pixels;

constexpr PixelFormat kFormats[] = {PixelFormat::Bgr24, PixelFormat::Bgra32};

gfx::Bitmap Noise(PixelFormat f, int w, int h, gfx::RowOrder o, std::mt19937& rng) {
  gfx::Bitmap b(w, h, f, o);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) b.SetPixelAt(x, y, static_cast<gfx::Color>(rng()));
  return b;
}

// What RenderMaskFrame paints with a masked (MaskType 1) border, pixel by
// pixel: the nine pieces tiled from their cell, each pixel composed through
// its mask pixel one cell height below. Key pixels of the sides and centre
// stay as they are; those of the corners follow the backdrop.
gfx::Bitmap ReferenceFrame(const gfx::Bitmap& master, const TsMaskData& m, gfx::Bitmap dst,
                           const gfx::Rect& r, bool withCentre, bool cornersUseBackdrop, int state,
                           const BackdropRef& back) {
  const int cw = (m.Right - m.Left) / m.ImageCount, ch = (m.Bottom - m.Top) / 2;
  const int ox = m.Left + cw * std::clamp(state, 0, m.ImageCount - 1), oy = m.Top;
  const int tw = cw - m.WL - m.WR, th = ch - m.WT - m.WB;
  // Source offset within the cell along one axis, or -1 for the centre when
  // it is not drawn.
  auto along = [](int p, int lo, int hi, int nearW, int farW, int tile) {
    if (p < lo + nearW) return p - lo;
    if (p >= hi - farW) return nearW + tile + (p - (hi - farW));
    return nearW + (p - lo - nearW) % tile;
  };
  for (int y = std::max(r.Top, 0); y < std::min(r.Bottom, dst.Height()); ++y)
    for (int x = std::max(r.Left, 0); x < std::min(r.Right, dst.Width()); ++x) {
      const bool midX = x >= r.Left + m.WL && x < r.Right - m.WR;
      const bool midY = y >= r.Top + m.WT && y < r.Bottom - m.WB;
      if (midX && midY && !(withCentre && (m.StretchMode & kDrawCentre) != 0)) continue;
      const bool corner = !midX && !midY;
      const int sx = ox + along(x, r.Left, r.Right, m.WL, m.WR, tw);
      const int sy = oy + along(y, r.Top, r.Bottom, m.WT, m.WB, th);
      const gfx::Color s = master.PixelAt(sx, sy), k = master.PixelAt(sx, sy + ch);
      const gfx::Color d = dst.PixelAt(x, y);
      const bool useBackdrop = corner && cornersUseBackdrop;
      gfx::Color out = d;
      if (s == gfx::clFuchsia && useBackdrop) {
        if (!back.Ready)
          out = (d & 0xFF000000u) | back.FillColor;
        else if (back.Bitmap->Bounds().Contains({back.X + x - r.Left, back.Y + y - r.Top}))
          out = 0xFF000000u | (back.Bitmap->PixelAt(back.X + x - r.Left, back.Y + y - r.Top) & 0xFFFFFF);
      } else if (s != gfx::clFuchsia || (corner && back.Ready)) {
        out = d & 0xFF000000u;
        for (int c = 0; c < 24; c += 8) {
          const unsigned sc = (s >> c) & 0xFF, mc = (k >> c) & 0xFF, dc = (d >> c) & 0xFF;
          out |= (((sc * (256 - mc) + dc * mc) >> 8) & 0xFF) << c;
        }
        if (useBackdrop && back.Ready) out |= 0xFF000000u;
      }
      dst.SetPixelAt(x, y, out);
    }
  return dst;
}

TEST(FastPathTest, MaskedFrameMatchesThePixelReference) {
  std::mt19937 rng(21);
  for (int trial = 0; trial < 400; ++trial) {
    const gfx::RowOrder o = test::kRowOrders[trial % 2];
    const PixelFormat f = kFormats[(trial / 2) % 2];
    test::ModelBuilder mb(48, 48, 0, o);
    for (int y = 0; y < 48; ++y)
      for (int x = 0; x < 48; ++x)
        mb.Master().SetPixelAt(x, y,
                               rng() % 5 == 0 ? gfx::clFuchsia : static_cast<gfx::Color>(rng() & 0xFFFFFF));
    const int count = 1 + static_cast<int>(rng() % 3);
    const int cw = 3 + static_cast<int>(rng() % 7), ch = 3 + static_cast<int>(rng() % 7);
    // Borders leave at least one column and row of tiles.
    const int wl = static_cast<int>(rng() % 3), wr = static_cast<int>(rng() % 3) % (cw - wl);
    const int wt = static_cast<int>(rng() % 3), wb = static_cast<int>(rng() % 3) % (ch - wt);
    const int left = static_cast<int>(rng() % 8), top = static_cast<int>(rng() % 8);
    const TsMaskData mask = test::MakeMask({left, top, left + cw * count, top + 2 * ch},
                                           {count, 1, trial % 3 == 0 ? 0 : kDrawCentre, wl, wt, wr, wb});
    // Destinations from a few bytes wide (no room for a whole mix chunk) to
    // wider than several chunks, sometimes partly outside the bitmap.
    const int w = 2 + static_cast<int>(rng() % 70), h = 2 + static_cast<int>(rng() % 40);
    const gfx::Rect dest =
        gfx::Rect::FromXYWH(static_cast<int>(rng() % 9) - 4, static_cast<int>(rng() % 9) - 4,
                            std::max(w, wl + wr + 1), std::max(h, wt + wb + 1));
    const gfx::Bitmap start =
        Noise(f, 2 + static_cast<int>(rng() % 72), 2 + static_cast<int>(rng() % 44), o, rng);
    const gfx::Bitmap parent = Noise(f, 60, 60, o, rng);
    const BackdropRef back =
        trial % 4 == 3 ? BackdropRef{nullptr, 0, 0, static_cast<gfx::Color>(rng() & 0xFFFFFF), false}
                       : MakeBackdropRef(&parent, static_cast<int>(rng() % 20) - 5, 3);
    const bool withCentre = trial % 5 != 0, cornersUseBackdrop = trial % 3 != 1;
    const int state = static_cast<int>(rng() % 3);

    gfx::Bitmap got = start;
    RenderMaskFrame(mb.Model(), got, dest, withCentre, cornersUseBackdrop, state, mask, back);
    const gfx::Bitmap want =
        ReferenceFrame(mb.Master(), mask, start, dest, withCentre, cornersUseBackdrop, state, back);
    for (int y = 0; y < got.Height(); ++y)
      for (int x = 0; x < got.Width(); ++x)
        ASSERT_EQ(got.PixelAt(x, y), want.PixelAt(x, y))
            << "trial " << trial << " at " << x << "," << y << " of " << dest.Left << "," << dest.Top << " "
            << dest.Width() << " x " << dest.Height() << " cell " << cw << " x " << ch << " borders " << wl
            << "," << wt << "," << wr << "," << wb;
  }
}

TEST(FastPathTest, WideRowsOverAColumnOfColoursMatchCopyThenBlend) {
  // Row lengths around the 64-byte blocks: shorter than one, whole ones,
  // and tails that make the last block overlap the one before.
  std::mt19937 rng(5);
  for (PixelFormat f : kFormats)
    for (gfx::RowOrder o : test::kRowOrders)
      for (int w = 1; w <= 90; ++w) {
        const int h = 1 + static_cast<int>(rng() % 5);
        const gfx::Bitmap parent = Noise(f, 100, 8, o, rng);
        const BackdropRef behind = MakeBackdropRef(&parent, static_cast<int>(rng() % 10), 1);
        const gfx::Bitmap column = Noise(f, 1, h, o, rng);
        gfx::Bitmap wide(w, h, f, o);
        for (int y = 0; y < h; ++y)
          for (int x = 0; x < w; ++x) wide.SetPixelAt(x, y, column.PixelAt(0, y));
        const gfx::Rect rect = gfx::Rect::FromXYWH(1, 2, w, h);
        const gfx::Bitmap start = Noise(f, w + 3, h + 4, o, rng);
        const int a = static_cast<int>(rng() % 256);

        gfx::Bitmap want = start;
        CopyBackdropBlock(want, rect, behind);
        BlendBitmaps(want, wide, a, rect.TopLeft(), wide.Bounds());
        gfx::Bitmap got = start;
        BlendOverBackdrop(got, rect, behind, column, a);
        ASSERT_EQ(Pixels(got), Pixels(want)) << "width " << w << ", " << test::OrderName(o);
      }
}

TEST(FastPathTest, VerticalRampMatchesTheScalarSum) {
  // One band over the whole rect: row k has the colour of a float per
  // channel advanced k times by a double step, rounded ties to even. Ends at
  // 0 and 255 take the values just outside 0..255 that rounding leaves.
  std::mt19937 rng(9);
  auto channel = [&] {
    const int pick = static_cast<int>(rng() % 4);
    return pick == 0 ? 0 : pick == 1 ? 255 : static_cast<int>(rng() % 256);
  };
  for (int trial = 0; trial < 300; ++trial) {
    const gfx::Color from = gfx::RGB(channel(), channel(), channel()),
                     to = gfx::RGB(channel(), channel(), channel());
    const int h = 2 + static_cast<int>(rng() % 300);
    const int w = trial % 3 == 0 ? 1 : trial % 3 == 1 ? 8 : 9 + static_cast<int>(rng() % 60);
    float v[3];
    double step[3];
    for (int k = 0; k < 3; ++k) {
      const int fk = static_cast<int>((from >> (8 * k)) & 0xFF),
                tk = static_cast<int>((to >> (8 * k)) & 0xFF);
      v[k] = static_cast<float>(fk);
      step[k] = static_cast<double>(tk - fk) / (h - 1);
    }
    gfx::Bitmap b = test::Filled(kFormats[trial % 2], w, h, 0);
    PaintGradient(b, b.Bounds(), {{static_cast<std::int32_t>(from), static_cast<std::int32_t>(to), 100, 0}});
    for (int y = 0; y < h; ++y) {
      const gfx::Color want = gfx::RGB(ClampByte(Rnd(v[0])), ClampByte(Rnd(v[1])), ClampByte(Rnd(v[2])));
      for (int x = 0; x < w; ++x)
        ASSERT_EQ(b.PixelAt(x, y) & 0xFFFFFF, want) << trial << " at " << x << "," << y;
      for (int k = 0; k < 3; ++k) v[k] = static_cast<float>(static_cast<double>(v[k]) + step[k]);
    }
  }
}

TEST(FastPathTest, VerticalBandsMatchTheScalarSums) {
  // Several bands (more than one vector of lanes holds), some empty, with a
  // start pushed down by `extra`: each band's rows from its own scalar sum,
  // painted band after band.
  std::mt19937 rng(17);
  for (int trial = 0; trial < 400; ++trial) {
    const PixelFormat f = kFormats[trial % 2];
    const gfx::RowOrder o = test::kRowOrders[(trial / 2) % 2];
    TsGradArray steps(1 + rng() % 13);
    for (TsGradStep& st : steps) {
      st.FromColor = static_cast<std::int32_t>(rng() & 0xFFFFFF);
      st.ToColor = static_cast<std::int32_t>(rng() & 0xFFFFFF);
      st.Percent = static_cast<std::uint8_t>(rng() % 40);
      st.Kind = 0;
    }
    const int w = trial % 3 == 0 ? 1 : 3 + static_cast<int>(rng() % 40);
    const int h = 2 + static_cast<int>(rng() % 250);
    const int extra = trial % 4 == 0 ? static_cast<int>(rng() % 20) : 0;
    const gfx::Rect rect = gfx::Rect::FromXYWH(1, 2, w, h);
    gfx::Bitmap want = test::Filled(f, w + 2, h + 3, 0x123456, o);
    gfx::Bitmap got = want;
    PaintGradient(got, rect, steps, extra);

    const long long lastRow = rect.Bottom - 1, height = h + extra;
    long long y = rect.Top + extra;
    for (std::size_t i = 0; i < steps.size(); ++i) {
      const bool last = i + 1 == steps.size();
      const long long s = y;
      long long e = last ? lastRow : std::min(s + steps[i].Percent * height / 100, lastRow);
      y = e;
      if (e - s <= 0) continue;
      if (last && (e = lastRow) == s) break;
      float v[3];
      double step[3];
      for (int k = 0; k < 3; ++k) {
        const int fk = (steps[i].FromColor >> (8 * k)) & 0xFF, tk = (steps[i].ToColor >> (8 * k)) & 0xFF;
        v[k] = static_cast<float>(fk);
        step[k] = static_cast<double>(tk - fk) / static_cast<double>(e - s);
      }
      for (long long row = s; row <= e; ++row) {
        const gfx::Color c = 0xFF000000u | gfx::RGB(ClampByte(Rnd(v[0])), ClampByte(Rnd(v[1])), ClampByte(Rnd(v[2])));
        for (int x = rect.Left; x < rect.Right; ++x) want.SetPixelAt(x, static_cast<int>(row), c);
        for (int k = 0; k < 3; ++k) v[k] = static_cast<float>(static_cast<double>(v[k]) + step[k]);
      }
    }
    ASSERT_EQ(Pixels(got), Pixels(want)) << "trial " << trial << ", " << steps.size() << " steps, " << w << " x "
                                         << h << ", extra " << extra;
  }
}

}  // namespace
}  // namespace skin
