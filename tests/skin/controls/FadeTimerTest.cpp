// Fade timelines on the virtual clock, checked on what the controls show and
// on screen pixels: the windowless tile (TsAnimTimer) and the windowed button
// (TsFadeTimer), ends of fades that did not run to their last frame, the
// ChangeOrFade decision, destruction in the middle of a fade and shutdown.
#include <gtest/gtest.h>

#include <vector>

#include "skin/controls/FadeFrame.h"
#include "skin/controls/sFade.h"
#include "skin/controls/sSkinCommands.h"
#include "tests/skin/controls/FadeControls.h"

namespace skin::test {
namespace {

using Frames = std::vector<std::pair<std::int64_t, int>>;

// The frames of a fade from kOldGrey to kNewGrey of `n` steps, the first at
// `start`, 10 ms apart, starting at step `first`.
Frames Expected(std::int64_t start, int n, int first = 1) {
  Frames f;
  for (int i = first; i <= n; ++i) f.emplace_back(start + 10 * (i - first), FrameGrey(FadeAlpha(i, n)));
  return f;
}

class ShutdownScope {
 public:
  ShutdownScope() { SetShutdownAnnounced(true); }
  ~ShutdownScope() { SetShutdownAnnounced(false); }
};

TEST_F(FadeTest, TileHoverFadeShowsEveryWeightThenItsCache) {
  StartSkin(20);
  auto* tile = new FadeTile(form, {10, 10, 50, 40});
  Show(form);
  const int live = LiveFadeTimers();
  tile->Shown.clear();
  const std::int64_t t0 = app().NowMs();
  tile->BeginFade(kNewGrey, false);
  EXPECT_EQ(LiveFadeTimers(), live + 1);
  app().RunFor(199);
  EXPECT_EQ(tile->Shown, Expected(t0, 20));
  EXPECT_EQ(tile->StopCommands, 0);
  app().RunFor(1);  // the tick after the last step ends the fade
  EXPECT_EQ(tile->StopCommands, 1);
  EXPECT_EQ(tile->Timer, nullptr);
  EXPECT_EQ(tile->Shown.back(), (std::pair<std::int64_t, int>{t0 + 200, kNewGrey}));
  EXPECT_EQ(LiveFadeTimers(), live);
  EXPECT_EQ(ScreenGrey(tile), kNewGrey);
}

TEST_F(FadeTest, TilePressFadeHasHalfTheSteps) {
  StartSkin(20);
  auto* tile = new FadeTile(form, {10, 10, 50, 40});
  Show(form);
  tile->Shown.clear();
  const std::int64_t t0 = app().NowMs();
  tile->BeginFade(kNewGrey, true);
  app().RunFor(99);
  EXPECT_EQ(tile->Shown, Expected(t0, 10));
  app().RunFor(1);
  EXPECT_EQ(tile->StopCommands, 1);
}

TEST_F(FadeTest, AnInterruptedTileFadeStartsAtTheMixOnScreen) {
  StartSkin(20);
  auto* tile = new FadeTile(form, {10, 10, 50, 40});
  Show(form);
  tile->BeginFade(kNewGrey, false);
  app().RunFor(40);  // steps 1..5 shown
  ASSERT_EQ(tile->Timer->StepIndex, 6);
  tile->Shown.clear();
  tile->BeginFade(kOldGrey, false);  // the mouse leaves again
  EXPECT_EQ(tile->Timer->StepIndex, 15);
  ASSERT_EQ(tile->Shown.size(), 1u);
  EXPECT_EQ(FadeAlpha(14, 20), 76);
  EXPECT_EQ(tile->Shown[0].second, (kNewGrey * 76 + kOldGrey * 179 + 127) >> 8);
  app().RunFor(200);
  EXPECT_EQ(tile->Timer, nullptr);
  EXPECT_EQ(ScreenGrey(tile), kOldGrey);
}

TEST_F(FadeTest, WindowFadeFramesReachTheScreenAndEndOnTheNewLook) {
  StartSkin(20);
  auto* btn = new FadeButton(form, form, {10, 10, 60, 40});
  Show(form);
  EXPECT_EQ(ScreenGrey(btn), kOldGrey);
  const int live = LiveFadeTimers();
  btn->Change(kNewGrey, false, true);
  ASSERT_NE(btn->Timer, nullptr);
  EXPECT_EQ(LiveFadeTimers(), live + 1);
  for (int i = 1; i <= 20; ++i) {
    app().RunFor(10);
    EXPECT_EQ(ScreenGrey(btn), FrameGrey(FadeAlpha(i, 20))) << "step " << i;
  }
  EXPECT_EQ(btn->StopCommands, 0);
  app().RunFor(10);
  EXPECT_EQ(btn->StopCommands, 1);
  EXPECT_EQ(btn->Timer, nullptr);
  EXPECT_EQ(LiveFadeTimers(), live);
  EXPECT_EQ(ScreenGrey(btn), kNewGrey);
}

// Fades that never draw their last frame still end on the new look.
TEST_F(FadeTest, WindowFadesThatCannotFinishEndOnTheNewLook) {
  struct Case {
    const char* name;
    int iterations;
    bool halfSteps;
    std::function<void(FadeButton*)> midway;
  } cases[] = {
      {"no steps", 0, false, nullptr},
      {"one step halved", 1, true, nullptr},
      {"resized", 20, false, [](FadeButton* b) { b->SetBounds(10, 10, 80, 50); }},
  };
  for (const Case& c : cases) {
    TsSkinManager* m = StartSkin(c.iterations);
    auto* btn = new FadeButton(form, form, {10, 10, 60, 40});
    Show(form);
    btn->Change(kNewGrey, c.halfSteps, true);
    ASSERT_NE(btn->Timer, nullptr) << c.name;
    app().RunFor(30);
    if (c.midway) c.midway(btn);
    app().RunFor(300);
    EXPECT_EQ(btn->Timer, nullptr) << c.name;
    EXPECT_EQ(ScreenGrey(btn), kNewGrey) << c.name;
    EXPECT_EQ(static_cast<int>(Pixel(ClientPoint(btn, btn->Width() - 1, btn->Height() - 1)) & 0xFF), kNewGrey)
        << c.name;
    delete btn;
    delete m;
  }
}

TEST_F(FadeTest, DisablingTheButtonMidFadeRepaintsItNormally) {
  StartSkin(20);
  auto* btn = new FadeButton(form, form, {10, 10, 60, 40});
  Show(form);
  const int live = LiveFadeTimers();
  btn->Change(kNewGrey, false, true);
  app().RunFor(30);
  btn->SetEnabled(false);
  app().RunFor(10);
  ASSERT_NE(btn->Timer, nullptr);
  EXPECT_FALSE(btn->Timer->Enabled());
  EXPECT_EQ(btn->Timer->StepCount, 0);
  app().RunFor(10);
  EXPECT_EQ(ScreenGrey(btn), kNewGrey);
  // It stays until the control ends it (the shutdown's command 16 does).
  EXPECT_EQ(LiveFadeTimers(), live + 1);
  SendSkinCommand(btn, SKC_STOP_FADING);
  EXPECT_EQ(LiveFadeTimers(), live);
}

TEST_F(FadeTest, ChangeOrFadeDecides) {
  struct Case {
    const char* name;
    bool animate, fadingEnabled, shutdown, withCache, stale;
    bool fades;
  } cases[] = {
      {"all allow", true, true, false, true, false, true},
      {"not animated", false, true, false, true, false, false},
      {"section does not fade", true, false, false, true, false, false},
      {"shutdown announced", true, true, true, true, false, false},
      {"no cache", true, true, false, false, false, false},
      {"cache stale", true, true, false, true, true, false},
  };
  for (const Case& c : cases) {
    TsSkinManager* m = StartSkin(10, c.fadingEnabled);
    ui::Form* f = NewForm({0, 0, 100, 60});
    auto* btn = new FadeButton(f, f, {10, 10, 60, 40}, c.withCache);
    if (c.withCache) Show(f);  // a painted button has its cache; skin commands need its window
    SetShutdownAnnounced(c.shutdown);
    btn->Look = kNewGrey;
    btn->SkinData.CacheStale = c.stale;
    ChangeOrFade(btn->Timer, btn->SkinData, false, c.animate);
    SetShutdownAnnounced(false);
    EXPECT_EQ(btn->Timer != nullptr, c.fades) << c.name;
    if (!c.fades && c.withCache) {  // the new look shows at once
      app().ProcessMessages();
      EXPECT_EQ(ScreenGrey(btn), kNewGrey) << c.name;
    }
    if (c.fades) {
      EXPECT_TRUE(btn->Timer->Enabled()) << c.name;
      EXPECT_EQ(btn->Timer->StepCount, 10) << c.name;
      EXPECT_EQ(btn->Timer->FromImage.PixelAt(0, 0) & 0xFF, kOldGrey) << c.name;
      EXPECT_EQ(btn->SkinData.CacheBitmap.PixelAt(0, 0) & 0xFF, kNewGrey) << c.name;
    }
    // A change that does not fade ends a running fade.
    ChangeOrFade(btn->Timer, btn->SkinData, true, false);
    EXPECT_EQ(btn->Timer, nullptr) << c.name;
    delete f;
    delete m;
  }
}

TEST_F(FadeTest, NoFadeWhileTheSkinChanges) {
  TsSkinManager* m = StartSkin(10);
  auto* btn = new FadeButton(form, form, {10, 10, 60, 40});
  Show(form);
  bool tried = false;
  btn->OnCommand = [&](int code) {
    if (code != SKC_SKIN_REFRESH || tried) return;
    tried = true;
    btn->Change(kNewGrey, false, true);
  };
  m->Repaint();  // skin command 3 comes while the skin-changing flag is up
  ASSERT_TRUE(tried);
  EXPECT_EQ(btn->Timer, nullptr);
}

TEST_F(FadeTest, StartWindowFadeRestartsARunningFadeFromStepOne) {
  StartSkin(20);
  auto* btn = new FadeButton(form, form, {10, 10, 60, 40});
  Show(form);
  btn->Change(kNewGrey, false, true);
  TsFadeTimer* first = btn->Timer;
  app().RunFor(50);
  EXPECT_EQ(first->StepIndex, 6);
  btn->Change(kOldGrey, true, true);
  EXPECT_EQ(btn->Timer, first);
  EXPECT_EQ(first->StepIndex, 1);
  EXPECT_EQ(first->StepCount, 10);
  EXPECT_EQ(first->FromImage.PixelAt(0, 0) & 0xFF, kNewGrey);
}

TEST_F(FadeTest, DestructionBetweenTicksOrInsideAStep) {
  StartSkin(20);
  const int live = LiveFadeTimers();
  {  // a tile freed between ticks
    auto* tile = new FadeTile(form, {10, 10, 50, 40});
    Show(form);
    tile->BeginFade(kNewGrey, false);
    app().RunFor(25);
    delete tile;
    app().RunFor(100);
    EXPECT_EQ(LiveFadeTimers(), live);
  }
  {  // a tile freed by user code reached through the step's command 18
    auto* tile = new FadeTile(form, {10, 10, 50, 40});
    Show(form);
    tile->BeginFade(kNewGrey, false);
    int steps = 0;
    tile->OnInvalidateCommand = [&] {
      if (++steps == 2) delete tile;
    };
    app().RunFor(100);
    EXPECT_EQ(LiveFadeTimers(), live);
  }
  {  // a button whose fade-frame handler frees its form
    auto* other = NewForm({0, 0, 200, 100});
    auto* btn = new FadeButton(other, other, {10, 10, 60, 40});
    Show(other);
    btn->Change(kNewGrey, false, true);
    btn->OnFadeFrame = [&] { delete other; };
    app().RunFor(100);
    EXPECT_EQ(LiveFadeTimers(), live);
  }
  {  // the form freed between ticks of a button fade
    auto* other = NewForm({0, 0, 200, 100});
    auto* btn = new FadeButton(other, other, {10, 10, 60, 40});
    Show(other);
    btn->Change(kNewGrey, false, true);
    app().RunFor(35);
    delete other;
    app().RunFor(100);
    EXPECT_EQ(LiveFadeTimers(), live);
  }
}

TEST_F(FadeTest, ShutdownEndsEveryFadeWithinTheBound) {
  StartSkin(20);
  auto* running = new FadeButton(form, form, {10, 10, 60, 40});
  auto* stopped = new FadeButton(form, form, {80, 10, 130, 40});
  auto* tile = new FadeTile(form, {150, 10, 190, 40});
  Show(form);
  const int live = LiveFadeTimers();
  running->Change(kNewGrey, false, true);
  stopped->Change(kNewGrey, false, true);
  tile->BeginFade(kNewGrey, false);
  app().RunFor(20);
  stopped->SetEnabled(false);
  app().RunFor(10);
  ASSERT_EQ(LiveFadeTimers(), live + 3);
  ShutdownScope shutdown;
  // The form frame's part: command 16 to every control, then a bounded wait.
  SendSkinCommand(stopped, SKC_STOP_FADING);
  for (int waited = 0; LiveFadeTimers() > live && waited < 1000; waited += 10) app().RunFor(10);
  EXPECT_EQ(LiveFadeTimers(), live);
  EXPECT_EQ(running->StopCommands, 1);  // its own tick ended it
  EXPECT_EQ(ScreenGrey(running), kNewGrey);
  EXPECT_EQ(tile->Timer, nullptr);  // animation timers step on to their end
}

}  // namespace
}  // namespace skin::test
