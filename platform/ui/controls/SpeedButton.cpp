#include "platform/ui/controls/SpeedButton.h"

#include <algorithm>

#include "platform/gfx/Canvas.h"
#include "platform/ui/Accelerator.h"
#include "platform/ui/Application.h"
#include "platform/ui/ClassicLook.h"
#include "platform/ui/WinControl.h"

namespace ui {

SpeedButton::SpeedButton(Component* owner) : Control(owner) {
  // The button makes its own clicks (on release) and takes no double clicks.
  SetControlStyle(csCaptureMouse | csDoubleClicks);
  SetBounds(0, 0, 23, 22);
  glyph_.OnChange = NotifyEvent(this, &SpeedButton::GlyphChangedHandler);
}

SpeedButton::~SpeedButton() { BeginDestruction(); }

void SpeedButton::GlyphChangedHandler(Component*) { GlyphChanged(); }

void SpeedButton::GlyphChanged() {
  if (Loading() || Destroying()) return;
  Invalidate();
}

void SpeedButton::Loaded() {
  Control::Loaded();
  state_ = Enabled() ? (down_ ? ButtonState::bsExclusive : ButtonState::bsUp) : ButtonState::bsDisabled;
}

// --- properties ------------------------------------------------------------------

void SpeedButton::SetLayout(ButtonLayout l) {
  if (l == layout_) return;
  layout_ = l;
  Invalidate();
}

void SpeedButton::SetMargin(int m) {
  if (m < -1) m = -1;
  if (m == margin_) return;
  margin_ = m;
  Invalidate();
}

void SpeedButton::SetSpacing(int s) {
  if (s < -1) s = -1;
  if (s == spacing_) return;
  spacing_ = s;
  Invalidate();
}

void SpeedButton::SetNumGlyphs(int n) {
  n = std::clamp(n, 1, 4);
  if (n == numGlyphs_) return;
  numGlyphs_ = n;
  Invalidate();
}

void SpeedButton::SetDown(bool on) {
  if (groupIndex_ == 0) on = false;
  if (on == down_) return;
  if (down_ && !allowAllUp_) return;
  down_ = on;
  if (on) {
    if (state_ == ButtonState::bsUp) Invalidate();
    state_ = ButtonState::bsExclusive;
    UpdateExclusive();
  } else {
    state_ = ButtonState::bsUp;
    Invalidate();
  }
}

void SpeedButton::SetGroupIndex(int g) {
  if (g == groupIndex_) return;
  groupIndex_ = g;
  UpdateExclusive();
}

void SpeedButton::SetAllowAllUp(bool on) {
  if (on == allowAllUp_) return;
  allowAllUp_ = on;
  UpdateExclusive();
}

void SpeedButton::SetFlat(bool on) {
  if (on == flat_) return;
  flat_ = on;
  Invalidate();
}

void SpeedButton::SetTransparent(bool on) {
  if (on == transparent_) return;
  transparent_ = on;
  SetControlStyle(on ? ControlStyle() & ~csOpaque : ControlStyle() | csOpaque);
  Invalidate();
}

// Tells the other buttons of the group (siblings in the same parent).
void SpeedButton::UpdateExclusive() {
  if (groupIndex_ == 0 || !Parent()) return;
  for (Control* c : std::vector<Control*>(Parent()->Controls()))
    if (c != this)
      c->Perform(CM_BUTTONPRESSED, static_cast<WPARAM>(groupIndex_), reinterpret_cast<LPARAM>(this));
}

void SpeedButton::GroupButtonPressed(SpeedButton* sender) {
  if (sender->Down() && down_) {
    down_ = false;
    state_ = ButtonState::bsUp;
    Invalidate();
  }
  allowAllUp_ = sender->AllowAllUp();
}

void SpeedButton::SetMouseInControl(bool on) {
  if (on == mouseInControl_) return;
  mouseInControl_ = on;
  if (flat_ && Enabled()) Invalidate();
}

// --- mouse -------------------------------------------------------------------

void SpeedButton::MouseDown(MouseButton button, ShiftState shift, int x, int y) {
  Control::MouseDown(button, shift, x, y);
  if (button != MouseButton::Left || !Enabled()) return;
  if (!down_) {
    state_ = ButtonState::bsDown;
    Invalidate();
  }
  dragging_ = true;
}

void SpeedButton::MouseMove(ShiftState shift, int x, int y) {
  Control::MouseMove(shift, x, y);
  if (!dragging_) return;
  ButtonState s = down_ ? ButtonState::bsExclusive : ButtonState::bsUp;
  if (ClientRect().Contains({x, y})) s = down_ ? ButtonState::bsExclusive : ButtonState::bsDown;
  if (s != state_) {
    state_ = s;
    Invalidate();
  }
}

void SpeedButton::MouseUp(MouseButton button, ShiftState shift, int x, int y) {
  Control::MouseUp(button, shift, x, y);
  if (button != MouseButton::Left || !dragging_) return;
  dragging_ = false;
  bool doClick = ClientRect().Contains({x, y});
  if (groupIndex_ == 0) {
    state_ = ButtonState::bsUp;
    Invalidate();
  } else if (doClick) {
    SetDown(!down_);
    if (down_) Invalidate();
  } else {
    if (down_) state_ = ButtonState::bsExclusive;
    Invalidate();
  }
  if (doClick) Click();
}

// --- messages ------------------------------------------------------------------

void SpeedButton::WndProc(Message& msg) {
  switch (msg.msg) {
    case CM_BUTTONPRESSED:
      if (static_cast<int>(msg.wParam) == groupIndex_ && msg.lParam != reinterpret_cast<LPARAM>(this)) {
        if (auto* sender = dynamic_cast<SpeedButton*>(reinterpret_cast<Control*>(msg.lParam)))
          GroupButtonPressed(sender);
      }
      return;
    case CM_MOUSEENTER:
      if (msg.lParam == 0 || msg.lParam == reinterpret_cast<LPARAM>(this)) SetMouseInControl(Enabled());
      break;
    case CM_MOUSELEAVE:
      if (msg.lParam == 0 || msg.lParam == reinterpret_cast<LPARAM>(this)) SetMouseInControl(false);
      break;
    case CM_ENABLEDCHANGED:
      if (!Enabled()) {
        mouseInControl_ = false;
        state_ = ButtonState::bsDisabled;
      } else if (state_ == ButtonState::bsDisabled) {
        state_ = (down_ && groupIndex_ != 0) ? ButtonState::bsExclusive : ButtonState::bsUp;
      }
      break;
    case CM_VISIBLECHANGED: mouseInControl_ = false; break;
    case CM_DIALOGCHAR:
      // The `&` accelerator of the caption works like a click with the mouse.
      if (IsAccel(static_cast<char32_t>(msg.wParam), Caption()) && Enabled() && Visible()) {
        if (groupIndex_ != 0) SetDown(!down_);
        Click();
        msg.result = 1;
      }
      return;
    case WM_CANCELMODE:
    case CM_CANCELMODE:
      if (dragging_) {
        dragging_ = false;
        state_ = down_ ? ButtonState::bsExclusive : ButtonState::bsUp;
        Invalidate();
      }
      break;
    default: break;
  }
  Control::WndProc(msg);
}

// --- painting ------------------------------------------------------------------

GlyphLayout CalcGlyphLayout(const gfx::Rect& client, gfx::Size glyph, gfx::Size text, ButtonLayout layout,
                            int margin, int spacing) {
  bool horizontal = layout == ButtonLayout::blGlyphLeft || layout == ButtonLayout::blGlyphRight;
  int cw = client.Width(), ch = client.Height();
  gfx::Point gp, tp;
  if (horizontal) {
    gp.Y = (ch - glyph.Height + 1) / 2;
    tp.Y = (ch - text.Height + 1) / 2;
  } else {
    gp.X = (cw - glyph.Width + 1) / 2;
    tp.X = (cw - text.Width + 1) / 2;
  }
  if (text.Width == 0 || glyph.Width == 0) spacing = 0;
  if (margin == -1) {
    if (spacing == -1) {
      int total = horizontal ? glyph.Width + text.Width : glyph.Height + text.Height;
      margin = ((horizontal ? cw : ch) - total) / 3;
      spacing = margin;
    } else {
      int total = horizontal ? glyph.Width + spacing + text.Width : glyph.Height + spacing + text.Height;
      margin = ((horizontal ? cw : ch) - total + 1) / 2;
    }
  } else if (spacing == -1) {
    spacing = horizontal ? (cw - margin - glyph.Width - text.Width) / 2
                         : (ch - margin - glyph.Height - text.Height) / 2;
  }
  switch (layout) {
    case ButtonLayout::blGlyphLeft:
      gp.X = margin;
      tp.X = gp.X + glyph.Width + spacing;
      break;
    case ButtonLayout::blGlyphRight:
      gp.X = cw - margin - glyph.Width;
      tp.X = gp.X - spacing - text.Width;
      break;
    case ButtonLayout::blGlyphTop:
      gp.Y = margin;
      tp.Y = gp.Y + glyph.Height + spacing;
      break;
    case ButtonLayout::blGlyphBottom:
      gp.Y = ch - margin - glyph.Height;
      tp.Y = gp.Y - spacing - text.Height;
      break;
  }
  GlyphLayout out;
  out.Glyph = gfx::Rect::FromXYWH(client.Left + gp.X, client.Top + gp.Y, glyph.Width, glyph.Height);
  out.Caption = gfx::Rect::FromXYWH(client.Left + tp.X, client.Top + tp.Y, text.Width, text.Height);
  return out;
}

void SpeedButton::Paint(gfx::Canvas& canvas) {
  if (Width() <= 0 || Height() <= 0) return;
  if (!Enabled()) {
    state_ = ButtonState::bsDisabled;
    dragging_ = false;
  } else if (state_ == ButtonState::bsDisabled) {
    state_ = (down_ && groupIndex_ != 0) ? ButtonState::bsExclusive : ButtonState::bsUp;
  }
  canvas.SetFont(Font());
  PaintFace(canvas);
  bool pressed = state_ == ButtonState::bsDown || state_ == ButtonState::bsExclusive;
  PaintGlyphAndCaption(canvas, {0, 0, Width(), Height()}, pressed ? 1 : 0);
}

void SpeedButton::PaintFace(gfx::Canvas& canvas) {
  gfx::Rect r{0, 0, Width(), Height()};
  bool pressed = state_ == ButtonState::bsDown || state_ == ButtonState::bsExclusive;
  if (flat_) {
    if (!transparent_) canvas.FillRect(r, gfx::ColorToRGB(Color()));
    if (pressed)
      classic::DrawEdge(canvas, r, classic::BDR_SUNKENOUTER);
    else if (mouseInControl_ && Enabled())
      classic::DrawEdge(canvas, r, classic::BDR_RAISEDINNER);
    return;
  }
  classic::DrawButtonFace(canvas, r, pressed);
  if (state_ == ButtonState::bsExclusive && !mouseInControl_) {
    // The held-down look: a dither of face and highlight.
    gfx::Color a = gfx::ColorToRGB(gfx::clBtnFace), b = gfx::ColorToRGB(gfx::clBtnHighlight);
    for (int y = 2; y < Height() - 2; ++y)
      for (int x = 2; x < Width() - 2; ++x) canvas.SetPixel(x, y, ((x + y) & 1) ? a : b);
  }
}

void SpeedButton::PaintGlyphAndCaption(gfx::Canvas& canvas, const gfx::Rect& client, int offset) {
  const gfx::Bitmap& g = glyph_.Bitmap();
  gfx::Size gs;
  if (!g.Empty()) gs = {g.Width() / numGlyphs_, g.Height()};
  gfx::Size ts;
  if (!Caption().empty()) {
    gfx::Rect calc{0, 0, client.Width(), 0};
    canvas.DrawText(Caption(), calc, gfx::DT_CALCRECT | gfx::DT_SINGLELINE);
    ts = {calc.Width(), calc.Height()};
  }
  GlyphLayout l = CalcGlyphLayout(client, gs, ts, layout_, margin_, spacing_);
  l.Glyph = l.Glyph.Offset(offset, offset);
  l.Caption = l.Caption.Offset(offset, offset);
  if (gs.Width > 0 && gs.Height > 0) {
    // Picture index by state: up, disabled, down, exclusive.
    int index = 0;
    switch (state_) {
      case ButtonState::bsUp: index = 0; break;
      case ButtonState::bsDisabled: index = 1; break;
      case ButtonState::bsDown: index = 2; break;
      case ButtonState::bsExclusive: index = 3; break;
    }
    if (index >= numGlyphs_) index = 0;
    gfx::Rect src = gfx::Rect::FromXYWH(index * gs.Width, 0, gs.Width, gs.Height);
    if (g.Format() == gfx::PixelFormat::Bgra32)
      canvas.AlphaBlendBitmap(l.Glyph, g, src, Enabled() || numGlyphs_ > 1 ? 255 : 128);
    else
      canvas.DrawBitmapKeyed(l.Glyph.Left, l.Glyph.Top, g, src, g.PixelAt(src.Left, src.Bottom - 1));
  }
  if (ts.Width > 0 && ts.Height > 0) {
    gfx::Canvas::StateGuard guard(canvas);
    canvas.SetBrushStyle(gfx::BrushStyle::Clear);
    unsigned flags = gfx::DT_CENTER | gfx::DT_VCENTER | gfx::DT_SINGLELINE;
    gfx::Rect r = l.Caption;
    if (Enabled()) {
      canvas.SetTextColor(Font().Color);
      canvas.DrawText(Caption(), r, flags);
    } else {
      gfx::Rect shifted = r.Offset(1, 1);
      canvas.SetTextColor(gfx::ColorToRGB(gfx::clBtnHighlight));
      canvas.DrawText(Caption(), shifted, flags);
      canvas.SetTextColor(gfx::ColorToRGB(gfx::clBtnShadow));
      canvas.DrawText(Caption(), r, flags);
    }
  }
}

}  // namespace ui
