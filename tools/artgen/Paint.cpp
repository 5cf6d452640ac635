#include "tools/artgen/Paint.h"

#include <cmath>
#include <utility>

namespace artgen {

Rgba FromHex(unsigned rgb, double alpha) {
  return {((rgb >> 16) & 0xFF) / 255.0, ((rgb >> 8) & 0xFF) / 255.0, (rgb & 0xFF) / 255.0, alpha};
}

Rgba MixColor(Rgba a, Rgba b, double t) {
  return {Mix(a.r, b.r, t), Mix(a.g, b.g, t), Mix(a.b, b.b, t), Mix(a.a, b.a, t)};
}

Rgba WithAlpha(Rgba c, double alpha) {
  c.a = alpha;
  return c;
}

Rgba Lighten(Rgba c, double t) { return MixColor(c, Rgba{1, 1, 1, c.a}, t); }
Rgba Darken(Rgba c, double t) { return MixColor(c, Rgba{0, 0, 0, c.a}, t); }

double Luma(Rgba c) { return 0.299 * c.r + 0.587 * c.g + 0.114 * c.b; }

Rgba Desaturate(Rgba c, double saturation) {
  const double y = Luma(c);
  return MixColor(Rgba{y, y, y, c.a}, c, saturation);
}

Coverage Fill(Distance shape) {
  return [shape = std::move(shape)](Vec2 p, double pixel) { return Clamp01(0.5 - shape(p) / pixel); };
}

Coverage Stroke(Distance shape, double width, double shift) {
  return [shape = std::move(shape), width, shift](Vec2 p, double pixel) {
    const double d = std::fabs(shape(p) - shift) - width / 2;
    return Clamp01(0.5 - d / pixel);
  };
}

Coverage Soft(Distance shape, double inner, double outer) {
  return [shape = std::move(shape), inner, outer](Vec2 p, double) {
    return 1.0 - SmoothStep(inner, outer, shape(p));
  };
}

Coverage Clip(Coverage c, Coverage by) {
  return [c = std::move(c), by = std::move(by)](Vec2 p, double pixel) {
    const double a = c(p, pixel);
    return a <= 0 ? 0.0 : a * by(p, pixel);
  };
}

FloatImage::FloatImage(int width, int height, double unitsPerPixel)
    : width_(width),
      height_(height),
      unitsPerPixel_(unitsPerPixel),
      px_(static_cast<std::size_t>(width) * height) {}

void FloatImage::Paint(const Coverage& coverage, const Shader& shader) {
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) {
      const Vec2 p{(x + 0.5) * unitsPerPixel_, (y + 0.5) * unitsPerPixel_};
      const double cov = coverage(p, unitsPerPixel_);
      if (cov <= 0) continue;
      const Rgba c = shader(p);
      const double a = Clamp01(c.a * cov);
      if (a <= 0) continue;
      Premul& d = px_[static_cast<std::size_t>(y) * width_ + x];
      d.r = c.r * a + d.r * (1 - a);
      d.g = c.g * a + d.g * (1 - a);
      d.b = c.b * a + d.b * (1 - a);
      d.a = a + d.a * (1 - a);
    }
  }
}

void FloatImage::Paint(const Coverage& coverage, Rgba colour) {
  Paint(coverage, [colour](Vec2) { return colour; });
}

double FloatImage::AlphaAt(int x, int y) const { return px_[static_cast<std::size_t>(y) * width_ + x].a; }

gfx::Bitmap FloatImage::ToBitmap() const {
  gfx::Bitmap out = gfx::NewBitmap32(width_, height_);
  const auto byte = [](double v) { return static_cast<int>(std::lround(Clamp01(v) * 255.0)); };
  for (int y = 0; y < height_; ++y) {
    std::uint8_t* row = out.Scanline(y);
    for (int x = 0; x < width_; ++x) {
      const Premul& s = px_[static_cast<std::size_t>(y) * width_ + x];
      const int a = byte(s.a);
      std::uint8_t* o = row + 4 * x;
      if (a == 0) {
        o[0] = o[1] = o[2] = o[3] = 0;
        continue;
      }
      o[0] = static_cast<std::uint8_t>(byte(s.b / s.a));
      o[1] = static_cast<std::uint8_t>(byte(s.g / s.a));
      o[2] = static_cast<std::uint8_t>(byte(s.r / s.a));
      o[3] = static_cast<std::uint8_t>(a);
    }
  }
  return out;
}

}  // namespace artgen
