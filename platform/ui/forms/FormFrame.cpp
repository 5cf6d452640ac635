#include "platform/ui/forms/FormFrame.h"

#include <algorithm>

#include "platform/gfx/DrawTextFlags.h"
#include "platform/ui/Application.h"
#include "platform/ui/ClassicLook.h"
#include "platform/ui/Screen.h"
#include "platform/ui/forms/FormImpl.h"

namespace ui {

namespace {
constexpr std::uint32_t kFrameStyles =
    WS_CAPTION | WS_THICKFRAME | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_BORDER | WS_DLGFRAME;
constexpr std::uint32_t kFrameExStyles =
    WS_EX_TOOLWINDOW | WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE | WS_EX_CONTEXTHELP;
}  // namespace

void FormFrame::ComputeStyles(const Form& f, std::uint32_t& style, std::uint32_t& ex) {
  style &= ~kFrameStyles;
  ex &= ~kFrameExStyles;
  BorderIcons icons = f.GetBorderIcons();
  switch (f.GetBorderStyle()) {
    case BorderStyle::bsNone: break;
    case BorderStyle::bsSingle: style |= WS_CAPTION; break;
    case BorderStyle::bsSizeable: style |= WS_CAPTION | WS_THICKFRAME; break;
    case BorderStyle::bsDialog:
      style |= WS_CAPTION;
      ex |= WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE;
      break;
    case BorderStyle::bsToolWindow:
      style |= WS_CAPTION;
      ex |= WS_EX_TOOLWINDOW;
      break;
    case BorderStyle::bsSizeToolWin:
      style |= WS_CAPTION | WS_THICKFRAME;
      ex |= WS_EX_TOOLWINDOW;
      break;
  }
  BorderStyle bs = f.GetBorderStyle();
  if (bs != BorderStyle::bsNone && (icons & biSystemMenu)) {
    style |= WS_SYSMENU;
    bool small =
        bs == BorderStyle::bsDialog || bs == BorderStyle::bsToolWindow || bs == BorderStyle::bsSizeToolWin;
    if (!small) {
      if (icons & biMinimize) style |= WS_MINIMIZEBOX;
      if (icons & biMaximize) style |= WS_MAXIMIZEBOX;
    }
    if ((icons & biHelp) && !(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX))) ex |= WS_EX_CONTEXTHELP;
  }
  if (f.GetFormStyle() == FormStyle::fsStayOnTop) ex |= WS_EX_TOPMOST;
}

void FormFrame::EffectiveStyles(const Form& f, std::uint32_t& style, std::uint32_t& ex) {
  style = f.Style();
  ex = f.ExStyle();
  if (!f.HandleAllocated()) ComputeStyles(f, style, ex);
}

int FormFrame::BorderWidth(const Form& f) {
  std::uint32_t s, ex;
  EffectiveStyles(f, s, ex);
  if (s & WS_THICKFRAME) return GetSystemMetrics(SM_CXFRAME);
  if ((s & WS_CAPTION) == WS_CAPTION || (s & WS_DLGFRAME)) return GetSystemMetrics(SM_CXDLGFRAME);
  if (s & WS_BORDER) return GetSystemMetrics(SM_CXBORDER);
  return 0;
}

int FormFrame::CaptionHeight(const Form& f) {
  std::uint32_t s, ex;
  EffectiveStyles(f, s, ex);
  if ((s & WS_CAPTION) != WS_CAPTION) return 0;
  return GetSystemMetrics((ex & WS_EX_TOOLWINDOW) ? SM_CYSMCAPTION : SM_CYCAPTION);
}

Form::FrameInsets FormFrame::Insets(const Form& f) {
  Form::FrameInsets in;
  in.Border = BorderWidth(f);
  in.Caption = CaptionHeight(f);
  in.Menu = f.impl_->menuBar.Height();
  in.Left = in.Right = in.Bottom = in.Border;
  in.Top = in.Border + in.Caption + in.Menu;
  return in;
}

gfx::Rect FormFrame::CaptionRect(const Form& f) {
  int b = BorderWidth(f), c = CaptionHeight(f);
  if (c == 0) return {};
  // The last caption row is the separator line.
  return {b, b, f.Width() - b, b + c - 1};
}

gfx::Rect FormFrame::MenuBarRect(const Form& f) {
  int b = BorderWidth(f), c = CaptionHeight(f), m = f.impl_->menuBar.Height();
  if (m == 0) return {};
  return {b, b + c, f.Width() - b, b + c + m};
}

