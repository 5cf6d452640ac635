#include "tools/artgen/Effects.h"

#include <cmath>

namespace artgen {

Vec2 Normal(const Distance& shape, Vec2 p) {
  const double h = 0.25;
  const Vec2 g{shape(p + Vec2{h, 0}) - shape(p - Vec2{h, 0}), shape(p + Vec2{0, h}) - shape(p - Vec2{0, h})};
  const double len = Length(g);
  return len > 0 ? g / len : Vec2{0, 0};
}

void PaintBevel(FloatImage& img, const Distance& shape, double width, Vec2 light, Rgba high, Rgba low) {
  const Coverage inside = Fill(shape);
  img.Paint(inside, [&](Vec2 p) {
    const double depth = Clamp01(1.0 + shape(p) / width);  // 1 at the edge, 0 at `width` inside
    const double s = Dot(Normal(shape, p), light);
    const double w = depth * depth;
    return s >= 0 ? WithAlpha(high, high.a * s * w) : WithAlpha(low, low.a * -s * w);
  });
}

Shader VerticalGradient(double y0, Rgba top, double y1, Rgba bottom) {
  return [=](Vec2 p) { return MixColor(top, bottom, Clamp01((p.y - y0) / (y1 - y0))); };
}

}  // namespace artgen
