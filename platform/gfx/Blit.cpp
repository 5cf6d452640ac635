#include "platform/gfx/Blit.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/gfx/PixelOps.h"

namespace gfx::blit {
namespace {

bool Drawable(PixelFormat f) { return pixel::Bpp(f) != 0; }

// Reads pixel i of a row as B, G, R, A (A = 255 without alpha).
inline void Read(const std::uint8_t* row, PixelFormat f, int i, std::uint8_t out[4]) {
  switch (f) {
    case PixelFormat::Gray8:
      out[0] = out[1] = out[2] = row[i];
      out[3] = 255;
      break;
    case PixelFormat::Bgr24:
      std::memcpy(out, row + 3 * i, 3);
      out[3] = 255;
      break;
    default: std::memcpy(out, row + 4 * i, 4); break;
  }
}

// Writes n source pixels (format sf) to a destination row (format df) from
// pixel x on.
void WriteRow(std::uint8_t* d, PixelFormat df, int x, const std::uint8_t* s, PixelFormat sf, int n,
              const Options& opt) {
  const int dbpp = pixel::Bpp(df);
  if (opt.How == Mode::Copy && df == sf) {
    std::memmove(d + x * dbpp, s, static_cast<std::size_t>(n) * static_cast<std::size_t>(dbpp));
    return;
  }
  const std::uint8_t kb = static_cast<std::uint8_t>(opt.Key >> 16),
                     kg = static_cast<std::uint8_t>(opt.Key >> 8), kr = static_cast<std::uint8_t>(opt.Key);
  std::uint8_t p[4];
  for (int i = 0; i < n; ++i) {
    Read(s, sf, i, p);
    std::uint8_t* q = d + (x + i) * dbpp;
    if (opt.How == Mode::Keyed && p[0] == kb && p[1] == kg && p[2] == kr) continue;
    if (opt.How == Mode::Blend) {
      const int a = (p[3] * opt.ConstantAlpha + 127) / 255;
      if (df == PixelFormat::Gray8) {
        q[0] = pixel::Mix(pixel::Grey({p[2], p[1], p[0]}), q[0], a);
        continue;
      }
      q[0] = pixel::Mix(p[0], q[0], a);
      q[1] = pixel::Mix(p[1], q[1], a);
      q[2] = pixel::Mix(p[2], q[2], a);
      if (df == PixelFormat::Bgra32)
        q[3] = static_cast<std::uint8_t>((a * 255 + q[3] * (255 - a) + 127) / 255);
      continue;
    }
    switch (df) {
      case PixelFormat::Gray8: q[0] = pixel::Grey({p[2], p[1], p[0]}); break;
      case PixelFormat::Bgr24: std::memcpy(q, p, 3); break;
      default: std::memcpy(q, p, 4); break;
    }
  }
}

// Palette bitmaps are drawn through a 24-bit copy.
const Bitmap& AsDrawable(const Bitmap& src, std::optional<Bitmap>& holder) {
  if (Drawable(src.Format())) return src;
  holder = src.ConvertTo(PixelFormat::Bgr24);
  return *holder;
}

// One destination pixel of an axis draws from source pixels [First, First+Count)
// with these weights; the weights of one destination pixel add up to the
// source length.
struct AxisTaps {
  std::vector<int> First;
  std::vector<int> Offset;  // into Weights, size d + 1
  std::vector<std::uint32_t> Weights;
};

// Box filter: destination pixel i covers source [i*s/d, (i+1)*s/d); measured in
// units of 1/d source pixel, source pixel k covers [k*d, (k+1)*d).
AxisTaps MakeTaps(int s, int d) {
  AxisTaps t;
  t.First.resize(static_cast<std::size_t>(d));
  t.Offset.resize(static_cast<std::size_t>(d) + 1);
  for (int i = 0; i < d; ++i) {
    const long long start = static_cast<long long>(i) * s, end = static_cast<long long>(i + 1) * s;
    const long long k0 = start / d, k1 = (end - 1) / d;
    t.First[static_cast<std::size_t>(i)] = static_cast<int>(k0);
    t.Offset[static_cast<std::size_t>(i)] = static_cast<int>(t.Weights.size());
    for (long long k = k0; k <= k1; ++k) {
      const long long w = std::min(end, (k + 1) * d) - std::max(start, k * d);
      t.Weights.push_back(static_cast<std::uint32_t>(w));
    }
  }
  t.Offset[static_cast<std::size_t>(d)] = static_cast<int>(t.Weights.size());
  return t;
}

}  // namespace

Rect Copy(Bitmap& dst, const Region& clip, Point at, const Bitmap& srcIn, const Rect& srcRect,
          const Options& opt) {
  if (!Drawable(dst.Format()) || srcRect.IsEmpty()) return {};
  std::optional<Bitmap> converted;
  const Bitmap& src = AsDrawable(srcIn, converted);
  const Rect s = Intersect(srcRect, src.Bounds());
  if (s.IsEmpty()) return {};
  const Rect d =
      Rect::FromXYWH(at.X + (s.Left - srcRect.Left), at.Y + (s.Top - srcRect.Top), s.Width(), s.Height());
  // Copying inside one bitmap: take the source pixels first if they overlap
  // the destination, so that no pixel is read after it was overwritten.
  std::optional<Bitmap> snapshot;
  const Bitmap* from = &src;
  Point origin = s.TopLeft();
  if (&src == &dst && !Intersect(s, d).IsEmpty()) {
    snapshot.emplace(s.Width(), s.Height(), src.Format());
    const std::size_t bytes = static_cast<std::size_t>(s.Width()) * pixel::Bpp(src.Format());
    for (int y = 0; y < s.Height(); ++y)
      std::memcpy(snapshot->Scanline(y), src.Scanline(s.Top + y) + s.Left * pixel::Bpp(src.Format()), bytes);
    from = &*snapshot;
    origin = {0, 0};
  }
  const int sbpp = pixel::Bpp(from->Format());
  Rect touched{};
  pixel::ForEachClipped(dst, clip, d, [&](const Rect& part) {
    const int sx = origin.X + part.Left - d.Left;
    for (int y = part.Top; y < part.Bottom; ++y) {
      const std::uint8_t* srow = from->Scanline(origin.Y + y - d.Top) + sx * sbpp;
      WriteRow(dst.Scanline(y), dst.Format(), part.Left, srow, from->Format(), part.Width(), opt);
    }
    touched = Bounds(touched, part);
  });
  return touched;
}

Rect Stretch(Bitmap& dst, const Region& clip, const Rect& dstRect, const Bitmap& srcIn, const Rect& srcRect,
             const Options& opt) {
  if (!Drawable(dst.Format()) || dstRect.IsEmpty() || srcRect.IsEmpty()) return {};
  if (dstRect.GetSize() == srcRect.GetSize()) return Copy(dst, clip, dstRect.TopLeft(), srcIn, srcRect, opt);
  std::optional<Bitmap> converted;
  const Bitmap& src = AsDrawable(srcIn, converted);
  // A source rectangle reaching outside the source shrinks the destination in
  // proportion, so that every destination pixel still averages real pixels.
  const Rect s = Intersect(srcRect, src.Bounds());
  if (s.IsEmpty()) return {};
  const long long sw0 = srcRect.Width(), sh0 = srcRect.Height();
  const long long dw0 = dstRect.Width(), dh0 = dstRect.Height();
  const Rect d{static_cast<int>(dstRect.Left + (s.Left - srcRect.Left) * dw0 / sw0),
               static_cast<int>(dstRect.Top + (s.Top - srcRect.Top) * dh0 / sh0),
               static_cast<int>(dstRect.Right - (srcRect.Right - s.Right) * dw0 / sw0),
               static_cast<int>(dstRect.Bottom - (srcRect.Bottom - s.Bottom) * dh0 / sh0)};
  if (d.IsEmpty()) return {};
  const Rect visible = Intersect(Intersect(d, clip.BoundingBox()), dst.Bounds());
  if (visible.IsEmpty()) return {};

  const int sw = s.Width(), sh = s.Height(), dw = d.Width(), dh = d.Height();
  const AxisTaps hx = MakeTaps(sw, dw);
  const AxisTaps vy = MakeTaps(sh, dh);
  const PixelFormat sf = src.Format();
  const int nc = pixel::Bpp(sf);
  const std::uint64_t total = static_cast<std::uint64_t>(sw) * static_cast<std::uint64_t>(sh);
  // Only the visible columns are computed.
  const int c0 = visible.Left - d.Left, c1 = visible.Right - d.Left, cols = c1 - c0;
  std::vector<std::uint32_t> hrow(static_cast<std::size_t>(cols) * nc);
  std::vector<std::uint64_t> acc(static_cast<std::size_t>(cols) * nc);
  std::vector<std::uint8_t> out(static_cast<std::size_t>(cols) * nc);
  Rect touched{};
  for (int j = visible.Top - d.Top; j < visible.Bottom - d.Top; ++j) {
    std::fill(acc.begin(), acc.end(), 0);
    const int vfirst = vy.First[static_cast<std::size_t>(j)];
    for (int t = vy.Offset[static_cast<std::size_t>(j)]; t < vy.Offset[static_cast<std::size_t>(j) + 1];
         ++t) {
      const std::uint64_t wy = vy.Weights[static_cast<std::size_t>(t)];
      const std::uint8_t* srow =
          src.Scanline(s.Top + vfirst + (t - vy.Offset[static_cast<std::size_t>(j)])) + s.Left * nc;
      for (int i = c0; i < c1; ++i) {
        std::uint32_t* h = &hrow[static_cast<std::size_t>(i - c0) * nc];
        std::fill(h, h + nc, 0u);
        const std::uint8_t* p = srow + hx.First[static_cast<std::size_t>(i)] * nc;
        for (int u = hx.Offset[static_cast<std::size_t>(i)]; u < hx.Offset[static_cast<std::size_t>(i) + 1];
             ++u, p += nc) {
          const std::uint32_t wx = hx.Weights[static_cast<std::size_t>(u)];
          for (int ch = 0; ch < nc; ++ch) h[ch] += wx * p[ch];
        }
      }
      for (std::size_t k = 0; k < acc.size(); ++k) acc[k] += wy * hrow[k];
    }
    for (std::size_t k = 0; k < acc.size(); ++k)
      out[k] = static_cast<std::uint8_t>((acc[k] + total / 2) / total);
    const int y = d.Top + j;
    pixel::ForEachClipped(dst, clip, {visible.Left, y, visible.Right, y + 1}, [&](const Rect& part) {
      WriteRow(dst.Scanline(y), dst.Format(), part.Left,
               &out[static_cast<std::size_t>(part.Left - visible.Left) * nc], sf, part.Width(), opt);
      touched = Bounds(touched, part);
    });
  }
  return touched;
}

}  // namespace gfx::blit
