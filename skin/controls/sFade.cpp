#include "skin/controls/sFade.h"

#include "platform/ui/Application.h"
#include "skin/controls/sCommonData.h"
#include "skin/controls/sSkinManager.h"

namespace skin {
namespace {

// The process-wide fade state the system defines; touched only on the
// user-interface thread.
struct FadeState {
  int liveTimers = 0;
  bool shutdown = false;
};

FadeState& State() {
  static FadeState state;
  return state;
}

TacBtnEvent ButtonEventOf(TacAnimatEvent e) {
  switch (e) {
    case TacAnimatEvent::aeMouseEnter: return TacBtnEvent::beMouseEnter;
    case TacAnimatEvent::aeMouseLeave: return TacBtnEvent::beMouseLeave;
    case TacAnimatEvent::aeMouseDown: return TacBtnEvent::beMouseDown;
    default: return TacBtnEvent::beMouseUp;
  }
}

}  // namespace

bool ShouldAnimate(TacAnimatEvent event, TacAnimatEvents events) {
  if (events.Contains(event)) return true;
  if (!events.Contains(TacAnimatEvent::aeGlobalDef) || event == TacAnimatEvent::aeGlobalDef) return false;
  const TsSkinManager* m = TsSkinManager::DefaultManager();
  return m && m->AnimEffects().Buttons.Events.Contains(ButtonEventOf(event));
}

int LiveFadeTimers() { return State().liveTimers; }
bool ShutdownAnnounced() { return State().shutdown; }
void SetShutdownAnnounced(bool on) { State().shutdown = on; }

namespace fade_detail {
void TimerCreated() { ++State().liveTimers; }
void TimerDestroyed() { --State().liveTimers; }

bool ControlGone(const TsCommonData* b) { return !b || !b->OwnerControl || b->OwnerControl->Destroying(); }

bool AppTerminating() {
  return !ui::Application::Exists() || ui::App().Terminated() || ui::App().Terminating();
}
}  // namespace fade_detail

}  // namespace skin
