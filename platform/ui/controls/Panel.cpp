#include "platform/ui/controls/Panel.h"

#include <algorithm>

#include "platform/gfx/Canvas.h"
#include "platform/ui/ClassicLook.h"

namespace ui {

Panel::Panel(Component* owner) : WinControl(owner) {
  SetControlStyle((ControlStyle() | csAcceptsControls | csSetCaption | csOpaque | csDoubleClicks) &
                  ~csClickEvents);
  SetBounds(0, 0, 185, 41);
}

Panel::~Panel() { BeginDestruction(); }

void Panel::SetAlignment(Alignment a) {
  if (a == alignment_) return;
  alignment_ = a;
  Invalidate();
}

void Panel::SetBevelInner(BevelCut b) {
  if (b == bevelInner_) return;
  bevelInner_ = b;
  Realign();
  Invalidate();
}

void Panel::SetBevelOuter(BevelCut b) {
  if (b == bevelOuter_) return;
  bevelOuter_ = b;
  Realign();
  Invalidate();
}

void Panel::SetBevelWidth(int w) {
  w = std::max(1, w);
  if (w == bevelWidth_) return;
  bevelWidth_ = w;
  Realign();
  Invalidate();
}

void Panel::SetParentBackground(bool on) {
  SetControlStyle(on ? ControlStyle() | csParentBackground : ControlStyle() & ~csParentBackground);
  Invalidate();
}

int Panel::BevelInset() const {
  int n = (bevelOuter_ != BevelCut::bvNone ? 1 : 0) + (bevelInner_ != BevelCut::bvNone ? 1 : 0);
  return n * bevelWidth_;
}

void Panel::AdjustClientRect(gfx::Rect& r) const {
  WinControl::AdjustClientRect(r);
  int b = BevelInset();
  r = r.Inflate(-b, -b);
}

gfx::Rect Panel::CaptionRect() const {
  gfx::Rect r = ClientRect();
  int b = BevelInset();
  return r.Inflate(-b, -b);
}

gfx::Color Panel::BackgroundColor() const {
  if (ParentBackground() && Parent()) return Parent()->Color();
  return Color();
}

void Panel::WndProc(Message& msg) {
  if (msg.msg == WM_ERASEBKGND) {
    // Paint covers the whole client area.
    msg.result = 1;
    return;
  }
  WinControl::WndProc(msg);
}

void Panel::PaintWindow(gfx::Canvas& canvas) { Paint(canvas); }

namespace {
void DrawBevel(gfx::Canvas& c, gfx::Rect& r, BevelCut cut, int width) {
  if (cut == BevelCut::bvNone) return;
  gfx::Color tl = gfx::clBtnHighlight, br = gfx::clBtnShadow;
  if (cut == BevelCut::bvLowered) std::swap(tl, br);
  for (int i = 0; i < width; ++i) {
    if (cut != BevelCut::bvSpace) classic::Frame3D(c, r, tl, br);
    r = r.Inflate(-1, -1);
  }
}
}  // namespace

void Panel::Paint(gfx::Canvas& canvas) {
  gfx::Rect r = ClientRect();
  canvas.FillRect(r, gfx::ColorToRGB(BackgroundColor()));
  DrawBevel(canvas, r, bevelOuter_, bevelWidth_);
  DrawBevel(canvas, r, bevelInner_, bevelWidth_);
  PaintCaption(canvas, r);
  if (!OnPaint) return;
  ControlStateScope custom(*this, csCustomPaint);
  OnPaint(this, canvas);
}

void Panel::PaintCaption(gfx::Canvas& canvas, const gfx::Rect& rect) {
  if (Caption().empty()) return;
  gfx::Canvas::StateGuard g(canvas);
  canvas.SetFont(Font());
  canvas.SetBrushStyle(gfx::BrushStyle::Clear);
  canvas.SetTextColor(gfx::ColorToRGB(Font().Color));
  unsigned flags = gfx::DT_EXPANDTABS | gfx::DT_WORDBREAK;
  if (alignment_ == Alignment::taCenter) flags |= gfx::DT_CENTER;
  if (alignment_ == Alignment::taRightJustify) flags |= gfx::DT_RIGHT;
  if (UseRightToLeftReading()) flags |= gfx::DT_RTLREADING;
  gfx::Rect calc = rect;
  canvas.DrawText(Caption(), calc, flags | gfx::DT_CALCRECT);
  gfx::Rect r = rect;
  r.Top += (rect.Height() - calc.Height()) / 2;
  r.Bottom = r.Top + calc.Height();
  // Disabled: embossed, as every disabled caption of the classic look.
  if (Enabled())
    canvas.DrawText(Caption(), r, flags);
  else
    classic::DrawDisabledText(canvas, Caption(), r, flags);
}

}  // namespace ui
