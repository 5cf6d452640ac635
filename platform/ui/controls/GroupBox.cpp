#include "platform/ui/controls/GroupBox.h"

#include <algorithm>

#include "platform/gfx/Canvas.h"
#include "platform/ui/Accelerator.h"
#include "platform/ui/ClassicLook.h"

namespace ui {

GroupBox::GroupBox(Component* owner) : WinControl(owner) {
  SetControlStyle((ControlStyle() | csAcceptsControls | csSetCaption) & ~(csOpaque | csClickEvents));
  SetBounds(0, 0, 185, 105);
  SetStyle((Style() & ~BS_TYPEMASK) | BS_GROUPBOX);
}

GroupBox::~GroupBox() { BeginDestruction(); }

void GroupBox::CreateParams(ui::CreateParams& p) {
  WinControl::CreateParams(p);
  p.Style = (p.Style & ~BS_TYPEMASK) | BS_GROUPBOX;
}

int GroupBox::CaptionHeight() const {
  gfx::Bitmap scratch(1, 1, gfx::PixelFormat::Bgr24);
  gfx::Canvas c(scratch);
  c.SetFont(Font());
  return std::max(4, c.TextHeight("W")) + 2;
}

void GroupBox::AdjustClientRect(gfx::Rect& r) const {
  WinControl::AdjustClientRect(r);
  r.Top += CaptionHeight();
  r = r.Inflate(-1, -1);
}

void GroupBox::WndProc(Message& msg) {
  switch (msg.msg) {
    case CM_TEXTCHANGED:
    case CM_FONTCHANGED:
      Invalidate();
      if (msg.msg == CM_FONTCHANGED) Realign();
      break;
    case CM_DIALOGCHAR:
      // The `&` accelerator of the caption focuses the first child in tab
      // order (a tab stop when there is one).
      if (IsAccel(static_cast<char32_t>(msg.wParam), Caption()) && CanFocus()) {
        WinControl* first = FindNextControl(nullptr, true, true);
        if (!first) first = FindNextControl(nullptr, true, false);
        if (first) {
          first->SetFocus();
          msg.result = 1;
        }
      }
      return;
    default: break;
  }
  WinControl::WndProc(msg);
}

void GroupBox::PaintWindow(gfx::Canvas& canvas) { PaintGroup(canvas); }

void GroupBox::PaintGroup(gfx::Canvas& canvas) {
  gfx::Rect r = ClientRect();
  int h = CaptionHeight();
  gfx::Rect frame{r.Left, r.Top + h / 2, r.Right, r.Bottom};
  classic::DrawEdge(canvas, frame, classic::EDGE_ETCHED);
  if (Caption().empty()) return;
  gfx::Canvas::StateGuard g(canvas);
  canvas.SetFont(Font());
  gfx::Rect text{0, 0, r.Width(), 0};
  canvas.DrawText(Caption(), text, gfx::DT_CALCRECT | gfx::DT_SINGLELINE);
  int left = UseRightToLeftReading() ? r.Width() - text.Width() - 8 - 6 : 6;
  gfx::Rect box{left, 0, std::min(r.Width(), left + text.Width() + 8), h};
  canvas.FillRect(box, gfx::ColorToRGB(Color()));
  canvas.SetBrushStyle(gfx::BrushStyle::Clear);
  const unsigned flags = gfx::DT_CENTER | gfx::DT_VCENTER | gfx::DT_SINGLELINE;
  if (!Enabled()) {
    // Embossed, as every disabled caption of the classic look.
    classic::DrawDisabledText(canvas, Caption(), box, flags);
    return;
  }
  canvas.SetTextColor(gfx::ColorToRGB(Font().Color));
  canvas.DrawText(Caption(), box, flags);
}

}  // namespace ui
