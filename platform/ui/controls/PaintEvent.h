// Event types of the standard controls.
#pragma once

#include "platform/gfx/Canvas.h"
#include "platform/ui/Events.h"

namespace ui {

// Called after a control painted itself, with the canvas it painted on.
using PaintEvent = Event<Component*, gfx::Canvas&>;

}  // namespace ui
