// The skinned speed button on a shown form, on the virtual clock: hover,
// press and click sequences, section switching, picture changes of an
// unskinned or held button, hints while held, and fades.
#include <gtest/gtest.h>

#include "platform/ui/Application.h"
#include "skin/controls/sAnimTimer.h"
#include "skin/controls/sButtonHints.h"
#include "skin/controls/sFade.h"
#include "skin/controls/sSkinCommands.h"
#include "skin/controls/sSpeedButton.h"
#include "tests/skin/controls/BindingTestSupport.h"
#include "tests/skin/controls/ButtonTestSupport.h"

namespace skin::testing {
namespace {

gfx::Color Bgr(int b, int g, int r) { return static_cast<gfx::Color>((b << 16) | (g << 8) | r); }
gfx::Color DarkOver(gfx::Color bg) {
  return Bgr(Over(B(bg), kDarkB, kDarkA), Over(G(bg), kDarkG, kDarkA), Over(R(bg), kDarkR, kDarkA));
}

class SpeedButtonInput : public BindingFixture {
 protected:
  void Start(bool fading = false) {
    LoadSkin(ButtonSkin(fading));
    form = NewForm({0, 0, 700, 500});
    parent = new BackdropParent(form);
    parent->SetParent(form);
    parent->SetBounds(0, 0, 602, 402);
    background = Plain24(602, 402, kTileBg);
    parent->Image = &background;
    list = TileList(form);
    for (int i = 0; i < 6; ++i) {
      auto* t = new TsSpeedButton(form);
      t->SetBounds(1 + 200 * (i % 3), 1 + 200 * (i / 3), 200, 200);
      t->SetParent(parent);
      t->SetImages(list);
      t->SetImageIndex(0);
      t->SkinData().SetSkinSection("SPEEDBUTTON");
      t->SkinData().Loaded();
      t->OnClick = [this, i](ui::Component*) { clicks.push_back(i); };
      t->OnPaint = [this, i](TsSpeedButton&, gfx::Bitmap&) { ++renders[i]; };
      tiles[i] = t;
    }
    Show(form);
  }
  gfx::Color ScreenAt(int tile, int x, int y) { return Pixel(ClientPoint(tiles[tile], x, y)); }
  // The left band of a SPEEDBUTTON tile shows its mask cell (state 1 or 2),
  // or only the picture in state 0.
  int BandState(int tile) {
    const gfx::Color c = ScreenAt(tile, 1, 100);
    if (c == gfx::ColorToRGB(DarkOver(kCellColors[1]))) return 1;
    if (c == gfx::ColorToRGB(DarkOver(kCellColors[2]))) return 2;
    if (c == gfx::ColorToRGB(DarkOver(kTileBg))) return 0;
    return -1;
  }

