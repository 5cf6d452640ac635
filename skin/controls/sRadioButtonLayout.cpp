#include "skin/controls/sRadioButtonLayout.h"

#include <algorithm>

namespace skin {

RadioGlyphCell OwnGlyphCell(int w, int h) {
  if (w <= 0 || h <= 0) return {};
  // A strip of square frames; anything else (narrower than high, or a
  // remainder) is one picture, so no frame reaches past the bitmap.
  if (w % h == 0) return {h, h, w / h};
  return {w, h, 1};
}

int OwnGlyphFrame(const RadioGlyphCell& cell, int state) {
  return std::max(0, std::min(state, cell.Frames - 1));
}

gfx::Rect RadioGlyphBox(int w, int h, int gw, int gh, bool glyphLeft, int margin) {
  const int left = glyphLeft ? margin : w - gw - margin;
  const int top = (h - gh) / 2;
  return {left, top, left + gw, top + gh};
}

int RadioCaptionRoom(int w, int gw, int textIndent, int margin) { return w - gw - textIndent - 2 * margin - 2; }

gfx::Rect RadioCaptionRect(int w, int h, int room, int th, bool glyphLeft, int margin, bool wordWrap) {
  gfx::Rect r;
  r.Top = std::max((h - th) / 2, margin);
  r.Bottom = r.Top + th;
  if (glyphLeft) {
    r.Left = w - room - margin + 2;
    r.Right = w - margin;
  } else {
    r.Left = margin;
    r.Right = room + margin;
  }
  return r.Offset(wordWrap ? -1 : 0, -1);
}

gfx::Rect RadioFocusRect(const gfx::Rect& caption, int tw, bool wordWrap) {
  gfx::Rect r = caption;
  r.Top += 1;
  if (!wordWrap) r.Bottom -= 1;
  r.Right = r.Left + tw;
  return r.Inflate(1, 1);
}

gfx::Size RadioAutoSize(int gw, int gh, bool hasCaption, int tw, int th, int margin, int textIndent) {
  const int w = gw + 2 * margin + (hasCaption ? tw + textIndent + 8 : 0);
  const int h = std::max(gh, (hasCaption ? th : 0) + 2 * margin) + 2;
  return {w, h};
}

}  // namespace skin
