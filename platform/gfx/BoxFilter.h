// Exact area-averaging (box filter) scaling of a rectangle of a bitmap.
//
// Destination pixel i of an axis covers the source interval
// [i * s / d, (i + 1) * s / d); every source pixel counts with the length of
// its overlap with that interval. In units of 1/d source pixel all weights
// are integers and the weights of one destination pixel add up to s, so a
// destination byte is sum(wx * wy * p) / (sw * sh), rounded half up, computed
// without any rounding error on the way. Every byte of a pixel (alpha too) is
// averaged on its own. Internal to gfx.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/gfx/Bitmap.h"

namespace gfx {

class BoxFilter {
 public:
  // Scales `srcRect` (inside `src`, 8/24/32-bit) to `dstSize`; only the
  // destination columns [col0, col1) are ever produced.
  BoxFilter(const Bitmap& src, const Rect& srcRect, Size dstSize, int col0, int col1);

  // Writes destination row `row` (columns col0..col1) in the source's format.
  void Row(int row, std::uint8_t* out);

 private:
  struct Taps {
    std::vector<int> First;   // first source index per destination pixel
    std::vector<int> Offset;  // into Weights; one more entry than pixels
    std::vector<std::uint32_t> Weights;
  };
  static Taps MakeTaps(int s, int d, int from, int to);
  // The horizontally filtered source row k (relative to srcRect), cached:
  // neighbouring destination rows share most of their source rows.
  const std::uint32_t* Filtered(int k);
  template <class T>
  void Accumulate(int row, std::vector<T>& acc);
  template <class T>
  void Divide(const std::vector<T>& acc, std::uint8_t* out) const;

  const Bitmap& src_;
  Rect srcRect_;
  int nc_;
  int cols_;
  Taps h_;
  Taps v_;
  std::uint64_t total_;
  // Filtered source rows in a ring indexed by row number modulo its size.
  std::vector<std::vector<std::uint32_t>> cache_;
  std::vector<int> cachedRow_;
  std::vector<std::uint32_t> acc32_;
  std::vector<std::uint64_t> acc64_;
};

}  // namespace gfx
