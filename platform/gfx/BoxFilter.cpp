#include "platform/gfx/BoxFilter.h"

#include <algorithm>
#include <cstring>
#include <numeric>

#include "platform/gfx/PixelOps.h"

namespace gfx {
namespace {

// Horizontal passes for one source row: weighted sums per destination column.
// NC is 1 (grey), 3 (B, G, R) or 4 (B, G, R, A).

// One source pixel of weight 1 per column (1:1 or an integer upscale).
template <int NC>
void Pick(const std::uint8_t* srow, const int* first, int cols, std::uint32_t* out) {
  for (int i = 0; i < cols; ++i, out += NC) {
    const std::uint8_t* p = srow + first[i] * NC;
    for (int c = 0; c < NC; ++c) out[c] = p[c];
  }
}

// The same straight to bytes, when that is the whole filter.
template <int NC>
void PickBytes(const std::uint8_t* srow, const int* first, int cols, std::uint8_t* out) {
  for (int i = 0; i < cols; ++i, out += NC) std::memcpy(out, srow + first[i] * NC, NC);
}

// 24-bit pixels as one 4-byte store each, the fourth byte overwritten by the
// next pixel (the last one is stored as 3 bytes); a source pixel repeated
// over a run of columns is read once.
template <>
void PickBytes<3>(const std::uint8_t* srow, const int* first, int cols, std::uint8_t* out) {
  std::uint32_t v = 0;
  int k = -1;
  for (int i = 0; i + 1 < cols; ++i, out += 3) {
    if (first[i] != k) {
      k = first[i];
      std::memcpy(&v, srow + 3 * k, 3);
    }
    std::memcpy(out, &v, 4);
  }
  if (cols > 0) std::memcpy(out, srow + 3 * first[cols - 1], 3);
}

// `units` whole source pixels per column (an integer downscale); U is units
// when known at compile time (2:1 is the common one), else 0.
template <int NC, int U>
void Sum(const std::uint8_t* srow, int cols, int units, std::uint32_t* out) {
  const int n = U ? U : units;
  for (int i = 0; i < cols; ++i, out += NC) {
    std::uint32_t s[NC] = {};
    for (int t = 0; t < n; ++t, srow += NC)
      for (int c = 0; c < NC; ++c) s[c] += srow[c];
    for (int c = 0; c < NC; ++c) out[c] = s[c];
  }
}

// Two weighted source pixels per column (upscaling).
template <int NC>
void TwoTaps(const std::uint8_t* srow, const int* first, const int* second, const std::uint32_t* w0,
             const std::uint32_t* w1, int cols, std::uint32_t* out) {
  for (int i = 0; i < cols; ++i, out += NC) {
    const std::uint8_t* p = srow + first[i] * NC;
    const std::uint8_t* q = srow + second[i] * NC;
    for (int c = 0; c < NC; ++c) out[c] = w0[i] * p[c] + w1[i] * q[c];
  }
}

// Any number of weighted source pixels per column.
template <int NC>
void Taps(const std::uint8_t* srow, const int* first, const int* offset, const std::uint32_t* weights,
          int cols, std::uint32_t* out) {
  for (int i = 0; i < cols; ++i, out += NC) {
    std::uint32_t s[NC] = {};
    const std::uint8_t* p = srow + first[i] * NC;
    for (int t = offset[i]; t < offset[i + 1]; ++t, p += NC)
      for (int c = 0; c < NC; ++c) s[c] += weights[t] * p[c];
    for (int c = 0; c < NC; ++c) out[c] = s[c];
  }
}

// Rounded division of 32-bit sums by the total weight, in the cheapest exact
// form for it; the first two vectorise.
struct ShiftDiv {  // total = 2^Shift
  std::uint32_t Half;
  int Shift;
  std::uint8_t operator()(std::uint32_t v) const { return static_cast<std::uint8_t>((v + Half) >> Shift); }
};

// total < 2^23: with 2^K >= 256 * total^2 and M = ceil(2^K / total),
// (x * M) >> K equals x / total for every x < 256 * total, and M < 2^32.
struct MulDiv {
  std::uint32_t Half;
  std::uint32_t M;
  int K;
  std::uint8_t operator()(std::uint32_t v) const {
    return static_cast<std::uint8_t>((std::uint64_t{v + Half} * M) >> K);
  }
};

// Up to 2^24: the same with K = 64, so the product needs 128 bits.
struct WideDiv {
  std::uint64_t Half;
  unsigned __int128 M;
  std::uint8_t operator()(std::uint32_t v) const {
    return static_cast<std::uint8_t>(((static_cast<std::uint64_t>(v) + Half) * M) >> 64);
  }
};

// One or two weighted filtered rows, divided: the inner loops of most
// stretches. On x86-64 they are also built for AVX2 (picked at load time),
// which multiplies 32-bit lanes natively and twice as many at once.
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__)
#define ZT_SIMD_CLONES __attribute__((target_clones("avx2", "default")))
#else
#define ZT_SIMD_CLONES
#endif

template <class Div>
ZT_SIMD_CLONES void OneRow(const std::uint32_t* h, std::uint32_t w, std::size_t n, const Div& div,
                           std::uint8_t* out) {
  for (std::size_t i = 0; i < n; ++i) out[i] = div(w * h[i]);
}

template <class Div>
ZT_SIMD_CLONES void TwoRows(const std::uint32_t* h0, const std::uint32_t* h1, std::uint32_t w0,
                            std::uint32_t w1, std::size_t n, const Div& div, std::uint8_t* out) {
  for (std::size_t i = 0; i < n; ++i) out[i] = div(w0 * h0[i] + w1 * h1[i]);
}

// Colour bytes times alpha / 255, rounded: (x + 127) / 255 for x = c * a
// equals (y + (y >> 8)) >> 8 with y = x + 128. B and R are worked on together
// in the two 16-bit halves of a word (c * a + 128 < 2^16, so nothing carries).
ZT_SIMD_CLONES void PremultiplyRow(const std::uint8_t* p, int n, std::uint8_t* q) {
  for (int x = 0; x < n; ++x) {
    std::uint32_t v;
    std::memcpy(&v, p + 4 * x, 4);
    const std::uint32_t a = v >> 24;
    std::uint32_t rb = (v & 0x00FF00FFu) * a + 0x00800080u;
    rb = ((rb + ((rb >> 8) & 0x00FF00FFu)) >> 8) & 0x00FF00FFu;
    std::uint32_t g = ((v >> 8) & 0xFFu) * a + 0x80u;
    g = (g + (g >> 8)) >> 8;
    const std::uint32_t out = rb | g << 8 | (v & 0xFF000000u);
    std::memcpy(q + 4 * x, &out, 4);
  }
}

// Source rows summed whole, for integer downscales.
ZT_SIMD_CLONES void AddRow(const std::uint8_t* p, std::size_t n, bool first, std::uint32_t* acc) {
  if (first)
    for (std::size_t i = 0; i < n; ++i) acc[i] = p[i];
  else
    for (std::size_t i = 0; i < n; ++i) acc[i] += p[i];
}

// Then `units` summed pixels per column, divided.
template <int NC, int U, class Div>
void SumColumns(const std::uint32_t* a, int cols, int units, const Div& div, std::uint8_t* out) {
  const int n = U ? U : units;
  for (int i = 0; i < cols; ++i, out += NC) {
    std::uint32_t s[NC] = {};
    for (int t = 0; t < n; ++t, a += NC)
      for (int c = 0; c < NC; ++c) s[c] += a[c];
    for (int c = 0; c < NC; ++c) out[c] = div(s[c]);
  }
}

int Log2Ceil(std::uint64_t v) {
  int k = 0;
  while ((std::uint64_t{1} << k) < v) ++k;
  return k;
}

template <int NC>
void FilterRowAs(const std::uint8_t* srow, int units, int per, const int* first, const int* second,
                 const std::uint32_t* w0, const std::uint32_t* w1, const int* offset,
                 const std::uint32_t* weights, int maxTaps, int cols, std::uint32_t* out) {
  if (units == 1)
    Pick<NC>(srow, first, cols, out);
  else if (per == 1 && units == 2)
    Sum<NC, 2>(srow + first[0] * NC, cols, units, out);
  else if (per == 1)
    Sum<NC, 0>(srow + first[0] * NC, cols, units, out);
  else if (maxTaps <= 2)
    TwoTaps<NC>(srow, first, second, w0, w1, cols, out);
  else
    Taps<NC>(srow, first, offset, weights, cols, out);
}

}  // namespace

