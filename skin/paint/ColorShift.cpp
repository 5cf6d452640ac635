#include "skin/paint/ColorShift.h"

#include <algorithm>

#include "skin/paint/Round.h"

namespace skin {
namespace {

// A component of the HSV-to-RGB conversion, clamped to a byte and rounded.
int Component(double v) { return Rnd(std::clamp(v, 0.0, 255.0)); }

}  // namespace

gfx::Color ShiftHue(int delta, gfx::Color c) {
  const gfx::Color rgb = gfx::ColorToRGB(c);
  const int r = gfx::GetR(rgb);
  const int g = gfx::GetG(rgb);
  const int b = gfx::GetB(rgb);
  const int v = std::max({r, g, b});
  const int range = v - std::min({r, g, b});
  if (v == 0 || range == 0) return c;
  const double s = static_cast<double>(range) / v;

  double hue;
  if (r == v)
    hue = (g - b) * 60.0 / range;
  else if (g == v)
    hue = 120.0 + (b - r) * 60.0 / range;
  else
    hue = 240.0 + (r - g) * 60.0 / range;
  if (hue < 0) hue += 360.0;

  // The sum is taken in double so that huge deltas cannot overflow; the
  // remainder is kept non-negative for negative deltas.
  int h = Rnd(std::fmod(hue + static_cast<double>(delta), 360.0));
  h %= 360;
  if (h < 0) h += 360;

  const double t = h / 60.0;
  const int sector = static_cast<int>(t);
  const double f = t - sector;
  const int vv = Component(v);
  const int p = Component(v * (1.0 - s));
  const int q = Component(v * (1.0 - f * s));
  const int u = Component(v * (1.0 - (1.0 - f) * s));
  switch (sector) {
    case 0: return gfx::RGB(vv, u, p);
    case 1: return gfx::RGB(q, vv, p);
    case 2: return gfx::RGB(p, vv, u);
    case 3: return gfx::RGB(p, q, vv);
    case 4: return gfx::RGB(u, p, vv);
    default: return gfx::RGB(vv, p, q);
  }
}

gfx::Color ShiftSaturation(gfx::Color c, int amount) {
  if (amount == 0) return c;
  const gfx::Color rgb = gfx::ColorToRGB(c);
  const int ch[3] = {gfx::GetR(rgb), gfx::GetG(rgb), gfx::GetB(rgb)};
  const double avg = (ch[0] + ch[1] + ch[2]) / 3.0;
  int out[3];
  for (int i = 0; i < 3; ++i) out[i] = ClampByte(Rnd(ch[i] + amount * (avg - ch[i]) / 100.0));
  return gfx::RGB(out[0], out[1], out[2]);
}

}  // namespace skin
