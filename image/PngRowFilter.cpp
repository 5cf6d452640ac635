#include "image/PngRowFilter.h"

#include <cstdlib>

namespace image {

namespace {

void UnfilterSub(std::uint8_t* row, std::size_t n, std::size_t bpp) {
  for (std::size_t i = bpp; i < n; ++i) row[i] = static_cast<std::uint8_t>(row[i] + row[i - bpp]);
}

void UnfilterUp(std::uint8_t* row, const std::uint8_t* prior, std::size_t n) {
  for (std::size_t i = 0; i < n; ++i) row[i] = static_cast<std::uint8_t>(row[i] + prior[i]);
}

void UnfilterAverage(std::uint8_t* row, const std::uint8_t* prior, std::size_t n, std::size_t bpp) {
  const std::size_t head = bpp < n ? bpp : n;
  for (std::size_t i = 0; i < head; ++i) row[i] = static_cast<std::uint8_t>(row[i] + (prior[i] >> 1));
  for (std::size_t i = bpp; i < n; ++i)
    row[i] = static_cast<std::uint8_t>(row[i] + ((row[i - bpp] + prior[i]) >> 1));
}

// Paeth with a = left, b = above, c = upper left: the predictor nearest to
// a + b - c, ties in the order a, b, c.
template <std::size_t Bpp>
void UnfilterPaethFixed(std::uint8_t* row, const std::uint8_t* prior, std::size_t n) {
  const std::size_t head = Bpp < n ? Bpp : n;
  for (std::size_t i = 0; i < head; ++i) row[i] = static_cast<std::uint8_t>(row[i] + prior[i]);
  for (std::size_t i = Bpp; i < n; ++i) {
    const int a = row[i - Bpp], b = prior[i], c = prior[i - Bpp];
    const int p = b - c, q = a - c;
    const int pa = std::abs(p), pb = std::abs(q), pc = std::abs(p + q);
    const int pred = (pa <= pb && pa <= pc) ? a : (pb <= pc ? b : c);
    row[i] = static_cast<std::uint8_t>(row[i] + pred);
  }
}

void UnfilterPaeth(std::uint8_t* row, const std::uint8_t* prior, std::size_t n, std::size_t bpp) {
  switch (bpp) {
    case 1: UnfilterPaethFixed<1>(row, prior, n); return;
    case 2: UnfilterPaethFixed<2>(row, prior, n); return;
    case 3: UnfilterPaethFixed<3>(row, prior, n); return;
    case 4: UnfilterPaethFixed<4>(row, prior, n); return;
    case 6: UnfilterPaethFixed<6>(row, prior, n); return;
    case 8: UnfilterPaethFixed<8>(row, prior, n); return;
    default: break;
  }
  const std::size_t head = bpp < n ? bpp : n;
  for (std::size_t i = 0; i < head; ++i) row[i] = static_cast<std::uint8_t>(row[i] + prior[i]);
  for (std::size_t i = bpp; i < n; ++i) {
    const int a = row[i - bpp], b = prior[i], c = prior[i - bpp];
    const int p = b - c, q = a - c;
    const int pa = std::abs(p), pb = std::abs(q), pc = std::abs(p + q);
    const int pred = (pa <= pb && pa <= pc) ? a : (pb <= pc ? b : c);
    row[i] = static_cast<std::uint8_t>(row[i] + pred);
  }
}

}  // namespace

void UnfilterRow(int filterType, std::uint8_t* row, const std::uint8_t* prior, std::size_t n,
                 std::size_t bpp) {
  if (bpp == 0) bpp = 1;
  switch (filterType) {
    case 1: UnfilterSub(row, n, bpp); break;
    case 2: UnfilterUp(row, prior, n); break;
    case 3: UnfilterAverage(row, prior, n, bpp); break;
    case 4: UnfilterPaeth(row, prior, n, bpp); break;
    default: break;  // 0 and unknown types: the bytes stay as they are
  }
}

}  // namespace image
