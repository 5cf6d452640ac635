// The one process-wide record of the skinned scroll bar under the pointer or
// pressed: only one bar can be hovered or pressed at a time. The adapter of
// ActiveWindow resets it when it lets its window go, so it never names a
// window that is gone.
#pragma once

#include <cstdint>

#include "platform/gfx/Geometry.h"

namespace ui {
class WinControl;
}

namespace skin {

struct TacScrollTracking {
  ui::WinControl* ActiveWindow = nullptr;  // the window whose bar is hovered or pressed
  int HoverBar = -1;                       // BarKind under the pointer
  int HoverZone = -1;
  int LastHoverZone = -1;
  gfx::Rect HoverRect;  // screen rectangle of the hovered bar
  int PressBar = -1;
  int PressZone = -1;
  int PressedShown = -1;            // the pressed zone while the pointer is over it
  std::uint32_t ScrollMessage = 0;  // WM_HSCROLL or WM_VSCROLL of the pressed bar
  int DragThumbLength = 0;
  int DragThumbStart = 0;
  gfx::Rect DragBarRect;  // screen rectangle of the dragged bar
  int DragGrab = 0;       // pointer offset into the thumb at the press
  int LastTrackPos = 0;

  void ResetHover() {
    HoverBar = HoverZone = LastHoverZone = -1;
    HoverRect = {};
  }
  void ResetPress() {
    PressBar = PressZone = PressedShown = -1;
    ScrollMessage = 0;
  }
};

TacScrollTracking& ScrollTracking();

}  // namespace skin
