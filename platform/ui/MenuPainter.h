// Measuring and painting of menu items in the plain classic look, and the
// owner-draw hand-off to the items' events.
#pragma once

#include "platform/gfx/Canvas.h"
#include "platform/ui/Menus.h"

namespace ui {

class Form;

namespace menupaint {

// Caption flags of popup items (0x164), shortcut texts (0x24) and bar items (0x165).
constexpr unsigned kPopupCaptionFlags = 0x164;
constexpr unsigned kShortCutFlags = 0x24;
constexpr unsigned kBarCaptionFlags = 0x165;

// Size of a popup item; owner-drawn items are measured by WM_MEASUREITEM to
// the target form, then by their OnMeasureItem event.
gfx::Size MeasurePopupItem(gfx::Canvas& c, MenuItem* item, Form* target);
gfx::Size MeasureBarItem(gfx::Canvas& c, MenuItem* item, Form* target);
void DrawPopupItem(gfx::Canvas& c, MenuItem* item, const gfx::Rect& r, OwnerDrawState state,
                   int shortcutColumn);
void DrawBarItem(gfx::Canvas& c, MenuItem* item, const gfx::Rect& r, OwnerDrawState state);
// Runs the item's draw events; false when it has none.
bool OwnerDraw(gfx::Canvas& c, MenuItem* item, const gfx::Rect& r, OwnerDrawState state);
gfx::Font MenuFontFor(const MenuItem* item);

}  // namespace menupaint
}  // namespace ui
