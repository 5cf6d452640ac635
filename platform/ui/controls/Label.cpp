#include "platform/ui/controls/Label.h"

#include "platform/gfx/Canvas.h"
#include "platform/ui/Accelerator.h"
#include "platform/ui/ClassicLook.h"
#include "platform/ui/WinControl.h"

namespace ui {

Label::Label(Component* owner) : Control(owner) {
  SetControlStyle(ControlStyle() | csOpaque);
  SetBounds(0, 0, 65, 17);
  SetParentColor(true);
  Control::SetAutoSize(true);
}

Label::~Label() { BeginDestruction(); }

void Label::SetAlignment(Alignment a) {
  if (a == alignment_) return;
  alignment_ = a;
  Invalidate();
}

void Label::SetLayout(TextLayout l) {
  if (l == layout_) return;
  layout_ = l;
  Invalidate();
}

void Label::SetAutoSize(bool on) {
  Control::SetAutoSize(on);
  AdjustBounds();
}

void Label::SetWordWrap(bool on) {
  if (on == wordWrap_) return;
  wordWrap_ = on;
  AdjustBounds();
  Invalidate();
}

void Label::SetShowAccelChar(bool on) {
  if (on == showAccelChar_) return;
  showAccelChar_ = on;
  AdjustBounds();
  Invalidate();
}

void Label::SetTransparent(bool on) {
  if (on == transparent_) return;
  transparent_ = on;
  SetControlStyle(on ? ControlStyle() & ~csOpaque : ControlStyle() | csOpaque);
  Invalidate();
}

void Label::SetEllipsisPosition(ui::EllipsisPosition e) {
  if (e == ellipsis_) return;
  ellipsis_ = e;
  Invalidate();
}

void Label::SetFocusControl(WinControl* c) {
  if (focusControl_) RemoveFreeNotification(focusControl_);
  focusControl_ = c;
  if (c) FreeNotification(c);
}

void Label::Notification(Component* c, Operation op) {
  Control::Notification(c, op);
  if (op == Operation::Remove && c == focusControl_) focusControl_ = nullptr;
}

void Label::Loaded() {
  Control::Loaded();
  AdjustBounds();
}

std::string Label::LabelText() const {
  const std::string& t = Caption();
  if (t.empty() || (showAccelChar_ && t == "&")) return t.empty() ? " " : "& ";
  return t;
}

unsigned Label::DrawTextFlags() const {
  unsigned f = gfx::DT_EXPANDTABS;
  if (wordWrap_) f |= gfx::DT_WORDBREAK;
  if (alignment_ == Alignment::taCenter) f |= gfx::DT_CENTER;
  if (alignment_ == Alignment::taRightJustify) f |= gfx::DT_RIGHT;
  if (!showAccelChar_) f |= gfx::DT_NOPREFIX;
  if (ellipsis_ == ui::EllipsisPosition::epEndEllipsis) f |= gfx::DT_END_ELLIPSIS;
  if (UseRightToLeftReading()) f |= gfx::DT_RTLREADING;
  return f;
}

void Label::DoDrawText(gfx::Canvas& canvas, gfx::Rect& rect, unsigned flags) {
  std::string text = LabelText();
  canvas.SetFont(Font());
  if (flags & gfx::DT_CALCRECT) {
    canvas.DrawText(text, rect, flags);
    return;
  }
  if (!Enabled()) {
    // Embossed like every disabled caption of the classic look.
    classic::DrawDisabledText(canvas, text, rect, flags);
    return;
  }
  canvas.SetTextColor(gfx::ColorToRGB(Font().Color));
  canvas.DrawText(text, rect, flags);
}

void Label::Paint(gfx::Canvas& canvas) {
  gfx::Canvas::StateGuard g(canvas);
  gfx::Rect r{0, 0, Width(), Height()};
  if (!transparent_) canvas.FillRect(r, gfx::ColorToRGB(Color()));
  canvas.SetBrushStyle(gfx::BrushStyle::Clear);
  unsigned flags = DrawTextFlags();
  if (layout_ != TextLayout::tlTop) {
    gfx::Rect calc = r;
    DoDrawText(canvas, calc, flags | gfx::DT_CALCRECT);
    int h = calc.Height();
    r.Top = layout_ == TextLayout::tlBottom ? r.Bottom - h : (r.Height() - h) / 2;
    r.Bottom = r.Top + h;
  }
  DoDrawText(canvas, r, flags);
}

void Label::AdjustBounds() {
  if (!AutoSize() || Loading()) return;
  gfx::Bitmap scratch(1, 1, gfx::PixelFormat::Bgr24);
  gfx::Canvas c(scratch);
  gfx::Rect r{0, 0, wordWrap_ ? Width() : 0, 0};
  DoDrawText(c, r, DrawTextFlags() | gfx::DT_CALCRECT);
  int left = Left();
  // A right-aligned single-line label keeps its right edge, a centred one
  // its middle.
  if (!wordWrap_) {
    if (alignment_ == Alignment::taRightJustify) left += Width() - r.Width();
    if (alignment_ == Alignment::taCenter) left += (Width() - r.Width()) / 2;
  }
  SetBounds(left, Top(), r.Width(), r.Height());
}

void Label::WndProc(Message& msg) {
  switch (msg.msg) {
    case CM_TEXTCHANGED:
    case CM_FONTCHANGED:
      AdjustBounds();
      Invalidate();
      break;
    case CM_DIALOGCHAR:
      // The accelerator of the caption focuses FocusControl.
      if (focusControl_ && showAccelChar_ && Enabled() && Visible() &&
          IsAccel(static_cast<char32_t>(msg.wParam), Caption()) && focusControl_->CanFocus()) {
        focusControl_->SetFocus();
        msg.result = 1;
        return;
      }
      break;
    default: break;
  }
  Control::WndProc(msg);
}

}  // namespace ui
