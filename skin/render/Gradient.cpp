#include "skin/render/Gradient.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <vector>

#include "platform/gfx/Canvas.h"
#include "skin/paint/Fill.h"
#include "skin/paint/PixelAccess.h"
#include "skin/paint/Round.h"

namespace skin {
namespace {

using I64 = std::int64_t;

// The running colour of a band: one single-precision value per channel,
// advanced by a double-precision step; written rounded, ties to even. The
// three channels (and an idle fourth) are kept in vector lanes: each lane
// goes through exactly the operations, and roundings, of the scalar sum.
class Ramp {
 public:
  Ramp(std::int32_t from, std::int32_t to, I64 length) {
    for (int k = 0; k < 3; ++k) {
      const int f = Channel(from, k), t = Channel(to, k);
      value_[k] = static_cast<float>(f);
      step_[k] = static_cast<double>(t - f) / static_cast<double>(length);
    }
  }
  // The current colour as B, G, R bytes. Values in 0..255 (all but a
  // rounding error's worth) take a short exact path: truncation is the floor
  // there and the fraction is exact in single precision. It has no branches:
  // which way a value rounds follows no pattern a predictor could learn.
  void Current(std::uint8_t* bgr) const {
    const Ints inRange = (value_ >= 0.0f) & (value_ < 255.5f);
    if (!(inRange[0] & inRange[1] & inRange[2])) {
      for (int k = 0; k < 3; ++k) bgr[2 - k] = static_cast<std::uint8_t>(ClampByte(Rnd(value_[k])));
      return;
    }
    const Ints i = __builtin_convertvector(value_, Ints);
    const Floats frac = value_ - __builtin_convertvector(i, Floats);
    const Ints rounded = i + (((frac > 0.5f) | ((frac == 0.5f) & i)) & 1);
    for (int k = 0; k < 3; ++k) bgr[2 - k] = static_cast<std::uint8_t>(rounded[k]);
  }
  void Advance() {
    value_ = __builtin_convertvector(__builtin_convertvector(value_, Doubles) + step_, Floats);
  }

 private:
  using Floats = float __attribute__((vector_size(16)));
  using Doubles = double __attribute__((vector_size(32)));
  using Ints = std::int32_t __attribute__((vector_size(16)));

