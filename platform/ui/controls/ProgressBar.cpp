#include "platform/ui/controls/ProgressBar.h"

#include <algorithm>
#include <cmath>

#include "platform/gfx/Canvas.h"
#include "platform/ui/ClassicLook.h"

namespace ui {

ProgressBar::ProgressBar(Component* owner) : WinControl(owner) {
  SetControlStyle((ControlStyle() | csOpaque) & ~(csClickEvents | csSetCaption));
  SetBounds(0, 0, 150, 16);
}

ProgressBar::~ProgressBar() { BeginDestruction(); }

void ProgressBar::CreateParams(ui::CreateParams& p) {
  WinControl::CreateParams(p);
  p.Style &= ~(PBS_SMOOTH | PBS_VERTICAL);
  if (smooth_) p.Style |= PBS_SMOOTH;
  if (orientation_ == ProgressBarOrientation::pbVertical) p.Style |= PBS_VERTICAL;
}

void ProgressBar::Changed() { Invalidate(); }

void ProgressBar::SetMin(int v) { SetRange(v, std::max(v, max_)); }
void ProgressBar::SetMax(int v) { SetRange(std::min(v, min_), v); }

void ProgressBar::SetRange(int min, int max) {
  if (max < min) max = min;
  if (min == min_ && max == max_) return;
  min_ = min;
  max_ = max;
  position_ = std::clamp(position_, min_, max_);
  Changed();
}

void ProgressBar::SetPosition(int v) {
  v = std::clamp(v, min_, max_);
  if (v == position_) return;
  position_ = v;
  Changed();
}

void ProgressBar::SetOrientation(ProgressBarOrientation o) {
  if (o == orientation_) return;
  orientation_ = o;
  RecreateWnd();
  Changed();
}

void ProgressBar::SetSmooth(bool on) {
  if (on == smooth_) return;
  smooth_ = on;
  RecreateWnd();
  Changed();
}

void ProgressBar::WndProc(Message& msg) {
  switch (msg.msg) {
    case PBM_SETPOS: {
      int old = position_;
      SetPosition(static_cast<int>(static_cast<std::intptr_t>(msg.wParam)));
      msg.result = old;
      return;
    }
    case WM_ERASEBKGND: msg.result = 1; return;
    default: break;
  }
  WinControl::WndProc(msg);
}

gfx::Rect ProgressBar::FilledRect() const {
  gfx::Rect inner = ClientRect().Inflate(-1, -1);
  if (max_ <= min_ || inner.IsEmpty()) return {};
  double f = static_cast<double>(position_ - min_) / (max_ - min_);
  if (orientation_ == ProgressBarOrientation::pbHorizontal) {
    int w = static_cast<int>(std::lround(inner.Width() * f));
    return {inner.Left, inner.Top, inner.Left + w, inner.Bottom};
  }
  int h = static_cast<int>(std::lround(inner.Height() * f));
  return {inner.Left, inner.Bottom - h, inner.Right, inner.Bottom};
}

void ProgressBar::PaintWindow(gfx::Canvas& canvas) { PaintBar(canvas); }

void ProgressBar::PaintBar(gfx::Canvas& canvas) {
  gfx::Rect r = ClientRect();
  canvas.FillRect(r, gfx::ColorToRGB(gfx::clBtnFace));
  classic::Frame3D(canvas, r, gfx::clBtnShadow, gfx::clBtnHighlight);
  gfx::Rect fill = FilledRect();
  if (fill.IsEmpty()) return;
  gfx::Color c = gfx::ColorToRGB(gfx::clHighlight);
  if (smooth_) {
    canvas.FillRect(fill, c);
    return;
  }
  // Classic segments: blocks two thirds as long as the bar is thick, with a
  // two-pixel gap; a block is drawn only when the filled part reaches into it.
  gfx::Rect inner = r.Inflate(-1, -1);
  bool horz = orientation_ == ProgressBarOrientation::pbHorizontal;
  int thick = horz ? inner.Height() : inner.Width();
  int block = std::max(2, thick * 2 / 3);
  int filled = horz ? fill.Width() : fill.Height();
  for (int at = 0; at < filled; at += block + 2) {
    int len = std::min(block, (horz ? inner.Width() : inner.Height()) - at);
    if (len <= 0) break;
    gfx::Rect b = horz ? gfx::Rect::FromXYWH(inner.Left + at, inner.Top + 1, len, inner.Height() - 2)
                       : gfx::Rect::FromXYWH(inner.Left + 1, inner.Bottom - at - len, inner.Width() - 2, len);
    canvas.FillRect(b, c);
  }
}

}  // namespace ui
