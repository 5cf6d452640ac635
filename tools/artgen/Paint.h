// The artwork's rasteriser: a floating-point RGBA image with premultiplied
// alpha, painted layer by layer. Each layer is a coverage function (how much
// of a pixel a shape covers, 0..1, anti-aliased from a signed distance) and a
// shader (the straight-alpha colour at a point). The finished image converts
// to a 32-bit bitmap with straight alpha.
#pragma once

#include <functional>
#include <vector>

#include "platform/gfx/Bitmap.h"
#include "tools/artgen/Vec2.h"

namespace artgen {

// Straight (not premultiplied) colour, channels 0..1 in sRGB.
struct Rgba {
  double r = 0, g = 0, b = 0, a = 1;
};

Rgba FromHex(unsigned rgb, double alpha = 1.0);
Rgba MixColor(Rgba a, Rgba b, double t);  // t = 0 gives a, 1 gives b; alpha mixes too
Rgba WithAlpha(Rgba c, double alpha);
Rgba Lighten(Rgba c, double t);  // towards white
Rgba Darken(Rgba c, double t);   // towards black
// Keeps `saturation` (0..1) of the colour's distance from its own grey.
Rgba Desaturate(Rgba c, double saturation);
double Luma(Rgba c);

// Coverage of a pixel centred at `p`, where one pixel spans `pixel` units.
using Coverage = std::function<double(Vec2 p, double pixel)>;
using Shader = std::function<Rgba(Vec2 p)>;
using Distance = std::function<double(Vec2 p)>;

// Anti-aliased inside of a shape: a one-pixel ramp across its edge.
Coverage Fill(Distance shape);
// A band of `width` units centred on the shape's edge moved out by `shift`.
Coverage Stroke(Distance shape, double width, double shift = 0.0);
// Soft falloff: 1 at distance `inner` and below, 0 at `outer` and beyond.
Coverage Soft(Distance shape, double inner, double outer);
// Product of two coverages (the second clips the first).
Coverage Clip(Coverage c, Coverage by);

class FloatImage {
 public:
  // `unitsPerPixel`: size of one pixel in design units, so that one design
  // can be rendered at several sizes (the icons).
  FloatImage(int width, int height, double unitsPerPixel = 1.0);

  int Width() const { return width_; }
  int Height() const { return height_; }

  // Composites the shader's colour over the image where the coverage says.
  void Paint(const Coverage& coverage, const Shader& shader);
  void Paint(const Coverage& coverage, Rgba colour);

  // Straight alpha of a pixel, 0..1.
  double AlphaAt(int x, int y) const;

  // Rounds to 8 bits per channel; fully transparent pixels become 0,0,0,0.
  gfx::Bitmap ToBitmap() const;

 private:
  struct Premul {
    double r = 0, g = 0, b = 0, a = 0;
  };
  int width_;
  int height_;
  double unitsPerPixel_;
  std::vector<Premul> px_;
};

}  // namespace artgen