  // Channel k of a colour value: 0 red, 1 green, 2 blue (raw bytes).
  static int Channel(std::int32_t c, int k) {
    return static_cast<int>((static_cast<std::uint32_t>(c) >> (8 * k)) & 0xFF);
  }
  Floats value_{};
  Doubles step_{};
};

// One band of a vertical gradient: the colours of its first `Rows` rows (of
// Length + 1) go to out + At + k * stride, as B, G, R.
struct BandRamp {
  std::int32_t From, To;
  I64 Length;  // > 0
  I64 Rows;
  std::size_t At;
};

// The ramps of several bands side by side: up to five bands in the lanes of
// one vector, lane 3 b + j holding byte j (B, G, R) of band b. Every lane
// goes through exactly the operations and roundings of Ramp: a float per
// channel, advanced by a double step, written rounded ties to even. The
// chains of sums are the cost; in lanes they run together instead of one
// after the other.
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__)
__attribute__((target_clones("arch=x86-64-v4", "avx2", "default")))
#endif
void RampColumns(const BandRamp* bands, std::size_t count, std::uint8_t* out, std::size_t stride) {
  using Floats = float __attribute__((vector_size(64)));
  using Halves = float __attribute__((vector_size(32)));
  using Doubles = double __attribute__((vector_size(64)));
  using Ints = std::int32_t __attribute__((vector_size(64)));
  constexpr std::size_t kBands = 5;
  for (std::size_t g = 0; g < count; g += kBands) {
    const std::size_t k = std::min(kBands, count - g);
    const BandRamp* band = bands + g;
    Floats value{};
    Doubles stepLow{}, stepHigh{};
    I64 longest = 0;
    for (std::size_t b = 0; b < k; ++b) {
      longest = std::max(longest, band[b].Length);
      for (std::size_t j = 0; j < 3; ++j) {
        const std::size_t lane = 3 * b + j;
        const auto shift = static_cast<unsigned>(8 * (2 - j));  // byte j is channel 2 - j
        const int f = static_cast<int>((static_cast<std::uint32_t>(band[b].From) >> shift) & 0xFF);
        const int t = static_cast<int>((static_cast<std::uint32_t>(band[b].To) >> shift) & 0xFF);
        value[lane] = static_cast<float>(f);
        const double step = static_cast<double>(t - f) / static_cast<double>(band[b].Length);
        if (lane < 8)
          stepLow[lane] = step;
        else
          stepHigh[lane - 8] = step;
      }
    }
    for (I64 t = 0; t <= longest; ++t) {
      // ClampByte(Rnd(v)) without branches: truncation, then up when the
      // fraction is over a half or a half on an odd value. Below 0 the
      // truncation lies at or above Rnd(v) but clamps to the same 0; values
      // are first held inside -2..258, where both give the same byte.
      const Floats v = value < -2.0f ? Floats{} - 2.0f : (value > 258.0f ? Floats{} + 258.0f : value);
      const Ints i = __builtin_convertvector(v, Ints);
      const Floats frac = v - __builtin_convertvector(i, Floats);
      Ints rounded = i + (((frac > 0.5f) | ((frac == 0.5f) & i)) & 1);
      rounded = rounded < 0 ? Ints{} : (rounded > 255 ? Ints{} + 255 : rounded);
      alignas(64) std::int32_t bytes[16];
      std::memcpy(bytes, &rounded, sizeof bytes);
      for (std::size_t b = 0; b < k; ++b)
        if (t < band[b].Rows) {
          std::uint8_t* p = out + band[b].At + static_cast<std::size_t>(t) * stride;
          p[0] = static_cast<std::uint8_t>(bytes[3 * b]);
          p[1] = static_cast<std::uint8_t>(bytes[3 * b + 1]);
          p[2] = static_cast<std::uint8_t>(bytes[3 * b + 2]);
        }
      const Halves low = __builtin_shufflevector(value, value, 0, 1, 2, 3, 4, 5, 6, 7);
      const Halves high = __builtin_shufflevector(value, value, 8, 9, 10, 11, 12, 13, 14, 15);
      const Halves nextLow = __builtin_convertvector(__builtin_convertvector(low, Doubles) + stepLow, Halves);
      const Halves nextHigh = __builtin_convertvector(__builtin_convertvector(high, Doubles) + stepHigh, Halves);
      value = __builtin_shufflevector(nextLow, nextHigh, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15);
    }
  }
}

// Fills pixels [x0, x1) of one row with a colour (alpha 255 on 32-bit). The
// colour is spread over a 192-byte block (64 pixels of 24 bits, 48 of 32);
// after the bytes up to the next 64-byte boundary the block is stored at
// aligned addresses (so that no store straddles two cache lines), taken from
// the pattern at the phase that continues the row.
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__)
__attribute__((target_clones("arch=x86-64-v4", "avx2", "default")))
#endif
void FillRow(std::uint8_t* row, int bpp, int x0, int x1, const std::uint8_t* bgr) {
  if (x1 <= x0) return;
  constexpr std::size_t kBlock = 192;
  const std::uint32_t b = bgr[0], g = bgr[1], r = bgr[2];
  std::uint32_t words[3];
  static_assert(std::endian::native == std::endian::little, "the words below are laid out little-endian");
  if (bpp == 3) {
    // Four 24-bit pixels B G R B | G R B G | R B G R (little-endian words).
    words[0] = b | g << 8 | r << 16 | b << 24;
    words[1] = g | r << 8 | b << 16 | g << 24;
    words[2] = r | b << 8 | g << 16 | r << 24;
  } else {
    words[0] = words[1] = words[2] = b | g << 8 | r << 16 | 0xFFu << 24;
  }
  alignas(64) std::uint32_t wordPattern[kBlock / 4 + 3];
  for (std::size_t i = 0; i < kBlock / 4 + 3; i += 3) {
    wordPattern[i] = words[0];
    wordPattern[i + 1] = words[1];
    wordPattern[i + 2] = words[2];
  }
  const std::uint8_t* pattern = reinterpret_cast<const std::uint8_t*>(wordPattern);
  std::uint8_t* p = row + static_cast<std::ptrdiff_t>(x0) * bpp;
  const std::size_t total = static_cast<std::size_t>(x1 - x0) * static_cast<std::size_t>(bpp);
  const std::size_t head = std::min(total, (64 - reinterpret_cast<std::uintptr_t>(p) % 64) % 64);
  std::memcpy(p, pattern, head);
  const std::uint8_t* block = pattern + head % static_cast<std::size_t>(bpp);
  std::size_t done = head;
  for (; done + kBlock <= total; done += kBlock) std::memcpy(p + done, block, kBlock);
  std::memcpy(p + done, block, total - done);
}

