// Crisp 1x pixel drawing on 24-bit skin images: boxes with rounded corners
// cut by the transparent key colour, vertical gradients, and small glyphs
// written as rows of characters.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Color.h"

namespace artgen {

// A 24-bit bitmap filled with the key colour (magenta).
gfx::Bitmap KeyBitmap(int width, int height);

void FillBox(gfx::Bitmap& b, int x, int y, int w, int h, gfx::Color c);
// Row r of h gets top mixed towards bottom by r / (h - 1).
void VerticalGradient(gfx::Bitmap& b, int x, int y, int w, int h, gfx::Color top, gfx::Color bottom);

// Where a pixel of a w x h box with corner radius r lies.
enum class BoxPart { Outside, Edge, Inside };
BoxPart PartOfRoundBox(int px, int py, int w, int h, int r);

// A box with a 1 px outline and rounded corners; pixels outside the corners
// are left alone (key colour on a KeyBitmap). `fill` gives the colour of an
// inside pixel by its row within the box.
void RoundBox(gfx::Bitmap& b, int x, int y, int w, int h, int r, gfx::Color outline,
              const std::function<gfx::Color(int row)>& fill);

// Draws rows of characters at (x, y): each character is looked up in `colours`;
// characters not in it ('.' by convention) leave the pixel alone.
void DrawPattern(gfx::Bitmap& b, int x, int y, const std::vector<std::string>& rows,
                 const std::map<char, gfx::Color>& colours);

}  // namespace artgen
