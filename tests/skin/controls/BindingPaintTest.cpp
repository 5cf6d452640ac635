// Painting through the binding: the bound item with its custom colour, the
// corners refreshed over the parent's image, the border width and ring, and
// the cache copied around windowed children.
#include <gtest/gtest.h>

#include "skin/controls/sBoundItem.h"
#include "tests/skin/controls/BindingTestSupport.h"

namespace skin::testing {
namespace {

using fixture::FixtureSkin;

constexpr gfx::Color kBlue = gfx::RGB(0, 0, 200);
constexpr gfx::Color kWhite = gfx::RGB(255, 255, 255);

gfx::Color ParentPixel(int x, int y) { return gfx::RGB(x, y, 3); }

FixtureSkin PaintSkin() {
  FixtureSkin s;
  s.Fill({0, 0, 30, 30}, kBlue);
  s.Master().SetPixelAt(0, 0, gfx::clFuchsia);
  s.Master().SetPixelAt(29, 29, gfx::clFuchsia);
  s.Set("BACK", "GRADIENTPERCENT", 50).Set("BACK", "GRADIENTDATA", "255;0;50;0;0");
  s.Set("RING", "COLOR", gfx::RGB(50, 60, 70)).Mask("RING", {{0, 0, 30, 30}, 5, 5, 5, 5, 1, 0, 0, 0});
  s.Set("WIDE", "COLOR", 0).Mask("WIDE", {{0, 0, 30, 30}, 3, 5, 7, 2, 1, 0, 0, 0});
  s.Set("HOTONLY", "COLOR", 0).Mask("HOTONLY", {{0, 0, 30, 30}, 5, 5, 5, 5, 1, 0, 2, 0});
  s.Set("NOMASK", "COLOR", gfx::RGB(50, 60, 70)).Set("NOMASK", "GRADIENTPERCENT", 100);
  return s;
}

class BindingPaint : public BindingFixture {
 protected:
  void SetUp() override {
    LoadSkin(PaintSkin());
    form = ShownForm();
    parent = new BoundPanel(form, 51);
    parent->SetParent(form);
    parent->SetBounds(0, 0, 200, 150);
    parent->SkinData().SetSkinSection("BACK");
    gfx::Bitmap& cache = parent->SkinData().EnsureCache();
    for (int y = 0; y < 150; ++y)
      for (int x = 0; x < 200; ++x) cache.SetPixelAt(x, y, ParentPixel(x, y));
    control = new BoundPanel(form, 51);
    control->SetParent(parent);
    control->SetBounds(5, 7, 40, 30);
    control->SkinData().SetSkinSection("RING");
  }
  gfx::Bitmap& WhiteCache() {
    gfx::Bitmap& c = control->SkinData().EnsureCache();
    FillAll(c, kWhite);
    return c;
  }
  static void FillAll(gfx::Bitmap& b, gfx::Color c) {
    for (int y = 0; y < b.Height(); ++y)
      for (int x = 0; x < b.Width(); ++x) b.SetPixelAt(x, y, c);
  }
  ui::Form* form = nullptr;
  BoundPanel* parent = nullptr;
  BoundPanel* control = nullptr;
};

TEST_F(BindingPaint, BorderWidth) {
  const struct {
    const char* section;
    int width;
  } cases[] = {{"RING", 5}, {"WIDE", 7}, {"HOTONLY", 0}, {"NOMASK", 0}, {"NOSUCH", 0}};
  for (const auto& c : cases) {
    control->SkinData().SetSkinSection(c.section);
    EXPECT_EQ(BindingBorderWidth(control->SkinData()), c.width) << c.section;
  }
}

TEST_F(BindingPaint, CustomColourPaintsFlat) {
  TsCommonData& d = control->SkinData();
  d.SetSkinSection("NOMASK");
  gfx::Bitmap& cache = WhiteCache();
  control->SetColor(gfx::RGB(9, 8, 7));
  d.SetCustomColor(true);
  RenderBoundItemOverParent(d, true, true, 0, cache, {5, 7}, cache.Bounds());
  for (const gfx::Point p : {gfx::Point{0, 0}, gfx::Point{20, 15}, gfx::Point{39, 29}})
    EXPECT_EQ(cache.PixelAt(p.X, p.Y), gfx::RGB(9, 8, 7));
  // Not skinned: nothing is painted.
  d.SetSkinSection("NOSUCH");
  gfx::Bitmap other = fixture::Solid24(40, 30, kWhite);
  RenderBoundItem(d, NoBackdrop, true, true, 0, other, {0, 0}, other.Bounds());
  EXPECT_EQ(other.PixelAt(20, 15), kWhite);
}

TEST_F(BindingPaint, CornersOverTheParentsImage) {
  gfx::Bitmap& cache = WhiteCache();
  RefreshItemCorners(control->SkinData(), 0, kCornerBitTopLeft);
  EXPECT_EQ(cache.PixelAt(0, 0), ParentPixel(5, 7));  // key pixel of the mask
  EXPECT_EQ(cache.PixelAt(1, 1), kBlue);
  EXPECT_EQ(cache.PixelAt(4, 4), kBlue);
  EXPECT_EQ(cache.PixelAt(5, 5), kWhite);
  EXPECT_EQ(cache.PixelAt(39, 29), kWhite);  // not asked for

  RefreshItemCorners(control->SkinData(), 0, kAllCorners);
  EXPECT_EQ(cache.PixelAt(39, 29), ParentPixel(44, 36));
  EXPECT_EQ(cache.PixelAt(35, 0), kBlue);
  EXPECT_EQ(cache.PixelAt(0, 29), kBlue);
  EXPECT_EQ(cache.PixelAt(20, 15), kWhite);
  EXPECT_EQ(cache.PixelAt(20, 0), kWhite);  // sides are not corners

  // Nothing for a control of 1 x 1, or without a mask.
  control->SetBounds(5, 7, 1, 1);
  gfx::Bitmap& tiny = WhiteCache();
  RefreshItemCorners(control->SkinData(), 0, kAllCorners);
  EXPECT_EQ(tiny.PixelAt(0, 0), kWhite);
}

TEST_F(BindingPaint, BorderRingGoesToTheSurface) {
  gfx::Bitmap surface = fixture::Solid24(40, 30, kWhite);
  gfx::Canvas dc(surface);
  TsCommonData fresh(control, true, 51);
  fresh.SetSkinSection("RING");
  PaintBindingBorder(fresh, dc, 5);
  EXPECT_EQ(fresh.CacheBitmap.Width(), 40);  // created on the way
  EXPECT_EQ(surface.PixelAt(0, 0), ParentPixel(5, 7));
  EXPECT_EQ(surface.PixelAt(2, 15), kBlue);
  EXPECT_EQ(surface.PixelAt(37, 15), kBlue);
  EXPECT_EQ(surface.PixelAt(20, 27), kBlue);
  EXPECT_EQ(surface.PixelAt(39, 29), ParentPixel(44, 36));
  EXPECT_EQ(surface.PixelAt(20, 15), kWhite);  // the interior is the caller's
  EXPECT_EQ(surface.PixelAt(5, 5), kWhite);
}

TEST_F(BindingPaint, CacheCopiedAroundWindowedChildren) {
  gfx::Bitmap& cache = parent->SkinData().CacheBitmap;
  control->Hide();  // a hidden child covers nothing
  auto* windowed = new ui::Panel(form);
  windowed->SetParent(parent);
  windowed->SetBounds(10, 10, 10, 10);
  auto* graphic = new ColorBlock(form, kBlue, true);
  graphic->SetParent(parent);
  graphic->SetBounds(25, 5, 5, 5);
  gfx::Bitmap surface = fixture::Solid24(40, 40, kWhite);
  gfx::Canvas target(surface);
  CopyCacheExceptChildren(parent->SkinData(), target, {2, 3}, {0, 0, 30, 25}, false);
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 40; ++x) {
      const bool inClip = x < 30 && y < 25;
      const bool underChild = gfx::Rect{8, 7, 18, 17}.Contains({x, y});
      const gfx::Color want = inClip && !underChild ? cache.PixelAt(x + 2, y + 3) : kWhite;
      ASSERT_EQ(surface.PixelAt(x, y), want) << x << "," << y;
    }
}

}  // namespace
}  // namespace skin::testing
