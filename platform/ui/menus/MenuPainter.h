// Measuring and painting of menu items in the plain classic look, and the
// owner-draw hand-off to the items' events.
#pragma once

#include <vector>

#include "platform/gfx/Canvas.h"
#include "platform/ui/menus/Menus.h"

namespace ui {

class Form;

namespace menupaint {

// Caption flags of popup items (0x164), shortcut texts (0x24), title items
// (0x100025) and bar items (0x165).
constexpr unsigned kPopupCaptionFlags = 0x164;
constexpr unsigned kShortCutFlags = 0x24;
constexpr unsigned kTitleFlags = 0x100025;
constexpr unsigned kBarCaptionFlags = 0x165;

// Where the parts of a popup's items go, shared by the items of a popup:
// the picture column at the left (check marks, images, system symbols) and,
// per item, the offset of the shortcut text from the item's left edge.
struct PopupItemLayout {
  int GlyphColumn = 0;
  int ShortCutX = 0;
};

// Width of the picture column for items whose widest picture is
// `imageWidth` pixels (0 without pictures): room for a check mark at least.
int GlyphColumnWidth(int imageWidth);
// The widest picture among the items (0 without any).
int WidestImage(const std::vector<MenuItem*>& items);
// Width of the caption part (picture column + caption) of an item, where
// its shortcut text could start.
int CaptionExtent(gfx::Canvas& c, MenuItem* item, int glyphColumn);

// Size of a popup item with this picture column; owner-drawn items are
// measured by WM_MEASUREITEM to the target form, then by their
// OnMeasureItem event.
gfx::Size MeasurePopupItem(gfx::Canvas& c, MenuItem* item, Form* target, int glyphColumn);
gfx::Size MeasureBarItem(gfx::Canvas& c, MenuItem* item, Form* target);
void DrawPopupItem(gfx::Canvas& c, MenuItem* item, const gfx::Rect& r, OwnerDrawState state,
                   const PopupItemLayout& layout);
void DrawBarItem(gfx::Canvas& c, MenuItem* item, const gfx::Rect& r, OwnerDrawState state);
// The vertical line of a bar break between two popup columns.
void DrawColumnLine(gfx::Canvas& c, const gfx::Rect& line);
// Runs the item's draw events; false when it has none.
bool OwnerDraw(gfx::Canvas& c, MenuItem* item, const gfx::Rect& r, OwnerDrawState state);
gfx::Font MenuFontFor(const MenuItem* item);
// The text an item shows: without a leading backspace, a title item's word
// without its dashes.
std::string DisplayCaption(const MenuItem* item);

}  // namespace menupaint
}  // namespace ui
