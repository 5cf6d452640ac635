// A 2-D vector of doubles for the artwork's shape arithmetic.
#pragma once

#include <algorithm>
#include <cmath>

namespace artgen {

struct Vec2 {
  double x = 0;
  double y = 0;
};

constexpr Vec2 operator+(Vec2 a, Vec2 b) { return {a.x + b.x, a.y + b.y}; }
constexpr Vec2 operator-(Vec2 a, Vec2 b) { return {a.x - b.x, a.y - b.y}; }
constexpr Vec2 operator*(Vec2 a, double s) { return {a.x * s, a.y * s}; }
constexpr Vec2 operator*(double s, Vec2 a) { return {a.x * s, a.y * s}; }
constexpr Vec2 operator/(Vec2 a, double s) { return {a.x / s, a.y / s}; }
constexpr double Dot(Vec2 a, Vec2 b) { return a.x * b.x + a.y * b.y; }
inline double Length(Vec2 a) { return std::sqrt(Dot(a, a)); }
inline Vec2 Abs(Vec2 a) { return {std::fabs(a.x), std::fabs(a.y)}; }
inline Vec2 Max(Vec2 a, double m) { return {std::max(a.x, m), std::max(a.y, m)}; }
// Rotation by `radians`, counter-clockwise on a y-up plane.
inline Vec2 Rotate(Vec2 a, double radians) {
  const double c = std::cos(radians), s = std::sin(radians);
  return {a.x * c - a.y * s, a.x * s + a.y * c};
}

constexpr double kPi = 3.14159265358979323846;

inline double Clamp01(double v) { return std::clamp(v, 0.0, 1.0); }
inline double SmoothStep(double e0, double e1, double v) {
  const double t = Clamp01((v - e0) / (e1 - e0));
  return t * t * (3 - 2 * t);
}
inline double Mix(double a, double b, double t) { return a + (b - a) * t; }

}  // namespace artgen
