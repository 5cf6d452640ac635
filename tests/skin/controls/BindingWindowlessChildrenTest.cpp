// Painting a container's windowless children onto a target surface, pixel
// by pixel: opaque, transparent, invisible and magenta-cornered children,
// an offset target, re-entry and an empty clip.
#include <gtest/gtest.h>

#include "skin/controls/sWindowlessChildren.h"
#include "tests/skin/controls/BindingTestSupport.h"

namespace skin::testing {
namespace {

using fixture::FixtureSkin;

constexpr gfx::Color kRed = gfx::RGB(255, 0, 0);
constexpr gfx::Color kGrey = gfx::RGB(90, 90, 90);

gfx::Color CachePixel(int x, int y) { return gfx::RGB(x, y, 7); }

class BindingWindowlessChildren : public BindingFixture {
 protected:
  void SetUp() override {
    FixtureSkin s;
    s.Set("BACK", "GRADIENTPERCENT", 50).Set("BACK", "GRADIENTDATA", "255;0;50;0;0");
    LoadSkin(s);
    ui::Form* form = ShownForm();
    container = new BoundPanel(form, 51);
    container->SetParent(form);
    container->SetBounds(0, 0, 100, 60);
    container->SkinData().SetSkinSection("BACK");
    gfx::Bitmap& cache = container->SkinData().EnsureCache();
    for (int y = 0; y < 60; ++y)
      for (int x = 0; x < 100; ++x) cache.SetPixelAt(x, y, CachePixel(x, y));
    opaque = Add({10, 10, 30, 20}, kRed, true);
    clear = Add({40, 10, 60, 30}, gfx::clNone, false);
    hidden = Add({10, 40, 20, 50}, kRed, true);
    hidden->Hide();
    magenta = Add({70, 10, 80, 20}, kRed, false);
    magenta->Corner = gfx::clFuchsia;
    edge = Add({90, 50, 100, 60}, kRed, true);
    beyond = Add({95, 55, 110, 70}, gfx::clNone, false);
    target = fixture::Solid24(110, 70, kGrey);
  }

  ColorBlock* Add(const gfx::Rect& r, gfx::Color fill, bool opaque) {
    auto* c = new ColorBlock(container, fill, opaque);
    c->SetParent(container);
    c->SetBoundsRect(r);
    return c;
  }

  // What the target should hold at container point (x, y).
  gfx::Color Expected(int x, int y) const {
    const gfx::Point p{x, y};
    if (opaque->BoundsRect().Contains(p) || edge->BoundsRect().Contains(p)) return kRed;
    if (clear->BoundsRect().Contains(p) || beyond->BoundsRect().Contains(p)) return CachePixel(x, y);
    return kGrey;
  }

  BoundPanel* container = nullptr;
  ColorBlock *opaque = nullptr, *clear = nullptr, *hidden = nullptr, *magenta = nullptr, *edge = nullptr,
             *beyond = nullptr;
  gfx::Bitmap target;
};

TEST_F(BindingWindowlessChildren, EachChildOverItsBackgroundAtTheOffset) {
  gfx::Canvas canvas(target);
  PaintWindowlessChildren(container, canvas, {3, 4});
  EXPECT_EQ(hidden->paints, 0);
  EXPECT_EQ(magenta->paints, 1);
  for (int y = 0; y < 70; ++y)
    for (int x = 0; x < 110; ++x) {
      const int cx = x - 3, cy = y - 4;
      // The container is 100 x 60: a child's part beyond it is not painted.
      const bool inside = cx >= 0 && cy >= 0 && cx < 100 && cy < 60;
      const gfx::Color want = inside ? Expected(cx, cy) : kGrey;
      ASSERT_EQ(target.PixelAt(x, y) & 0xFFFFFF, want) << x << "," << y;
    }
}

TEST_F(BindingWindowlessChildren, NestedCallDoesNothing) {
  gfx::Canvas canvas(target);
  int nestedPaints = -1;
  opaque->OnPainted = [&] {
    gfx::Bitmap other = fixture::Solid24(110, 70, kGrey);
    gfx::Canvas c(other);
    const int before = edge->paints;
    PaintWindowlessChildren(container, c, {0, 0});
    nestedPaints = edge->paints - before;
  };
  PaintWindowlessChildren(container, canvas, {0, 0});
  EXPECT_EQ(nestedPaints, 0);
  EXPECT_EQ(edge->paints, 1);
  // The flag is cleared afterwards.
  PaintWindowlessChildren(container, canvas, {0, 0});
  EXPECT_EQ(edge->paints, 2);
}

TEST_F(BindingWindowlessChildren, EmptyClipAsksTheContainerToRenderAgain) {
  gfx::Canvas canvas(target);
  canvas.IntersectClipRect({0, 0, 0, 0});
  container->SkinData().RenderNextPaint = false;
  CommandLog log(*container);
  PaintWindowlessChildren(container, canvas, {0, 0});
  ASSERT_EQ(log.entries.size(), 1u);
  EXPECT_EQ(log.entries[0].Code, SKC_SET_HALF_VISIBLE);
  EXPECT_EQ(log.entries[0].Low, 0);
  EXPECT_TRUE(container->SkinData().RenderNextPaint);
  EXPECT_EQ(opaque->paints, 0);
  EXPECT_EQ(target.PixelAt(15, 15), kGrey);
}

TEST_F(BindingWindowlessChildren, PlainContainerFillsWithItsColour) {
  FixtureSkin s;
  s.Set("BACK", "COLOR", gfx::RGB(0, 128, 0));
  LoadSkin(s);
  container->SkinData().SetSkinSection("BACK");  // resolved in the new skin
  SendSkinCommand(container, SKC_SKIN_LOADED, reinterpret_cast<ui::LPARAM>(manager.get()));
  gfx::Canvas canvas(target);
  PaintWindowlessChildren(container, canvas, {0, 0});
  EXPECT_EQ(target.PixelAt(45, 15), gfx::RGB(0, 128, 0));
  EXPECT_EQ(target.PixelAt(15, 15), kRed);
}

}  // namespace
}  // namespace skin::testing
