// Small pieces the skinned containers and controls share: whether a control
// is ready for skinned handling, passing a skin command on to the children,
// and the application answer of command 60.
#pragma once

#include "platform/ui/Messages.h"

namespace ui {
class Control;
}

namespace skin {

// The control can take part in skinned painting: it has a parent with a
// window and is not being loaded, read, created or destroyed.
bool ControlReady(const ui::Control* control);

// Sends the same skin command (code, low word and lParam of `msg`) to every
// child of `container` that is still among its children when its turn comes.
void PassCommandToChildren(ui::Control* container, const ui::Message& msg);

// Sends skin command `code` to every windowed child of `container`.
void SendToWindowedChildren(ui::Control* container, unsigned short code);

// The answer to command 60: the application object of this module.
ui::LRESULT ApplicationAnswer();

}  // namespace skin
