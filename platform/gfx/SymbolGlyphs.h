// Caption-button symbols of the "Webdings" face, drawn by the program.
//
// Menus draw the minimise, maximise, restore and close symbols as the
// characters "0", "1", "2" and "r" of that face. These four are drawn here
// from the shapes of the classic caption buttons, scaled to the em height: the metric-compatible face of
// fonts-wine has no "r" and its outlines blur at menu sizes, and without it Linux has no such face at all.
// Every other character comes from the installed face or its stand-in.
#pragma once

#include <optional>
#include <vector>

#include "platform/gfx/FontCache.h"
#include "platform/gfx/Geometry.h"

namespace gfx {

// A symbol on a 16 x 16 grid: filled boxes and at most one filled polygon.
// The classic caption buttons draw the same shapes (the close cross they draw
// pixel by pixel, sharp at their small sizes).
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
