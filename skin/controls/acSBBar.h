// One skinned scroll bar of an adapted window: whether the window's style
// has it, whether room is reserved for it, its scroll information and sizes.
// Zones of a bar, which are also the scroll codes a press sends.
#pragma once

#include <cstdint>

#include "platform/ui/Messages.h"

namespace skin {

class TacScrollWnd;
class TsSkinModel;

inline constexpr int kZoneNone = -1;
inline constexpr int kZoneFirstArrow = 0;   // SB_LINEUP / SB_LINELEFT
inline constexpr int kZoneSecondArrow = 1;  // SB_LINEDOWN / SB_LINERIGHT
inline constexpr int kZoneTrackBefore = 2;  // SB_PAGEUP
inline constexpr int kZoneTrackAfter = 3;   // SB_PAGEDOWN
inline constexpr int kZoneThumb = 5;        // SB_THUMBTRACK

inline constexpr std::uint16_t kScrollFlagPresent = 8;

struct TacScrollBar {
  std::uint16_t ScrollFlags = 0;  // kScrollFlagPresent when the style has the bar
  bool Shown = false;             // room reserved and drawn
  ui::ScrollInfo Info;
  // >= 0: pixels; < 0: -value times the base length.
  std::int32_t ArrowLength = -1;
  std::int32_t Thickness = -1;
  std::int32_t StartInset = 0, EndInset = 0;
  bool StartInsetOn = false, EndInsetOn = false;
  std::uint16_t BarKind = ui::SB_HORZ;  // SB_HORZ or SB_VERT
  std::int32_t MinThumb = 10;
  TacScrollWnd* Owner = nullptr;

  bool Vertical() const { return BarKind == ui::SB_VERT; }
};

// The bar's thickness: Thickness, or its multiple of the system's bar width
// (vertical) or height (horizontal).
int ThicknessOf(const TacScrollBar& bar);
// The arrow button's length. The base is the system's arrow width; with
// `skinSized`, a skin whose "SCROLLBTNLEFT" has ReservedBoolean and a border
// mask can make it longer (the cell of the arrow's mask). `model` may be null.
int ArrowLengthOf(const TacScrollBar& bar, const TsSkinModel* model, bool skinSized);

}  // namespace skin
