// Rounding used by all real-valued colour arithmetic: to nearest, ties to even.
#pragma once

#include <climits>
#include <cmath>

namespace skin {

// Rounds to the nearest integer, halves to the even neighbour (127.5 -> 128,
// 126.5 -> 126). Independent of the floating-point rounding mode. Values
// beyond the int range saturate; NaN gives 0.
inline int Rnd(double x) {
  if (std::isnan(x)) return 0;
  if (x >= static_cast<double>(INT_MAX)) return INT_MAX;
  if (x <= static_cast<double>(INT_MIN)) return INT_MIN;
  double f = std::floor(x);
  const double frac = x - f;
  if (frac > 0.5 || (frac == 0.5 && std::fmod(f, 2.0) != 0.0)) f += 1.0;
  return static_cast<int>(f);
}

// rnd(num / den) for den > 0 in exact integer arithmetic: to nearest,
// halves to the even neighbour.
constexpr long long RndDiv(long long num, long long den) {
  long long q = num / den;
  long long r = num % den;
  if (r < 0) {  // floor division
    --q;
    r += den;
  }
  if (2 * r > den || (2 * r == den && q % 2 != 0)) ++q;
  return q;
}

// Clamps to a byte value.
constexpr int ClampByte(int v) { return v < 0 ? 0 : (v > 255 ? 255 : v); }

}  // namespace skin
