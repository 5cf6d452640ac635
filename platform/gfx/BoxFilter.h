// Exact area-averaging (box filter) scaling of a rectangle of a bitmap.
//
// Destination pixel i of an axis covers the source interval
// [i * s / d, (i + 1) * s / d); every source pixel counts with the length of
// its overlap with that interval. In units of 1/d source pixel all weights
// are integers and the weights of one destination pixel add up to s, so a
// destination byte is sum(wx * wy * p) / (sw * sh), rounded half up, computed
// without any rounding error on the way. Every byte of a pixel (alpha too) is
// averaged on its own. Internal to gfx.
//
// The result is the exact average rounded half up, so s and d of an axis may
// be divided by their common divisor first: a 10 -> 300 axis becomes 1 -> 30
// (every pixel a copy of one source pixel) and 2:1 becomes weights of 1.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/gfx/Bitmap.h"

namespace gfx {

class BoxFilter {
 public:
  // Scales `srcRect` (inside `src`, 8/24/32-bit) to `dstSize`; only the
  // destination columns [col0, col1) are ever produced. With `premultiply`
  // (32-bit only) the colour bytes of every source pixel are first
  // multiplied by its alpha / 255, rounded.
  BoxFilter(const Bitmap& src, const Rect& srcRect, Size dstSize, int col0, int col1,
            bool premultiply = false);

  // Writes destination row `row` (columns col0..col1) in the source's format.
  void Row(int row, std::uint8_t* out);
  // True when row `row` equals row `row - 1` (both lie inside one source row,
  // the same one), so that a caller can copy it instead.
  bool Repeats(int row) const;

 private:
  // The source pixels (and weights, in units of 1/d) of each destination
  // pixel of one axis, with s and d divided by their common divisor.
  struct Taps {
    std::uint32_t Units = 0;  // reduced s: the weights of one destination pixel add up to this
    std::uint32_t Per = 0;    // reduced d: the weight of a whole source pixel
    std::vector<int> First;   // first source index per destination pixel
    std::vector<int> Offset;  // into Weights; one more entry than pixels
    std::vector<std::uint32_t> Weights;
    int MaxTaps = 0;
  };
  static Taps MakeTaps(int s, int d, int from, int to);
  // Source row k (relative to srcRect) from its left edge, premultiplied if asked.
  const std::uint8_t* SourceRow(int k);
  // The horizontally filtered source row k (relative to srcRect), cached:
  // neighbouring destination rows share most of their source rows.
  const std::uint32_t* Filtered(int k);
  void FilterRow(const std::uint8_t* srow, std::uint32_t* out) const;
  template <class Div>
  void Vertical(int row, const Div& div, std::uint8_t* out);

  const Bitmap& src_;
  Rect srcRect_;
  int nc_;
  int cols_;
  Taps h_;
  Taps v_;
  // Second tap of each destination column when no column has more than two
  // (upscaling): index (clamped to the row) and weight.
  std::vector<int> second_;
  std::vector<std::uint32_t> w0_;
  std::vector<std::uint32_t> w1_;
  std::uint64_t total_;
  // Filtered source rows in a ring indexed by row number modulo its size.
  std::vector<std::vector<std::uint32_t>> cache_;
  std::vector<int> cachedRow_;
  std::vector<std::uint32_t> acc32_;
  std::vector<std::uint64_t> acc64_;
  bool premultiply_;
  std::vector<std::uint8_t> pmRow_;
};

}  // namespace gfx
