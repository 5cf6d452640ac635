// Private state of a form.
#pragma once

#include "platform/ui/forms/Form.h"
#include "platform/ui/menus/MenuBar.h"

namespace ui {

class Form::Impl {
 public:
  explicit Impl(Form& f) : menuBar(f) {}
  MenuBarLayout menuBar;
  PopupMenu* sysMenu = nullptr;
  int pressedButton = HTNOWHERE;  // caption button drawn pressed
  bool showActivate = true;
  bool surfaceModal = false;  // the window was made for ShowModal
  bool inAppCommand = false;  // passing SC_MINIMIZE / SC_RESTORE to the application
};

}  // namespace ui
