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

  struct Band {
    I64 First, Last;  // rows, inclusive
    Ramp Colour;
    std::size_t At = 0;  // where its colours start in `colours` below
  };
  std::vector<Band> bands;
  const I64 lastRow = r.Bottom - 1;  // r is already cut to the bitmap
  const I64 height = I64{r.Height()} + extra;
  I64 y = I64{r.Top} + extra;
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
    bands.push_back({s, e, Ramp(steps[i].FromColor, steps[i].ToColor, e - s)});
  }

  if (extra < 0) {
    // A band may start above the rect: its rows there only advance the ramp.
    std::uint8_t bgr[3];
    for (Band& b : bands)
      for (I64 row = b.First; row <= b.Last; ++row, b.Colour.Advance()) {
        if (row < r.Top) continue;
        b.Colour.Current(bgr);
        paintRow(row, bgr);
      }
    return;
  }
  // Each band's ramp is a chain of dependent sums; the bands' chains are
  // worked out side by side, so that they overlap, and the rows are then
  // painted band by band as before.
  std::size_t total = 0;
  I64 longest = 0;
  for (Band& b : bands) {
    b.At = total;
    total += static_cast<std::size_t>(b.Last - b.First + 1);
    longest = std::max(longest, b.Last - b.First);
  }
  std::vector<std::uint8_t> colours(3 * total);
  for (I64 t = 0; t <= longest; ++t)
    for (Band& b : bands)
      if (t <= b.Last - b.First) {
        b.Colour.Current(&colours[3 * (b.At + static_cast<std::size_t>(t))]);
        b.Colour.Advance();
      }
  for (const Band& b : bands)
    for (I64 row = b.First; row <= b.Last; ++row)
      paintRow(row, &colours[3 * (b.At + static_cast<std::size_t>(row - b.First))]);
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
