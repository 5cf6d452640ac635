// The one-pass blend over the backdrop against the two steps it replaces, and
// the gradient that paints an item without a base colour under it.
#include <gtest/gtest.h>

#include <random>

#include "skin/paint/Blend.h"
#include "skin/paint/Fill.h"
#include "skin/render/BackdropBlend.h"
#include "skin/render/BackdropCopy.h"
#include "skin/render/Gradient.h"
#include "skin/render/ItemBackground.h"
#include "tests/skin/paint/PaintTestUtil.h"
#include "tests/skin/render/RenderFixture.h"

namespace skin {
namespace {

using test::kRowOrders;
using test::Pixels;

gfx::Bitmap Noise(gfx::PixelFormat f, int w, int h, gfx::RowOrder o, std::mt19937& rng) {
  gfx::Bitmap b(w, h, f, o);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) b.SetPixelAt(x, y, static_cast<gfx::Color>(rng()));
  return b;
}

TEST(BlendOverBackdrop, SameBytesAsCopyThenBlend) {
  std::mt19937 rng(7);
  const gfx::PixelFormat formats[] = {gfx::PixelFormat::Bgr24, gfx::PixelFormat::Bgra32};
  for (gfx::PixelFormat f : formats)
    for (gfx::PixelFormat bf : formats)
      for (gfx::RowOrder o : kRowOrders)
        for (int trial = 0; trial < 40; ++trial) {
          const gfx::Rect rect =
              gfx::Rect::FromXYWH(static_cast<int>(rng() % 4), static_cast<int>(rng() % 4),
                                  1 + static_cast<int>(rng() % 6), 1 + static_cast<int>(rng() % 6));
          const gfx::Bitmap image = Noise(bf, 9, 8, o, rng);
          // Offsets from well inside to partly and wholly outside the image.
          BackdropRef behind =
              MakeBackdropRef(&image, static_cast<int>(rng() % 14) - 4, static_cast<int>(rng() % 14) - 4);
          if (trial % 7 == 0) behind = {nullptr, 0, 0, static_cast<gfx::Color>(rng() & 0xFFFFFF), false};
          // Every third trial a column of row colours, widened for the reference.
          const bool column = trial % 3 == 1;
          gfx::Bitmap content = Noise(f, column ? 1 : rect.Width(), rect.Height(), o, rng);
          gfx::Bitmap wide = content;
          if (column) {
            if (trial % 2 == 0)
              content.SetPixelAt(0, rect.Height() - 1, content.PixelAt(0, 0));  // repeated colours
            wide = gfx::Bitmap(rect.Width(), rect.Height(), f, o);
            for (int y = 0; y < rect.Height(); ++y)
              for (int x = 0; x < rect.Width(); ++x) wide.SetPixelAt(x, y, content.PixelAt(0, y));
          }
          const gfx::Bitmap start = Noise(f, 10, 10, o, rng);
          const int a = static_cast<int>(rng() % 256);

          gfx::Bitmap want = start;
          if (behind.Ready)
            CopyBackdropBlock(want, rect, behind);
          else
            FillColorRect(want, rect, behind.FillColor);
          BlendBitmaps(want, wide, a, rect.TopLeft(), wide.Bounds());
          gfx::Bitmap got = start;
          BlendOverBackdrop(got, rect, behind, content, a);
          ASSERT_EQ(Pixels(got), Pixels(want)) << "trial " << trial;
        }
}

TEST(RenderItemBackground, VerticalGradientOverTheBackdropAsWithFullContent) {
  // The gradient is painted one pixel wide and widened row by row; the result
  // must be that of the full-width content blended over the backdrop.
  const TsGradArray steps = {{0x00F0E0D0, 0x00A09080, 20, 0},
                             {0x00A09080, 0x00FFFFFF, 30, 0},
                             {0x00FFFFFF, 0x00000000, 10, 0},
                             {0x00000000, 0x00808080, 25, 0},
                             {0x00808080, 0x00C0C0C0, 15, 0}};
  std::mt19937 rng(3);
  for (gfx::PixelFormat f : {gfx::PixelFormat::Bgr24, gfx::PixelFormat::Bgra32})
    for (gfx::RowOrder o : kRowOrders)
      for (const gfx::Point at : {gfx::Point{4, 5}, gfx::Point{-3, 2}})  // covered, and partly outside
        // Heights from the smallest gradient to one past the on-stack column.
        for (const int h : {2, 3, 27, 1100})
          for (const bool manyBands : {false, true}) {
            TsGradArray list = steps;
            if (manyBands)  // more bands than one vector of lanes holds
              for (int i = 0; i < 8; ++i)
                list.push_back({static_cast<std::int32_t>(rng() & 0xFFFFFF),
                                static_cast<std::int32_t>(rng() & 0xFFFFFF),
                                static_cast<std::uint8_t>(rng() % 15), 0});
            test::ModelBuilder mb(2, 2);
            TsGeneralData g;
            g.SectionName = "ITEM";
            g.HotTransparency = 70;
            g.HotGradientPercent = 100;
            g.HotGradientSteps = list;
            const int section = mb.AddSection(g);
            const gfx::Bitmap parent = Noise(f, 40, h + 12, o, rng);
            const BackdropRef backdrop = MakeBackdropRef(&parent, at.X, at.Y);
            const gfx::Rect item{1, 2, 24, 2 + h};
            const gfx::Bitmap start = Noise(f, 26, h + 4, o, rng);

            gfx::Bitmap want = start;
            gfx::Bitmap content(item.Width(), item.Height(), f);
            PaintGradient(content, content.Bounds(), list);
            CopyBackdropBlock(want, item, backdrop);
            BlendBitmaps(want, content, 70 * 255 / 100, item.TopLeft(), content.Bounds());

            gfx::Bitmap got = start;
            RenderItemBackground(mb.Model(), section, "ITEM", backdrop, 1, item, {}, got, -1, -1,
                                 gfx::clFuchsia);
            ASSERT_EQ(Pixels(got), Pixels(want)) << at.X << ", height " << h << ", bands " << list.size();
          }
}

TEST(RenderItemBackground, AGradientAloneLeavesNoPixelUnpainted) {
  // The item's colour is laid under a gradient only where the gradient may
  // leave pixels; check that the gradients painted without it cover the item.
  std::mt19937 rng(11);
  constexpr gfx::Color kSentinel = 0xFF0000;  // blue 255: no gradient colour below has it
  for (int trial = 0; trial < 300; ++trial) {
    TsGradArray steps;
    const int n = 1 + static_cast<int>(rng() % 5);
    const int kind = static_cast<int>(rng() % 2);
    for (int i = 0; i < n; ++i)
      steps.push_back({static_cast<std::int32_t>(rng() & 0x3FFFFF),
                       static_cast<std::int32_t>(rng() & 0x3FFFFF), static_cast<std::uint8_t>(rng() % 101),
                       kind});
    test::ModelBuilder mb(2, 2);
    TsGeneralData g;
    g.SectionName = "ITEM";
    g.Color = kSentinel;
    g.GradientPercent = 100;
    g.GradientSteps = steps;
    const int section = mb.AddSection(g);
    const int w = 1 + static_cast<int>(rng() % 9), h = 1 + static_cast<int>(rng() % 9);
    gfx::Bitmap b = test::Filled(gfx::PixelFormat::Bgr24, w + 2, h + 2, kSentinel);
    const gfx::Rect item{1, 1, 1 + w, 1 + h};
    RenderItemBackground(mb.Model(), section, "ITEM", NoBackdrop, 0, item, {}, b, -1, -1, gfx::clFuchsia);
    const bool covers = kind == 0 ? h >= 2 : w >= 2;
    if (!covers) continue;  // the colour is laid under it; any result is sound
    for (int y = item.Top; y < item.Bottom; ++y)
      for (int x = item.Left; x < item.Right; ++x)
        ASSERT_NE(b.PixelAt(x, y), kSentinel) << "trial " << trial << " at " << x << "," << y;
  }
}

}  // namespace
}  // namespace skin
