// Private state of a form.
#pragma once

#include "platform/ui/Form.h"
#include "platform/ui/MenuBar.h"

namespace ui {

class Form::Impl {
 public:
  explicit Impl(Form& f) : menuBar(f) {}
  MenuBarLayout menuBar;
  PopupMenu* sysMenu = nullptr;
  int pressedButton = HTNOWHERE;  // caption button drawn pressed
  bool showActivate = true;
};

}  // namespace ui
