// The animation settings of the skin manager (`AnimEffects`): which control
// state changes cross-fade, and how forms and skin changes are animated.
#pragma once

#include <cstdint>
#include <initializer_list>

namespace skin {

// A control state change that may animate.
enum class TacBtnEvent : std::uint8_t { beMouseEnter, beMouseLeave, beMouseDown, beMouseUp };

// A set of TacBtnEvent.
class TacBtnEvents {
 public:
  constexpr TacBtnEvents() = default;
  constexpr TacBtnEvents(std::initializer_list<TacBtnEvent> events) {
    for (TacBtnEvent e : events) Include(e);
  }
  static constexpr TacBtnEvents All() {
    return {TacBtnEvent::beMouseEnter, TacBtnEvent::beMouseLeave, TacBtnEvent::beMouseDown,
            TacBtnEvent::beMouseUp};
  }
  constexpr bool Contains(TacBtnEvent e) const { return (bits_ & Bit(e)) != 0; }
  constexpr bool Empty() const { return bits_ == 0; }
  constexpr void Include(TacBtnEvent e) { bits_ = static_cast<std::uint8_t>(bits_ | Bit(e)); }
  constexpr void Exclude(TacBtnEvent e) { bits_ = static_cast<std::uint8_t>(bits_ & ~Bit(e)); }
  friend constexpr bool operator==(TacBtnEvents, TacBtnEvents) = default;

 private:
  static constexpr std::uint8_t Bit(TacBtnEvent e) {
    return static_cast<std::uint8_t>(1u << static_cast<unsigned>(e));
  }
  std::uint8_t bits_ = 0;
};

struct TacBtnEffects {
  TacBtnEvents Events = TacBtnEvents::All();
};

enum class TacAnimType : std::uint8_t { atFading, atAero };

// One form animation: whether it runs, its time in ms (0 = the default time)
// and its kind.
struct TacFormAnimation {
  bool Active = true;
  int Time = 0;
  TacAnimType Mode = TacAnimType::atAero;
};

struct TacAnimEffects {
  TacBtnEffects Buttons;
  TacFormAnimation DialogShow;
  TacFormAnimation FormShow;
  TacFormAnimation FormHide;
  TacFormAnimation DialogHide;
  TacFormAnimation PageChange;
  TacFormAnimation SkinChanging{true, 100, TacAnimType::atFading};
};

}  // namespace skin
