#include "tests/skin/controls/FadeControls.h"

#include "platform/ui/Application.h"
#include "skin/controls/sSkinCommands.h"

namespace skin::test {

// --- FadeTile ------------------------------------------------------------------------

FadeTile::FadeTile(ui::WinControl* parent, const gfx::Rect& bounds)
    : ui::Control(parent), SkinData(this, true, 92) {
  SetControlStyle(ControlStyle() | ui::csOpaque);
  SetBoundsRect(bounds);
  SetParent(parent);
  SkinData.SetSkinSection("FADEBTN");
  SkinData.Loaded();
}

FadeTile::~FadeTile() {
  BeginDestruction();
  EndFade();
}

void FadeTile::RenderCache() {
  gfx::Bitmap& c = SkinData.EnsureCache();
  c.FillBytes(Look);
  SkinData.CacheStale = false;
}

void FadeTile::BeginFade(std::uint8_t newLook, bool halfSteps) {
  std::int32_t remaining = 1;
  if (Timer) {
    remaining = Timer->StepCount - Timer->StepIndex;
    delete Timer;
    Timer = nullptr;
  }
  Timer = new TsAnimTimer();
  Timer->Attach(SkinData);
  if (halfSteps) Timer->StepCount /= 2;
  Timer->StepIndex = remaining;
  if (SkinData.CacheStale) RenderCache();
  Timer->FromImage = SkinData.CacheBitmap;
  Look = newLook;
  RenderCache();
  Timer->SetEnabled(true);
  Timer->Step();
}

void FadeTile::EndFade() {
  if (!Timer) return;
  TsAnimTimer* t = Timer;
  Timer = nullptr;
  if (!t->Destroying()) {
    t->SetEnabled(false);
    if (t->StepIndex != 0 && !Destroying()) {
      SkinData.CacheStale = true;
      Repaint();
    }
  }
  delete t;
}

void FadeTile::Paint(gfx::Canvas& canvas) {
  if (SkinData.CacheStale) RenderCache();
  const bool fading = Timer && Timer->Enabled() && !Timer->FrameImage.Empty();
  const gfx::Bitmap& b = fading ? Timer->FrameImage : SkinData.CacheBitmap;
  canvas.DrawBitmap(0, 0, b);
  Shown.emplace_back(ui::App().NowMs(), static_cast<int>(b.PixelAt(0, 0) & 0xFF));
  if (OnPaint) OnPaint();
}

void FadeTile::WndProc(ui::Message& m) {
  switch (SkinCommandOf(m)) {
    case SKC_STOP_FADING:
      ++StopCommands;
      EndFade();
      return;
    case SKC_SET_UPDATING: SkinData.ParentUpdating = ui::LoWord(m.wParam) == 1; return;
    case SKC_INVALIDATE:
      // The handler may free the tile: nothing here touches it afterwards.
      if (OnInvalidateCommand) {
        OnInvalidateCommand();
        return;
      }
      SkinData.ParentUpdating = false;
      SkinData.CacheStale = true;
      Repaint();
      return;
    default: break;
  }
  if (SkinData.HandleMessage(m)) return;
  ui::Control::WndProc(m);
}

// --- FadeButton ----------------------------------------------------------------------

FadeButton::FadeButton(ui::Component* owner, ui::WinControl* parent, const gfx::Rect& bounds, bool withCache)
    : ui::WinControl(owner), SkinData(this, withCache, 93) {
  SetControlStyle(ControlStyle() | ui::csOpaque);
  SetBoundsRect(bounds);
  SetParent(parent);
  SkinData.SetSkinSection("FADEBTN");
  SkinData.Loaded();
}

FadeButton::~FadeButton() {
  BeginDestruction();
  StopWindowFade(Timer);
}

void FadeButton::RenderCache() {
  ++Renders;
  gfx::Bitmap& c = SkinData.EnsureCache();
  c.FillBytes(Look);
  SkinData.CacheStale = false;
}

void FadeButton::Change(std::uint8_t newLook, bool halfSteps, bool animate) {
  SkinData.CacheStale = false;
  Look = newLook;
  ChangeOrFade(Timer, SkinData, halfSteps, animate);
}

void FadeButton::PaintWindow(gfx::Canvas& canvas) {
  if (Timer && Timer->Enabled()) return;  // the fade draws its own frames
  if (SkinData.CacheStale || SkinData.CacheBitmap.GetSize() != gfx::Size{Width(), Height()}) RenderCache();
  canvas.DrawBitmap(0, 0, SkinData.CacheBitmap);
}

void FadeButton::WndProc(ui::Message& m) {
  if (OnCommand && SkinCommandOf(m) != 0) OnCommand(SkinCommandOf(m));
  switch (SkinCommandOf(m)) {
    case SKC_STOP_FADING:
      ++StopCommands;
      FinishWindowFade(Timer, SkinData);
      return;
    case SKC_REPAINT_CACHE: RenderCache(); break;
    case SKC_FADE_FRAME:
      // Answer 0: the timer draws the frame. The handler may free the
      // button, so nothing here touches it afterwards.
      if (OnFadeFrame) {
        OnFadeFrame();
        return;
      }
      break;
    default: break;
  }
  if (SkinData.HandleMessage(m)) return;
  ui::WinControl::WndProc(m);
}

// --- fixture --------------------------------------------------------------------------

TsSkinManager* FadeTest::StartSkin(int iterations, bool fadingEnabled, TacBtnEvents events) {
  fixture::FixtureSkin s(20, 20);
  s.Set("GLOBALINFO", "VERSION", "6.69");
  s.Set("FADEBTN", "COLOR", gfx::RGB(kOldGrey, kOldGrey, kOldGrey));
  s.Set("FADEBTN", "FADINGENABLED", fadingEnabled ? "TRUE" : "FALSE");
  s.Set("FADEBTN", "FADINGITERATIONS", iterations);
  TsSkinManager* m = NewManager();
  m->AnimEffects().Buttons.Events = events;
  m->InternalSkins().push_back(s.Stored("Skin"));
  m->SetSkinName("Skin");
  m->SetActive(true);
  return m;
}

int FadeTest::ScreenGrey(ui::Control* c) { return static_cast<int>(Pixel(ClientPoint(c, 1, 1)) & 0xFF); }

}  // namespace skin::test
