// Signed distance functions of the artwork's shapes, in image coordinates
// (y grows downwards). Negative inside, positive outside, in the same units as
// the arguments; the painter turns distances into anti-aliased coverage,
// soft shadows, glows and bevels.
#pragma once

#include "tools/artgen/Vec2.h"

namespace artgen {

double CircleDist(Vec2 p, Vec2 centre, double radius);
// Axis-aligned box with rounded corners; `half` is half the width and height.
double RoundBoxDist(Vec2 p, Vec2 centre, Vec2 half, double cornerRadius);
double EllipseDist(Vec2 p, Vec2 centre, Vec2 radii);  // approximate, good near the edge
// Equilateral triangle pointing up around its centroid; `halfSide` is half
// the side length.
double TriangleDist(Vec2 p, Vec2 centre, double halfSide);
// Five-pointed star with one point up; `outer` is the tip radius, `fullness`
// in (0, 1) sets how wide the points are (smaller = thinner points).
double StarDist(Vec2 p, Vec2 centre, double outer, double fullness);
// Rhombus (diamond) with half diagonals `half`.
double RhombusDist(Vec2 p, Vec2 centre, Vec2 half);
// Heart whose tip points down; `size` is its height from tip to the top of the lobes.
double HeartDist(Vec2 p, Vec2 centre, double size);
// Crescent: a disc of radius `outer` minus a disc of radius `inner` whose centre
// lies `offset` away along the direction `angle` (radians, 0 = right, y-down turning).
double CrescentDist(Vec2 p, Vec2 centre, double outer, double inner, double offset, double angle);
// Four-pointed sparkle: a cross with concave sides; `size` is the tip radius.
double SparkleDist(Vec2 p, Vec2 centre, double size);

inline double Union(double a, double b) { return a < b ? a : b; }
inline double Intersection(double a, double b) { return a > b ? a : b; }
inline double Subtraction(double a, double minus) { return a > -minus ? a : -minus; }

}  // namespace artgen
