// The non-client area of plain child windows: borders, the BorderWidth ring
// and classic scroll bars, with their hit testing and scroll messages.
#include <algorithm>

#include "platform/ui/ClassicLook.h"
#include "platform/ui/Screen.h"
#include "platform/ui/ScrollBarTracker.h"
#include "platform/ui/WinControl.h"

namespace ui {

namespace {
int EdgeWidth(std::uint32_t style, std::uint32_t ex) {
  int e = 0;
  if (style & WS_BORDER) e += 1;
  if (ex & WS_EX_CLIENTEDGE) e += 2;
  if (ex & WS_EX_STATICEDGE) e += 1;
  return e;
}
}  // namespace

void WinControl::NcCalcSize(NcCalcSizeParams& p) {
  gfx::Rect& r = p.Rect[0];
  int e = EdgeWidth(style_, exStyle_) + borderWidth_;
  r = r.Inflate(-e, -e);
  if (style_ & WS_VSCROLL) {
    if (exStyle_ & WS_EX_LEFTSCROLLBAR)
      r.Left += GetSystemMetrics(SM_CXVSCROLL);
    else
      r.Right -= GetSystemMetrics(SM_CXVSCROLL);
  }
  if (style_ & WS_HSCROLL) r.Bottom -= GetSystemMetrics(SM_CYHSCROLL);
  if (r.Right < r.Left) r.Right = r.Left;
  if (r.Bottom < r.Top) r.Bottom = r.Top;
}

void WinControl::ScrollBarRects(gfx::Rect& hbar, gfx::Rect& vbar) const {
  hbar = vbar = {};
  const gfx::Rect& c = clientInWindow_;
  if (style_ & WS_VSCROLL) {
    int w = GetSystemMetrics(SM_CXVSCROLL);
    vbar = (exStyle_ & WS_EX_LEFTSCROLLBAR) ? gfx::Rect{c.Left - w, c.Top, c.Left, c.Bottom}
                                            : gfx::Rect{c.Right, c.Top, c.Right + w, c.Bottom};
  }
  if (style_ & WS_HSCROLL) hbar = {c.Left, c.Bottom, c.Right, c.Bottom + GetSystemMetrics(SM_CYHSCROLL)};
}

int WinControl::NcHitTest(gfx::Point screen) {
  gfx::Rect wr = WindowRect();
  gfx::Point p{screen.X - wr.Left, screen.Y - wr.Top};
  if (!gfx::Rect{0, 0, Width(), Height()}.Contains(p)) return HTNOWHERE;
  if (clientInWindow_.Contains(p)) return HTCLIENT;
  gfx::Rect h, v;
  ScrollBarRects(h, v);
  if (v.Contains(p)) return HTVSCROLL;
  if (h.Contains(p)) return HTHSCROLL;
  return HTBORDER;
}

void WinControl::NcPaint(gfx::Canvas& c) {
  gfx::Rect r{0, 0, Width(), Height()};
  if (style_ & WS_BORDER) {
    c.FrameRect(r, gfx::ColorToRGB(gfx::clBlack));
    r = r.Inflate(-1, -1);
  }
  if (exStyle_ & WS_EX_CLIENTEDGE) {
    classic::DrawEdge(c, r, classic::EDGE_SUNKEN);
    r = r.Inflate(-2, -2);
  }
  if (exStyle_ & WS_EX_STATICEDGE) {
    classic::DrawEdge(c, r, classic::BDR_SUNKENOUTER);
    r = r.Inflate(-1, -1);
  }
  if (borderWidth_ > 0) {
    gfx::Canvas::StateGuard g(c);
    c.ExcludeClipRect(r.Inflate(-borderWidth_, -borderWidth_));
    c.FillRect(r, gfx::ColorToRGB(Color()));
  }
  gfx::Rect h, v;
  ScrollBarRects(h, v);
  if (!v.IsEmpty()) classic::DrawScrollBar(c, v, true, scroll_[SB_VERT], Enabled());
  if (!h.IsEmpty()) classic::DrawScrollBar(c, h, false, scroll_[SB_HORZ], Enabled());
  if (!v.IsEmpty() && !h.IsEmpty())
    c.FillRect({v.Left, h.Top, v.Right, h.Bottom}, gfx::ColorToRGB(gfx::clBtnFace));
  scrollBars_->PaintPressed(c);
}

bool WinControl::GetScrollInfo(int bar, ScrollInfo& info) const {
  if (bar != SB_HORZ && bar != SB_VERT) return false;
  const ScrollInfo& s = scroll_[bar];
  unsigned mask = info.Mask ? info.Mask : SIF_ALL;
  if (mask & SIF_RANGE) {
    info.Min = s.Min;
    info.Max = s.Max;
  }
  if (mask & SIF_PAGE) info.Page = s.Page;
  if (mask & SIF_POS) info.Pos = s.Pos;
  if (mask & SIF_TRACKPOS) info.TrackPos = s.TrackPos;
  return true;
}

int WinControl::SetScrollInfo(int bar, const ScrollInfo& info, bool redraw) {
  if (bar != SB_HORZ && bar != SB_VERT) return 0;
  ScrollInfo& s = scroll_[bar];
  if (info.Mask & SIF_RANGE) {
    s.Min = info.Min;
    s.Max = std::max(info.Min, info.Max);
  }
  if (info.Mask & SIF_PAGE) s.Page = info.Page;
  if (info.Mask & SIF_POS) s.Pos = info.Pos;
  if (info.Mask & SIF_TRACKPOS) s.TrackPos = info.TrackPos;
  // The position stays inside the range minus the page.
  int maxPos = s.Max - std::max(0, static_cast<int>(s.Page) - 1);
  s.Pos = std::clamp(s.Pos, s.Min, std::max(s.Min, maxPos));
  if (redraw && created_) {
    ncDirty_ = true;
  }
  return s.Pos;
}

int WinControl::ScrollPos(int bar) const {
  if (bar != SB_HORZ && bar != SB_VERT) return 0;
  return scroll_[bar].Pos;
}

}  // namespace ui
