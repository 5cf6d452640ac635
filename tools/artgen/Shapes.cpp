#include "tools/artgen/Shapes.h"

#include <cmath>

namespace artgen {

namespace {

double Sign(double v) { return v < 0 ? -1.0 : (v > 0 ? 1.0 : 0.0); }

// The formulas below are written for a y-up plane; image points are flipped.
Vec2 ToYUp(Vec2 p, Vec2 centre) { return {p.x - centre.x, centre.y - p.y}; }

}  // namespace

double CircleDist(Vec2 p, Vec2 centre, double radius) { return Length(p - centre) - radius; }

double RoundBoxDist(Vec2 p, Vec2 centre, Vec2 half, double r) {
  const Vec2 q = Abs(p - centre) - half + Vec2{r, r};
  return Length(Max(q, 0.0)) + std::min(std::max(q.x, q.y), 0.0) - r;
}

double EllipseDist(Vec2 p, Vec2 centre, Vec2 radii) {
  // Distance in the scaled space, corrected by the gradient length.
  const Vec2 d = p - centre;
  const Vec2 n{d.x / radii.x, d.y / radii.y};
  const double k0 = Length(n);
  const double k1 = Length(Vec2{d.x / (radii.x * radii.x), d.y / (radii.y * radii.y)});
  if (k1 == 0) return -std::min(radii.x, radii.y);
  return k0 * (k0 - 1.0) / k1;
}

double TriangleDist(Vec2 pImg, Vec2 centre, double r) {
  const double k = std::sqrt(3.0);
  Vec2 p = ToYUp(pImg, centre);
  p.x = std::fabs(p.x) - r;
  p.y = p.y + r / k;
  if (p.x + k * p.y > 0.0) p = Vec2{p.x - k * p.y, -k * p.x - p.y} / 2.0;
  p.x -= std::clamp(p.x, -2.0 * r, 0.0);
  return -Length(p) * Sign(p.y);
}

double StarDist(Vec2 pImg, Vec2 centre, double r, double rf) {
  const Vec2 k1{0.809016994375, -0.587785252292};
  const Vec2 k2{-k1.x, k1.y};
  Vec2 p = ToYUp(pImg, centre);
  p.x = std::fabs(p.x);
  p = p - 2.0 * std::max(Dot(k1, p), 0.0) * k1;
  p = p - 2.0 * std::max(Dot(k2, p), 0.0) * k2;
  p.x = std::fabs(p.x);
  p.y -= r;
  const Vec2 ba = Vec2{-k1.y, k1.x} * rf - Vec2{0, 1};
  const double h = std::clamp(Dot(p, ba) / Dot(ba, ba), 0.0, r);
  return Length(p - ba * h) * Sign(p.y * ba.x - p.x * ba.y);
}

double RhombusDist(Vec2 pImg, Vec2 centre, Vec2 b) {
  const Vec2 p = Abs(pImg - centre);
  const auto ndot = [](Vec2 a, Vec2 c) { return a.x * c.x - a.y * c.y; };
  const double h = std::clamp(ndot(b - 2.0 * p, b) / Dot(b, b), -1.0, 1.0);
  const double d = Length(p - 0.5 * Vec2{b.x * (1.0 - h), b.y * (1.0 + h)});
  return d * Sign(p.x * b.y + p.y * b.x - b.x * b.y);
}

double HeartDist(Vec2 pImg, Vec2 centre, double size) {
  // The unit heart spans y 0 (tip) to about 1.104 (lobes); centre it vertically.
  const double unitHeight = 0.75 + std::sqrt(2.0) / 4.0;
  const double s = size / unitHeight;
  Vec2 p = ToYUp(pImg, centre) / s + Vec2{0, unitHeight / 2};
  p.x = std::fabs(p.x);
  double d;
  if (p.y + p.x > 1.0) {
    d = Length(p - Vec2{0.25, 0.75}) - std::sqrt(2.0) / 4.0;
  } else {
    const Vec2 a = p - Vec2{0.0, 1.0};
    const Vec2 b = p - 0.5 * std::max(p.x + p.y, 0.0) * Vec2{1, 1};
    d = std::sqrt(std::min(Dot(a, a), Dot(b, b))) * Sign(p.x - p.y);
  }
  return d * s;
}

double CrescentDist(Vec2 p, Vec2 centre, double outer, double inner, double offset, double angle) {
  const Vec2 cut = centre + Vec2{std::cos(angle), std::sin(angle)} * offset;
  return Subtraction(CircleDist(p, centre, outer), CircleDist(p, cut, inner));
}

double SparkleDist(Vec2 p, Vec2 centre, double size) {
  // Union of two thin rhombi, one upright and one lying, gives the four points.
  const double thin = size * 0.22;
  return Union(RhombusDist(p, centre, {thin, size}), RhombusDist(p, centre, {size, thin}));
}

}  // namespace artgen
