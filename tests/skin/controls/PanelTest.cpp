// The skinned panel: cache and direct mode by the section's look and the
// parent's background, the fill by transparency, the border ring, windowless
// children left out of the fill and painted over the right background, the
// answers to its children's background questions, commands passed on to the
// children, and the plain look without a skin.
#include <gtest/gtest.h>

#include "skin/controls/sBackdrop.h"
#include "skin/controls/sPanel.h"
#include "skin/paint/Tint.h"
#include "tests/skin/controls/BindingTestSupport.h"

namespace skin::testing {
namespace {

using fixture::BorderMaskSpec;
using fixture::FixtureSkin;

constexpr gfx::Color kParent = gfx::RGB(200, 100, 50);  // P
constexpr gfx::Color kOwn = gfx::RGB(20, 40, 60);       // C
constexpr gfx::Color kRing = gfx::RGB(0, 0, 220);       // K
constexpr gfx::Color kCustom = gfx::RGB(9, 99, 199);
constexpr gfx::Color kGrey = gfx::RGB(90, 90, 90);

gfx::Color ImagePixel(int x, int y) { return gfx::RGB(x, y, 3); }

// A 2-pixel ring mask (centre transparent) and panels of each transparency.
FixtureSkin PanelSkin() {
  FixtureSkin s;
  s.Fill({0, 0, 10, 10}, kRing).Fill({2, 2, 8, 8}, gfx::clFuchsia);
  const BorderMaskSpec ring{{0, 0, 10, 10}, 2, 2, 2, 2, 1, 0, 0, 0};
  s.Set("PLAIN", "COLOR", kParent);
  s.Set("IMAGE", "GRADIENTPERCENT", 50).Set("IMAGE", "GRADIENTDATA", "255;0;50;0;0");
  s.Set("T100", "TRANSPARENCY", 100).Mask("T100", ring);
  s.Set("T50", "COLOR", kOwn).Set("T50", "TRANSPARENCY", 50).Mask("T50", ring);
  s.Set("T0", "COLOR", kOwn).Mask("T0", ring);
  s.Set("NORING", "COLOR", kOwn);
  s.Set("CLEAR13", "TRANSPARENCY", 100).Mask("CLEAR13", {{0, 0, 30, 10}, 13, 2, 13, 2, 1, 0, 0, 0});
  // A ring whose outer line is transparent (its mask part below it is white there).
  s.Fill({0, 10, 10, 20}, kRing).Fill({0, 20, 10, 30}, gfx::clBlack).Fill({0, 20, 10, 21}, gfx::clWhite);
  s.Set("HOLLOW", "TRANSPARENCY", 100).Mask("HOLLOW", {{0, 10, 10, 30}, 2, 2, 2, 2, 1, 1, 0, 0});
  return s;
}

class Panel : public BindingFixture {
 protected:
  void SetUp() override {
    LoadSkin(PanelSkin());
    form = ShownForm();
    parent = new BoundPanel(form, 51);
    parent->SetParent(form);
    parent->SetBounds(0, 0, 200, 150);
    parent->SkinData().SetSkinSection("PLAIN");
    gfx::Bitmap& cache = parent->SkinData().EnsureCache();
    for (int y = 0; y < 150; ++y)
      for (int x = 0; x < 200; ++x) cache.SetPixelAt(x, y, ImagePixel(x, y));
    // The parent's cache is up to date: it does not count as updating.
    parent->SkinData().CacheStale = false;
  }
  void ParentShowsImage() {
    parent->SkinData().SetSkinSection("IMAGE");
    parent->SkinData().UpdatePlainBackgroundBit();
    parent->SkinData().CacheStale = false;
  }
  TsPanel* NewPanel(const char* section, const gfx::Rect& bounds = {10, 20, 110, 80}) {
    auto* p = new TsPanel(form);
    p->SetParent(parent);
    p->SetBoundsRect(bounds);
    p->SkinData().SetSkinSection(section);
    return p;
  }
  // The panel painted onto a grey surface of its size.
  static gfx::Bitmap Painted(TsPanel* p) {
    gfx::Bitmap out = fixture::Solid24(p->Width(), p->Height(), kGrey);
    gfx::Canvas c(out);
    p->PaintPanel(c, false);
    return out;
  }
  static void ExpectRingAndInterior(const gfx::Bitmap& b, gfx::Color interior) {
    const int w = b.Width(), h = b.Height();
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) {
        const bool ring = x < 2 || y < 2 || x >= w - 2 || y >= h - 2;
        ASSERT_EQ(b.PixelAt(x, y) & 0xFFFFFF, ring ? kRing : interior) << x << "," << y;
      }
  }

