#include "platform/ui/Clipboard.h"

#include "platform/ui/Application.h"

namespace ui {

void SetClipboardText(const std::string& utf8) { Application::Instance().Backend().SetClipboardText(utf8); }

std::string ClipboardText() { return Application::Instance().Backend().ClipboardText().value_or(""); }

}  // namespace ui
