// Painting a container's windowless children (speed buttons, labels, bevels,
// pictures) onto a surface, each over the right background, so that a
// transparent child shows the container's look.
#pragma once

#include "platform/gfx/Canvas.h"
#include "platform/gfx/Geometry.h"

namespace ui {
class WinControl;
}

namespace skin {

// Paints the windowless children of `container` onto `target`, whose point
// (x, y) + `offset` is the container's client point (x, y). A child whose
// off-screen picture starts with a magenta pixel is not copied. A call made
// while another one runs does nothing. With an empty clip box on the target
// the container is told to render again at its next paint (command 22).
void PaintWindowlessChildren(ui::WinControl* container, gfx::Canvas& target, gfx::Point offset);

}  // namespace skin
