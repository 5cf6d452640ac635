// The colours of the skinned labels, decided from the skin at every paint:
// the text colour an ancestor's section gives, the link colours of the web
// label and the colour of disabled text.
#pragma once

#include "platform/gfx/Color.h"

namespace ui {
class Control;
}

namespace skin {

class TsSkinModel;

// The skin's text colour for a label: the FONTCOLOR of the nearest
// ancestor section that gives its own font (a section more than half
// transparent lets its parent decide), else GLOBALINFO's; clFuchsia when the
// skin has neither (the label keeps its colour).
gfx::Color AncestorFontColor(const ui::Control& label, const TsSkinModel& model);

// GLOBALINFO's TCTOP (hovered) or TCBOTTOM value of the skin, with unset
// values giving red (hovered) or blue; `fallback` when the skin has no
// GLOBALINFO.
gfx::Color WebLabelSkinColor(const TsSkinModel& model, bool hovered, gfx::Color fallback);

// Disabled text: per channel rnd(0.4 * font + 0.6 * parent) of the resolved
// colours.
gfx::Color DisabledTextColor(gfx::Color font, gfx::Color parent);

}  // namespace skin
