// Two small skinned controls that fade the way the skinned speed button and
// push button do, for the fade tests: a windowless tile on TsAnimTimer and a
// windowed button on TsFadeTimer. Each renders its cache in one grey level
// (`Look`) and notes what it shows. And the fixture: a manager with a skin
// whose section "FADEBTN" fades in a given number of steps.
#pragma once

#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

#include "platform/ui/WinControl.h"
#include "skin/controls/sAnimTimer.h"
#include "skin/controls/sCommonData.h"
#include "skin/controls/sFadeTimer.h"
#include "tests/skin/controls/ManagerFixture.h"

namespace skin::test {

inline constexpr std::uint8_t kOldGrey = 40;
inline constexpr std::uint8_t kNewGrey = 220;

// The grey a frame shows at weight a (from kOldGrey to kNewGrey).
inline int FrameGrey(int a) { return a == 0 ? kNewGrey : (kOldGrey * a + kNewGrey * (255 - a) + 127) >> 8; }

// The windowless tile: BeginFade/EndFade as the skinned speed button has them.
class FadeTile : public ui::Control {
 public:
  FadeTile(ui::WinControl* parent, const gfx::Rect& bounds);
  ~FadeTile() override;

  void RenderCache();
  // Starts a fade to `newLook` (hover: full length; press/release: half).
  void BeginFade(std::uint8_t newLook, bool halfSteps);
  void EndFade();

  TsCommonData SkinData;
  TsAnimTimer* Timer = nullptr;
  std::uint8_t Look = kOldGrey;
  // (virtual time, grey of the top-left pixel) of every paint.
  std::vector<std::pair<std::int64_t, int>> Shown;
  int StopCommands = 0;
  std::function<void()> OnPaint;
  // Replaces the answer to skin command 18 (user code reached from a step).
  std::function<void()> OnInvalidateCommand;

 protected:
  void Paint(gfx::Canvas& canvas) override;
  void WndProc(ui::Message& m) override;
};

// The windowed button: answers 16 with FinishWindowFade, 23 by rendering its
// cache, leaves 24 to the timer, and paints nothing while its fade runs.
class FadeButton : public ui::WinControl {
 public:
  FadeButton(ui::Component* owner, ui::WinControl* parent, const gfx::Rect& bounds, bool withCache = true);
  ~FadeButton() override;

  void RenderCache();
  // A state change to `newLook`, as the push button's handlers make it.
  void Change(std::uint8_t newLook, bool halfSteps, bool animate);

  TsCommonData SkinData;
  TsFadeTimer* Timer = nullptr;
  std::uint8_t Look = kOldGrey;
  int Renders = 0;
  int StopCommands = 0;
  std::function<void()> OnFadeFrame;
  // Sees every skin command first (code).
  std::function<void(int)> OnCommand;

 protected:
  void PaintWindow(gfx::Canvas& canvas) override;
  void WndProc(ui::Message& m) override;
};

class FadeTest : public ManagerTest {
 protected:
  // A manager with the fixture skin applied; `events` are its
  // AnimEffects.Buttons.Events.
  TsSkinManager* StartSkin(int iterations, bool fadingEnabled = true,
                           TacBtnEvents events = TacBtnEvents::All());
  // The grey of a screen pixel inside a control (client point 1,1).
  int ScreenGrey(ui::Control* c);

  ui::Form* form = NewForm({0, 0, 300, 200});
};

}  // namespace skin::test
