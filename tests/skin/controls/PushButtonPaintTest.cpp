// What the skinned push button puts on the screen: the plain button's pixels
// when there is no skin (or no BUTTON section), the caption and focus dots
// against the toolkit's own text and dot drawing, the printed copy, the
// window region coming back with a new skin, and the press and release fades.
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/gfx/Canvas.h"
#include "platform/gfx/DrawTextFlags.h"
#include "platform/ui/Application.h"
#include "platform/ui/ProcChain.h"
#include "platform/ui/controls/Button.h"
#include "skin/controls/sButton.h"
#include "skin/controls/sFade.h"
#include "skin/controls/sFadeTimer.h"
#include "skin/controls/sSkinCommands.h"
#include "skin/render/FocusDots.h"
#include "tests/skin/controls/BindingTestSupport.h"
#include "tests/skin/controls/ButtonTestSupport.h"

namespace skin::testing {
namespace {

constexpr gfx::Color kFont = 0x00102030, kHotFont = 0x00605040;

class PushButtonPaint : public BindingFixture {
 protected:
  // A 300 x 200 parent of colour (1, 2, 3) with `button` (70 x 25 at
  // (10, 20), caption "OK") and a second skinned button that holds the focus.
  void Build() {
    form = NewForm({0, 0, 400, 300});
    parent = new BackdropParent(form);
    parent->SetParent(form);
    parent->SetBounds(0, 0, 300, 200);
    parent->Color = gfx::RGB(1, 2, 3);
    button = new TsButton(form);
    button->SetParent(parent);
    button->SetBounds(10, 20, 70, 25);
    button->SetCaption("OK");
    button->SkinData().Loaded();
    other = new TsButton(form);
    other->SetParent(parent);
    other->SetBounds(100, 20, 60, 25);
    other->SkinData().Loaded();
    Show(form);
    other->SetFocus();
    app().ProcessMessages();
  }
  // The skin of the button tests with known caption colours and focus dots.
  static fixture::FixtureSkin Skin(bool fading = false) {
    fixture::FixtureSkin s = ButtonSkin(fading, 20);
    s.Set("BUTTON", "FONTCOLOR", static_cast<std::int64_t>(kFont));
    s.Set("BUTTON", "HOTFONTCOLOR", static_cast<std::int64_t>(kHotFont));
    s.Set("BUTTON", "SHOWFOCUS", "TRUE");
    return s;
  }
  gfx::Bitmap OnScreen(ui::Control* c) {
    gfx::Bitmap out = gfx::NewBitmap24(c->Width(), c->Height());
    for (int y = 0; y < c->Height(); ++y)
      for (int x = 0; x < c->Width(); ++x) out.SetPixelAt(x, y, Pixel(ClientPoint(c, x, y)));
    return out;
  }
  // The first pixel where two bitmaps differ, or "" when they are equal.
  static std::string FirstDifference(const gfx::Bitmap& a, const gfx::Bitmap& b,
                                     const std::optional<gfx::Region>& within = std::nullopt) {
    if (a.Width() != b.Width() || a.Height() != b.Height()) return "sizes differ";
    for (int y = 0; y < a.Height(); ++y)
      for (int x = 0; x < a.Width(); ++x) {
        if (within && !within->Contains({x, y})) continue;
        if (a.PixelAt(x, y) != b.PixelAt(x, y))
          return "(" + std::to_string(x) + "," + std::to_string(y) + "): " + std::to_string(a.PixelAt(x, y)) +
                 " vs " + std::to_string(b.PixelAt(x, y));
      }
    return "";
  }
  // The button's cache with the caption gone: the background and mask only.
  gfx::Bitmap WithoutCaption() {
    const std::string caption = button->Caption();
    button->SetCaption("");
    button->RenderCache();
    gfx::Bitmap out = button->SkinData().CacheBitmap;
    button->SetCaption(caption);
    return out;
  }

