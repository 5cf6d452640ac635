// Row-level pixel helpers shared by the Canvas sources. Internal to gfx.
#pragma once

#include <cstdint>
#include <cstring>

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Color.h"
#include "platform/gfx/Region.h"

namespace gfx::pixel {

struct Rgb {
  std::uint8_t R = 0;
  std::uint8_t G = 0;
  std::uint8_t B = 0;
};

inline Rgb Resolve(Color c) {
  Color v = ColorToRGB(c);
  return {static_cast<std::uint8_t>(GetR(v)), static_cast<std::uint8_t>(GetG(v)),
          static_cast<std::uint8_t>(GetB(v))};
}

inline std::uint8_t Grey(Rgb c) { return static_cast<std::uint8_t>((c.R + c.G + c.B) / 3); }

// Bytes per pixel of the formats a canvas draws on (0 for the others).
inline int Bpp(PixelFormat f) {
  switch (f) {
    case PixelFormat::Gray8: return 1;
    case PixelFormat::Bgr24: return 3;
    case PixelFormat::Bgra32: return 4;
    default: return 0;
  }
}

// (a * x + b * (255 - x)) / 255 rounded to nearest, for 0 <= x <= 255.
inline std::uint8_t Mix(int a, int b, int x) {
  return static_cast<std::uint8_t>((a * x + b * (255 - x) + 127) / 255);
}

// Writes colour `c` to pixels [x0, x1) of row y; alpha bytes stay as they are.
inline void FillSpan(Bitmap& bm, int y, int x0, int x1, Rgb c) {
  if (x1 <= x0) return;
  std::uint8_t* p = bm.Scanline(y);
  const std::size_t n = static_cast<std::size_t>(x1 - x0);
  switch (bm.Format()) {
    case PixelFormat::Gray8: std::memset(p + x0, Grey(c), n); break;
    case PixelFormat::Bgr24: {
      // One pixel, then the filled part copied onto the rest, doubling each time.
      std::uint8_t* q = p + 3 * static_cast<std::size_t>(x0);
      q[0] = c.B;
      q[1] = c.G;
      q[2] = c.R;
      const std::size_t total = 3 * n;
      for (std::size_t done = 3; done < total;) {
        const std::size_t step = done < total - done ? done : total - done;
        std::memcpy(q + done, q, step);
        done += step;
      }
      break;
    }
    case PixelFormat::Bgra32: {
      const std::uint32_t rgb = c.B | (c.G << 8) | (static_cast<std::uint32_t>(c.R) << 16);
      std::uint8_t* q = p + 4 * static_cast<std::size_t>(x0);
      for (std::size_t i = 0; i < n; ++i, q += 4) {
        std::uint32_t v;
        std::memcpy(&v, q, 4);
        v = (v & 0xFF000000u) | rgb;  // little-endian: B, G, R, A in memory
        std::memcpy(q, &v, 4);
      }
      break;
    }
    default: break;
  }
}

// Fills rectangle r (inside the bitmap); 24-bit rows after the first are
// copies of the first.
inline void FillRows(Bitmap& bm, const Rect& r, Rgb c) {
  if (r.IsEmpty()) return;
  FillSpan(bm, r.Top, r.Left, r.Right, c);
  if (bm.Format() != PixelFormat::Bgr24) {
    for (int y = r.Top + 1; y < r.Bottom; ++y) FillSpan(bm, y, r.Left, r.Right, c);
    return;
  }
  const std::uint8_t* first = bm.Scanline(r.Top) + 3 * static_cast<std::size_t>(r.Left);
  const std::size_t bytes = 3 * static_cast<std::size_t>(r.Right - r.Left);
  for (int y = r.Top + 1; y < r.Bottom; ++y)
    std::memcpy(bm.Scanline(y) + 3 * static_cast<std::size_t>(r.Left), first, bytes);
}

// Blends colour `c` over pixel x of row y with weight `a` (0..255); alpha stays.
inline void BlendPixel(std::uint8_t* row, PixelFormat f, int x, Rgb c, int a) {
  switch (f) {
    case PixelFormat::Gray8: row[x] = Mix(Grey(c), row[x], a); break;
    case PixelFormat::Bgr24:
    case PixelFormat::Bgra32: {
      std::uint8_t* q = row + x * (f == PixelFormat::Bgr24 ? 3 : 4);
      q[0] = Mix(c.B, q[0], a);
      q[1] = Mix(c.G, q[1], a);
      q[2] = Mix(c.R, q[2], a);
      break;
    }
    default: break;
  }
}

// Calls f(rect) for every part of `device` inside the clip region and inside
// the bitmap (checked every time, so a bitmap resized under a canvas whose
// clip still has the old size is never written out of bounds).
template <class F>
void ForEachClipped(const Bitmap& bm, const Region& clip, const Rect& device, F&& f) {
  const Rect d = Intersect(device, bm.Bounds());
  if (d.IsEmpty()) return;
  for (const Rect& c : clip.Rects()) {
    if (c.Top >= d.Bottom) break;
    Rect r = Intersect(c, d);
    if (!r.IsEmpty()) f(r);
  }
}

// The same test for one pixel.
inline bool Visible(const Bitmap& bm, const Region& clip, int x, int y) {
  return bm.Bounds().Contains({x, y}) && clip.Contains(x, y);
}

}  // namespace gfx::pixel
