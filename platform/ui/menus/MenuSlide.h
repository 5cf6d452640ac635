// The slide-in of a popup menu window: its visible part grows from the
// edges that the menu's animation names, through the window region, over a
// short time of the application clock. maNone (or no direction) shows the
// window whole at once.
#pragma once

#include <cstdint>

#include "platform/gfx/Geometry.h"
#include "platform/ui/menus/Menus.h"

namespace ui {

class WinControl;

class MenuSlide {
 public:
  static constexpr int kDurationMs = 150;
  static constexpr unsigned kStepMs = 10;

  // True when `a` asks for a slide (a direction and not maNone).
  static bool Slides(MenuAnimation a);
  // The part of a window of `size` that shows `elapsed` ms into the slide
  // (window coordinates; the whole window from kDurationMs on).
  static gfx::Rect VisiblePart(gfx::Size size, MenuAnimation a, std::int64_t elapsed);

  // Starts sliding `w` in (call before showing it); does nothing when `a`
  // does not slide.
  MenuSlide(WinControl& w, MenuAnimation a);
  // Stops the slide; the window keeps whatever shape it has then.
  ~MenuSlide();
  MenuSlide(const MenuSlide&) = delete;
  MenuSlide& operator=(const MenuSlide&) = delete;

  bool Running() const { return timer_ != 0; }

 private:
  void Step();

  WinControl& window_;
  MenuAnimation animation_;
  std::int64_t start_ = 0;
  int timer_ = 0;
};

}  // namespace ui
