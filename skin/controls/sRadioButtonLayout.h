// Where a skinned radio button puts its glyph, its caption and its focus
// dots, and the size it asks for: pure integer layout of the button's size,
// the glyph cell, the measured caption, Margin and TextIndent.
#pragma once

#include "platform/gfx/Geometry.h"

namespace skin {

// One state picture of a radio glyph and the number of pictures side by side.
struct RadioGlyphCell {
  int Width = 0;
  int Height = 0;
  int Frames = 0;  // 0: nothing to draw
};

// An own glyph bitmap of w x h: as many square frames as fit when the width
// is a whole multiple of the height, otherwise one frame of the whole width.
// An empty bitmap (either side 0 or less) has no frame.
RadioGlyphCell OwnGlyphCell(int w, int h);
// The frame an own glyph shows for a state: min(state, frames - 1), never
// below 0.
int OwnGlyphFrame(const RadioGlyphCell& cell, int state);

// The glyph's box: Margin from the near edge, vertically centred.
gfx::Rect RadioGlyphBox(int w, int h, int gw, int gh, bool glyphLeft, int margin);

// The width the caption may use: W - gw - TextIndent - 2 * Margin - 2
// (negative when the button is too narrow: then no caption is drawn).
int RadioCaptionRoom(int w, int gw, int textIndent, int margin);

// The caption's rectangle for a caption measured tw x th in `room`.
gfx::Rect RadioCaptionRect(int w, int h, int room, int th, bool glyphLeft, int margin, bool wordWrap);

// The rectangle of the focus dots around a caption rectangle.
gfx::Rect RadioFocusRect(const gfx::Rect& caption, int tw, bool wordWrap);

// The size a skinned button with AutoSize asks for.
gfx::Size RadioAutoSize(int gw, int gh, bool hasCaption, int tw, int th, int margin, int textIndent);

}  // namespace skin