// Pixels [x0, x1) of one row written one by one (alpha 255 on 32-bit): for
// rows a few pixels wide, where laying out FillRow's pattern costs more than
// the pixels.
void PutPixels(std::uint8_t* row, int bpp, int x0, int x1, const std::uint8_t* bgr) {
  for (std::uint8_t* p = row + static_cast<std::ptrdiff_t>(x0) * bpp; x0 < x1; ++x0, p += bpp) {
    p[0] = bgr[0];
    p[1] = bgr[1];
    p[2] = bgr[2];
    if (bpp == 4) p[3] = 255;
  }
}

// The bands of a vertical gradient, rows inclusive, from `top` (already
// moved by `extra`) to lastRow. Each band's first row is the last row of the
// band before.
struct Band {
  I64 First, Last;
  std::int32_t From, To;
};
std::vector<Band> VerticalBands(const TsGradArray& steps, I64 top, I64 lastRow, I64 height) {
  std::vector<Band> bands;
  I64 y = top;
  const std::size_t n = steps.size();
  for (std::size_t i = 0; i < n; ++i) {
    const bool last = i + 1 == n;
    const I64 s = y;
    I64 e = s + I64{steps[i].Percent} * height / 100;
    e = last ? lastRow : std::min(e, lastRow);
    y = e;
    if (e - s <= 0) continue;
    if (last) {
      e = lastRow;
      if (e == s) break;
    }
    bands.push_back({s, e, steps[i].FromColor, steps[i].ToColor});
  }
  return bands;
}

// The colour of every row from the first band's first row on, `stride`
// bytes apart from `out` (which holds them all): where two bands meet, the
// later one's. Returns the first band's first row, or -1 without bands.
I64 BandColumn(const std::vector<Band>& bands, std::uint8_t* out, std::size_t stride) {
  if (bands.empty()) return -1;
  std::vector<BandRamp> ramps;
  ramps.reserve(bands.size());
  const I64 first = bands.front().First;
  for (std::size_t i = 0; i < bands.size(); ++i) {
    const Band& b = bands[i];
    const I64 length = b.Last - b.First;
    // The last row of every band but the last is the next band's first.
    const I64 rows = i + 1 == bands.size() ? length + 1 : length;
    ramps.push_back({b.From, b.To, length, rows, static_cast<std::size_t>(b.First - first) * stride});
  }
  RampColumns(ramps.data(), ramps.size(), out, stride);
  return first;
}

// Vertical bands, one colour per row. Each band's first row paints over
// the last row of the band before.
void Vertical(gfx::Bitmap& bmp, const gfx::Rect& r, const TsGradArray& steps, int extra) {
  const int bpp = ColorBytes(bmp);
  const bool narrow = r.Width() <= 8;
  auto paintRow = [&](I64 row, const std::uint8_t* bgr) {
    std::uint8_t* line = bmp.Scanline(static_cast<int>(row));
    if (narrow)
      PutPixels(line, bpp, r.Left, r.Right, bgr);
    else
      FillRow(line, bpp, r.Left, r.Right, bgr);
  };
  const I64 lastRow = r.Bottom - 1;  // r is already cut to the bitmap
  const std::vector<Band> bands = VerticalBands(steps, I64{r.Top} + extra, lastRow, I64{r.Height()} + extra);
  if (bands.empty()) return;

  if (extra < 0) {
    // A band may start above the rect: its rows there only advance the ramp.
    std::uint8_t bgr[3];
    for (const Band& b : bands) {
      Ramp colour(b.From, b.To, b.Last - b.First);
      for (I64 row = b.First; row <= b.Last; ++row, colour.Advance()) {
        if (row < r.Top) continue;
        colour.Current(bgr);
        paintRow(row, bgr);
      }
    }
    return;
  }
  // The bands' ramps are worked out side by side in vector lanes, then the
  // rows are painted.
  std::vector<std::uint8_t> colours(3 * static_cast<std::size_t>(lastRow - bands.front().First + 1));
  const I64 first = BandColumn(bands, colours.data(), 3);
  for (I64 row = first; row <= lastRow; ++row)
    paintRow(row, &colours[3 * static_cast<std::size_t>(row - first)]);
}

