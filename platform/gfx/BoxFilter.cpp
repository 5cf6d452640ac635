#include "platform/gfx/BoxFilter.h"

#include <algorithm>

#include "platform/gfx/PixelOps.h"

namespace gfx {
namespace {

// Horizontal pass for one source row: weighted sums per destination column.
// NC is 1 (grey), 3 (B, G, R) or 4 (B, G, R, A); the sums live in registers.
template <int NC>
void FilterRow(const std::uint8_t* srow, const int* first, const int* offset, const std::uint32_t* weights,
               int cols, std::uint32_t* out) {
  for (int i = 0; i < cols; ++i) {
    std::uint32_t s0 = 0, s1 = 0, s2 = 0, s3 = 0;
    const std::uint8_t* p = srow + first[i] * NC;
    for (int t = offset[i]; t < offset[i + 1]; ++t, p += NC) {
      const std::uint32_t w = weights[t];
      s0 += w * p[0];
      if constexpr (NC >= 3) {
        s1 += w * p[1];
        s2 += w * p[2];
      }
      if constexpr (NC == 4) s3 += w * p[3];
    }
    std::uint32_t* o = out + i * NC;
    o[0] = s0;
    if constexpr (NC >= 3) {
      o[1] = s1;
      o[2] = s2;
    }
    if constexpr (NC == 4) o[3] = s3;
  }
}

}  // namespace

BoxFilter::Taps BoxFilter::MakeTaps(int s, int d, int from, int to) {
  Taps t;
  t.First.reserve(static_cast<std::size_t>(to - from));
  t.Offset.reserve(static_cast<std::size_t>(to - from) + 1);
  for (int i = from; i < to; ++i) {
    const long long start = static_cast<long long>(i) * s, end = static_cast<long long>(i + 1) * s;
    const long long k0 = start / d, k1 = (end - 1) / d;
    t.First.push_back(static_cast<int>(k0));
    t.Offset.push_back(static_cast<int>(t.Weights.size()));
    for (long long k = k0; k <= k1; ++k)
      t.Weights.push_back(static_cast<std::uint32_t>(std::min(end, (k + 1) * d) - std::max(start, k * d)));
  }
  t.Offset.push_back(static_cast<int>(t.Weights.size()));
  return t;
}

BoxFilter::BoxFilter(const Bitmap& src, const Rect& srcRect, Size dstSize, int col0, int col1)
    : src_(src),
      srcRect_(srcRect),
      nc_(pixel::Bpp(src.Format())),
      cols_(col1 - col0),
      h_(MakeTaps(srcRect.Width(), dstSize.Width, col0, col1)),
      v_(MakeTaps(srcRect.Height(), dstSize.Height, 0, dstSize.Height)),
      total_(static_cast<std::uint64_t>(srcRect.Width()) * static_cast<std::uint64_t>(srcRect.Height())) {
  // At most this many source rows feed one destination row.
  std::size_t span = 1;
  for (std::size_t j = 0; j + 1 < v_.Offset.size(); ++j)
    span = std::max(span, static_cast<std::size_t>(v_.Offset[j + 1] - v_.Offset[j]));
  cache_.assign(span + 1, std::vector<std::uint32_t>(static_cast<std::size_t>(cols_) * nc_));
  cachedRow_.assign(span + 1, -1);
}

const std::uint32_t* BoxFilter::Filtered(int k) {
  const std::size_t slot = static_cast<std::size_t>(k) % cache_.size();
  std::vector<std::uint32_t>& row = cache_[slot];
  if (cachedRow_[slot] == k) return row.data();
  cachedRow_[slot] = k;
  const std::uint8_t* srow = src_.Scanline(srcRect_.Top + k) + srcRect_.Left * nc_;
  switch (nc_) {
    case 1:
      FilterRow<1>(srow, h_.First.data(), h_.Offset.data(), h_.Weights.data(), cols_, row.data());
      break;
    case 3:
      FilterRow<3>(srow, h_.First.data(), h_.Offset.data(), h_.Weights.data(), cols_, row.data());
      break;
    default:
      FilterRow<4>(srow, h_.First.data(), h_.Offset.data(), h_.Weights.data(), cols_, row.data());
      break;
  }
  return row.data();
}

void BoxFilter::Row(int row, std::uint8_t* out) {
  // Sums stay below 255 * total: 32-bit accumulators (which vectorise) do
  // when that fits, else 64-bit ones.
  if (total_ * 255 <= 0xFFFFFFFFu) {
    Accumulate(row, acc32_);
    Divide(acc32_, out);
  } else {
    Accumulate(row, acc64_);
    Divide(acc64_, out);
  }
}

template <class T>
void BoxFilter::Accumulate(int row, std::vector<T>& acc) {
  const auto j = static_cast<std::size_t>(row);
  acc.assign(static_cast<std::size_t>(cols_) * static_cast<std::size_t>(nc_), 0);
  int k = v_.First[j];
  for (int t = v_.Offset[j]; t < v_.Offset[j + 1]; ++t, ++k) {
    const T wy = v_.Weights[static_cast<std::size_t>(t)];
    const std::uint32_t* h = Filtered(k);
    T* a = acc.data();
    const std::size_t n = acc.size();
    for (std::size_t i = 0; i < n; ++i) a[i] += wy * h[i];
  }
}

// Rounded division by the total weight. The 32-bit path (total < 2^24, so
// v < 2^33) uses the exact reciprocal multiply: with M = ceil(2^64 / total),
// (v * M) >> 64 equals v / total whenever v * total < 2^64. The 64-bit path
// divides.
template <class T>
void BoxFilter::Divide(const std::vector<T>& acc, std::uint8_t* out) const {
  const std::uint64_t half = total_ / 2;
  if constexpr (sizeof(T) == 4) {
    const unsigned __int128 m = (~static_cast<unsigned __int128>(0) >> 64) / total_ + 1;
    for (std::size_t n = 0; n < acc.size(); ++n) {
      const std::uint64_t v = static_cast<std::uint64_t>(acc[n]) + half;
      out[n] = static_cast<std::uint8_t>((v * m) >> 64);
    }
  } else {
    for (std::size_t n = 0; n < acc.size(); ++n) out[n] = static_cast<std::uint8_t>((acc[n] + half) / total_);
  }
}

}  // namespace gfx
