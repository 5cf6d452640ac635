#include "platform/ui/menus/MenuSlide.h"

#include <algorithm>

#include "platform/ui/Application.h"
#include "platform/ui/WinControl.h"

namespace ui {

bool MenuSlide::Slides(MenuAnimation a) {
  return !(a & maNone) && (a & (maLeftToRight | maRightToLeft | maTopToBottom | maBottomToTop));
}

gfx::Rect MenuSlide::VisiblePart(gfx::Size size, MenuAnimation a, std::int64_t elapsed) {
  gfx::Rect r{0, 0, size.Width, size.Height};
  if (!Slides(a) || elapsed >= kDurationMs) return r;
  auto grown = [&](int full) {
    return std::max(1, static_cast<int>(full * std::max<std::int64_t>(elapsed, 0) / kDurationMs));
  };
  if (a & maLeftToRight)
    r.Right = grown(size.Width);
  else if (a & maRightToLeft)
    r.Left = size.Width - grown(size.Width);
  if (a & maTopToBottom)
    r.Bottom = grown(size.Height);
  else if (a & maBottomToTop)
    r.Top = size.Height - grown(size.Height);
  return r;
}

MenuSlide::MenuSlide(WinControl& w, MenuAnimation a) : window_(w), animation_(a) {
  if (!Slides(a)) return;
  start_ = App().NowMs();
  window_.SetWindowRegion(gfx::Region(VisiblePart({w.Width(), w.Height()}, a, 0)), false);
  timer_ = App().StartCallbackTimer(kStepMs, [this] { Step(); });
}

MenuSlide::~MenuSlide() {
  if (timer_) App().StopCallbackTimer(timer_);
}

void MenuSlide::Step() {
  std::int64_t elapsed = App().NowMs() - start_;
  if (elapsed >= kDurationMs) {
    App().StopCallbackTimer(timer_);
    timer_ = 0;
    window_.SetWindowRegion(std::nullopt, true);
    return;
  }
  window_.SetWindowRegion(gfx::Region(VisiblePart({window_.Width(), window_.Height()}, animation_, elapsed)),
                          true);
}

}  // namespace ui
