// The picture of a menu item in the plain look: its own bitmap or an image
// of its list, drawn normally, embossed when disabled, and framed (sunken
// when checked, raised when selected).
#pragma once

#include <optional>

#include "platform/gfx/Canvas.h"
#include "platform/ui/ClassicLook.h"
#include "platform/ui/menus/Menus.h"

namespace ui::menupaint {

// Draws the item's picture with its top-left at (x, y): a 32-bit own bitmap
// with its alpha, any other own bitmap keyed by its transparent colour (its
// bottom-left pixel unless one is set), else the image of GetImageList().
// A disabled picture is embossed: its shape in the highlight colour one
// pixel down-right, then in the shadow colour.
void DrawItemImage(gfx::Canvas& c, const MenuItem* item, int x, int y, bool enabled);

// The box around a picture at (x, y) of `size`: one pixel wider on every
// side. Checked pictures sit in a sunken box (filled with a light colour
// unless the item is selected); selected ones in a raised box.
void DrawImageFrame(gfx::Canvas& c, const gfx::Rect& box, bool checked, bool selected);

// The symbol that stands for a system command on a system-menu item
// (minimise, maximise, restore, close), by the item's tag; none for others.
std::optional<classic::Glyph> SystemMenuSymbol(std::intptr_t tag);

}  // namespace ui::menupaint
