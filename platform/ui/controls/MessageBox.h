// A modal message box: caption, text, an optional icon and an OK button.
// Enter, Esc and the close box all close it; Ctrl+C copies its text.
#pragma once

#include <string>

#include "platform/ui/forms/Form.h"

namespace ui {

enum class MessageIcon { None, Error, Warning, Information };

// Shows the box centred on the active form (or the screen) and returns when
// it is closed: mrOk for the button, Enter or Esc (the one button is both
// default and cancel), mrCancel for the close box. Without an application
// the message goes to standard error and the answer is mrOk.
ModalResult ShowMessageBox(const std::string& text, const std::string& caption,
                           MessageIcon icon = MessageIcon::None);
// The box with the application's title as caption.
ModalResult ShowMessage(const std::string& text);

// Draws a simple message icon into `r` (a circle with a cross, "!" or "i").
void DrawMessageIcon(gfx::Canvas& canvas, const gfx::Rect& r, MessageIcon icon);

}  // namespace ui