gfx::Rect FormFrame::IconRect(const Form& f) {
  std::uint32_t s, ex;
  EffectiveStyles(f, s, ex);
  gfx::Rect cap = CaptionRect(f);
  if (cap.IsEmpty() || !(s & WS_SYSMENU) || (ex & (WS_EX_TOOLWINDOW | WS_EX_DLGMODALFRAME))) return {};
  int sz = std::min(GetSystemMetrics(SM_CXSMICON), cap.Height() - 2);
  int top = cap.Top + (cap.Height() - sz) / 2;
  return {cap.Left + 2, top, cap.Left + 2 + sz, top + sz};
}

gfx::Rect FormFrame::ButtonRect(const Form& f, int hit) {
  std::uint32_t s, ex;
  EffectiveStyles(f, s, ex);
  gfx::Rect cap = CaptionRect(f);
  if (cap.IsEmpty() || !(s & WS_SYSMENU)) return {};
  bool tool = (ex & WS_EX_TOOLWINDOW) != 0;
  int bw = GetSystemMetrics(tool ? SM_CXSMSIZE : SM_CXSIZE) - 2;
  int bh = GetSystemMetrics(tool ? SM_CYSMSIZE : SM_CYSIZE) - 4;
  int top = cap.Top + (cap.Height() - bh) / 2;
  int right = cap.Right - 2;
  gfx::Rect close{right - bw, top, right, top + bh};
  if (hit == HTCLOSE) return close;
  right = close.Left - 2;
  if (s & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX)) {
    gfx::Rect max{right - bw, top, right, top + bh};
    if (hit == HTMAXBUTTON) return max;
    if (hit == HTMINBUTTON) return max.Offset(-bw, 0);
    return {};
  }
  if ((ex & WS_EX_CONTEXTHELP) && hit == HTHELP) return {right - bw, top, right, top + bh};
  return {};
}

int FormFrame::HitTest(const Form& f, gfx::Point screen) {
  gfx::Rect wr = f.WindowRect();
  gfx::Point p{screen.X - wr.Left, screen.Y - wr.Top};
  int w = f.Width(), h = f.Height();
  if (!gfx::Rect{0, 0, w, h}.Contains(p)) return HTNOWHERE;
  if (f.ClientRectInWindow().Contains(p)) return HTCLIENT;
  std::uint32_t s, ex;
  EffectiveStyles(f, s, ex);
  int b = BorderWidth(f);
  bool sizeable = (s & WS_THICKFRAME) && !(s & WS_MAXIMIZE);
  bool left = p.X < b, right = p.X >= w - b, top = p.Y < b, bottom = p.Y >= h - b;
  if (left || right || top || bottom) {
    if (!sizeable) return HTBORDER;
    // Corner zones reach along the edges as far as a caption button.
    int corner = GetSystemMetrics(SM_CXSIZE) + b;
    bool nl = p.X < corner, nr = p.X >= w - corner, nt = p.Y < corner, nb = p.Y >= h - corner;
    if (top) return nl ? HTTOPLEFT : nr ? HTTOPRIGHT : HTTOP;
    if (bottom) return nl ? HTBOTTOMLEFT : nr ? HTBOTTOMRIGHT : HTBOTTOM;
    if (left) return nt ? HTTOPLEFT : nb ? HTBOTTOMLEFT : HTLEFT;
    return nt ? HTTOPRIGHT : nb ? HTBOTTOMRIGHT : HTRIGHT;
  }
  gfx::Rect cap = CaptionRect(f);
  if (!cap.IsEmpty() && p.Y >= cap.Top && p.Y < cap.Bottom + 1) {
    for (int code : {HTCLOSE, HTMAXBUTTON, HTMINBUTTON, HTHELP})
      if (ButtonRect(f, code).Contains(p)) return code;
    if (IconRect(f).Contains(p)) return HTSYSMENU;
    return HTCAPTION;
  }
  if (MenuBarRect(f).Contains(p)) return HTMENU;
  return HTBORDER;
}

