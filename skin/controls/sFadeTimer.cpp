#include "skin/controls/sFadeTimer.h"

#include <exception>

#include "platform/gfx/Canvas.h"
#include "platform/ui/Application.h"
#include "platform/ui/WinControl.h"
#include "skin/controls/FadeFrame.h"
#include "skin/controls/sCommonData.h"
#include "skin/controls/sFade.h"
#include "skin/controls/sSkinCommands.h"
#include "skin/controls/sSkinManager.h"
#include "skin/data/sMaskData.h"

namespace skin {
namespace {

using fade_detail::AppTerminating;
using fade_detail::ControlGone;
using fade_detail::kFadeInterval;

}  // namespace

TsFadeTimer::TsFadeTimer(ui::Component* owner) : ui::Timer(owner) {
  SetMode(0);
  // The platform timer runs only with a handler; the work is in DoTimer.
  SetOnTimer([](ui::Component*) {});
  fade_detail::TimerCreated();
}

TsFadeTimer::~TsFadeTimer() {
  BeginDestruction();
  fade_detail::TimerDestroyed();
}

void TsFadeTimer::SetMode(std::uint8_t m) {
  FadeMode = m;
  if (StepIndex < 0) StepIndex = 1;
  SetEnabled(m != 0);
}

void TsFadeTimer::Step() {
  if (ControlGone(Binding) || StepCount == 0 || ShutdownAnnounced()) return;
  ui::Control* control = Binding->OwnerControl;
  if (!control->Enabled()) {
    // The control repaints normally; the fade is over for good.
    SetEnabled(false);
    StepCount = 0;
    Binding->Invalidate();
    return;
  }
  gfx::Bitmap frame;
  ComposeFadeFrame(frame, FromImage, Binding->CacheBitmap, FadeAlpha(StepIndex, StepCount));
  const auto life = Life();
  // Advances the step also when the control's handler throws, unless the
  // timer went away meanwhile.
  struct Advance {
    TsFadeTimer& t;
    const std::weak_ptr<void>& life;
    ~Advance() {
      if (!life.expired()) ++t.StepIndex;
    }
  } advance{*this, life};
  const ui::LRESULT drawn = SendSkinCommand(control, SKC_FADE_FRAME, reinterpret_cast<ui::LPARAM>(&frame));
  if (life.expired() || drawn != 0 || frame.Empty()) return;
  auto* window = dynamic_cast<ui::WinControl*>(control);
  if (!window || !window->HandleAllocated()) return;
  if (auto canvas = window->GetSurface(ui::SurfaceArea::Window)) {
    gfx::Canvas::StateGuard keep(*canvas);
    canvas->DrawBitmap(0, 0, frame);
  }
}

bool TsFadeTimer::Finished() {
  if (ControlGone(Binding) || AppTerminating()) {
    // No more steps; a stopped timer does not tick on either.
    FadeMode = 0;
    SetEnabled(false);
    return false;
  }
  if (StepIndex >= 0 && StepIndex <= StepCount) return false;
  try {
    SendSkinCommand(Binding->OwnerControl, SKC_STOP_FADING);
  } catch (const std::exception&) {
    return false;
  }
  return true;
}

void TsFadeTimer::DoTimer() {
  if (!Binding || Destroying()) return;
  const auto life = Life();
  if (ShutdownAnnounced()) {
    // Window fades make no more steps now: end this one, so the count of
    // live timers the shutdown waits for goes down.
    FadeMode = 0;
    SetEnabled(false);
    if (!ControlGone(Binding)) SendSkinCommand(Binding->OwnerControl, SKC_STOP_FADING);
    return;
  }
  const bool finished = Finished();
  if (finished || life.expired()) return;
  if (FadeMode != 0) Step();
}

void StartWindowFade(TsFadeTimer*& timer, TsCommonData& binding, bool halfSteps) {
  const TsGeneralData* section = binding.Section();
  ui::Control* control = binding.OwnerControl;
  if (!section || !section->FadingEnabled || !control) return;
  const std::int32_t steps = halfSteps ? section->FadingIterations / 2 : section->FadingIterations;
  if (!timer) timer = new TsFadeTimer(control);
  TsFadeTimer* t = timer;
  const auto life = t->Life();
  t->Binding = &binding;
  if (binding.CacheStale && binding.CacheBitmap.Empty()) {
    SendSkinCommand(control, SKC_REPAINT_CACHE);
    if (life.expired()) return;
  }
  try {
    t->FromImage = binding.CacheBitmap;
  } catch (const std::exception&) {
    t->FromImage = gfx::Bitmap();  // the frames show nothing; the end repaints
  }
  t->SetInterval(kFadeInterval);
  t->StepCount = steps;
  t->StepIndex = 1;
  SendSkinCommand(control, SKC_REPAINT_CACHE);  // the cache now holds the new look
  if (life.expired()) return;
  t->SetMode(1);
}

void StopWindowFade(TsFadeTimer*& timer) {
  TsFadeTimer* t = timer;
  if (!t) return;
  timer = nullptr;
  if (t->Destroying()) return;
  t->SetEnabled(false);
  t->SetMode(0);
  delete t;
}

void FinishWindowFade(TsFadeTimer*& timer, TsCommonData& binding) {
  const bool running = timer != nullptr;
  StopWindowFade(timer);
  ui::Control* control = binding.OwnerControl;
  if (running && control && !control->Destroying()) control->Invalidate();
}

void ChangeOrFade(TsFadeTimer*& timer, TsCommonData& binding, bool halfSteps, bool animate) {
  if (!binding.IsSkinned()) return;
  const TsGeneralData* section = binding.Section();
  const bool fade = animate && !TsSkinManager::SkinChanging() && section && section->FadingEnabled &&
                    !ShutdownAnnounced() && binding.HasCache() && !binding.CacheStale;
  binding.CacheStale = true;
  if (fade) {
    StartWindowFade(timer, binding, halfSteps);
  } else {
    if (timer) StopWindowFade(timer);
    if (ui::Control* control = binding.OwnerControl; control && !control->Destroying()) control->Repaint();
  }
  binding.UpdateGlow(halfSteps);
}

}  // namespace skin