BoxFilter::Taps BoxFilter::MakeTaps(int s, int d, int from, int to) {
  const int g = std::gcd(s, d);
  s /= g;
  d /= g;
  Taps t;
  t.Units = static_cast<std::uint32_t>(s);
  t.Per = static_cast<std::uint32_t>(d);
  t.First.reserve(static_cast<std::size_t>(to - from));
  t.Offset.reserve(static_cast<std::size_t>(to - from) + 1);
  for (int i = from; i < to; ++i) {
    const long long start = static_cast<long long>(i) * s, end = static_cast<long long>(i + 1) * s;
    const long long k0 = start / d, k1 = (end - 1) / d;
    t.First.push_back(static_cast<int>(k0));
    t.Offset.push_back(static_cast<int>(t.Weights.size()));
    for (long long k = k0; k <= k1; ++k)
      t.Weights.push_back(static_cast<std::uint32_t>(std::min(end, (k + 1) * d) - std::max(start, k * d)));
    t.MaxTaps = std::max(t.MaxTaps, static_cast<int>(k1 - k0 + 1));
  }
  t.Offset.push_back(static_cast<int>(t.Weights.size()));
  return t;
}

BoxFilter::BoxFilter(const Bitmap& src, const Rect& srcRect, Size dstSize, int col0, int col1,
                     bool premultiply)
    : src_(src),
      srcRect_(srcRect),
      nc_(pixel::Bpp(src.Format())),
      cols_(col1 - col0),
      h_(MakeTaps(srcRect.Width(), dstSize.Width, col0, col1)),
      v_(MakeTaps(srcRect.Height(), dstSize.Height, 0, dstSize.Height)),
      total_(static_cast<std::uint64_t>(h_.Units) * v_.Units),
      premultiply_(premultiply) {
  if (h_.Units > 1 && h_.Per > 1 && h_.MaxTaps <= 2) {
    // A column with one tap reads its own pixel again with weight 0, so that
    // the last column never reads past the source rectangle.
    for (std::size_t i = 0; i < h_.First.size(); ++i) {
      const bool two = h_.Offset[i + 1] - h_.Offset[i] == 2;
      second_.push_back(h_.First[i] + (two ? 1 : 0));
      w0_.push_back(h_.Weights[static_cast<std::size_t>(h_.Offset[i])]);
      w1_.push_back(two ? h_.Weights[static_cast<std::size_t>(h_.Offset[i]) + 1] : 0);
    }
  }
}