  ui::Form* form = nullptr;
  BoundPanel* parent = nullptr;
};

TEST_F(Panel, ModeFollowsTheLookAndTheParent) {
  const struct {
    const char* section;
    bool imageParent;
    bool custom;
    bool cacheMode;
  } cases[] = {
      {"T0", false, false, false}, {"T100", false, false, false},  // through a plain parent
      {"T100", true, false, true}, {"T50", false, false, true},
      {"T50", false, true, false},  // a custom colour always paints straight
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.section) + (c.imageParent ? " over an image" : "") +
                 (c.custom ? " custom" : ""));
    if (c.imageParent) ParentShowsImage();
    TsPanel* p = NewPanel(c.section);
    p->SkinData().SetCustomColor(c.custom);
    EXPECT_EQ(p->CacheMode(), c.cacheMode);
    delete p;
    parent->SkinData().SetSkinSection("PLAIN");
  }
}

TEST_F(Panel, DirectModeFillsByTransparencyInsideTheRing) {
  const struct {
    const char* section;
    bool custom;
    gfx::Color interior;
  } cases[] = {
      {"T100", false, kParent},
      {"T0", false, kOwn},
      {"T50", true, kCustom},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.section);
    TsPanel* p = NewPanel(c.section);
    p->SetColor(kCustom);
    p->SkinData().SetCustomColor(c.custom);
    ASSERT_FALSE(p->CacheMode());
    ExpectRingAndInterior(Painted(p), c.interior);
    EXPECT_FALSE(p->SkinData().CacheStale);
    delete p;
  }
}

TEST_F(Panel, TransparentRingPixelsShowTheParentsColour) {
  TsPanel* p = NewPanel("HOLLOW");
  ASSERT_FALSE(p->CacheMode());
  const gfx::Bitmap b = Painted(p);
  // A mask value of 255 keeps (almost) only what lies behind: within one step.
  for (const int x : {2, 50, 97}) {
    const gfx::Color c = b.PixelAt(x, 0);
    EXPECT_NEAR(gfx::GetR(c), gfx::GetR(kParent), 1) << x;
    EXPECT_NEAR(gfx::GetG(c), gfx::GetG(kParent), 1) << x;
    EXPECT_NEAR(gfx::GetB(c), gfx::GetB(kParent), 1) << x;
  }
  EXPECT_EQ(b.PixelAt(50, 1) & 0xFFFFFF, kRing);
  EXPECT_EQ(b.PixelAt(50, 30) & 0xFFFFFF, kParent);
}

TEST_F(Panel, CacheModeOverAColourMixesByTransparency) {
  TsPanel* p = NewPanel("T50");
  ASSERT_TRUE(p->CacheMode());
  ExpectRingAndInterior(Painted(p), LerpColor(kParent, kOwn, 0.5));
}

TEST_F(Panel, CacheModeOverAnImageShowsTheParentsPixels) {
  ParentShowsImage();
  TsPanel* p = NewPanel("T100");
  const gfx::Bitmap b = Painted(p);
  EXPECT_EQ(b.PixelAt(0, 0) & 0xFFFFFF, kRing);
  for (const gfx::Point q : {gfx::Point{2, 2}, gfx::Point{50, 30}, gfx::Point{97, 57}})
    EXPECT_EQ(b.PixelAt(q.X, q.Y) & 0xFFFFFF, ImagePixel(q.X + 10, q.Y + 20)) << q.X << "," << q.Y;
}

