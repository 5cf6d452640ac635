#include "game/standin/Indicators.h"

#include <algorithm>

#include "platform/ui/ClassicLook.h"

namespace game::standin {

namespace cl = ui::classic;

ProgressBar::ProgressBar(ui::Component* owner) : ui::Control(owner) {}

void ProgressBar::SetRange(int min, int max) {
  min_ = min;
  max_ = std::max(min, max);
  Invalidate();
}

void ProgressBar::SetPosition(int pos) {
  position_ = pos;
  Invalidate();
}

int ProgressBar::FilledWidth() const {
  const int inner = std::max(0, Width() - 2);
  if (max_ <= min_) return 0;
  const int pos = std::clamp(position_, min_, max_);
  return static_cast<int>(static_cast<long long>(inner) * (pos - min_) / (max_ - min_));
}

void ProgressBar::Paint(gfx::Canvas& canvas) {
  gfx::Rect r{0, 0, Width(), Height()};
  canvas.FillRect(r, gfx::ColorToRGB(gfx::clBtnFace));
  cl::DrawEdge(canvas, r, cl::BDR_SUNKENOUTER);
  const int filled = FilledWidth();
  if (filled > 0) canvas.FillRect({1, 1, 1 + filled, Height() - 1}, gfx::ColorToRGB(gfx::clHighlight));
}

Bevel::Bevel(ui::Component* owner) : ui::Control(owner) {}

void Bevel::SetShape(BevelShape s) {
  shape_ = s;
  Invalidate();
}

void Bevel::Paint(gfx::Canvas& canvas) {
  if (shape_ == BevelShape::TopLine) {
    cl::DrawEdge(canvas, {0, 0, Width(), 2}, cl::BDR_SUNKENOUTER);
    return;
  }
  cl::DrawEdge(canvas, {0, 0, Width(), Height()}, cl::EDGE_ETCHED);
}

}  // namespace game::standin