void BoxFilter::FilterRow(const std::uint8_t* srow, std::uint32_t* out) const {
  const auto run = [&]<int NC>() {
    FilterRowAs<NC>(srow, static_cast<int>(h_.Units), static_cast<int>(h_.Per), h_.First.data(),
                    second_.data(), w0_.data(), w1_.data(), h_.Offset.data(), h_.Weights.data(), h_.MaxTaps,
                    cols_, out);
  };
  switch (nc_) {
    case 1: run.template operator()<1>(); break;
    case 3: run.template operator()<3>(); break;
    default: run.template operator()<4>(); break;
  }
}

const std::uint8_t* BoxFilter::SourceRow(int k) {
  const std::uint8_t* p = src_.Scanline(srcRect_.Top + k) + srcRect_.Left * nc_;
  if (!premultiply_) return p;
  pmRow_.resize(static_cast<std::size_t>(srcRect_.Width()) * 4);
  PremultiplyRow(p, srcRect_.Width(), pmRow_.data());
  return pmRow_.data();
}

const std::uint32_t* BoxFilter::Filtered(int k) {
  if (cache_.empty()) {  // made on first use: plain copies and integer downscales need none
    const auto span = static_cast<std::size_t>(std::max(1, v_.MaxTaps));
    cache_.assign(span + 1, std::vector<std::uint32_t>(static_cast<std::size_t>(cols_) * nc_));
    cachedRow_.assign(span + 1, -1);
  }
  const std::size_t slot = static_cast<std::size_t>(k) % cache_.size();
  std::vector<std::uint32_t>& row = cache_[slot];
  if (cachedRow_[slot] == k) return row.data();
  cachedRow_[slot] = k;
  FilterRow(SourceRow(k), row.data());
  return row.data();
}

bool BoxFilter::Repeats(int row) const {
  const auto j = static_cast<std::size_t>(row);
  return row > 0 && v_.First[j] == v_.First[j - 1] && v_.Offset[j + 1] - v_.Offset[j] == 1 &&
         v_.Offset[j] - v_.Offset[j - 1] == 1;
}