  ui::Form* form = nullptr;
  BackdropParent* parent = nullptr;
  gfx::Bitmap background;
  AlphaImageList* list = nullptr;
  TsSpeedButton* tiles[6] = {};
  std::vector<int> clicks;
  int renders[6] = {};
};

TEST_F(SpeedButtonInput, HoverMovesFromTileToTilePressAndClick) {
  Start();
  Move(ClientPoint(tiles[0], 100, 100));
  EXPECT_EQ(tiles[0]->VisualState(), 1);
  EXPECT_EQ(BandState(0), 1);
  Move(ClientPoint(tiles[1], 100, 100));
  EXPECT_EQ(tiles[0]->VisualState(), 0);
  EXPECT_EQ(BandState(0), 0);
  EXPECT_EQ(BandState(1), 1);
  Down(ClientPoint(tiles[1], 100, 100));
  EXPECT_EQ(tiles[1]->VisualState(), 2);
  EXPECT_EQ(BandState(1), 2);
  // The picture moved one pixel right and down: column 0 shows cell 2.
  EXPECT_EQ(ScreenAt(1, 0, 100), gfx::ColorToRGB(kCellColors[2]));
  EXPECT_TRUE(clicks.empty());
  Up(ClientPoint(tiles[1], 100, 100));
  EXPECT_EQ(clicks, std::vector<int>{1});
  EXPECT_EQ(tiles[1]->VisualState(), 1);
  EXPECT_EQ(BandState(1), 1);
}

TEST_F(SpeedButtonInput, DoubleClickClicksTwice) {
  Start();
  Click(ClientPoint(tiles[2], 50, 50));
  Click(ClientPoint(tiles[2], 50, 50));
  EXPECT_EQ(clicks, (std::vector<int>{2, 2}));
  EXPECT_EQ(tiles[2]->VisualState(), 1);
}

TEST_F(SpeedButtonInput, ReleaseOutsideDoesNotClick) {
  Start();
  Down(ClientPoint(tiles[0], 50, 50));
  Move(ClientPoint(tiles[4], 50, 50));
  Up(ClientPoint(tiles[4], 50, 50));
  EXPECT_TRUE(clicks.empty());
  EXPECT_NE(tiles[0]->VisualState(), 2);
}

TEST_F(SpeedButtonInput, HoveredTileTurnsHotWhenItsSectionSwitches) {
  Start();
  for (auto* t : tiles) t->SkinData().SetSkinSection("WEBBUTTON");
  Move(ClientPoint(tiles[3], 100, 100));
  EXPECT_EQ(ScreenAt(3, 1, 100), gfx::ColorToRGB(DarkOver(kTileBg)));
  tiles[3]->SkinData().SetSkinSection("SPEEDBUTTON");
  EXPECT_EQ(BandState(3), 1);
}

TEST_F(SpeedButtonInput, DisabledTileIgnoresHover) {
  Start();
  tiles[0]->SetEnabled(false);
  app().ProcessMessages();
  const gfx::Color before = ScreenAt(0, 1, 100);
  Move(ClientPoint(tiles[0], 100, 100));
  EXPECT_EQ(tiles[0]->VisualState(), 0);
  EXPECT_EQ(ScreenAt(0, 1, 100), before);
  Click(ClientPoint(tiles[0], 100, 100));
  EXPECT_TRUE(clicks.empty());
}

// Switching a section sends one refresh and renders once; the same section
// again does nothing; an unknown one makes the tile plain.
TEST_F(SpeedButtonInput, SectionSwitching) {
  Start();
  CommandLog log(*tiles[0]);
  const int before = renders[0];
  tiles[0]->SkinData().SetSkinSection("webbutton");
  EXPECT_EQ(tiles[0]->SkinData().SkinSection(), "WEBBUTTON");
  EXPECT_EQ(log.Codes(), std::vector<int>{SKC_SKIN_REFRESH});
  EXPECT_EQ(renders[0], before + 1);
  tiles[0]->SkinData().SetSkinSection("WEBBUTTON");
  EXPECT_EQ(log.Codes().size(), 1u);
  EXPECT_EQ(renders[0], before + 1);

  for (int i = 1; i < 6; ++i) {
    const int r = renders[i];
    tiles[i]->SkinData().SetSkinSection("WEBBUTTON");
    EXPECT_EQ(renders[i], r + 1) << i;
  }

  tiles[0]->SkinData().SetSkinSection("NOSUCH");
  EXPECT_EQ(log.Codes().back(), SKC_SKIN_UNLOADED);
  EXPECT_FALSE(tiles[0]->SkinData().IsSkinned());
  EXPECT_FALSE(tiles[0]->ControlStyle() & ui::csOpaque);
  // The plain tile shows a new picture at once.
  const gfx::Color dark = ScreenAt(0, 100, 100);
  tiles[0]->SetImageIndex(1);
  app().ProcessMessages();
  const gfx::Color lit = ScreenAt(0, 100, 100);
  EXPECT_NE(lit, dark);
  tiles[0]->SetImageIndex(0);
  app().ProcessMessages();
  EXPECT_EQ(ScreenAt(0, 100, 100), dark);
}

// A skinned tile whose parent holds its painting stores a new picture and
// shows it when the parent lets go.
TEST_F(SpeedButtonInput, HeldTileShowsNewPictureOnParentUpdate) {
  Start();
  tiles[0]->SkinData().SetSkinSection("WEBBUTTON");
  tiles[0]->SkinData().ParentUpdating = true;
  const gfx::Color dark = ScreenAt(0, 100, 100);
  tiles[0]->SetImageIndex(1);
  EXPECT_EQ(ScreenAt(0, 100, 100), dark);
  EXPECT_TRUE(tiles[0]->SkinData().CacheStale);
  SendSkinCommand(tiles[0], SKC_PARENT_UPDATED);
  app().ProcessMessages();
  EXPECT_FALSE(tiles[0]->SkinData().ParentUpdating);
  EXPECT_EQ(ScreenAt(0, 100, 100), gfx::ColorToRGB(Bgr(Over(100, 200, 255), Over(150, 220, 255), Over(200, 240, 255))));
}

TEST_F(SpeedButtonInput, HintsAreOffWhileHeldAndBackAfterAnyRelease) {
  Start();
  app().SetShowHint(true);
  Down(ClientPoint(tiles[0], 50, 50));
  EXPECT_FALSE(app().ShowHint());
  Up(ClientPoint(tiles[0], 50, 50));
  EXPECT_TRUE(app().ShowHint());
  // Disabled while held: the release still brings hints back.
  Down(ClientPoint(tiles[1], 50, 50));
  tiles[1]->SetEnabled(false);
  Up(ClientPoint(tiles[1], 50, 50));
  EXPECT_TRUE(app().ShowHint());
  // The click handler sees hints on (a dialog opened from it shows hints).
  bool during = false;
  tiles[2]->OnClick = [&](ui::Component*) { during = ui::App().ShowHint(); };
  Click(ClientPoint(tiles[2], 50, 50));
  EXPECT_TRUE(during);
  // Cancelled capture.
  Down(ClientPoint(tiles[3], 50, 50));
  tiles[3]->Perform(ui::WM_CANCELMODE);
  EXPECT_TRUE(app().ShowHint());
  EXPECT_FALSE(HintsHeld());
}

TEST_F(SpeedButtonInput, BlendIsClampedAndStoredOnlyOnChange) {
  Start();
  tiles[0]->SetBlend(150);
  EXPECT_EQ(tiles[0]->Blend(), 100);
  tiles[0]->SetBlend(-5);
  EXPECT_EQ(tiles[0]->Blend(), 0);
  tiles[0]->SetCaption("Abc");
  tiles[0]->SetShowCaption(false);
  EXPECT_EQ(tiles[0]->Caption(), "");
  tiles[0]->SetShowCaption(true);
  EXPECT_EQ(tiles[0]->Caption(), "Abc");
}

// The shipped configuration (no button events in the manager) never fades.
TEST_F(SpeedButtonInput, NoFadeWithoutButtonEvents) {
  Start(true);
  manager->AnimEffects().Buttons.Events = {};
  Move(ClientPoint(tiles[0], 50, 50));
  Down(ClientPoint(tiles[0], 50, 50));
  Up(ClientPoint(tiles[0], 50, 50));
  Move(ClientPoint(tiles[1], 50, 50));
  EXPECT_EQ(LiveFadeTimers(), 0);
}

// With hover fades on: frames every 10 ms with weights 243 ... 0; the last
// frame is the new look.
TEST_F(SpeedButtonInput, HoverFadeRunsItsSteps) {
  Start(true);
  manager->AnimEffects().Buttons.Events = {};
  tiles[0]->SetAnimatEvents({TacAnimatEvent::aeMouseEnter});
  const std::int64_t t0 = app().NowMs();
  Move(ClientPoint(tiles[0], 100, 100));
  ASSERT_NE(tiles[0]->FadeTimer(), nullptr);
  EXPECT_EQ(tiles[0]->FadeTimer()->StepCount, 20);
  const gfx::Color oldLook = gfx::ColorToRGB(DarkOver(kTileBg));
  const gfx::Color newLook = gfx::ColorToRGB(DarkOver(kCellColors[1]));
  // A frame in between mixes the two looks.
  app().RunFor(50);
  const gfx::Color mid = ScreenAt(0, 1, 100);
  EXPECT_NE(mid, oldLook);
  EXPECT_NE(mid, newLook);
  app().RunFor(300);
  EXPECT_EQ(tiles[0]->FadeTimer(), nullptr);
  EXPECT_EQ(ScreenAt(0, 1, 100), newLook);
  EXPECT_GE(app().NowMs() - t0, 200);
}

TEST_F(SpeedButtonInput, ReleaseDuringAFadeShowsTheFinalLook) {
  Start(true);
  tiles[0]->SetAnimatEvents({TacAnimatEvent::aeMouseDown});
  Move(ClientPoint(tiles[0], 100, 100));
  Down(ClientPoint(tiles[0], 100, 100));
  ASSERT_NE(tiles[0]->FadeTimer(), nullptr);
  EXPECT_EQ(tiles[0]->FadeTimer()->StepCount, 10);
  Up(ClientPoint(tiles[0], 100, 100));
  EXPECT_EQ(tiles[0]->FadeTimer(), nullptr);
  EXPECT_EQ(BandState(0), 1);
}

}  // namespace
}  // namespace skin::testing
