#include "platform/ui/controls/Bevel.h"

#include "platform/gfx/Canvas.h"
#include "platform/ui/ClassicLook.h"

namespace ui {

Bevel::Bevel(Component* owner) : Control(owner) {
  SetControlStyle(ControlStyle() & ~(csOpaque | csClickEvents | csDoubleClicks));
  SetBounds(0, 0, 50, 50);
}

Bevel::~Bevel() { BeginDestruction(); }

void Bevel::SetShape(BevelShape s) {
  if (s == shape_) return;
  shape_ = s;
  Invalidate();
}

void Bevel::SetStyle(BevelStyle s) {
  if (s == style_) return;
  style_ = s;
  Invalidate();
}

void Bevel::Paint(gfx::Canvas& c) {
  gfx::Color shadow = gfx::ColorToRGB(gfx::clBtnShadow), light = gfx::ColorToRGB(gfx::clBtnHighlight);
  // Lowered: dark above/left, light below/right; raised the other way round.
  gfx::Color first = style_ == BevelStyle::bsLowered ? shadow : light;
  gfx::Color second = style_ == BevelStyle::bsLowered ? light : shadow;
  int w = Width(), h = Height();
  switch (shape_) {
    case BevelShape::bsBox: classic::Frame3D(c, {0, 0, w, h}, first, second); break;
    case BevelShape::bsFrame:
      // Etched: the line and its highlight one pixel further in.
      classic::Frame3D(c, {0, 0, w - 1, h - 1}, first, first);
      classic::Frame3D(c, {1, 1, w, h}, second, second);
      break;
    case BevelShape::bsTopLine:
      c.FillRect({0, 0, w, 1}, first);
      c.FillRect({0, 1, w, 2}, second);
      break;
    case BevelShape::bsBottomLine:
      c.FillRect({0, h - 2, w, h - 1}, first);
      c.FillRect({0, h - 1, w, h}, second);
      break;
    case BevelShape::bsLeftLine:
      c.FillRect({0, 0, 1, h}, first);
      c.FillRect({1, 0, 2, h}, second);
      break;
    case BevelShape::bsRightLine:
      c.FillRect({w - 2, 0, w - 1, h}, first);
      c.FillRect({w - 1, 0, w, h}, second);
      break;
    case BevelShape::bsSpacer: break;
  }
}

}  // namespace ui