void BoxFilter::Row(int row, std::uint8_t* out) {
  if (total_ == 1) {  // every destination pixel is a copy of one source pixel
    const std::uint8_t* srow = SourceRow(v_.First[static_cast<std::size_t>(row)]);
    if (h_.Per == 1) {
      std::memcpy(out, srow + h_.First[0] * nc_,
                  static_cast<std::size_t>(cols_) * static_cast<std::size_t>(nc_));
      return;
    }
    switch (nc_) {
      case 1: PickBytes<1>(srow, h_.First.data(), cols_, out); break;
      case 3: PickBytes<3>(srow, h_.First.data(), cols_, out); break;
      default: PickBytes<4>(srow, h_.First.data(), cols_, out); break;
    }
    return;
  }
  // Sums stay below 255 * total: 32-bit accumulators (which vectorise) do
  // when that fits, else 64-bit ones.
  const std::uint64_t half = total_ / 2;
  if (total_ * 255 > 0xFFFFFFFFu) {
    const std::size_t n = static_cast<std::size_t>(cols_) * static_cast<std::size_t>(nc_);
    acc64_.assign(n, 0);
    const auto j = static_cast<std::size_t>(row);
    int k = v_.First[j];
    for (int t = v_.Offset[j]; t < v_.Offset[j + 1]; ++t, ++k) {
      const std::uint64_t wy = v_.Weights[static_cast<std::size_t>(t)];
      const std::uint32_t* h = Filtered(k);
      for (std::size_t i = 0; i < n; ++i) acc64_[i] += wy * h[i];
    }
    for (std::size_t i = 0; i < n; ++i) out[i] = static_cast<std::uint8_t>((acc64_[i] + half) / total_);
    return;
  }
  if ((total_ & (total_ - 1)) == 0) {
    Vertical(row, ShiftDiv{static_cast<std::uint32_t>(half), Log2Ceil(total_)}, out);
  } else if (total_ < (1u << 23)) {
    const int k = Log2Ceil(256 * total_ * total_);
    const auto m = static_cast<std::uint32_t>(((std::uint64_t{1} << k) + total_ - 1) / total_);
    Vertical(row, MulDiv{static_cast<std::uint32_t>(half), m, k}, out);
  } else {
    Vertical(row, WideDiv{half, (~static_cast<unsigned __int128>(0) >> 64) / total_ + 1}, out);
  }
}

// The vertical pass over the filtered rows of destination row `row`, with
// the division folded into the last of them.
template <class Div>
void BoxFilter::Vertical(int row, const Div& div, std::uint8_t* out) {
  const auto j = static_cast<std::size_t>(row);
  const std::size_t n = static_cast<std::size_t>(cols_) * static_cast<std::size_t>(nc_);
  const std::uint32_t* w = &v_.Weights[static_cast<std::size_t>(v_.Offset[j])];
  const int taps = v_.Offset[j + 1] - v_.Offset[j];
  const int k = v_.First[j];
  if (h_.Per == 1 && v_.Per == 1 && h_.Units > 1) {
    // An integer downscale: no source row is shared, so rows are summed
    // first, over the whole width, and columns after.
    const std::size_t width = n * h_.Units;
    acc32_.resize(width);
    for (int t = 0; t < taps; ++t) AddRow(SourceRow(k + t) + h_.First[0] * nc_, width, t == 0, acc32_.data());
    const auto run = [&]<int NC>() {
      if (h_.Units == 2)
        SumColumns<NC, 2>(acc32_.data(), cols_, 2, div, out);
      else
        SumColumns<NC, 0>(acc32_.data(), cols_, static_cast<int>(h_.Units), div, out);
    };
    switch (nc_) {
      case 1: run.template operator()<1>(); break;
      case 3: run.template operator()<3>(); break;
      default: run.template operator()<4>(); break;
    }
    return;
  }
  if (taps == 1) {
    OneRow(Filtered(k), w[0], n, div, out);
    return;
  }
  if (taps == 2) {
    const std::uint32_t* h0 = Filtered(k);
    TwoRows(h0, Filtered(k + 1), w[0], w[1], n, div, out);
    return;
  }
  acc32_.resize(n);
  std::uint32_t* a = acc32_.data();
  const std::uint32_t* h = Filtered(k);
  for (std::size_t i = 0; i < n; ++i) a[i] = w[0] * h[i];
  for (int t = 1; t + 1 < taps; ++t) {
    h = Filtered(k + t);
    const std::uint32_t wt = w[t];
    for (std::size_t i = 0; i < n; ++i) a[i] += wt * h[i];
  }
  h = Filtered(k + taps - 1);
  const std::uint32_t wl = w[taps - 1];
  for (std::size_t i = 0; i < n; ++i) out[i] = div(a[i] + wl * h[i]);
}

}  // namespace gfx
