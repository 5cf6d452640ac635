#include "platform/ui/ScrollBarTracker.h"

#include <algorithm>

#include "platform/ui/ClassicLook.h"
#include "platform/ui/Screen.h"
#include "platform/ui/WinControl.h"

namespace ui {

gfx::Rect ScrollBarTracker::BarRect(bool vertical) const {
  gfx::Rect c = w_.ClientRectInWindow();
  if (vertical) {
    if (!(w_.Style() & WS_VSCROLL)) return {};
    int w = GetSystemMetrics(SM_CXVSCROLL);
    if (w_.ExStyle() & WS_EX_LEFTSCROLLBAR) return {c.Left - w, c.Top, c.Left, c.Bottom};
    return {c.Right, c.Top, c.Right + w, c.Bottom};
  }
  if (!(w_.Style() & WS_HSCROLL)) return {};
  return {c.Left, c.Bottom, c.Right, c.Bottom + GetSystemMetrics(SM_CYHSCROLL)};
}

ScrollInfo ScrollBarTracker::Info() const {
  ScrollInfo si;
  si.Mask = SIF_ALL;
  w_.GetScrollInfo(vertical_ ? SB_VERT : SB_HORZ, si);
  return si;
}

// The arrow or page part under a point, the thumb, or none.
int ScrollBarTracker::PartAt(gfx::Point p) const {
  gfx::Rect bar = BarRect(vertical_);
  ScrollInfo si = Info();
  int part = classic::ScrollBarPart(bar, vertical_, si, p);
  if (part != kNone) return part;
  gfx::Rect thumb = classic::ScrollThumb(bar, vertical_, si);
  return !thumb.IsEmpty() && thumb.Contains(p) ? kThumb : kNone;
}

void ScrollBarTracker::Send(int code, int pos) {
  w_.Perform(vertical_ ? WM_VSCROLL : WM_HSCROLL, static_cast<WPARAM>(MakeLong(code, std::min(pos, 0xFFFF))));
}

void ScrollBarTracker::RepaintBar() { w_.RedrawWindow(nullptr, RDW_INVALIDATE | RDW_FRAME); }

bool ScrollBarTracker::Press(int hit, gfx::Point screen) {
  if (Tracking() || !w_.Enabled()) return true;
  gfx::Rect wr = w_.WindowRect();
  vertical_ = hit == HTVSCROLL;
  pointer_ = {screen.X - wr.Left, screen.Y - wr.Top};
  int part = PartAt(pointer_);
  if (part == kNone) return true;
  pressPart_ = part;
  w_.SetMouseCapture(true);
  if (part == kThumb) {
    gfx::Rect thumb = classic::ScrollThumb(BarRect(vertical_), vertical_, Info());
    grab_ = vertical_ ? pointer_.Y - thumb.Top : pointer_.X - thumb.Left;
    lastPos_ = Info().Pos;
    return true;
  }
  shownPart_ = part;
  RepaintBar();
  Send(part, 0);
  if (Tracking()) w_.SetTimer(TIMER_SCROLL_DELAY, kDelayMs);
  return true;
}

// The position for the thumb's leading edge at `along` (window coordinate
// along the bar), given where the thumb was grabbed.
int ScrollBarTracker::DragPosition(int along) {
  gfx::Rect bar = BarRect(vertical_);
  ScrollInfo si = Info();
  gfx::Rect thumb = classic::ScrollThumb(bar, vertical_, si);
  int btn = vertical_ ? bar.Width() : bar.Height();
  int trackStart = (vertical_ ? bar.Top : bar.Left) + btn;
  int trackLen = (vertical_ ? bar.Height() : bar.Width()) - 2 * btn;
  int free = trackLen - (vertical_ ? thumb.Height() : thumb.Width());
  int span = (si.Max - si.Min + 1) - std::max(1, static_cast<int>(si.Page));
  if (thumb.IsEmpty() || free <= 0 || span <= 0) return lastPos_;
  int at = std::clamp(along - grab_, trackStart, trackStart + free);
  return si.Min + static_cast<int>((static_cast<long long>(at - trackStart) * span + free / 2) / free);
}

void ScrollBarTracker::MoveTo(gfx::Point p) {
  pointer_ = p;
  if (pressPart_ == kThumb) {
    int pos = DragPosition(vertical_ ? p.Y : p.X);
    if (pos == lastPos_) return;
    lastPos_ = pos;
    ScrollInfo si;
    si.Mask = SIF_TRACKPOS;
    si.TrackPos = pos;
    w_.SetScrollInfo(vertical_ ? SB_VERT : SB_HORZ, si, false);
    Send(SB_THUMBTRACK, pos);
    return;
  }
  int shown = PartAt(p) == pressPart_ ? pressPart_ : kNone;
  if (shown == shownPart_) return;
  shownPart_ = shown;
  RepaintBar();
}

void ScrollBarTracker::Repeat() {
  MoveTo(pointer_);
  if (shownPart_ != kNone) Send(shownPart_, 0);
}

void ScrollBarTracker::Release(gfx::Point p) {
  int part = pressPart_;
  int pos = 0;
  if (part == kThumb) {
    MoveTo(p);
    pos = lastPos_;
  }
  Reset();
  if (part == kThumb) Send(SB_THUMBPOSITION, pos);
  Send(SB_ENDSCROLL, 0);
}

// Back to idle: timers and capture go, the bar is drawn unpressed.
void ScrollBarTracker::Reset() {
  if (!Tracking()) return;
  bool shown = shownPart_ != kNone;
  pressPart_ = shownPart_ = kNone;
  w_.KillTimer(TIMER_SCROLL_DELAY);
  w_.KillTimer(TIMER_SCROLL_REPEAT);
  if (w_.MouseCapture()) w_.SetMouseCapture(false);
  if (shown) RepaintBar();
}

bool ScrollBarTracker::HandleMessage(Message& msg) {
  auto clientToWindow = [&] {
    gfx::Rect c = w_.ClientRectInWindow();
    return gfx::Point{GetXParam(msg.lParam) + c.Left, GetYParam(msg.lParam) + c.Top};
  };
  switch (msg.msg) {
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
      if (msg.wParam != static_cast<WPARAM>(HTVSCROLL) && msg.wParam != static_cast<WPARAM>(HTHSCROLL))
        return false;
      return Press(static_cast<int>(msg.wParam), {GetXParam(msg.lParam), GetYParam(msg.lParam)});
    case WM_MOUSEMOVE:
      if (!Tracking()) return false;
      MoveTo(clientToWindow());
      return true;
    case WM_LBUTTONUP:
      if (!Tracking()) return false;
      Release(clientToWindow());
      return true;
    case WM_TIMER:
      if (msg.wParam == TIMER_SCROLL_DELAY) {
        w_.KillTimer(TIMER_SCROLL_DELAY);
        if (Tracking()) w_.SetTimer(TIMER_SCROLL_REPEAT, kRepeatMs);
        return true;
      }
      if (msg.wParam == TIMER_SCROLL_REPEAT) {
        if (Tracking())
          Repeat();
        else
          w_.KillTimer(TIMER_SCROLL_REPEAT);
        return true;
      }
      return false;
    case WM_CAPTURECHANGED:
    case WM_CANCELMODE:
    case CM_CANCELMODE:
      // Losing the capture ends the press without a final position.
      if (Tracking() && !w_.MouseCapture()) {
        Reset();
        Send(SB_ENDSCROLL, 0);
      }
      return false;
    default: return false;
  }
}

void ScrollBarTracker::PaintPressed(gfx::Canvas& c) const {
  if (shownPart_ == kNone) return;
  gfx::Rect bar = BarRect(vertical_);
  if (bar.IsEmpty()) return;
  int btn = vertical_ ? bar.Width() : bar.Height();
  if (shownPart_ == SB_LINEUP || shownPart_ == SB_LINEDOWN) {
    bool first = shownPart_ == SB_LINEUP;
    gfx::Rect a = vertical_ ? (first ? gfx::Rect{bar.Left, bar.Top, bar.Right, bar.Top + btn}
                                     : gfx::Rect{bar.Left, bar.Bottom - btn, bar.Right, bar.Bottom})
                            : (first ? gfx::Rect{bar.Left, bar.Top, bar.Left + btn, bar.Bottom}
                                     : gfx::Rect{bar.Right - btn, bar.Top, bar.Right, bar.Bottom});
    classic::DrawButtonFace(c, a, true);
    classic::Glyph g = vertical_ ? (first ? classic::Glyph::ArrowUp : classic::Glyph::ArrowDown)
                                 : (first ? classic::Glyph::ArrowLeft : classic::Glyph::ArrowRight);
    classic::DrawGlyph(c, a.Offset(1, 1), g, gfx::clBtnText);
    return;
  }
  // A held page part shows dark between its arrow and the thumb.
  gfx::Rect thumb = classic::ScrollThumb(bar, vertical_, Info());
  if (thumb.IsEmpty()) return;
  gfx::Rect r = bar;
  if (vertical_) {
    r = shownPart_ == SB_PAGEUP ? gfx::Rect{bar.Left, bar.Top + btn, bar.Right, thumb.Top}
                                : gfx::Rect{bar.Left, thumb.Bottom, bar.Right, bar.Bottom - btn};
  } else {
    r = shownPart_ == SB_PAGEUP ? gfx::Rect{bar.Left + btn, bar.Top, thumb.Left, bar.Bottom}
                                : gfx::Rect{thumb.Right, bar.Top, bar.Right - btn, bar.Bottom};
  }
  c.FillRect(r, gfx::ColorToRGB(gfx::cl3DDkShadow));
}

}  // namespace ui
