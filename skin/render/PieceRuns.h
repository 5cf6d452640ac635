// How a piece's tiles fall on the destination: tile instances along one axis
// and the runs of source columns along a row. Internal to skin/render.
#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

#include "skin/render/PieceCopy.h"

namespace skin::piece {

// One horizontal stretch of the span whose source columns follow each other:
// n pixels from destination column Dx and source column Sx.
struct Run {
  int Dx = 0;
  int Sx = 0;
  int N = 0;
};

// Tile instances along one axis: start, size of whole tiles (0 = one block),
// and the part of each that lies inside [0, dstExtent) and reads inside
// [0, srcExtent) from the tile start. Calls f(dstStart, srcStart, n, count)
// for `count` instances, one tile size apart, whose parts are alike: the
// instances that lie wholly inside the destination and the span come as one
// call, the ones cut at either end one by one.
template <class F>
void ForEachPartRun(std::int64_t start, std::int64_t end, std::int64_t tileStart, std::int64_t tile,
                    int dstExtent, int srcExtent, F&& f) {
  using I64 = std::int64_t;
  if (end <= start) return;
  const I64 step = tile > 0 ? tile : end - start;
  const I64 stop = std::min<I64>(end, dstExtent);
  // Skip whole tiles that end before 0.
  I64 b = start;
  if (b < 0) b += ((-b) / step) * step;
  while (b < stop) {
    const I64 w = std::min(step, end - b);
    const I64 j0 = std::max(std::max<I64>(0, -b), -tileStart);
    const I64 j1 = std::min(std::min(w, I64{dstExtent} - b), I64{srcExtent} - tileStart);
    // From b on, every instance that ends by `stop` is cut alike.
    const I64 count = b >= 0 && b + step <= stop ? (stop - b) / step : 1;
    if (j1 > j0) f(b + j0, tileStart + j0, j1 - j0, count);
    b += count * step;
  }
}

// The same, one call f(dstStart, srcStart, n) per instance.
template <class F>
void ForEachPart(std::int64_t start, std::int64_t end, std::int64_t tileStart, std::int64_t tile,
                 int dstExtent, int srcExtent, F&& f) {
  const std::int64_t step = tile > 0 ? tile : end - start;
  ForEachPartRun(start, end, tileStart, tile, dstExtent, srcExtent,
                 [&](std::int64_t d, std::int64_t s, std::int64_t n, std::int64_t count) {
                   for (std::int64_t i = 0; i < count; ++i) f(d + i * step, s, n);
                 });
}

// The runs of a span's rows, left to right, clipped to both images.
std::vector<Run> ColumnRuns(const Span& s, int dstW, int srcW);

// True when every run starts where the one before ends.
bool Contiguous(const std::vector<Run>& runs);

// The number of pixels after which a row of several contiguous runs repeats
// (the tile width, when whole tiles are read in full from the source), or 0.
int RowPeriod(const Span& s, const std::vector<Run>& runs, int srcW);

}  // namespace skin::piece
