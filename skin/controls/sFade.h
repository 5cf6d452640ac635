// Hover and press cross-fades: which state changes fade (`AnimatEvents`
// against the skin manager's `AnimEffects.Buttons.Events`) and the
// process-wide fade state (the count of live fade timers and the shutdown
// flag). The timers are in sAnimTimer.h (windowless controls) and
// sFadeTimer.h (windowed controls); the frame arithmetic in FadeFrame.h.
#pragma once

#include <cstdint>
#include <initializer_list>

#include "skin/controls/sAnimEffects.h"

namespace skin {

class TsCommonData;

// A control state change that may cross-fade; aeGlobalDef defers to the
// default skin manager.
enum class TacAnimatEvent : std::uint8_t { aeMouseEnter, aeMouseLeave, aeMouseDown, aeMouseUp, aeGlobalDef };

// A set of TacAnimatEvent (a control's `AnimatEvents`; default [aeGlobalDef]).
class TacAnimatEvents {
 public:
  constexpr TacAnimatEvents() = default;
  constexpr TacAnimatEvents(std::initializer_list<TacAnimatEvent> events) {
    for (TacAnimatEvent e : events) Include(e);
  }
  constexpr bool Contains(TacAnimatEvent e) const { return (bits_ & Bit(e)) != 0; }
  constexpr bool Empty() const { return bits_ == 0; }
  constexpr void Include(TacAnimatEvent e) { bits_ = static_cast<std::uint8_t>(bits_ | Bit(e)); }
  constexpr void Exclude(TacAnimatEvent e) { bits_ = static_cast<std::uint8_t>(bits_ & ~Bit(e)); }
  friend constexpr bool operator==(TacAnimatEvents, TacAnimatEvents) = default;

 private:
  static constexpr std::uint8_t Bit(TacAnimatEvent e) {
    return static_cast<std::uint8_t>(1u << static_cast<unsigned>(e));
  }
  std::uint8_t bits_ = 0;
};

inline constexpr TacAnimatEvents kDefaultAnimatEvents{TacAnimatEvent::aeGlobalDef};

// True when `event` is in `events`; otherwise, when aeGlobalDef is, whether
// the default skin manager's AnimEffects.Buttons.Events holds the matching
// event (no manager: false).
bool ShouldAnimate(TacAnimatEvent event, TacAnimatEvents events);

// --- process-wide fade state (user-interface thread only) -----------------

// The fade timers of both kinds that exist now.
int LiveFadeTimers();
// Set by the form frame when the system asks whether it may shut down or
// log off: no fade starts, window fades end at their next tick.
bool ShutdownAnnounced();
void SetShutdownAnnounced(bool on);

namespace fade_detail {
// Kept by the timers' constructors and destructors.
void TimerCreated();
void TimerDestroyed();
// Both fade timers tick every 10 ms.
constexpr unsigned kFadeInterval = 10;
// True when the binding's control is gone or being destroyed.
bool ControlGone(const TsCommonData* b);
// True when the application is ending (or no longer exists).
bool AppTerminating();
}  // namespace fade_detail

}  // namespace skin
