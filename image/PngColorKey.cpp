#include "image/PngColorKey.h"

namespace image {
namespace {

unsigned Sample(const std::uint8_t* raw, int depth, std::size_t index) {
  if (depth == 16) return (static_cast<unsigned>(raw[2 * index]) << 8) | raw[2 * index + 1];
  return raw[index];
}

// One step away from `v` that stays within a byte.
std::uint8_t Away(std::uint8_t v) { return static_cast<std::uint8_t>(v == 255 ? 254 : v + 1); }

}  // namespace

void ApplyKeyToRgbRow(const PngColorKey& key, const std::uint8_t* raw, int depth, int count,
                      std::uint8_t* target, int x0, int step) {
  std::uint8_t* d = target + static_cast<std::ptrdiff_t>(x0) * 3;
  for (int i = 0; i < count; ++i, d += static_cast<std::ptrdiff_t>(step) * 3) {
    const std::size_t s = static_cast<std::size_t>(i) * 3;
    const bool keyed = Sample(raw, depth, s) == key.Samples[0] &&
                       Sample(raw, depth, s + 1) == key.Samples[1] &&
                       Sample(raw, depth, s + 2) == key.Samples[2];
    if (keyed) {
      d[0] = key.Bgr[0];
      d[1] = key.Bgr[1];
      d[2] = key.Bgr[2];
    } else if (d[0] == key.Bgr[0] && d[1] == key.Bgr[1] && d[2] == key.Bgr[2]) {
      d[0] = Away(d[0]);
    }
  }
}

void ApplyKeyToGreyRow(const PngColorKey& key, const std::uint8_t* raw, int depth, int count,
                       std::uint8_t* target, int x0, int step) {
  const std::uint8_t level = key.Bgr[0];
  std::uint8_t* d = target + x0;
  for (int i = 0; i < count; ++i, d += step) {
    if (Sample(raw, depth, static_cast<std::size_t>(i)) == key.Samples[0])
      *d = level;
    else if (*d == level)
      *d = Away(level);
  }
}

void ApplyKeyToPalette(std::vector<gfx::Color>& palette, std::size_t keyIndex, gfx::Color key) {
  if (keyIndex >= palette.size()) return;
  palette[keyIndex] = key;
  for (std::size_t i = 0; i < palette.size(); ++i) {
    if (i == keyIndex || palette[i] != key) continue;
    const auto v = static_cast<std::uint8_t>(gfx::GetR(key));
    const std::uint8_t w = Away(v);
    palette[i] = gfx::RGB(w, w, w);
  }
}

}  // namespace image
