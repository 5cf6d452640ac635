// The clipboard's text, through the application's backend.
#pragma once

#include <string>

namespace ui {

// Offers `utf8` to this and other programs until something else is copied.
void SetClipboardText(const std::string& utf8);
// The clipboard's text; empty when it holds none (on X11 after waiting up to
// about a second for another program).
std::string ClipboardText();

}  // namespace ui
