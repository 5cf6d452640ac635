#include "image/SmoothStretch.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace image {

namespace {

// Coverage of source pixels by one target pixel, in units where a source
// pixel measures `targetSize` and a target pixel `sourceSize`.
struct Span {
  int First = 0;
  std::vector<std::uint32_t> Weights;
};

std::vector<Span> Spans(int sourceSize, int targetSize) {
  std::vector<Span> spans(static_cast<std::size_t>(targetSize));
  const std::int64_t s = sourceSize, t = targetSize;
  for (std::int64_t x = 0; x < t; ++x) {
    const std::int64_t lo = x * s, hi = (x + 1) * s;  // target pixel x in source units * t
    Span& sp = spans[static_cast<std::size_t>(x)];
    sp.First = static_cast<int>(lo / t);
    for (std::int64_t i = lo / t; i * t < hi && i < s; ++i) {
      const std::int64_t from = std::max(lo, i * t), to = std::min(hi, (i + 1) * t);
      sp.Weights.push_back(static_cast<std::uint32_t>(to - from));
    }
  }
  return spans;
}

}  // namespace

gfx::Bitmap SmoothStretch32(const gfx::Bitmap& src, int width, int height) {
  if (width <= 0 || height <= 0 || src.Empty())
    return gfx::Bitmap(std::max(width, 0), std::max(height, 0), gfx::PixelFormat::Bgra32);
  gfx::Bitmap converted;
  const gfx::Bitmap* s = &src;
  if (src.Format() != gfx::PixelFormat::Bgra32) {
    converted = src.ConvertTo(gfx::PixelFormat::Bgra32);
    s = &converted;
  }
  const int sw = s->Width(), sh = s->Height();
  const std::vector<Span> xs = Spans(sw, width), ys = Spans(sh, height);

  // Horizontal pass: per source row, the sums over each target column
  // (weights total sw per target pixel).
  std::vector<std::uint32_t> rows(static_cast<std::size_t>(sh) * static_cast<std::size_t>(width) * 4);
  for (int y = 0; y < sh; ++y) {
    const std::uint8_t* line = s->Scanline(y);
    std::uint32_t* out = rows.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width) * 4;
    for (int x = 0; x < width; ++x, out += 4) {
      const Span& sp = xs[static_cast<std::size_t>(x)];
      const std::uint8_t* p = line + sp.First * 4;
      std::uint32_t acc[4] = {0, 0, 0, 0};
      for (std::uint32_t wgt : sp.Weights) {
        for (int k = 0; k < 4; ++k) acc[k] += p[k] * wgt;
        p += 4;
      }
      std::copy_n(acc, 4, out);
    }
  }

  // Vertical pass and the division by the whole area sw * sh, rounded.
  gfx::Bitmap dst(width, height, gfx::PixelFormat::Bgra32);
  const std::uint64_t area = static_cast<std::uint64_t>(sw) * static_cast<std::uint64_t>(sh);
  std::vector<std::uint64_t> acc(static_cast<std::size_t>(width) * 4);
  for (int y = 0; y < height; ++y) {
    std::fill(acc.begin(), acc.end(), 0);
    const Span& sp = ys[static_cast<std::size_t>(y)];
    for (std::size_t j = 0; j < sp.Weights.size(); ++j) {
      const std::uint32_t* in = rows.data() + static_cast<std::size_t>(sp.First + static_cast<int>(j)) *
                                                  static_cast<std::size_t>(width) * 4;
      const std::uint64_t wgt = sp.Weights[j];
      for (std::size_t k = 0; k < acc.size(); ++k) acc[k] += in[k] * wgt;
    }
    std::uint8_t* out = dst.Scanline(y);
    for (std::size_t k = 0; k < acc.size(); ++k)
      out[k] = static_cast<std::uint8_t>((acc[k] * 2 + area) / (area * 2));
  }
  return dst;
}

}  // namespace image
