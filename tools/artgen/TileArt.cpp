#include "tools/artgen/TileArt.h"

#include <cmath>
#include <stdexcept>

#include "tools/artgen/Effects.h"
#include "tools/artgen/Shapes.h"

namespace artgen {

namespace {

constexpr Vec2 kCentre{100, 100};
constexpr double kPlateHalf = 82;  // the plate spans 18..182
constexpr double kPlateRadius = 26;
const Vec2 kLight = Vec2{-0.6, -0.8};  // light from the upper left

struct TileTheme {
  unsigned colour;  // the lit plate's base colour, 0xRRGGBB
  Distance motif;
};

TileTheme Theme(int tile) {
  switch (tile) {
    case 1: return {0xE02A3A, [](Vec2 p) { return HeartDist(p, {100, 103}, 92) - 3; }};
    case 2: return {0xF7841A, [](Vec2 p) { return CircleDist(p, kCentre, 50); }};
    case 3: return {0xF2C10F, [](Vec2 p) { return StarDist(p, {100, 105}, 60, 0.45) - 4; }};
    case 4: return {0x25B347, [](Vec2 p) { return TriangleDist(p, {100, 115}, 54) - 6; }};
    case 5: return {0x2C74F0, [](Vec2 p) { return RhombusDist(p, kCentre, {44, 60}) - 3; }};
    case 6: return {0x9440E6, [](Vec2 p) { return CrescentDist(p, {98, 100}, 54, 46, 30, -kPi / 4); }};
    default: throw std::out_of_range("tile number outside 1..6");
  }
}

double PlateDist(Vec2 p) { return RoundBoxDist(p, kCentre, {kPlateHalf, kPlateHalf}, kPlateRadius); }

// Soft shadow or glow, confined to the picture's inner area.
double Confined(double alpha, Vec2 p) {
  const double edge = std::min(std::min(p.x, kTileSize - p.x), std::min(p.y, kTileSize - p.y));
  return edge <= kTileMargin ? 0.0 : alpha;
}

void PaintPlate(FloatImage& img, Rgba top, Rgba bottom, double rimLight) {
  img.Paint(Fill(PlateDist), VerticalGradient(18, top, 182, bottom));
  // A thin highlight just inside the edge and a dark outline on it.
  img.Paint(Stroke(PlateDist, 2.0, -2.5), Rgba{1, 1, 1, rimLight});
  img.Paint(Stroke(PlateDist, 1.5, -0.75), Rgba{0, 0, 0, 0.45});
}

void PaintLit(FloatImage& img, const TileTheme& t) {
  const Rgba base = FromHex(t.colour);
  // Coloured halo around the plate: the tile gives off light.
  img.Paint([](Vec2 p, double) { return Confined(1.0 - SmoothStep(-2, 10, PlateDist(p)), p); },
            WithAlpha(Lighten(base, 0.35), 0.7));
  PaintPlate(img, Lighten(base, 0.2), Darken(base, 0.25), 0.55);
  // Spotlight behind the motif.
  img.Paint(Fill(PlateDist), [&](Vec2 p) {
    const double r = Length(p - kCentre) / 95.0;
    return WithAlpha(Lighten(base, 0.65), 0.75 * std::pow(Clamp01(1 - r), 1.5));
  });
  // Sunburst rays.
  img.Paint(Fill([](Vec2 p) { return PlateDist(p) + 3; }), [](Vec2 p) {
    const Vec2 d = p - kCentre;
    const double a = std::atan2(d.y, d.x);
    const double ray = SmoothStep(0.55, 0.85, 0.5 + 0.5 * std::cos(12 * a));
    const double fade = SmoothStep(120, 45, Length(d)) * SmoothStep(15, 55, Length(d));
    return Rgba{1, 1, 0.92, 0.22 * ray * fade};
  });
  // Gloss over the upper half of the plate.
  const Distance gloss = [](Vec2 p) {
    return Intersection(EllipseDist(p, {100, -30}, {170, 112}), PlateDist(p) + 4);
  };
  img.Paint(Fill(gloss), VerticalGradient(22, Rgba{1, 1, 1, 0.45}, 82, Rgba{1, 1, 1, 0.06}));

  // The motif: glowing, white-hot, outlined in the tile's colour.
  img.Paint(Soft(t.motif, 0, 18), WithAlpha(Lighten(base, 0.9), 0.9));
  img.Paint(Fill([&](Vec2 p) { return t.motif(p) - 3.5; }), Darken(base, 0.15));
  img.Paint(Fill(t.motif), VerticalGradient(45, Lighten(base, 0.92), 155, Lighten(base, 0.4)));
  PaintBevel(img, t.motif, 9, kLight, Rgba{1, 1, 1, 0.9}, WithAlpha(Darken(base, 0.1), 0.55));

  // Sparkles: a symbol only the lit picture has.
  const Distance sparkles = [](Vec2 p) {
    return Union(Union(SparkleDist(p, {150, 50}, 15), SparkleDist(p, {52, 148}, 10)),
                 SparkleDist(p, {156, 142}, 7));
  };
  img.Paint(Soft(sparkles, 0, 6), Rgba{1, 1, 1, 0.6});
  img.Paint(Fill(sparkles), Rgba{1, 1, 1, 1});
}

void PaintDark(FloatImage& img, const TileTheme& t) {
  const Rgba base = FromHex(t.colour);
  const Rgba dim = Darken(Desaturate(base, 0.35), 0.62);
  // Soft drop shadow below the plate.
  img.Paint(
      [](Vec2 p, double) {
        return Confined(1.0 - SmoothStep(-4, 7, PlateDist(p - Vec2{0, 3})), p);
      },
      Rgba{0, 0, 0, 0.5});
  PaintPlate(img, Lighten(dim, 0.1), Darken(dim, 0.35), 0.12);
  // The motif, engraved: a recess with its rim caught by the light below.
  img.Paint(Fill(t.motif), VerticalGradient(45, Darken(dim, 0.45), 155, Darken(dim, 0.2)));
  PaintBevel(img, t.motif, 7, kLight, Rgba{0, 0, 0, 0.55}, WithAlpha(Lighten(dim, 0.3), 0.6));
  img.Paint(Stroke(t.motif, 2.0, 0.0), WithAlpha(Darken(Desaturate(base, 0.55), 0.25), 0.8));
}

}  // namespace

gfx::Bitmap DrawTile(int tile, bool lit) {
  const TileTheme theme = Theme(tile);
  FloatImage img(kTileSize, kTileSize);
  if (lit) {
    PaintLit(img, theme);
  } else {
    PaintDark(img, theme);
  }
  return img.ToBitmap();
}

}  // namespace artgen
