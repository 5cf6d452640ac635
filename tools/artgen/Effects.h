// Shading effects shared by the artwork: bevels lit from one side and
// linear gradients.
#pragma once

#include "tools/artgen/Paint.h"

namespace artgen {

// Outward unit normal of a distance field at `p` (numeric gradient).
Vec2 Normal(const Distance& shape, Vec2 p);

// Light and shade along the inside of a shape's edge, `width` units deep:
// edges facing `light` (a unit vector pointing towards the light) get `high`,
// edges facing away get `low`, fading towards the inside. A raised look; swap
// the colours for an engraved one.
void PaintBevel(FloatImage& img, const Distance& shape, double width, Vec2 light, Rgba high, Rgba low);

// Vertical gradient from `top` at y = y0 to `bottom` at y = y1.
Shader VerticalGradient(double y0, Rgba top, double y1, Rgba bottom);

}  // namespace artgen
