// The non-client area of plain child windows: borders, the BorderWidth ring
// and classic scroll bars, with their hit testing and scroll messages.
#include <algorithm>

#include "platform/ui/Application.h"
#include "platform/ui/ClassicLook.h"
#include "platform/ui/Screen.h"
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

void WinControl::NcScrollPress(int hit, gfx::Point screen) {
  bool vert = hit == HTVSCROLL;
  gfx::Rect h, v;
  ScrollBarRects(h, v);
  gfx::Rect bar = vert ? v : h;
  gfx::Rect wr = WindowRect();
  gfx::Point p{screen.X - wr.Left, screen.Y - wr.Top};
  ScrollInfo& info = scroll_[vert ? SB_VERT : SB_HORZ];
  std::uint32_t msg = vert ? WM_VSCROLL : WM_HSCROLL;
  int code = classic::ScrollBarPart(bar, vert, info, p);
  if (code >= 0) {
    Perform(msg, static_cast<WPARAM>(code));
    Perform(msg, static_cast<WPARAM>(SB_ENDSCROLL));
    return;
  }
  gfx::Rect thumb = classic::ScrollThumb(bar, vert, info);
  if (thumb.IsEmpty() || !thumb.Contains(p)) return;
  // Dragging the thumb: track positions while moving, the final position on
  // release; the position travels in wParam's high word.
  int btn = vert ? bar.Width() : bar.Height();
  int track = (vert ? bar.Height() : bar.Width()) - 2 * btn - (vert ? thumb.Height() : thumb.Width());
  int span = info.Max - info.Min + 1 - std::max(1, static_cast<int>(info.Page));
  int startPos = info.Pos;
  int start = vert ? screen.Y : screen.X;
  auto posAt = [&](gfx::Point s) {
    int d = (vert ? s.Y : s.X) - start;
    int pos = track > 0 ? startPos + d * span / track : startPos;
    return std::clamp(pos, info.Min, info.Min + std::max(0, span));
  };
  auto send = [&](int code, int pos) {
    Perform(msg, static_cast<WPARAM>(MakeLong(code, std::min(pos, 65535))));
  };
  auto& app = App();
  bool done = false;
  int filter = app.PushInputFilter([&](const backend::Event& e) {
    switch (e.Type) {
      case backend::EventType::MouseMove:
        info.TrackPos = posAt(e.Screen);
        send(SB_THUMBTRACK, info.TrackPos);
        return true;
      case backend::EventType::MouseUp:
        if (e.Button == backend::MouseButton::Left) {
          info.TrackPos = posAt(e.Screen);
          send(SB_THUMBPOSITION, info.TrackPos);
          send(SB_ENDSCROLL, 0);
          done = true;
        }
        return true;
      case backend::EventType::MouseDown:
      case backend::EventType::KeyDown:
      case backend::EventType::KeyUp: return true;
      default: return false;
    }
  });
  app.RunUntil([&] { return done || Destroying() || !created_; });
  app.PopInputFilter(filter);
}

}  // namespace ui