// Horizontal bands: every row is the same, so one is computed and copied.
void Horizontal(gfx::Bitmap& bmp, const gfx::Rect& r, const TsGradArray& steps) {
  const int bpp = ColorBytes(bmp);
  const I64 lastCol = r.Right - 1;
  std::uint8_t* first = bmp.Scanline(r.Top);
  I64 x = r.Left;
  const std::size_t n = steps.size();
  for (std::size_t i = 0; i < n; ++i) {
    const I64 j = x;
    I64 end = Rnd(steps[i].Percent * static_cast<double>(r.Width()) / 100.0 + static_cast<double>(j));
    end = i + 1 == n ? lastCol : std::min(end, lastCol);
    x = end;
    const I64 len = end - j;
    if (len <= 0) continue;
    Ramp ramp(steps[i].FromColor, steps[i].ToColor, len);
    std::uint8_t* p = first + j * bpp;
    for (I64 col = j; col <= end; ++col, p += bpp, ramp.Advance()) {
      ramp.Current(p);
      if (bpp == 4) p[3] = 255;
    }
  }
  const std::size_t bytes = static_cast<std::size_t>(r.Width()) * static_cast<std::size_t>(bpp);
  for (int row = r.Top + 1; row < r.Bottom; ++row)
    std::memcpy(bmp.Scanline(row) + static_cast<std::ptrdiff_t>(r.Left) * bpp,
                first + static_cast<std::ptrdiff_t>(r.Left) * bpp, bytes);
}

// Four triangles around the centre, clipped to the rect (the corner vertices
// lie on the exclusive Right and Bottom).
void Diamond(gfx::Bitmap& bmp, const gfx::Rect& r, const TsGradArray& steps) {
  gfx::Color c[5];
  for (std::size_t k = 0; k < 5; ++k) {
    const std::size_t i = std::min(k, steps.size() - 1);
    c[k] = static_cast<gfx::Color>(steps[i].FromColor) & 0xFFFFFFu;  // raw bytes, never a system colour
  }
  const gfx::GradientVertex p0{r.Left, r.Top, c[0]};
  const gfx::GradientVertex p1{r.Left + r.Width() / 2, r.Top + r.Height() / 2, c[1]};
  const gfx::GradientVertex p2{r.Right, r.Top, c[2]};
  const gfx::GradientVertex p3{r.Right, r.Bottom, c[3]};
  const gfx::GradientVertex p4{r.Left, r.Bottom, c[4]};
  gfx::Canvas canvas(bmp);
  canvas.IntersectClipRect(r);
  canvas.GradientTriangle(p0, p1, p2);
  canvas.GradientTriangle(p1, p2, p3);
  canvas.GradientTriangle(p0, p1, p4);
  canvas.GradientTriangle(p4, p1, p3);
  SetAlphaRect(bmp, r, 255);
}

}  // namespace

bool VerticalGradientColumn(const TsGradArray& steps, int height, int bpp, std::uint8_t* out) {
  if (steps.empty() || steps.front().Kind != 0 || height < 2 || (bpp != 3 && bpp != 4)) return false;
  const std::vector<Band> bands = VerticalBands(steps, 0, height - 1, height);
  if (bands.empty() || bands.front().First != 0) return false;
  BandColumn(bands, out, static_cast<std::size_t>(bpp));
  if (bpp == 4)
    for (int row = 0; row < height; ++row) out[4 * static_cast<std::size_t>(row) + 3] = 255;
  return true;
}

void PaintGradient(gfx::Bitmap& bitmap, const gfx::Rect& rect, const TsGradArray& steps, int extra) {
  if (steps.empty() || ColorBytes(bitmap) == 0) return;
  if (rect.Right <= rect.Left || rect.Bottom <= rect.Top) return;
  const gfx::Rect r = gfx::Intersect(rect, bitmap.Bounds());
  if (r.IsEmpty()) return;
  switch (steps.front().Kind) {
    case 0: Vertical(bitmap, r, steps, extra); break;
    case 1: Horizontal(bitmap, r, steps); break;
    case 2: Diamond(bitmap, r, steps); break;
    default: break;
  }
}

}  // namespace skin