TEST_F(Panel, DirectModeOverAnImageCopiesItIntoTheInterior) {
  ParentShowsImage();
  TsPanel* p = NewPanel("T100");
  // A plain parent under an image parent's look: the parent's answer to
  // command 36 says plain, so the panel paints straight.
  parent->SkinData().StateFlags |= sfPlainBackground;
  ASSERT_FALSE(p->CacheMode());
  const gfx::Bitmap b = Painted(p);
  EXPECT_EQ(b.PixelAt(1, 1) & 0xFFFFFF, kRing);
  for (const gfx::Point q : {gfx::Point{2, 2}, gfx::Point{50, 30}, gfx::Point{97, 57}})
    EXPECT_EQ(b.PixelAt(q.X, q.Y) & 0xFFFFFF, ImagePixel(q.X + 10, q.Y + 20)) << q.X << "," << q.Y;
}

TEST_F(Panel, WindowlessChildrenAreLeftOutOfTheFillAndPaintedOverTheBackground) {
  for (const char* section : {"T0", "T50"}) {
    SCOPED_TRACE(section);
    TsPanel* p = NewPanel(section);
    auto* opaque = new ColorBlock(p, gfx::RGB(255, 0, 0), true);
    opaque->SetParent(p);
    opaque->SetBounds(10, 10, 10, 10);
    auto* clear = new ColorBlock(p, gfx::clNone, false);
    clear->SetParent(p);
    clear->SetBounds(30, 10, 10, 10);
    auto* skipped = new ColorBlock(p, gfx::RGB(255, 0, 0), false);
    skipped->SetParent(p);
    skipped->SetBounds(50, 10, 10, 10);
    skipped->Corner = gfx::clFuchsia;  // not copied: what lies there stays
    const gfx::Bitmap b = Painted(p);
    const gfx::Color fill = p->CacheMode() ? LerpColor(kParent, kOwn, 0.5) : kOwn;
    EXPECT_EQ(b.PixelAt(15, 15) & 0xFFFFFF, gfx::RGB(255, 0, 0));
    EXPECT_EQ(b.PixelAt(35, 15) & 0xFFFFFF, fill);
    // Direct mode never fills a windowless child's rectangle; the cache is
    // copied whole.
    EXPECT_EQ(b.PixelAt(55, 15) & 0xFFFFFF, p->CacheMode() ? fill : kGrey);
    EXPECT_EQ(b.PixelAt(45, 15) & 0xFFFFFF, fill);
    delete p;
  }
}

TEST_F(Panel, DegenerateRingFillsTheWholePanel) {
  TsPanel* p = NewPanel("T0", {10, 20, 13, 60});  // 3 wide: the 2-pixel ring does not fit
  const gfx::Bitmap b = Painted(p);
  for (int y = 0; y < b.Height(); ++y)
    for (int x = 0; x < b.Width(); ++x) ASSERT_EQ(b.PixelAt(x, y) & 0xFFFFFF, kOwn) << x << "," << y;
}

