#include "platform/gfx/Blit.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "platform/gfx/BoxFilter.h"
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

bool Opaque(const Bitmap& src, const Rect& r) {
  for (int y = r.Top; y < r.Bottom; ++y) {
    const std::uint8_t* p = src.Scanline(y) + 4 * r.Left;
    std::uint8_t all = 255;
    for (int x = 0; x < r.Width(); ++x) all &= p[4 * x + 3];
    if (all != 255) return false;
  }
  return true;
}

// Back to straight alpha: colour * 255 / alpha, rounded and capped at 255.
// The division is a multiply by a reciprocal R[a] = ceil(2^32 / a), exact
// for numerators below 2^24 (here below 2^17).
void Unpremultiply(std::uint8_t* row, int n) {
  static constexpr auto kRecip = [] {
    std::array<std::uint64_t, 256> r{};
    for (std::uint64_t a = 1; a < 256; ++a) r[a] = ((std::uint64_t{1} << 32) + a - 1) / a;
    return r;
  }();
  for (int x = 0; x < n; ++x, row += 4) {
    const std::uint32_t a = row[3];
    if (a == 255) continue;  // colour * 255 / 255 is the colour
    for (int ch = 0; ch < 3; ++ch) {
      const std::uint64_t v = (std::uint64_t{row[ch]} * 255 + a / 2) * kRecip[a] >> 32;
      row[ch] = a == 0 ? 0 : static_cast<std::uint8_t>(std::min<std::uint64_t>(255, v));
    }
  }
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
  const bool sameRows = opt.How == Mode::Copy && from->Format() == dst.Format() && from != &dst &&
                        from->Stride() == dst.Stride() && from->Width() == dst.Width();
  pixel::ForEachClipped(dst, clip, d, [&](const Rect& part) {
    const int sx = origin.X + part.Left - d.Left;
    if (sameRows && sx == 0 && part.Left == 0 && part.Width() == dst.Width()) {
      // Whole rows of two bitmaps laid out alike lie back to back: one copy
      // (the padding between rows goes along; no pixel lives there).
      const int rows = part.Height();
      const int low = dst.Stride() > 0 ? 0 : rows - 1;
      const std::size_t bytes = static_cast<std::size_t>(std::abs(dst.Stride())) * static_cast<std::size_t>(rows - 1) +
                                static_cast<std::size_t>(part.Width()) * static_cast<std::size_t>(sbpp);
      std::memcpy(dst.Scanline(part.Top + low), from->Scanline(origin.Y + part.Top - d.Top + low), bytes);
      touched = Bounds(touched, part);
      return;
    }
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

  // Rows of the visible part, averaged in the source's format, then written
  // through the same row writer as a 1:1 copy. A 32-bit picture that is
  // blended is averaged premultiplied, so that the colour of transparent
  // pixels does not bleed into their neighbours; a fully opaque one is its
  // own premultiplied form.
  const PixelFormat sf = src.Format();
  const int nc = pixel::Bpp(sf);
  const bool premultiply = opt.How == Mode::Blend && sf == PixelFormat::Bgra32 && !Opaque(src, s);
  BoxFilter filter(src, s, d.GetSize(), visible.Left - d.Left, visible.Right - d.Left, premultiply);
  // A plain copy onto a visible rectangle is averaged straight into the destination.
  if (opt.How == Mode::Copy && dst.Format() == sf && clip.ContainsRect(visible)) {
    for (int y = visible.Top; y < visible.Bottom; ++y)
      filter.Row(y - d.Top, dst.Scanline(y) + visible.Left * nc);
    return visible;
  }
  std::vector<std::uint8_t> out(static_cast<std::size_t>(visible.Width()) * static_cast<std::size_t>(nc));
  Rect touched{};
  for (int y = visible.Top; y < visible.Bottom; ++y) {
    // A repeated row is still in `out`, final.
    if (y == visible.Top || !filter.Repeats(y - d.Top)) {
      filter.Row(y - d.Top, out.data());
      if (premultiply) Unpremultiply(out.data(), visible.Width());
    }
    pixel::ForEachClipped(dst, clip, {visible.Left, y, visible.Right, y + 1}, [&](const Rect& part) {
      WriteRow(dst.Scanline(y), dst.Format(), part.Left,
               &out[static_cast<std::size_t>(part.Left - visible.Left) * static_cast<std::size_t>(nc)], sf,
               part.Width(), opt);
      touched = Bounds(touched, part);
    });
  }
  return touched;
}

}  // namespace gfx::blit