void FormFrame::Paint(Form& f, gfx::Canvas& c, int pressed) {
  std::uint32_t s, ex;
  EffectiveStyles(f, s, ex);
  int w = f.Width(), h = f.Height();
  int b = BorderWidth(f);
  gfx::Rect all{0, 0, w, h};
  // Frame.
  if (b > 0) {
    gfx::Canvas::StateGuard g(c);
    c.ExcludeClipRect(all.Inflate(-b, -b));
    c.FillRect(all, gfx::ColorToRGB(gfx::clBtnFace));
    if (b == 1)
      c.FrameRect(all, gfx::ColorToRGB(gfx::clBlack));
    else
      classic::DrawEdge(c, all, classic::EDGE_RAISED);
  }
  // Caption.
  gfx::Rect cap = CaptionRect(f);
  if (!cap.IsEmpty()) {
    bool active = f.Active();
    c.FillRect(cap, gfx::ColorToRGB(active ? gfx::clActiveCaption : gfx::clInactiveCaption));
    c.FillRect({cap.Left, cap.Bottom, cap.Right, cap.Bottom + 1}, gfx::ColorToRGB(gfx::clBtnFace));
    gfx::Rect icon = IconRect(f);
    if (!icon.IsEmpty() && !f.EffectiveIcon().Empty()) {
      f.EffectiveIcon().Draw(c, icon);
    } else if (!icon.IsEmpty()) {
      // Without any icon a small generic window symbol stands in.
      gfx::Rect ir = icon.Inflate(-2, -2);
      c.FillRect(ir, gfx::ColorToRGB(gfx::clWindow));
      c.FrameRect(ir, gfx::ColorToRGB(gfx::clBtnText));
      c.FillRect({ir.Left, ir.Top, ir.Right, ir.Top + 3}, gfx::ColorToRGB(gfx::clHighlight));
    }
    int textRight = cap.Right - 2;
    for (int code : {HTCLOSE, HTMAXBUTTON, HTMINBUTTON, HTHELP}) {
      gfx::Rect br = ButtonRect(f, code);
      if (br.IsEmpty()) continue;
      textRight = std::min(textRight, br.Left - 2);
      classic::DrawButtonFace(c, br, pressed == code);
      classic::Glyph g = code == HTCLOSE       ? classic::Glyph::Close
                         : code == HTMINBUTTON ? classic::Glyph::Minimize
                         : code == HTHELP      ? classic::Glyph::Help
                         : (s & WS_MAXIMIZE)   ? classic::Glyph::Restore
                                               : classic::Glyph::Maximize;
      bool enabled = code != HTMAXBUTTON || (s & WS_MAXIMIZEBOX);
      if (code == HTMINBUTTON) enabled = (s & WS_MINIMIZEBOX) != 0;
      gfx::Rect gr = br.Inflate(-2, -1);
      if (pressed == code) gr = gr.Offset(1, 1);
      if (!enabled) classic::DrawGlyph(c, gr.Offset(1, 1), g, gfx::clBtnHighlight);
      classic::DrawGlyph(c, gr, g, enabled ? gfx::clBtnText : gfx::clBtnShadow);
    }
    gfx::Canvas::StateGuard g(c);
    gfx::Font font =
        (ex & WS_EX_TOOLWINDOW) ? App().Screen().SmallCaptionFont() : App().Screen().CaptionFont();
    c.SetFont(font);
    c.SetTextColor(
        gfx::ColorToRGB(active ? gfx::clCaptionText : gfx::SystemColorValue(gfx::COLOR_INACTIVECAPTIONTEXT)));
    c.SetBackgroundMode(gfx::BackgroundMode::Transparent);
    gfx::Rect tr{icon.IsEmpty() ? cap.Left + 3 : icon.Right + 3, cap.Top, textRight, cap.Bottom};
    if (tr.Width() > 0)
      c.DrawText(f.Caption(), tr,
                 gfx::DT_SINGLELINE | gfx::DT_VCENTER | gfx::DT_END_ELLIPSIS | gfx::DT_NOPREFIX);
  }
  gfx::Rect mb = MenuBarRect(f);
  if (!mb.IsEmpty()) f.impl_->menuBar.Paint(c, mb);
}

MinMaxInfo FormFrame::DefaultMinMax(const Form& f) {
  MinMaxInfo m;
  gfx::Rect work = App().Screen().WorkArea();
  int b = BorderWidth(f);
  // Maximised, the frame lies just outside the work area.
  m.MaxSize = {work.Width() + 2 * b, work.Height() + 2 * b};
  m.MaxPosition = {work.Left - b, work.Top - b};
  m.MinTrackSize = {GetSystemMetrics(SM_CXMIN), GetSystemMetrics(SM_CYMIN)};
  m.MaxTrackSize = {App().Screen().Width() + 2 * b + 12, App().Screen().Height() + 2 * b + 12};
  return m;
}

}  // namespace ui
