#include "tools/artgen/TrophyArt.h"

#include <cmath>

#include "tools/artgen/Effects.h"
#include "tools/artgen/Shapes.h"

namespace artgen {

namespace {

const Vec2 kLight = Vec2{-0.6, -0.8};

double BowlDist(Vec2 p) {
  return Intersection(CircleDist(p, {64, 28}, 42), RoundBoxDist(p, {64, 46}, {35, 30}, 2));
}
double RimDist(Vec2 p) { return RoundBoxDist(p, {64, 17}, {39, 5}, 3); }
double HandlesDist(Vec2 p) {
  const double left = Intersection(std::fabs(CircleDist(p, {30, 40}, 16)) - 4.5, p.x - 34);
  const double right = Intersection(std::fabs(CircleDist(p, {98, 40}, 16)) - 4.5, 94 - p.x);
  return Union(left, right);
}
double StemDist(Vec2 p) {
  const double neck = RoundBoxDist(p, {64, 82}, {6.0 + (p.y - 70) * 0.12, 13}, 1);
  return Union(neck, RoundBoxDist(p, {64, 77}, {12, 4.5}, 3.5));
}
double FootDist(Vec2 p) { return RoundBoxDist(p, {64, 96}, {24, 5}, 3); }
double GoldDist(Vec2 p) {
  return Union(Union(Union(BowlDist(p), RimDist(p)), Union(HandlesDist(p), StemDist(p))), FootDist(p));
}
double PlinthDist(Vec2 p) { return RoundBoxDist(p, {64, 110}, {32, 9}, 4); }
double PlaqueDist(Vec2 p) { return RoundBoxDist(p, {64, 110}, {16, 4}, 1.5); }
double StarDistOnCup(Vec2 p) { return StarDist(p, {64, 44}, 15, 0.45) - 1.5; }

// Polished gold: bands of light and shade across the width, like a
// cylinder lit from the upper left.
Rgba Gold(Vec2 p) {
  const double u = (p.x - 64) / 40;  // -1 .. 1 across the cup
  struct Stop {
    double at;
    unsigned rgb;
  };
  static constexpr Stop kStops[] = {{-1.0, 0x8A5A08}, {-0.62, 0xF6C843}, {-0.38, 0xFFF3B8}, {-0.1, 0xF3B52C},
                                    {0.45, 0xC98612}, {0.8, 0xF0BE3C},   {1.0, 0x7A4E06}};
  if (u <= kStops[0].at) return FromHex(kStops[0].rgb);
  for (std::size_t i = 1; i < std::size(kStops); ++i) {
    if (u <= kStops[i].at) {
      const double t = (u - kStops[i - 1].at) / (kStops[i].at - kStops[i - 1].at);
      return MixColor(FromHex(kStops[i - 1].rgb), FromHex(kStops[i].rgb), t);
    }
  }
  return FromHex(kStops[std::size(kStops) - 1].rgb);
}

}  // namespace

gfx::Bitmap DrawTrophy() {
  FloatImage img(kTrophySize, kTrophySize);
  // Soft shadow on the ground.
  img.Paint(Soft([](Vec2 p) { return EllipseDist(p, {66, 120}, {44, 5}); }, -3, 5), Rgba{0, 0, 0, 0.35});

  // Dark wooden plinth with a gold plaque.
  img.Paint(Fill(PlinthDist), VerticalGradient(101, FromHex(0x6B3A22), 119, FromHex(0x2E160C)));
  PaintBevel(img, PlinthDist, 3, kLight, Rgba{1, 0.9, 0.8, 0.35}, Rgba{0, 0, 0, 0.4});
  img.Paint(Fill(PlaqueDist), Gold);
  PaintBevel(img, PlaqueDist, 1.5, kLight, Rgba{1, 1, 0.9, 0.7}, Rgba{0.3, 0.15, 0, 0.5});

  // The cup: dark outline, then gold body, each part bevelled.
  img.Paint(Fill([](Vec2 p) { return GoldDist(p) - 1.2; }), FromHex(0x5A3804));
  img.Paint(Fill(GoldDist), Gold);
  PaintBevel(img, BowlDist, 6, kLight, Rgba{1, 1, 0.85, 0.6}, Rgba{0.35, 0.2, 0, 0.5});
  PaintBevel(img, HandlesDist, 3, kLight, Rgba{1, 1, 0.85, 0.6}, Rgba{0.35, 0.2, 0, 0.5});
  PaintBevel(img, FootDist, 3, kLight, Rgba{1, 1, 0.85, 0.6}, Rgba{0.35, 0.2, 0, 0.5});
  PaintBevel(img, StemDist, 3, kLight, Rgba{1, 1, 0.85, 0.5}, Rgba{0.35, 0.2, 0, 0.4});
  // The rim is a lighter band with a dark opening line on top.
  img.Paint(Fill(RimDist), [](Vec2 p) { return Lighten(Gold(p), 0.15); });
  PaintBevel(img, RimDist, 3, kLight, Rgba{1, 1, 0.9, 0.8}, Rgba{0.3, 0.18, 0, 0.6});
  img.Paint(Stroke(RimDist, 1.0, -0.5), Rgba{0.35, 0.2, 0, 0.9});

  // Embossed star on the bowl.
  img.Paint(Fill([](Vec2 p) { return StarDistOnCup(p) - 1.5; }), Rgba{0.45, 0.26, 0, 0.55});
  img.Paint(Fill(StarDistOnCup), VerticalGradient(30, FromHex(0xFFFBE0), 58, FromHex(0xF7CF55)));
  PaintBevel(img, StarDistOnCup, 3, kLight, Rgba{1, 1, 1, 0.9}, Rgba{0.5, 0.3, 0, 0.6});

  // Glints of light.
  const Distance glints = [](Vec2 p) {
    return Union(SparkleDist(p, {40, 30}, 9), SparkleDist(p, {86, 60}, 5));
  };
  img.Paint(Soft(glints, 0, 4), Rgba{1, 1, 0.9, 0.5});
  img.Paint(Fill(glints), Rgba{1, 1, 1, 1});
  return img.ToBitmap();
}

}  // namespace artgen
