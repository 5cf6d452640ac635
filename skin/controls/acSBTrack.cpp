// TacScrollWnd: hover, presses with their repeat, thumb dragging, release
// and the scroll messages. Every way a press ends (release, lost capture,
// hidden or unhooked window) stops both repeat timers and sends one end
// scroll, so no timer or capture is ever left behind.
#include <algorithm>

#include "platform/ui/Application.h"
#include "platform/ui/Screen.h"
#include "platform/ui/WinControl.h"
#include "skin/controls/acSBTracking.h"
#include "skin/controls/acSBUtils.h"
#include "skin/controls/sCommonData.h"
#include "skin/controls/sSkinCommands.h"

namespace skin {

namespace {

constexpr unsigned kHoverMs = 20;
constexpr unsigned kDelayMs = 300;
constexpr unsigned kRepeatMs = 55;

bool RepeatingZone(int zone) { return zone >= kZoneFirstArrow && zone <= kZoneTrackAfter; }

}  // namespace

bool TacScrollWnd::Pressing() const { return ScrollTracking().PressZone != kZoneNone; }

void TacScrollWnd::RepaintBar(int kind, int pressed) {
  if (!Window->IsWindowVisible()) return;
  TacScrollBar& bar = BarOf(kind);
  if (!bar.Shown) return;
  if (auto dc = Window->GetSurface(ui::SurfaceArea::Window)) {
    const BarRects r = BarsInWindow();
    PaintScrollBar(bar, *dc, -1, pressed, kind == ui::SB_VERT ? r.Vert : r.Horz);
  }
}

// --- hover --------------------------------------------------------------------

void TacScrollWnd::Hover(int hitCode) {
  TacScrollTracking& t = ScrollTracking();
  if (t.ActiveWindow != Window) {
    // Another window's hover ends here: its timer must not keep the record.
    if (t.ActiveWindow && t.HoverBar != -1) t.ActiveWindow->KillTimer(ui::TIMER_SCROLL_HOVER);
    t.ResetHover();
    t.ActiveWindow = Window;
  }
  if (hitCode != ui::HTHSCROLL && hitCode != ui::HTVSCROLL) return;
  const int kind = hitCode == ui::HTVSCROLL ? ui::SB_VERT : ui::SB_HORZ;
  if (kind == t.HoverBar) return;
  t.HoverZone = t.LastHoverZone = kZoneNone;
  t.HoverRect = BarOnScreen(kind);
  t.HoverBar = kind;
  Window->SetTimer(ui::TIMER_SCROLL_HOVER, kHoverMs);
  PaintBars(nullptr, -1);
}

void TacScrollWnd::HoverTick() {
  TacScrollTracking& t = ScrollTracking();
  if (t.ActiveWindow != Window || t.HoverBar == -1) {
    Window->KillTimer(ui::TIMER_SCROLL_HOVER);
    return;
  }
  if (ThumbTracking) return;
  const gfx::Point cursor = ui::App().Screen().CursorPos();
  if (!Window->IsWindowVisible() || !t.HoverRect.Contains(cursor)) {
    EndHover();
    return;
  }
  TacScrollBar& bar = BarOf(t.HoverBar);
  t.HoverZone = HitZone(bar, ArrowLengthOf(bar, Binding->Model(), false), t.HoverRect, cursor);
  if (t.HoverZone != t.LastHoverZone) {
    t.LastHoverZone = t.HoverZone;
    RepaintBar(t.HoverBar, t.PressBar == t.HoverBar ? t.PressedShown : -1);
  }
}

void TacScrollWnd::EndHover() {
  Window->KillTimer(ui::TIMER_SCROLL_HOVER);
  TacScrollTracking& t = ScrollTracking();
  if (t.ActiveWindow != Window || t.HoverBar == -1) return;
  t.ResetHover();
  PaintBars(nullptr, -1);
}

// --- presses ------------------------------------------------------------------

void TacScrollWnd::Press(int hitCode, gfx::Point screen) {
  const int kind = hitCode == ui::HTVSCROLL ? ui::SB_VERT : ui::SB_HORZ;
  TacScrollBar& bar = BarOf(kind);
  // A bar that is not there or not enabled takes no press.
  if (!bar.Shown || !BarEnabled(bar)) return;
  TacScrollTracking& t = ScrollTracking();
  if (t.ActiveWindow != Window) {
    if (t.ActiveWindow && t.HoverBar != -1) t.ActiveWindow->KillTimer(ui::TIMER_SCROLL_HOVER);
    t.ResetHover();
    t.ActiveWindow = Window;
  }
  bar.Info.Mask = ui::SIF_ALL;
  Window->GetScrollInfo(kind, bar.Info);
  const gfx::Rect r = BarOnScreen(kind);
  const int a = ArrowLengthOf(bar, Binding->Model(), false);
  t.ScrollMessage = kind == ui::SB_VERT ? ui::WM_VSCROLL : ui::WM_HSCROLL;
  t.PressBar = kind;
  t.PressZone = HitZone(bar, a, r, screen);
  if (RepeatingZone(t.PressZone)) {
    t.PressedShown = t.PressZone;
    RepaintBar(kind, t.PressZone);
    SendScroll(t.ScrollMessage, t.PressZone, 0);
    if (Unhooked) return;
    Window->SetTimer(ui::TIMER_SCROLL_DELAY, kDelayMs);
  } else if (t.PressZone == kZoneThumb) {
    const ThumbPlace thumb = ThumbGeometry(bar, a, r);
    t.DragThumbLength = thumb.Length;
    t.DragThumbStart = thumb.Start;
    t.DragBarRect = r;
    ThumbTracking = true;
    bar.Info.TrackPos = bar.Info.Pos;
    t.DragGrab = (bar.Vertical() ? screen.Y : screen.X) - thumb.Start;
    t.LastTrackPos = bar.Info.Pos;
  } else {
    t.ResetPress();
    return;
  }
  Window->SetMouseCapture(true);
}

void TacScrollWnd::PressMove(gfx::Point screen) {
  TacScrollTracking& t = ScrollTracking();
  if (ThumbTracking) {
    DragThumb(screen);
    return;
  }
  if (!RepeatingZone(t.PressZone)) return;
  TacScrollBar& bar = BarOf(t.PressBar);
  bar.Info.Mask = ui::SIF_ALL;
  Window->GetScrollInfo(bar.BarKind, bar.Info);
  const int zone = HitZone(bar, ArrowLengthOf(bar, Binding->Model(), false), BarOnScreen(t.PressBar), screen);
  const int shown = zone == t.PressZone ? t.PressZone : kZoneNone;
  if (shown == t.PressedShown) return;
  t.PressedShown = shown;
  RepaintBar(t.PressBar, shown);
}

void TacScrollWnd::RepeatTick() {
  TacScrollTracking& t = ScrollTracking();
  PressMove(ui::App().Screen().CursorPos());
  if (t.PressedShown == kZoneNone) return;
  SendingScroll = true;
  SendScroll(t.ScrollMessage, t.PressedShown, 0);
  SendingScroll = false;
}

void TacScrollWnd::DragThumb(gfx::Point screen) {
  TacScrollTracking& t = ScrollTracking();
  TacScrollBar& bar = BarOf(t.PressBar);
  const bool vertical = bar.Vertical();
  const int a = ArrowLengthOf(bar, Binding->Model(), false);
  const int trackStart = (vertical ? t.DragBarRect.Top : t.DragBarRect.Left) + a;
  const int trackEnd = (vertical ? t.DragBarRect.Bottom : t.DragBarRect.Right) - a;
  int along = (vertical ? screen.Y : screen.X) - t.DragGrab;
  along = std::max(along, trackStart);
  along = std::min(along, trackEnd - t.DragThumbLength);

  bar.Info.Mask = ui::SIF_ALL;
  Window->GetScrollInfo(bar.BarKind, bar.Info);
  if (Window->IsWindowVisible()) {
    if (auto dc = Window->GetSurface(ui::SurfaceArea::Window)) {
      const gfx::Rect w = Window->WindowRect();
      const gfx::Rect r = t.DragBarRect.Offset(-w.Left, -w.Top);
      DrawBar(bar, *dc, along - (vertical ? w.Top : w.Left), -1, r, true);
    }
  }
  const int pos = DragPosition(bar.Info, along - trackStart, trackEnd - trackStart, t.DragThumbLength);
  if (pos != t.LastTrackPos) {
    bar.Info.TrackPos = pos;
    SendingScroll = true;
    SendScroll(t.ScrollMessage, ui::SB_THUMBTRACK, pos);
    SendingScroll = false;
    if (Unhooked) return;
  }
  t.LastTrackPos = pos;
}

void TacScrollWnd::Release() {
  TacScrollTracking& t = ScrollTracking();
  releasing_ = true;
  Window->SetMouseCapture(false);
  releasing_ = false;
  const std::uint32_t message = t.ScrollMessage;
  const int kind = t.PressBar;
  int position = 0;
  SendingScroll = true;
  if (RepeatingZone(t.PressZone)) {
    Window->KillTimer(ui::TIMER_SCROLL_DELAY);
    Window->KillTimer(ui::TIMER_SCROLL_REPEAT);
  } else {
    if (ThumbTracking) {
      ThumbTracking = false;
      SendScroll(message, ui::SB_THUMBPOSITION, t.LastTrackPos);
      if (Unhooked) return;
    }
    position = t.LastTrackPos;
  }
  t.ResetPress();
  SendScroll(message, ui::SB_ENDSCROLL, position);
  SendingScroll = false;
  if (Unhooked) return;
  RepaintBar(kind, kZoneNone);
}

void TacScrollWnd::CancelPress() {
  TacScrollTracking& t = ScrollTracking();
  Window->KillTimer(ui::TIMER_SCROLL_DELAY);
  Window->KillTimer(ui::TIMER_SCROLL_REPEAT);
  const std::uint32_t message = t.ScrollMessage;
  const int kind = t.PressBar;
  const int position = t.PressZone == kZoneThumb ? t.LastTrackPos : 0;
  ThumbTracking = false;
  t.ResetPress();
  SendingScroll = true;
  SendScroll(message, ui::SB_ENDSCROLL, position);
  SendingScroll = false;
  if (Unhooked) return;
  RepaintBar(kind, kZoneNone);
}

// --- scroll messages ----------------------------------------------------------

void TacScrollWnd::SendScroll(std::uint32_t message, int code, int position) {
  const ui::LPARAM query = ui::MakeLong(code, static_cast<int>(message));
  const int high = std::clamp(position, 0, 65535);
  if (SendSkinCommand(Window, SKC_LOCK_REDRAW, query) == 1) {
    Window->Perform(message, static_cast<ui::WPARAM>(ui::MakeLong(code, high)), position);
  } else {
    if (code == ui::SB_THUMBTRACK) {
      ui::ScrollInfo si;
      si.Mask = ui::SIF_POS;
      si.Pos = position;
      Window->SetScrollInfo(message == ui::WM_VSCROLL ? ui::SB_VERT : ui::SB_HORZ, si, false);
    }
    Window->Perform(message, static_cast<ui::WPARAM>(ui::MakeLong(code, high)), 0);
  }
  SendSkinCommand(Window, SKC_UNLOCK_REDRAW, query);
}

}  // namespace skin
