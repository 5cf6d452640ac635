// The skinned status bar: the game's bar (section with its top edge, one
// panel reaching the edge, no divider, the grip), dividers between panels,
// the panel mask, the panel text cut into its rectangle, when the cache is
// rendered again, and the plain look without a skin.
#include <gtest/gtest.h>

#include "skin/controls/sStatusBar.h"
#include "tests/skin/controls/BindingTestSupport.h"

namespace skin::testing {
namespace {

using fixture::BorderMaskSpec;
using fixture::FixtureSkin;

constexpr gfx::Color kBar = gfx::RGB(240, 240, 240);
constexpr gfx::Color kEdge = gfx::RGB(0, 0, 160);
constexpr gfx::Color kGrip = gfx::RGB(0, 150, 0);
constexpr gfx::Color kDivider = gfx::RGB(150, 0, 0);
constexpr gfx::Color kPanelMask = gfx::RGB(0, 120, 120);
constexpr gfx::Color kText = gfx::RGB(1, 2, 3);
constexpr gfx::Color kMarker = gfx::RGB(1, 254, 7);

// STATUSBAR: a 2-pixel top edge; GRIPIMAGE: one 6 x 5 picture; DIVIDER: a
// 1 + 1 pixel mask; PANELLED: a status bar section with a 1-pixel panel mask.
FixtureSkin BarSkin() {
  FixtureSkin s;
  s.Fill({0, 0, 10, 10}, kBar).Fill({0, 0, 10, 2}, kEdge);
  s.Set("STATUSBAR", "COLOR", kBar).Mask("STATUSBAR", {{0, 0, 10, 10}, 2, 2, 2, 2, 1, 0, 0, 0});
  s.Fill({20, 0, 26, 5}, kGrip).Glyph("GLOBALINFO", "GRIPIMAGE", {20, 0, 26, 5}, 1);
  s.Fill({30, 0, 34, 10}, kDivider);
  s.Set("DIVIDER", "COLOR", kDivider).Mask("DIVIDER", {{30, 0, 34, 10}, 1, 1, 1, 1, 1, 0, 0, 0});
  s.Fill({40, 0, 50, 10}, kPanelMask).Fill({41, 1, 49, 9}, gfx::clFuchsia);
  s.Set("PANELLED", "COLOR", kBar).Set("PANELLED", "FONTCOLOR", kText);
  s.Mask("PANELLED", {{40, 0, 50, 10}, 1, 1, 1, 1, 1, 0, 0, 0}, "STATUSPANELMASK");
  s.Set("STATUSBAR", "FONTCOLOR", kText);
  return s;
}

class StatusBar : public BindingFixture {
 protected:
  void SetUp() override {
    LoadSkin(BarSkin());
    form = NewForm({100, 100, 702, 521}, ui::BorderStyle::bsNone);
    form->SetClientSize(602, 421);
    Show(form);
  }
  // A bar placed by hand (not docked) with panels of the given widths.
  TsStatusBar* NewBar(const gfx::Rect& bounds, std::initializer_list<int> widths,
                      const char* section = "STATUSBAR") {
    auto* b = new TsStatusBar(form);
    b->SetAlign(ui::Align::alNone);
    b->SetParent(form);
    b->SetBoundsRect(bounds);
    for (int w : widths) b->AddPanel(w);
    b->SkinData().SetSkinSection(section);
    return b;
  }
  static gfx::Bitmap Painted(TsStatusBar* b) {
    gfx::Bitmap out = fixture::Solid24(b->Width(), b->Height(), gfx::RGB(90, 90, 90));
    gfx::Canvas c(out);
    b->PaintBar(c);
    return out;
  }
  static gfx::Color At(const gfx::Bitmap& b, int x, int y) { return b.PixelAt(x, y) & 0xFFFFFF; }
  ui::Form* form = nullptr;
};

TEST_F(StatusBar, TheGamesBar) {
  TsStatusBar* bar = NewBar({0, 402, 602, 421}, {600});
  const gfx::Bitmap b = Painted(bar);
  for (int x : {0, 300, 601}) {
    EXPECT_EQ(At(b, x, 0), kEdge) << x;
    EXPECT_EQ(At(b, x, 1), kEdge) << x;
  }
  // The one panel reaches the edge: no divider anywhere.
  for (int x = 0; x < 602; ++x)
    for (int y = 2; y < 19; ++y) {
      // The grip (6 x 5 at the far corner); the frame's corner is composed
      // again over it when the cache is copied.
      const bool corner = x >= 600 && y >= 17;
      const bool grip = x >= 596 && y >= 14 && !corner;
      ASSERT_EQ(At(b, x, y), grip ? kGrip : kBar) << x << "," << y;
    }
  // The bar reaches the form's bottom edge, so it renders at every paint.
  EXPECT_TRUE(bar->SkinData().RenderNextPaint);
}

TEST_F(StatusBar, DividersBetweenPanelsWithoutPanelMask) {
  TsStatusBar* bar = NewBar({0, 100, 600, 119}, {100, 100, 100});
  bar->SetSizeGrip(false);
  const gfx::Bitmap b = Painted(bar);
  for (int x = 2; x < 600; ++x) {
    const bool divider = x == 97 || x == 98 || x == 197 || x == 198;
    for (int y = 2; y < 18; ++y) ASSERT_EQ(At(b, x, y), divider ? kDivider : kBar) << x << "," << y;
  }
  EXPECT_EQ(At(b, 97, 1), kDivider);  // 17 rows from y = 1
  EXPECT_EQ(At(b, 97, 18), kBar);
}

TEST_F(StatusBar, PanelMaskOverEachPanelInsteadOfDividers) {
  TsStatusBar* bar = NewBar({0, 100, 600, 119}, {100, 100}, "PANELLED");
  bar->SetSizeGrip(false);
  const gfx::Bitmap b = Painted(bar);
  // Panel 0 is drawn in (1, 1, 99, 18), panel 1 in (101, 1, 601, 18).
  for (int x : {1, 98, 101, 598}) EXPECT_EQ(At(b, x, 9), kPanelMask) << x;
  for (int y : {1, 17}) EXPECT_EQ(At(b, 50, y), kPanelMask) << y;
  EXPECT_EQ(At(b, 50, 9), kBar);
  EXPECT_EQ(At(b, 99, 9), kBar);
  EXPECT_EQ(At(b, 0, 9), kBar);
}

TEST_F(StatusBar, PanelTextIsCutIntoItsRectangle) {
  TsStatusBar* bar = NewBar({0, 100, 600, 119}, {100, 100});
  bar->SetSizeGrip(false);
  bar->Panel(0).Text = std::string(40, 'W');
  bar->PanelsChanged();
  const gfx::Bitmap b = Painted(bar);
  int inside = 0, outside = 0;
  for (int y = 0; y < 19; ++y)
    for (int x = 0; x < 200; ++x) {
      if (At(b, x, y) != kText) continue;
      (gfx::Rect{4, 2, 94, 16}.Contains({x, y}) ? inside : outside)++;
    }
  EXPECT_GT(inside, 0);
  EXPECT_EQ(outside, 0);
}

TEST_F(StatusBar, WhenTheCacheIsRenderedAgain) {
  // A bar inside the form renders once; texts, panels and grip changes
  // render it again.
  TsStatusBar* bar = NewBar({0, 100, 600, 119}, {100, 100});
  Painted(bar);
  EXPECT_FALSE(bar->SkinData().RenderNextPaint);
  auto poke = [&] { bar->SkinData().CacheBitmap.SetPixelAt(50, 9, kMarker); };
  auto poked = [&] { return (bar->SkinData().CacheBitmap.PixelAt(50, 9) & 0xFFFFFF) == kMarker; };
  poke();
  Painted(bar);
  EXPECT_TRUE(poked());

  const std::function<void()> changes[] = {
      [&] {
        bar->Panel(0).Text = "x";
        bar->PanelsChanged();
      },
      [&] { bar->SetSimplePanel(true); },
      [&] { bar->SetSimpleText("simple"); },
      [&] { bar->SetSizeGrip(false); },
      [&] {
        const char* text = "set";
        bar->Perform(ui::SB_SETTEXT, 1, reinterpret_cast<ui::LPARAM>(text));
      },
  };
  int i = 0;
  for (const auto& change : changes) {
    SCOPED_TRACE(i++);
    poke();
    change();
    Painted(bar);
    EXPECT_FALSE(poked());
  }

  // Docked at the bottom: every paint renders.
  bar->SetBoundsRect({0, 402, 602, 421});
  Painted(bar);
  poke();
  Painted(bar);
  EXPECT_FALSE(poked());
}

TEST_F(StatusBar, OwnerDrawPanelDrawsIntoTheCache) {
  TsStatusBar* bar = NewBar({0, 100, 600, 119}, {100, 100, 100});
  bar->SetSizeGrip(false);
  bar->Panel(1).Style = ui::StatusPanelStyle::psOwnerDraw;
  bar->Panel(1).Text = std::string(10, 'W');  // not drawn: the handler draws
  bar->PanelsChanged();
  constexpr gfx::Color kOwn = gfx::RGB(9, 99, 199);
  std::vector<gfx::Rect> rects;
  std::string fontName;
  bar->OnDrawPanel = [&](ui::StatusBar* sender, ui::StatusPanel& panel, const gfx::Rect& r) {
    EXPECT_EQ(sender, bar);
    EXPECT_EQ(&panel, &bar->Panel(1));
    rects.push_back(r);
    ASSERT_NE(sender->DrawCanvas(), nullptr);
    fontName = sender->DrawCanvas()->GetFont().Name;
    sender->DrawCanvas()->FillRect({r.Left + 10, r.Top + 4, r.Left + 20, r.Top + 9}, kOwn);
  };
  const gfx::Bitmap b = Painted(bar);
  ASSERT_EQ(rects.size(), 1u);
  EXPECT_EQ(rects[0], (gfx::Rect{101, 1, 199, 18}));
  EXPECT_EQ(fontName, bar->Font().Name);
  EXPECT_EQ(bar->DrawCanvas(), nullptr);
  EXPECT_EQ(At(b, 111, 5), kOwn);
  EXPECT_EQ(At(b, 120, 9), kOwn);
  EXPECT_EQ(At(b, 110, 5), kBar);
  // The panel's divider is drawn before the handler, its text not at all.
  EXPECT_EQ(At(b, 197, 9), kDivider);
  for (int y = 0; y < 19; ++y)
    for (int x = 100; x < 200; ++x) ASSERT_NE(At(b, x, y), kText) << x << "," << y;

  // The plain bar hands its own canvas to the handler.
  manager.reset();
  rects.clear();
  bar->Invalidate();
  app().ProcessMessages();
  ASSERT_EQ(rects.size(), 1u);
  EXPECT_EQ(Pixel(ClientPoint(bar, rects[0].Left + 15, rects[0].Top + 6)), kOwn);
}

TEST_F(StatusBar, OnScreenAndPlainWithoutSkin) {
  TsStatusBar* bar = NewBar({0, 300, 600, 319}, {600});
  auto* plain = new ui::StatusBar(form);
  plain->SetAlign(ui::Align::alNone);
  plain->SetParent(form);
  plain->SetBounds(0, 340, 602, 19);
  plain->AddPanel(600);
  app().ProcessMessages();
  EXPECT_EQ(Pixel(ClientPoint(bar, 300, 0)), kEdge);
  EXPECT_EQ(Pixel(ClientPoint(bar, 300, 10)), kBar);

  manager.reset();
  bar->Invalidate();
  app().ProcessMessages();
  for (int y = 0; y < 19; ++y)
    for (int x = 0; x < 602; x += 7)
      ASSERT_EQ(Pixel(ClientPoint(bar, x, y)), Pixel(ClientPoint(plain, x, y))) << x << "," << y;
}

}  // namespace
}  // namespace skin::testing
