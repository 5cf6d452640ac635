#include "skin/paint/Blur.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace skin {
namespace {

constexpr int kMaxHalfWidth = 100;

// Normalised weights w[0..n] of the symmetric kernel (w[i] for offsets +-i).
std::vector<double> MakeKernel(double radius) {
  std::vector<double> w(kMaxHalfWidth + 1);
  for (int i = 0; i <= kMaxHalfWidth; ++i) {
    const double t = i / radius;
    w[static_cast<std::size_t>(i)] = std::exp(-t * t / 2.0);
  }
  double sum = w[0];
  for (int i = 1; i <= kMaxHalfWidth; ++i) sum += 2.0 * w[static_cast<std::size_t>(i)];
  for (double& v : w) v /= sum;

  // Drop outer weights while their accumulated share stays below half a grey
  // level (the weight that crosses it is dropped too).
  int n = kMaxHalfWidth;
  double tail = 0.0;
  while (tail < 1.0 / 510.0 && n > 1) {
    tail += 2.0 * w[static_cast<std::size_t>(n)];
    --n;
  }
  w.resize(static_cast<std::size_t>(n) + 1);
  sum = w[0];
  for (int i = 1; i <= n; ++i) sum += 2.0 * w[static_cast<std::size_t>(i)];
  for (double& v : w) v /= sum;
  return w;
}

// Convolves `count` values read from `line` (with edge repetition) into
// `out`. A sum that equals an integer up to the rounding error of the
// additions counts as that integer, so that a flat 255 stays 255.
void ConvolveLine(const std::vector<double>& w, const std::uint8_t* line, int count, std::uint8_t* out) {
  const int n = static_cast<int>(w.size()) - 1;
  for (int i = 0; i < count; ++i) {
    double sum = w[0] * line[i];
    for (int k = 1; k <= n; ++k) {
      const int lo = std::max(i - k, 0);
      const int hi = std::min(i + k, count - 1);
      sum += w[static_cast<std::size_t>(k)] * (line[lo] + line[hi]);
    }
    const int v = static_cast<int>(sum + 1e-7);
    out[i] = static_cast<std::uint8_t>(std::clamp(v, 0, 255));
  }
}

}  // namespace

void GaussBlur8(gfx::Bitmap& bitmap, double radius) {
  if (bitmap.Format() != gfx::PixelFormat::Gray8 || bitmap.Empty()) return;
  if (!(radius > 0.0) || !std::isfinite(radius)) return;
  const std::vector<double> w = MakeKernel(radius);
  const int width = bitmap.Width();
  const int height = bitmap.Height();

  std::vector<std::uint8_t> in(static_cast<std::size_t>(std::max(width, height)));
  for (int y = 0; y < height; ++y) {
    std::uint8_t* row = bitmap.Scanline(y);
    std::copy(row, row + width, in.begin());
    ConvolveLine(w, in.data(), width, row);
  }
  std::vector<std::uint8_t> out(static_cast<std::size_t>(height));
  for (int x = 0; x < width; ++x) {
    for (int y = 0; y < height; ++y) in[static_cast<std::size_t>(y)] = bitmap.Scanline(y)[x];
    ConvolveLine(w, in.data(), height, out.data());
    for (int y = 0; y < height; ++y) bitmap.Scanline(y)[x] = out[static_cast<std::size_t>(y)];
  }
}

}  // namespace skin
