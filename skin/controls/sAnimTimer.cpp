#include "skin/controls/sAnimTimer.h"

#include "platform/ui/Application.h"
#include "platform/ui/Control.h"
#include "skin/controls/FadeFrame.h"
#include "skin/controls/sCommonData.h"
#include "skin/controls/sFade.h"
#include "skin/controls/sSkinCommands.h"
#include "skin/data/sMaskData.h"

namespace skin {
namespace {

using fade_detail::AppTerminating;
using fade_detail::ControlGone;
using fade_detail::kFadeInterval;

}  // namespace

TsAnimTimer::TsAnimTimer() : ui::Timer(nullptr) {
  SetEnabled(false);
  // The platform timer runs only with a handler; the work is in DoTimer.
  SetOnTimer([](ui::Component*) {});
  fade_detail::TimerCreated();
}

TsAnimTimer::~TsAnimTimer() {
  BeginDestruction();
  fade_detail::TimerDestroyed();
}

void TsAnimTimer::Attach(TsCommonData& binding) {
  Binding = &binding;
  SetInterval(kFadeInterval);
  const TsGeneralData* s = binding.Section();
  StepCount = s ? s->FadingIterations : 0;
}

void TsAnimTimer::Step() {
  if (InStep || ControlGone(Binding) || StepCount == 0 || StepIndex < 0) {
    ++StepIndex;
    return;
  }
  InStep = true;
  ComposeFadeFrame(FrameImage, FromImage, Binding->CacheBitmap, FadeAlpha(StepIndex, StepCount));
  const auto life = Life();
  // Advances the step also when a command handler throws, unless the timer
  // went away meanwhile.
  struct Advance {
    TsAnimTimer& t;
    const std::weak_ptr<void>& life;
    ~Advance() {
      if (life.expired()) return;
      ++t.StepIndex;
      t.InStep = false;
    }
  } advance{*this, life};
  ui::Control* control = Binding->OwnerControl;
  SendSkinCommand(control, SKC_SET_UPDATING, 0, 0);
  if (life.expired()) return;
  SendSkinCommand(control, SKC_INVALIDATE);
}

bool TsAnimTimer::Finished() {
  if (Destroying() || ControlGone(Binding) || AppTerminating()) return true;
  if (StepIndex >= 0 && StepIndex <= StepCount) return false;
  SendSkinCommand(Binding->OwnerControl, SKC_STOP_FADING);
  return true;
}

void TsAnimTimer::DoTimer() {
  if (Destroying()) return;
  const auto life = Life();
  const bool finished = Finished();
  if (finished || life.expired()) return;
  Step();
}

}  // namespace skin
