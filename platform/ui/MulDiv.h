// The window system's multiply-divide: a * b / c with a 64-bit product,
// rounded half away from zero; -1 when c is 0 or the result does not fit in
// an int. Scroll-bar geometry depends on this exact rounding.
#pragma once

#include <cstdint>
#include <limits>

namespace ui {

constexpr int MulDiv(int a, int b, int c) {
  if (c == 0) return -1;
  const std::int64_t p = static_cast<std::int64_t>(a) * b;
  // Work on magnitudes so that halves round away from zero on both sides.
  const bool negative = (p < 0) != (c < 0);
  const std::uint64_t up = p < 0 ? 0 - static_cast<std::uint64_t>(p) : static_cast<std::uint64_t>(p);
  const std::uint64_t uc = c < 0 ? 0 - static_cast<std::uint64_t>(static_cast<std::int64_t>(c))
                                 : static_cast<std::uint64_t>(c);
  const std::uint64_t q = (up + uc / 2) / uc;
  if (negative) {
    if (q > static_cast<std::uint64_t>(std::numeric_limits<int>::max()) + 1) return -1;
    return static_cast<int>(0 - static_cast<std::int64_t>(q));
  }
  if (q > static_cast<std::uint64_t>(std::numeric_limits<int>::max())) return -1;
  return static_cast<int>(q);
}

}  // namespace ui
