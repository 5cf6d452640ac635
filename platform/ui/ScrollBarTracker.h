// Mouse presses on the plain scroll bars of a window (WS_VSCROLL /
// WS_HSCROLL in its non-client area). An arrow or page press scrolls once,
// then, while the button stays down, the delay timer (TIMER_SCROLL_DELAY,
// once after 300 ms) hands over to the repeat timer (TIMER_SCROLL_REPEAT,
// every 55 ms) whose ticks scroll again as long as the pointer is over the
// pressed part, so a page press stops once the thumb reaches the pointer.
// Dragging the thumb sends track positions while moving and the final
// position on release. Release sends end scroll (8). Every windowed control
// has one: its default handling of the non-client click starts the press,
// and while the press lasts the window holds the mouse capture and hands its
// messages to HandleMessage first.
#pragma once

#include "platform/gfx/Canvas.h"
#include "platform/ui/Messages.h"

namespace ui {

class WinControl;

class ScrollBarTracker {
 public:
  static constexpr unsigned kDelayMs = 300;
  static constexpr unsigned kRepeatMs = 55;

  explicit ScrollBarTracker(WinControl& window) : w_(window) {}
  ScrollBarTracker(const ScrollBarTracker&) = delete;
  ScrollBarTracker& operator=(const ScrollBarTracker&) = delete;

  // Handles the bar presses, the pointer while pressed and the two timers;
  // true when the message was consumed.
  bool HandleMessage(Message& msg);
  // A bar's rectangle in window coordinates (empty without that bar).
  gfx::Rect BarRect(bool vertical) const;
  // The part of a bar drawn pressed (SB_LINEUP .. SB_PAGEDOWN), or -1.
  int PressedPart(bool vertical) const { return vertical == vertical_ ? shownPart_ : -1; }
  bool Tracking() const { return pressPart_ != kNone; }
  // Draws the pressed part over the plain bar (window coordinates).
  void PaintPressed(gfx::Canvas& windowCanvas) const;

 private:
  static constexpr int kNone = -1;
  static constexpr int kThumb = SB_THUMBTRACK;

  ScrollInfo Info() const;
  int PartAt(gfx::Point window) const;
  bool Press(int hit, gfx::Point screen);
  void MoveTo(gfx::Point window);
  void Repeat();
  void Release(gfx::Point window);
  void Reset();
  void Send(int code, int pos);
  int DragPosition(int along);
  void RepaintBar();

  WinControl& w_;
  bool vertical_ = true;
  int pressPart_ = kNone;  // the part pressed: SB_LINEUP .. SB_PAGEDOWN, or the thumb
  int shownPart_ = kNone;  // the pressed part while the pointer is over it
  gfx::Point pointer_;     // the pointer in window coordinates
  int grab_ = 0;           // pointer offset into the thumb when a drag began
  int lastPos_ = 0;        // the last position a drag sent
};

}  // namespace ui