  ui::Form* form = nullptr;
  BackdropParent* parent = nullptr;
  TsButton* button = nullptr;
  TsButton* other = nullptr;
};

// Without a skin manager, and with a skin that has no BUTTON section, the
// skinned button's pixels are those of the plain button of the same size.
TEST_F(PushButtonPaint, UnskinnedItPaintsAsThePlainButton) {
  for (bool withSkin : {false, true}) {
    SCOPED_TRACE(withSkin ? "skin without BUTTON" : "no skin");
    if (withSkin) {
      fixture::FixtureSkin s(10, 10);
      s.Set("GLOBALINFO", "VERSION", "6.69");
      s.Set("PANEL", "COLOR", 255);
      LoadSkin(s);
    }
    ui::Form* f = NewForm({0, 0, 400, 300});
    auto* focus = new ui::Button(f);  // takes the focus (and the default look)
    focus->SetParent(f);
    focus->SetBounds(10, 150, 60, 25);
    auto* skinned = new TsButton(f);
    skinned->SetParent(f);
    skinned->SetBounds(10, 10, 174, 25);
    skinned->SetCaption("Попробовать ещё");
    skinned->SkinData().Loaded();
    auto* plain = new ui::Button(f);
    plain->SetParent(f);
    plain->SetBounds(10, 60, 174, 25);
    plain->SetCaption("Попробовать ещё");
    Show(f);
    focus->SetFocus();
    app().ProcessMessages();
    EXPECT_FALSE(skinned->WindowRegion().has_value());
    EXPECT_EQ(FirstDifference(OnScreen(skinned), OnScreen(plain)), "");
    // Disabled too.
    skinned->SetEnabled(false);
    plain->SetEnabled(false);
    app().ProcessMessages();
    EXPECT_EQ(FirstDifference(OnScreen(skinned), OnScreen(plain)), "");
    delete f;
  }
}

// The caption is the toolkit's DrawText of the caption into the final
// caption box in the section's colour (hot colour when hot), moved by one
// pixel when pressed; the focus dots sit on the box grown by FocusMargin.
TEST_F(PushButtonPaint, CaptionAndFocusDotsMatchTheReferenceDrawing) {
  LoadSkin(Skin());
  Build();
  {
    const TsGeneralData* sec = button->SkinData().Section();
    ASSERT_NE(sec, nullptr);
    EXPECT_EQ(sec->FontColor[0], kFont);
    EXPECT_EQ(button->SkinData().SkinSection(), "BUTTON");
    EXPECT_FALSE(button->SkinData().CustomFont());
  }
  struct Case {
    const char* Name;
    bool Focused, Down, Enabled, ShowFocus;
    gfx::Color Colour;
    bool Dots;
  };
  const Case cases[] = {
      {"normal", false, false, true, true, kFont, false},
      {"focused: hot with dots", true, false, true, true, kHotFont, true},
      {"focused, ShowFocus off", true, false, true, false, kHotFont, false},
      {"down: pressed, moved", false, true, true, true, kHotFont, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    button->SetDown(c.Down);
    button->SetShowFocus(c.ShowFocus);
    (c.Focused ? button : other)->SetFocus();
    app().ProcessMessages();
    ASSERT_EQ(button->Focused(), c.Focused);
    gfx::Bitmap expected = WithoutCaption();
    const gfx::Rect box = button->CaptionBox();
    {
      gfx::Canvas canvas(expected);
      canvas.SetFont(button->Font());
      canvas.SetBrushStyle(gfx::BrushStyle::Clear);
      canvas.SetTextColor(c.Colour);
      gfx::Rect r = box;
      canvas.DrawText("OK", r, gfx::DT_CENTER | gfx::DT_EXPANDTABS | gfx::DT_WORDBREAK);
      if (c.Dots) DrawFocusDots(canvas, box.Inflate(button->FocusMargin(), button->FocusMargin()));
    }
    button->RenderCache();
    EXPECT_EQ(FirstDifference(button->SkinData().CacheBitmap, expected), "");
    // What the screen shows inside the window region is that cache.
    button->Repaint();
    app().ProcessMessages();
    EXPECT_EQ(FirstDifference(OnScreen(button), expected, button->WindowRegion()), "");
  }
  // The pressed box is the normal one moved by (1, 1).
  button->SetDown(false);
  other->SetFocus();
  app().ProcessMessages();
  const gfx::Rect normal = button->CaptionBox();
  button->SetDown(true);
  EXPECT_EQ(button->CaptionBox(), normal.Offset(1, 1));
}

// With the button held down its look does not depend on the focus, so a
// focused and an unfocused render differ only by the dots: present with a
// caption, enabled and SHOWFOCUS, and absent otherwise.
TEST_F(PushButtonPaint, FocusDotsOnlyWhenEnabledWithACaptionAndTheSectionsConsent) {
  fixture::FixtureSkin noDots = Skin();
  noDots.Set("BUTTON", "SHOWFOCUS", "FALSE");
  struct Case {
    const char* Name;
    bool SectionShows, Caption, Enabled, ButtonShows, Dots;
  };
  const Case cases[] = {
      {"all conditions met", true, true, true, true, true},
      {"section SHOWFOCUS FALSE", false, true, true, true, false},
      {"empty caption", true, false, true, true, false},
      {"disabled", true, true, false, true, false},
      {"ShowFocus False", true, true, true, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    LoadSkin(c.SectionShows ? Skin() : noDots);
    Build();
    button->SetDown(true);
    button->SetShowFocus(c.ButtonShows);
    if (!c.Caption) button->SetCaption("");
    button->SetFocus();
    app().ProcessMessages();
    ASSERT_TRUE(button->Focused());
    if (!c.Enabled) button->SetEnabled(false);
    button->RenderCache();
    const gfx::Bitmap focused = button->SkinData().CacheBitmap;
    other->SetFocus();
    app().ProcessMessages();
    button->RenderCache();
    EXPECT_EQ(FirstDifference(focused, button->SkinData().CacheBitmap) != "", c.Dots);
    delete form;
  }
}

// Print: the button answers that it is skinned and paints into the caller's
// surface what it paints on the screen.
TEST_F(PushButtonPaint, PrintPaintsWhatTheScreenShows) {
  LoadSkin(Skin());
  Build();
  Move(ClientPoint(button, 30, 12));  // hot, so not the first look
  EXPECT_EQ(SendSkinCommand(button, SKC_IS_SKINNED), 1);
  gfx::Bitmap printed = Plain24(button->Width(), button->Height(), gfx::clFuchsia);
  {
    gfx::Canvas canvas(printed);
    button->PaintTo(canvas, 0, 0);
  }
  EXPECT_EQ(FirstDifference(printed, button->SkinData().CacheBitmap), "");
  EXPECT_EQ(FirstDifference(printed, OnScreen(button), button->WindowRegion()), "");
  EXPECT_EQ(button->VisualState(), 1);
}

// Command 2 takes the region and the owner drawing away; command 1 of the
// same manager gives both back, and the corners show the parent again.
TEST_F(PushButtonPaint, RegionComesBackWithANewSkin) {
  LoadSkin(Skin());
  Build();
  ASSERT_TRUE(button->WindowRegion().has_value());
  const gfx::Region skinned = *button->WindowRegion();
  SendSkinCommand(button, SKC_SKIN_UNLOADED, reinterpret_cast<ui::LPARAM>(manager.get()));
  app().ProcessMessages();
  ASSERT_FALSE(button->WindowRegion().has_value());
  // A command 1 of another manager is not for this button.
  TsSkinManager stranger(nullptr);
  SendSkinCommand(button, SKC_SKIN_LOADED, reinterpret_cast<ui::LPARAM>(&stranger));
  app().ProcessMessages();
  EXPECT_FALSE(button->OwnerDraw());
  SendSkinCommand(button, SKC_SKIN_LOADED, reinterpret_cast<ui::LPARAM>(manager.get()));
  app().ProcessMessages();
  EXPECT_TRUE(button->OwnerDraw());
  ASSERT_TRUE(button->WindowRegion().has_value());
  EXPECT_EQ(*button->WindowRegion(), skinned);
  EXPECT_EQ(Pixel(ClientPoint(button, 0, 0)), gfx::RGB(1, 2, 3));
  EXPECT_EQ(Pixel(ClientPoint(button, 1, 12)), gfx::ColorToRGB(kButtonCellColors[0]));
}

class PushButtonFade : public PushButtonPaint {
 protected:
  void SetUp() override {
    LoadSkin(Skin(true));
    manager->AnimEffects().Buttons.Events = {};
    Build();
    // Every paint notes the look it was painted for.
    hook = std::make_unique<ui::ProcHook>(*button, [this](ui::Message& m, const ui::WndMethod& next) {
      next(m);
      if (m.msg == ui::WM_PAINT) looks.push_back({app().NowMs(), button->VisualState()});
    });
  }
  gfx::Color Band() { return Pixel(ClientPoint(button, 1, 12)); }
  // The 70 x 25 rectangle less the key runs of state k's cell.
  static gfx::Region RegionOf(int k) {
    std::vector<gfx::Rect> holes;
    for (int y : {0, 24}) {
      holes.push_back({0, y, k + 1, y + 1});
      holes.push_back({70 - k - 1, y, 70, y + 1});
    }
    return gfx::Region({0, 0, 70, 25}).Difference(gfx::Region::FromRects(holes));
  }
  std::unique_ptr<ui::ProcHook> hook;
  std::vector<std::pair<std::int64_t, int>> looks;
};

// The shipped configuration: no event fades, so no timer ever exists.
TEST_F(PushButtonFade, NoTimerWithoutButtonEvents) {
  const gfx::Point p = ClientPoint(button, 30, 12);
  Move(p);
  Down(p);
  Up(p);
  Move(ClientPoint(parent, 250, 150));
  EXPECT_EQ(button->FadeTimer(), nullptr);
  EXPECT_EQ(LiveFadeTimers(), 0);
}

// A hover fade: frames in between mix the looks; the last one is the new look.
TEST_F(PushButtonFade, HoverFadeEndsOnTheNewLook) {
  button->SetAnimatEvents({TacAnimatEvent::aeMouseEnter});
  Move(ClientPoint(button, 30, 12));
  ASSERT_NE(button->FadeTimer(), nullptr);
  EXPECT_EQ(button->FadeTimer()->StepCount, 20);
  app().RunFor(60);
  const gfx::Color mid = Band();
  EXPECT_NE(mid, gfx::ColorToRGB(kButtonCellColors[0]));
  EXPECT_NE(mid, gfx::ColorToRGB(kButtonCellColors[1]));
  app().RunFor(400);
  EXPECT_EQ(Band(), gfx::ColorToRGB(kButtonCellColors[1]));
  EXPECT_EQ(*button->WindowRegion(), RegionOf(1));
}

// A release while the press fade runs stops it, paints the pressed look, waits
// 30 ms, then shows the released (hot) look; the button is not left pushed.
TEST_F(PushButtonFade, ReleaseDuringThePressFadeShowsThePressedLookFirst) {
  button->SetAnimatEvents({TacAnimatEvent::aeMouseDown});
  int clicks = 0;
  button->OnClick = [&](ui::Component*) { ++clicks; };
  const gfx::Point p = ClientPoint(button, 30, 12);
  Move(p);
  Down(p);
  ASSERT_NE(button->FadeTimer(), nullptr);
  EXPECT_EQ(button->FadeTimer()->StepCount, 10);
  app().RunFor(20);
  ASSERT_LT(button->FadeTimer()->StepIndex, button->FadeTimer()->StepCount);
  looks.clear();
  const std::int64_t releasedAt = app().NowMs();
  Up(p);
  ASSERT_FALSE(looks.empty());
  EXPECT_EQ(looks.front().second, 2);
  EXPECT_GE(app().NowMs() - releasedAt, 30);
  EXPECT_EQ(clicks, 1);
  EXPECT_FALSE(button->Pushed());
  EXPECT_EQ(button->VisualState(), 1);
  EXPECT_TRUE(button->FadeTimer() == nullptr || !button->FadeTimer()->Enabled());
  app().RunFor(400);
  EXPECT_EQ(Band(), gfx::ColorToRGB(kButtonCellColors[1]));
}

}  // namespace
}  // namespace skin::testing
