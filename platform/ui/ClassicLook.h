// Drawing of the plain classic look: 3D edges, button faces, scroll bars and
// the caption-button symbols (drawn, so no symbol font is needed).
#pragma once

#include <string>

#include "platform/gfx/Canvas.h"
#include "platform/ui/Messages.h"

namespace ui::classic {

// Edge bits (outer and inner rings of a 3D border).
constexpr unsigned BDR_RAISEDOUTER = 0x1;
constexpr unsigned BDR_SUNKENOUTER = 0x2;
constexpr unsigned BDR_RAISEDINNER = 0x4;
constexpr unsigned BDR_SUNKENINNER = 0x8;
constexpr unsigned EDGE_RAISED = BDR_RAISEDOUTER | BDR_RAISEDINNER;
constexpr unsigned EDGE_SUNKEN = BDR_SUNKENOUTER | BDR_SUNKENINNER;
constexpr unsigned EDGE_ETCHED = BDR_SUNKENOUTER | BDR_RAISEDINNER;
constexpr unsigned EDGE_BUMP = BDR_RAISEDOUTER | BDR_SUNKENINNER;

// One-pixel frame: top and left in `topLeft`, bottom and right in `bottomRight`.
void Frame3D(gfx::Canvas& c, const gfx::Rect& r, gfx::Color topLeft, gfx::Color bottomRight);
// Draws the edge rings inside `r` (1 px per ring).
void DrawEdge(gfx::Canvas& c, const gfx::Rect& r, unsigned edge);
// A push-button face: raised (or pressed) edges and a button-face fill.
void DrawButtonFace(gfx::Canvas& c, const gfx::Rect& r, bool pressed);

// Disabled text as the classic look embosses it: the text's shape in
// highlight one pixel right and down, and over it in shadow, both solid (the
// shape is the text's pixels of at least half coverage), in the canvas's font
// with the DrawText flags.
void DrawDisabledText(gfx::Canvas& c, const std::string& text, const gfx::Rect& r, unsigned flags);

// Symbols of caption and scroll-bar buttons.
enum class Glyph {
  Minimize,
  Maximize,
  Restore,
  Close,
  Help,
  ArrowUp,
  ArrowDown,
  ArrowLeft,
  ArrowRight,
  Check,
  Bullet,
  SubMenu
};
// Draws the symbol centred in `r` in colour `color`, scaled to the box.
void DrawGlyph(gfx::Canvas& c, const gfx::Rect& r, Glyph g, gfx::Color color);

// A classic scroll bar: two arrow buttons, the track and the thumb.
void DrawScrollBar(gfx::Canvas& c, const gfx::Rect& bar, bool vertical, const ScrollInfo& info, bool enabled);
// The scroll code for a press at `p` (same coordinates as `bar`): SB_LINEUP,
// SB_LINEDOWN, SB_PAGEUP, SB_PAGEDOWN, or -1 (outside / on the thumb).
int ScrollBarPart(const gfx::Rect& bar, bool vertical, const ScrollInfo& info, gfx::Point p);
// The thumb rectangle of a scroll bar (empty when there is no room).
gfx::Rect ScrollThumb(const gfx::Rect& bar, bool vertical, const ScrollInfo& info);

}  // namespace ui::classic