TEST_F(Panel, AnswersItsChildrensBackgroundQuestions) {
  ParentShowsImage();
  // Fully transparent with a small mask: the question goes up, the panel's
  // place added.
  TsPanel* clear = NewPanel("T100");
  BackdropQuery q;
  AskParentBackdrop(q, clear, false);
  EXPECT_EQ(q.Kind, kBackdropImage);
  EXPECT_EQ(q.Bitmap, &parent->SkinData().CacheBitmap);
  EXPECT_EQ(q.X, 10);
  EXPECT_EQ(q.Y, 20);

  // A wide mask: the panel answers with its own cache once it has one.
  TsPanel* wide = NewPanel("CLEAR13");
  Painted(wide);
  q = {};
  AskParentBackdrop(q, wide, false);
  EXPECT_EQ(q.Kind, kBackdropImage);
  EXPECT_EQ(q.Bitmap, &wide->SkinData().CacheBitmap);
  EXPECT_EQ(q.X, 0);
  EXPECT_EQ(q.Y, 0);
  EXPECT_EQ(wide->SkinData().CacheBitmap.PixelAt(50, 30) & 0xFFFFFF, ImagePixel(60, 50));

  // A border ring outside the client area moves the children's origin.
  wide->SetBorderWidth(3);
  q = {};
  AskParentBackdrop(q, wide, false);
  EXPECT_EQ(q.X, 3);
  EXPECT_EQ(q.Y, 3);
}

TEST_F(Panel, WideMaskWithoutCacheAnswersTheParentsColour) {
  TsPanel* wide = NewPanel("CLEAR13");
  wide->SkinData().CacheBitmap = gfx::Bitmap();  // emptied, as when hidden
  // Over a plain parent the panel paints straight and keeps no image.
  ASSERT_FALSE(wide->CacheMode());
  BackdropQuery q;
  AskParentBackdrop(q, wide, false);
  EXPECT_EQ(q.Kind, kBackdropColor);
  EXPECT_EQ(gfx::ColorToRGB(q.Color), kParent);
}

TEST_F(Panel, SkinCommandsReachTheChildren) {
  TsPanel* p = NewPanel("T0");
  auto* child = new BoundPanel(form, 51);
  child->SetParent(p);
  child->SetBounds(5, 5, 20, 20);
  CommandLog log(*child);
  for (std::uint16_t code : {SKC_SKIN_LOADED, SKC_SKIN_REFRESH, SKC_SKIN_UNLOADED})
    SendSkinCommand(p, code, reinterpret_cast<ui::LPARAM>(manager.get()));
  std::vector<int> codes;
  for (int code : log.Codes())
    if (code != SKC_PARENT_UPDATED) codes.push_back(code);  // from the repaint after command 3
  EXPECT_EQ(codes, (std::vector<int>{SKC_SKIN_LOADED, SKC_SKIN_REFRESH, SKC_SKIN_UNLOADED}));
  EXPECT_EQ(p->SkinData().SectionIndex, -1);  // unbound by its own manager
  EXPECT_EQ(SendSkinCommand(p, SKC_IS_SKINNED), 1);
}

TEST_F(Panel, OnScreenWithTheWindowlessChildAndThePlainLookWithoutSkin) {
  TsPanel* p = NewPanel("T0");
  auto* child = new ColorBlock(p, gfx::RGB(255, 0, 0), true);
  child->SetParent(p);
  child->SetBounds(10, 10, 10, 10);
  p->Invalidate();
  app().ProcessMessages();
  EXPECT_EQ(Pixel(ClientPoint(p, 0, 0)), kRing);
  EXPECT_EQ(Pixel(ClientPoint(p, 40, 40)), kOwn);
  EXPECT_EQ(Pixel(ClientPoint(p, 15, 15)), gfx::RGB(255, 0, 0));

  // The same panel without a skin paints as the plain panel does.
  auto* plain = new ui::Panel(form);
  plain->SetParent(parent);
  plain->SetBounds(120, 20, 60, 60);
  manager.reset();
  p->Invalidate();
  plain->Invalidate();
  app().ProcessMessages();
  for (const gfx::Point q : {gfx::Point{0, 0}, gfx::Point{30, 30}, gfx::Point{59, 59}})
    EXPECT_EQ(Pixel(ClientPoint(p, q.X, q.Y)), Pixel(ClientPoint(plain, q.X, q.Y))) << q.X << "," << q.Y;
  EXPECT_EQ(Pixel(ClientPoint(p, 15, 15)), gfx::RGB(255, 0, 0));
}

}  // namespace
}  // namespace skin::testing
