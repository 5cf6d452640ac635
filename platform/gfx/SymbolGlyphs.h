// Caption-button symbols for the "Webdings" face where it is not installed.
//
// Menus draw the minimise, maximise, restore and close symbols as the
// characters "0", "1", "2" and "r" of that face. Linux has no such face, so
// these four are drawn here from the same shapes as the classic caption
// buttons, scaled to the em height. Every other character comes from the
// face standing in for it.
#pragma once

#include <optional>
#include <vector>

#include "platform/gfx/FontCache.h"
#include "platform/gfx/Geometry.h"

namespace gfx {

// A symbol on a 16 x 16 grid: filled boxes and at most one filled polygon.
// The classic caption buttons draw the same shapes.
struct SymbolShape {
  std::vector<Rect> Boxes;
  std::vector<Point> Polygon;
  bool Empty() const { return Boxes.empty() && Polygon.empty(); }
};

// The shape of "0" (minimise), "1" (maximise), "2" (restore) or "r" (close);
// empty for every other character.
SymbolShape SymbolShapeOf(char32_t cp);

// The symbol for `cp` at an em height of `pixelHeight`, vertically centred in
// a line of the given metrics; nullopt for characters that are not symbols.
std::optional<GlyphImage> SymbolGlyph(char32_t cp, int pixelHeight, const FontMetrics& line);

}  // namespace gfx
