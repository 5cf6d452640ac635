// Canvas stretching against a plain re-statement of the box filter and of the
// write modes, over sizes that take every scaling path (1:1 axes, integer
// up- and downscales, fractional ratios, one-pixel sources), clipped and
// unclipped destinations, source rectangles reaching outside the source, the
// three drawable formats, and blended sources with and without alpha.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/gfx/Canvas.h"

namespace gfx {
namespace {

int Channels(PixelFormat f) { return f == PixelFormat::Gray8 ? 1 : f == PixelFormat::Bgr24 ? 3 : 4; }

// Pseudo-random bytes; `alpha` picks the alpha bytes of a 32-bit source:
// 0 all 255, 1 a mix with 0 and 255 among them.
Bitmap Noise(int w, int h, PixelFormat f, unsigned seed, int alpha) {
  Bitmap b(w, h, f);
  const int nc = Channels(f);
  std::uint32_t r = seed * 2654435761u + 1;
  for (int y = 0; y < h; ++y)
    for (int i = 0; i < w * nc; ++i) {
      r = r * 1664525u + 1013904223u;
      std::uint8_t v = static_cast<std::uint8_t>(r >> 24);
      if (nc == 4 && i % 4 == 3) v = alpha == 0 ? 255 : (v < 40 ? 0 : v > 200 ? 255 : v);
      b.Scanline(y)[i] = v;
    }
  return b;
}

struct Pixel {
  std::uint32_t C[4] = {0, 0, 0, 255};  // B, G, R, A
};

Pixel Read(const Bitmap& b, int x, int y) {
  const std::uint8_t* p = b.Scanline(y) + x * Channels(b.Format());
  Pixel px;
  if (b.Format() == PixelFormat::Gray8) {
    px.C[0] = px.C[1] = px.C[2] = p[0];
  } else {
    for (int c = 0; c < Channels(b.Format()); ++c) px.C[c] = p[c];
  }
  return px;
}

long long Overlap(long long a0, long long a1, long long b0, long long b1) {
  return std::max(0LL, std::min(a1, b1) - std::max(a0, b0));
}

// Source rectangle `s` (inside the source) averaged onto dw x dh pixels,
// premultiplied by alpha first and divided back afterwards when asked.
std::vector<Pixel> Scale(const Bitmap& src, const Rect& s, int dw, int dh, bool premultiplied) {
  const long long sw = s.Width(), sh = s.Height(), total = sw * sh;
  std::vector<Pixel> out;
  for (int j = 0; j < dh; ++j)
    for (int i = 0; i < dw; ++i) {
      long long sum[4] = {};
      for (long long l = j * sh / dh; l < sh && l * dh < (j + 1) * sh; ++l)
        for (long long k = i * sw / dw; k < sw && k * dw < (i + 1) * sw; ++k) {
          const long long w = Overlap(i * sw, (i + 1) * sw, k * dw, (k + 1) * dw) *
                              Overlap(j * sh, (j + 1) * sh, l * dh, (l + 1) * dh);
          Pixel p = Read(src, s.Left + static_cast<int>(k), s.Top + static_cast<int>(l));
          if (premultiplied)
            for (int c = 0; c < 3; ++c) p.C[c] = (p.C[c] * p.C[3] + 127) / 255;
          for (int c = 0; c < 4; ++c) sum[c] += w * p.C[c];
        }
      Pixel px;
      for (int c = 0; c < 4; ++c) px.C[c] = static_cast<std::uint32_t>((2 * sum[c] + total) / (2 * total));
      if (premultiplied)
        for (int c = 0; c < 3; ++c)
          px.C[c] = px.C[3] == 0 ? 0 : std::min<std::uint32_t>(255, (px.C[c] * 255 + px.C[3] / 2) / px.C[3]);
      out.push_back(px);
    }
  return out;
}

void Write(Bitmap& dst, int x, int y, const Pixel& p, std::optional<std::uint8_t> blend) {
  std::uint8_t* q = dst.Scanline(y) + x * Channels(dst.Format());
  if (!blend) {
    if (dst.Format() == PixelFormat::Gray8) {
      q[0] = static_cast<std::uint8_t>((p.C[0] + p.C[1] + p.C[2]) / 3);
      return;
    }
    for (int c = 0; c < Channels(dst.Format()); ++c) q[c] = static_cast<std::uint8_t>(p.C[c]);
    return;
  }
  const std::uint32_t a = (p.C[3] * *blend + 127) / 255;
  for (int c = 0; c < 3; ++c) q[c] = static_cast<std::uint8_t>((p.C[c] * a + q[c] * (255 - a) + 127) / 255);
  if (dst.Format() == PixelFormat::Bgra32)
    q[3] = static_cast<std::uint8_t>((a * 255 + q[3] * (255 - a) + 127) / 255);
}

struct Case {
  const char* Name;
  PixelFormat SrcFormat, DstFormat;
  Size SrcSize;
  Rect SrcRect, DstRect;
  std::optional<std::uint8_t> Blend;  // constant alpha, or a plain copy
  int Alpha = 0;                      // see Noise
  bool Holed = false;                 // clip with a hole through the middle
};

// What the canvas must produce: the part of the destination that the part of
// the source rectangle inside the source maps to, averaged, written per pixel.
Bitmap Expected(const Case& k, const Bitmap& src, Bitmap dst, const Region& clip) {
  const Rect& sr = k.SrcRect;
  const Rect s = Intersect(sr, src.Bounds());
  if (s.IsEmpty()) return dst;
  const long long sw = sr.Width(), sh = sr.Height(), dw = k.DstRect.Width(), dh = k.DstRect.Height();
  const Rect d{static_cast<int>(k.DstRect.Left + (s.Left - sr.Left) * dw / sw),
               static_cast<int>(k.DstRect.Top + (s.Top - sr.Top) * dh / sh),
               static_cast<int>(k.DstRect.Right - (sr.Right - s.Right) * dw / sw),
               static_cast<int>(k.DstRect.Bottom - (sr.Bottom - s.Bottom) * dh / sh)};
  if (d.IsEmpty()) return dst;
  std::vector<Pixel> scaled;
  if (d.GetSize() == s.GetSize()) {  // 1:1 is a copy, never averaged
    for (int y = 0; y < s.Height(); ++y)
      for (int x = 0; x < s.Width(); ++x) scaled.push_back(Read(src, s.Left + x, s.Top + y));
  } else {
    const bool pm = k.Blend && src.Format() == PixelFormat::Bgra32;
    scaled = Scale(src, s, d.Width(), d.Height(), pm);
  }
  for (int y = d.Top; y < d.Bottom; ++y)
    for (int x = d.Left; x < d.Right; ++x)
      if (dst.Bounds().Contains({x, y}) && clip.Contains(x, y))
        Write(dst, x, y, scaled[static_cast<std::size_t>((y - d.Top) * d.Width() + (x - d.Left))], k.Blend);
  return dst;
}

std::string Diff(const Bitmap& got, const Bitmap& want) {
  for (int y = 0; y < got.Height(); ++y)
    for (int x = 0; x < got.Width(); ++x)
      if (got.PixelAt(x, y) != want.PixelAt(x, y))
        return "first difference at " + std::to_string(x) + "," + std::to_string(y) + ": got " +
               std::to_string(got.PixelAt(x, y)) + ", want " + std::to_string(want.PixelAt(x, y));
  return "";
}

TEST(StretchEquivalence, MatchesPlainBoxFilterByteForByte) {
  constexpr auto G8 = PixelFormat::Gray8, C24 = PixelFormat::Bgr24, C32 = PixelFormat::Bgra32;
  const std::optional<std::uint8_t> copy;
  const Case cases[] = {
      {"1:1", C24, C24, {7, 5}, {0, 0, 7, 5}, {3, 2, 10, 7}, copy},
      {"1:1 blended keeps straight colour", C32, C32, {7, 5}, {0, 0, 7, 5}, {1, 1, 8, 6}, 200, 1},
      {"1:1 across, up down", C24, C24, {10, 3}, {0, 0, 10, 3}, {0, 0, 10, 17}, copy},
      {"up across, 1:1 down", C32, C32, {10, 20}, {0, 0, 10, 20}, {0, 0, 300, 20}, copy},
      {"integer up both", C24, C24, {5, 4}, {0, 0, 5, 4}, {0, 0, 15, 12}, copy},
      {"integer up, cut at both sides", C24, C24, {4, 3}, {0, 0, 4, 3}, {-5, 2, 27, 14}, copy},
      {"integer up, clipped", C24, C24, {4, 3}, {0, 0, 4, 3}, {-5, 2, 27, 14}, copy, 0, true},
      {"small piece to a window", C24, C24, {20, 20}, {0, 0, 20, 20}, {0, 0, 602, 421}, copy},
      {"2:1", C24, C24, {24, 18}, {0, 0, 24, 18}, {0, 0, 12, 9}, copy},
      {"3:1 grey", G8, G8, {30, 9}, {0, 0, 30, 9}, {0, 0, 10, 3}, copy},
      {"4:1 x, 2:1 y", C32, C32, {32, 16}, {0, 0, 32, 16}, {0, 0, 8, 8}, copy},
      {"2:1 across, fractional down", C32, C32, {24, 17}, {0, 0, 24, 17}, {0, 0, 12, 7}, copy},
      {"3:1 across, up down", C24, C24, {27, 5}, {0, 0, 27, 5}, {0, 0, 9, 11}, copy},
      {"fractional down", C24, C24, {29, 17}, {0, 0, 29, 17}, {0, 0, 11, 7}, copy},
      {"fractional up", C32, C32, {7, 5}, {0, 0, 7, 5}, {0, 0, 23, 19}, copy},
      {"2:3 odd sizes", C24, C24, {41, 28}, {0, 0, 41, 28}, {0, 0, 62, 43}, copy},
      {"down across, up down", G8, G8, {20, 6}, {0, 0, 20, 6}, {0, 0, 7, 13}, copy},
      {"reduced ratio 20 -> 602", C24, C24, {20, 6}, {0, 0, 20, 6}, {0, 0, 602, 9}, copy},
      {"one pixel", C24, C24, {1, 1}, {0, 0, 1, 1}, {0, 0, 13, 7}, copy},
      {"one column", C32, C32, {1, 9}, {0, 0, 1, 9}, {0, 0, 31, 9}, copy},
      {"one row", G8, G8, {9, 1}, {0, 0, 9, 1}, {0, 0, 9, 11}, copy},
      {"to one pixel", C24, C24, {13, 11}, {0, 0, 13, 11}, {2, 2, 3, 3}, copy},
      {"sub-rectangle", C24, C24, {40, 30}, {5, 3, 25, 19}, {1, 1, 31, 9}, copy},
      {"source rect outside", C24, C24, {12, 10}, {-3, -2, 14, 9}, {0, 0, 34, 22}, copy},
      {"source rect outside, down", C32, C32, {30, 20}, {-6, 4, 26, 30}, {2, 0, 18, 13}, copy},
      {"destination off the bitmap", C24, C24, {9, 7}, {0, 0, 9, 7}, {-11, -5, 20, 30}, copy},
      {"clip with a hole", C24, C24, {9, 7}, {0, 0, 9, 7}, {0, 0, 30, 22}, copy, 0, true},
      {"clip with a hole, down", G8, G8, {60, 44}, {0, 0, 60, 44}, {1, 2, 30, 24}, copy, 0, true},
      {"24 -> 32", C24, C32, {9, 7}, {0, 0, 9, 7}, {0, 0, 13, 5}, copy},
      {"grey -> 24", G8, C24, {9, 7}, {0, 0, 9, 7}, {0, 0, 4, 19}, copy},
      {"32 -> grey", C32, G8, {9, 7}, {0, 0, 9, 7}, {0, 0, 14, 3}, copy},
      {"blended with alpha, up", C32, C24, {9, 7}, {0, 0, 9, 7}, {0, 0, 25, 16}, 255, 1},
      {"blended with alpha, down", C32, C32, {31, 22}, {0, 0, 31, 22}, {0, 0, 10, 9}, 180, 1},
      {"blended with alpha, one axis", C32, C32, {10, 20}, {0, 0, 10, 20}, {0, 0, 300, 20}, 255, 1},
      {"blended opaque", C32, C32, {9, 7}, {0, 0, 9, 7}, {0, 0, 20, 4}, 128, 0},
      {"blended 24-bit", C24, C24, {9, 7}, {0, 0, 9, 7}, {0, 0, 5, 12}, 100},
      {"blended, clipped and outside", C32, C24, {12, 10}, {-2, 1, 12, 14}, {-3, 0, 25, 30}, 220, 1, true},
  };
  unsigned seed = 1;
  for (const Case& k : cases) {
    SCOPED_TRACE(k.Name);
    const Bitmap src = Noise(k.SrcSize.Width, k.SrcSize.Height, k.SrcFormat, seed++, k.Alpha);
    const Bitmap before = Noise(24, 18, k.DstFormat, seed++, 1);
    Bitmap got = before;
    Canvas c(got);
    if (k.Holed) c.ExcludeClipRect({6, 5, 15, 9});
    if (k.Blend)
      c.AlphaBlendBitmap(k.DstRect, src, k.SrcRect, *k.Blend);
    else
      c.StretchDraw(k.DstRect, src, k.SrcRect);
    const Region clip =
        k.Holed ? Region(got.Bounds()).Difference(Region(Rect{6, 5, 15, 9})) : Region(got.Bounds());
    const Bitmap want = Expected(k, src, before, clip);
    EXPECT_EQ(Diff(got, want), "");
  }
}

// Sums of more than 2^23 units take the widest exact division: a source of
// 2897 x 2897 pixels (coprime to the destination) onto 2 x 3.
TEST(StretchEquivalence, LargeTotalDividesExactly) {
  const Case k{"large",      PixelFormat::Gray8, PixelFormat::Gray8, {2897, 2897}, {0, 0, 2897, 2897},
               {0, 0, 2, 3}, std::nullopt};
  const Bitmap src = Noise(2897, 2897, PixelFormat::Gray8, 7, 0);
  Bitmap got(2, 3, PixelFormat::Gray8);
  got.FillBytes(0);
  const Bitmap before = got;
  Canvas c(got);
  c.StretchDraw(k.DstRect, src, k.SrcRect);
  EXPECT_EQ(Diff(got, Expected(k, src, before, Region(got.Bounds()))), "");
}

}  // namespace
}  // namespace gfx
