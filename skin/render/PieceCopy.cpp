#include "skin/render/PieceCopy.h"

#include <algorithm>
#include <cstring>
#include <span>
#include <vector>

#include "skin/paint/PixelAccess.h"
#include "skin/paint/Round.h"
#include "skin/render/PieceRuns.h"
#include "skin/render/PieceWeighted.h"

namespace skin::piece {
namespace {

using I64 = std::int64_t;

constexpr std::uint32_t kHole = 0x00FF00FFu;

// The backdrop pixel behind destination (x, y), or null.
class BackdropReader {
 public:
  explicit BackdropReader(const BackdropRef& b) {
    if (!b.HasImage()) return;
    bpp_ = ColorBytes(*b.Bitmap);
    if (bpp_ == 0) return;
    img_ = b.Bitmap;
    x_ = b.X;
    y_ = b.Y;
  }
  const std::uint8_t* At(int x, int y) const {
    if (img_ == nullptr) return nullptr;
    const I64 bx = x_ + x, by = y_ + y;
    if (bx < 0 || by < 0 || bx >= img_->Width() || by >= img_->Height()) return nullptr;
    return img_->Scanline(static_cast<int>(by)) + bx * bpp_;
  }

 private:
  const gfx::Bitmap* img_ = nullptr;
  int bpp_ = 0;
  I64 x_ = 0, y_ = 0;
};

inline void Put3(std::uint8_t* d, const std::uint8_t* s) {
  d[0] = s[0];
  d[1] = s[1];
  d[2] = s[2];
}

// Writes one run of a 24-bit source as it is.
void CopyRun(std::uint8_t* d, int dbpp, const std::uint8_t* s, int n) {
  if (dbpp == 3) {
    std::memcpy(d, s, static_cast<std::size_t>(n) * 3);
    return;
  }
  for (int i = 0; i < n; ++i, d += 4, s += 3) {
    Put3(d, s);
    d[3] = 255;
  }
}

// Lays the runs of source row `srow` side by side into `out`. With a
// period (pixels after which the row repeats) only the first period is
// gathered run by run; the rest is doubled from the start of `out`.
void ExpandRow(std::uint8_t* out, const std::uint8_t* srow, const std::vector<Run>& runs, int bpp,
               int period) {
  std::size_t at = 0;
  const std::size_t periodBytes = static_cast<std::size_t>(period) * static_cast<std::size_t>(bpp);
  for (const Run& r : runs) {
    if (period > 0 && at >= periodBytes) break;
    const std::size_t bytes = static_cast<std::size_t>(r.N) * static_cast<std::size_t>(bpp);
    std::memcpy(out + at, srow + static_cast<std::ptrdiff_t>(r.Sx) * bpp, bytes);
    at += bytes;
  }
  if (period == 0) return;
  std::size_t total = 0;
  for (const Run& r : runs) total += static_cast<std::size_t>(r.N) * static_cast<std::size_t>(bpp);
  if (at >= total) return;
  std::size_t done = at - at % periodBytes;  // whole periods, at least one
  while (done < total) {
    const std::size_t n = std::min(done, total - done);
    std::memcpy(out + done, out, n);
    done += n;
  }
}

// Everything one row of a piece needs to know.
struct RowContext {
  const Style& St;
  int Dbpp;
  BackdropReader Back;
  std::uint8_t Fill[3];
};

// Key pixel under CopyKeyed's rule; returns true when written.
inline void KeyedKey(const RowContext& c, std::uint8_t* d, int x, int y) {
  const BackdropRef& b = c.St.Backdrop;
  if (c.St.UseBackdrop && b.HasImage()) {
    if (const std::uint8_t* p = c.Back.At(x, y)) {
      Put3(d, p);
      if (c.Dbpp == 4) d[3] = 255;
    }
  } else if (!b.Ready) {
    Put3(d, c.Fill);
    if (c.Dbpp == 4) d[3] = 255;
  }
}

void KeyedRun(const RowContext& c, std::uint8_t* d, const std::uint8_t* s, int x, int y, int n,
              bool skipOnly) {
  for (int i = 0; i < n; ++i, d += c.Dbpp, s += 3) {
    if (SameRgb(s, gfx::clFuchsia)) {
      if (!skipOnly) KeyedKey(c, d, x + i, y);
      continue;
    }
    Put3(d, s);
    if (c.Dbpp == 4) d[3] = 255;
  }
}

inline void MixMasked(std::uint8_t* d, const std::uint8_t* s, const std::uint8_t* m) {
  const unsigned s0 = s[0], s1 = s[1], s2 = s[2], m0 = m[0], m1 = m[1], m2 = m[2];
  const unsigned d0 = d[0], d1 = d[1], d2 = d[2];
  d[0] = static_cast<std::uint8_t>((s0 * (256 - m0) + d0 * m0) >> 8);
  d[1] = static_cast<std::uint8_t>((s1 * (256 - m1) + d1 * m1) >> 8);
  d[2] = static_cast<std::uint8_t>((s2 * (256 - m2) + d2 * m2) >> 8);
}

// d := (s * (256 - w) + d * w) >> 8 byte by byte; w = 256 keeps d. The sum
// is at most 255 * 256, so the loop runs in 16-bit lanes.
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__)
__attribute__((target_clones("arch=x86-64-v4", "avx2", "default")))
#endif
void MixWeighted(std::uint8_t* __restrict d, const std::uint8_t* __restrict s, const std::uint16_t* __restrict w,
                 std::size_t n) {
  for (std::size_t i = 0; i < n; ++i)
    d[i] = static_cast<std::uint8_t>(static_cast<std::uint16_t>(s[i] * (256 - w[i]) + d[i] * w[i]) >> 8);
}

// `period`: when not 0, the source and mask repeat after that many pixels.
void ComposeRun(const RowContext& c, std::uint8_t* d, const std::uint8_t* s, const std::uint8_t* m, int x,
                int y, int n, std::vector<std::uint16_t>& weights, int period) {
  const BackdropRef& b = c.St.Backdrop;
  if (!c.St.UseBackdrop && c.Dbpp == 3 && n <= 8) {
    // Short runs (the sides of a frame): pixel by pixel.
    const bool keepKeys = !b.Ready;
    for (int i = 0; i < n; ++i, d += 3, s += 3, m += 3)
      if (!(keepKeys && SameRgb(s, gfx::clFuchsia))) MixMasked(d, s, m);
    return;
  }
  if (!c.St.UseBackdrop && c.Dbpp == 3) {
    // Without the backdrop a key pixel is either composed (Ready) or kept,
    // which is a weight of 256: the whole run is one mix.
    const std::size_t bytes = static_cast<std::size_t>(n) * 3;
    if (weights.size() < bytes) weights.resize(bytes);
    std::uint16_t* w = weights.data();
    const bool keepKeys = !b.Ready;
    // Weights repeat with the source: one period is enough, the rest is copied.
    const std::size_t own = period > 0 ? std::min(bytes, static_cast<std::size_t>(period) * 3) : bytes;
    for (std::size_t i = 0; i < own; i += 3) {
      const bool keep = keepKeys && SameRgb(s + i, gfx::clFuchsia);
      w[i] = keep ? 256 : m[i];
      w[i + 1] = keep ? 256 : m[i + 1];
      w[i + 2] = keep ? 256 : m[i + 2];
    }
    for (std::size_t done = own; done < bytes;) {
      const std::size_t k = std::min(done, bytes - done);
      std::memcpy(w + done, w, k * sizeof *w);
      done += k;
    }
    MixWeighted(d, s, w, bytes);
    return;
  }
  const bool opaque = c.St.UseBackdrop && b.Ready;
  for (int i = 0; i < n; ++i, d += c.Dbpp, s += 3, m += 3) {
    if (SameRgb(s, gfx::clFuchsia)) {
      if (c.St.UseBackdrop) {
        if (b.Ready) {
          if (const std::uint8_t* p = c.Back.At(x + i, y)) {
            Put3(d, p);
            if (c.Dbpp == 4) d[3] = 255;
          }
        } else {
          Put3(d, c.Fill);
        }
        continue;
      }
      if (!b.Ready) continue;
    }
    MixMasked(d, s, m);
    if (opaque && c.Dbpp == 4) d[3] = 255;
  }
}

void GlyphComposeRun(const RowContext& c, std::uint8_t* d, const std::uint8_t* s, const std::uint8_t* m,
                     int n) {
  const int add = c.St.Faded ? 100 : 0;
  for (int i = 0; i < n; ++i, d += c.Dbpp, s += 3, m += 3) {
    if (SameRgb(s, gfx::clFuchsia)) continue;
    for (int k = 0; k < 3; ++k) {
      const int mk = std::min(m[k] + add, 255);
      d[k] = static_cast<std::uint8_t>(ClampByte((mk * (d[k] - s[k]) + s[k] * 256) >> 8));
    }
    if (c.Dbpp == 4) d[3] = 255;
  }
}

// A 32-bit source with its own alpha.
void AlphaRun(const RowContext& c, std::uint8_t* d, const std::uint8_t* s, int x, int y, int n) {
  for (int i = 0; i < n; ++i, d += c.Dbpp, s += 4) {
    if (Pixel32Value(s) == kHole) {
      if (c.St.UseBackdrop) {
        if (const std::uint8_t* p = c.Back.At(x + i, y)) {
          Put3(d, p);
          if (c.Dbpp == 4) d[3] = 255;
        }
      }
      continue;
    }
    if (c.Dbpp == 4) {
      std::memcpy(d, s, 4);
    } else {
      const int a = s[3];
      for (int k = 0; k < 3; ++k) d[k] = static_cast<std::uint8_t>((d[k] * 256 + (s[k] - d[k]) * a) >> 8);
    }
  }
}

// Plain copies of a 24-bit source: every row is built once per tile row and
// then copied down from the row one tile height above, and along a row the
// first whole tile is doubled, so each byte is written about once.
void PaintCopy(gfx::Bitmap& dst, const gfx::Bitmap& src, const Span& s, const std::vector<Run>& runs) {
  const int dbpp = ColorBytes(dst);
  const I64 th = s.TileH > 0 ? s.TileH : s.Y1 - s.Y0;
  const I64 tw = s.TileW > 0 ? s.TileW : s.X1 - s.X0;
  const int x0 = runs.front().Dx;
  const int x1 = runs.back().Dx + runs.back().N;
  const bool contiguous = Contiguous(runs);
  // Doubling along the row needs whole tiles read in full from the source.
  const bool periodic = contiguous && s.TileW > 0 && s.TileX >= 0 && s.TileX + s.TileW <= src.Width();

  auto buildRow = [&](int y, int sy) {
    std::uint8_t* row = dst.Scanline(y);
    const std::uint8_t* srow = src.Scanline(sy);
    int written = 0;
    for (const Run& r : runs) {
      if (periodic && written >= tw) break;
      CopyRun(row + static_cast<std::ptrdiff_t>(r.Dx) * dbpp, dbpp,
              srow + static_cast<std::ptrdiff_t>(r.Sx) * 3, r.N);
      written += r.N;
    }
    if (!periodic || written >= x1 - x0) return;
    const std::size_t total = static_cast<std::size_t>(x1 - x0) * static_cast<std::size_t>(dbpp);
    const std::size_t period = static_cast<std::size_t>(tw) * static_cast<std::size_t>(dbpp);
    std::size_t done = static_cast<std::size_t>(written) * static_cast<std::size_t>(dbpp);
    done -= done % period;  // whole periods only; at least one was written
    std::uint8_t* base = row + static_cast<std::ptrdiff_t>(x0) * dbpp;
    while (done < total) {
      const std::size_t n = std::min(done, total - done);
      std::memcpy(base + done, base, n);
      done += n;
    }
  };

  I64 firstDone = -1;  // first destination row written by this piece
  ForEachPart(s.Y0, s.Y1, s.TileY, s.TileH, dst.Height(), src.Height(), [&](I64 dy, I64 sy, I64 n) {
    for (I64 k = 0; k < n; ++k) {
      const int y = static_cast<int>(dy + k);
      if (firstDone < 0) firstDone = y;
      if (y - th >= firstDone) {
        const std::uint8_t* from = dst.Scanline(static_cast<int>(y - th));
        std::uint8_t* to = dst.Scanline(y);
        if (contiguous) {
          std::memcpy(to + static_cast<std::ptrdiff_t>(x0) * dbpp,
                      from + static_cast<std::ptrdiff_t>(x0) * dbpp,
                      static_cast<std::size_t>(x1 - x0) * static_cast<std::size_t>(dbpp));
        } else {
          for (const Run& r : runs)
            std::memcpy(to + static_cast<std::ptrdiff_t>(r.Dx) * dbpp,
                        from + static_cast<std::ptrdiff_t>(r.Dx) * dbpp,
                        static_cast<std::size_t>(r.N) * static_cast<std::size_t>(dbpp));
        }
      } else {
        buildRow(y, static_cast<int>(sy + k));
      }
    }
  });
}

}  // namespace

void Paint(gfx::Bitmap& dst, const gfx::Bitmap& src, const Span& span, const Style& style) {
  const int dbpp = ColorBytes(dst), sbpp = ColorBytes(src);
  if (dbpp == 0 || sbpp == 0) return;
  if (span.X1 <= span.X0 || span.Y1 <= span.Y0) return;
  const std::vector<Run> runs = ColumnRuns(span, dst.Width(), src.Width());
  if (runs.empty()) return;

  if (sbpp == 3 && style.How == Op::Copy) {
    PaintCopy(dst, src, span, runs);
    return;
  }
  if (sbpp == 3 && style.How == Op::Compose && !style.UseBackdrop &&
      ComposeWeighted(dst, src, span, style, runs))
    return;

  RowContext c{style, dbpp, BackdropReader(style.Backdrop), {}};
  PutRgb(c.Fill, gfx::ColorToRGB(style.Backdrop.FillColor));
  const bool masked = sbpp == 3 && (style.How == Op::Compose || style.How == Op::GlyphCompose);
  const int srcH = src.Height();
  std::vector<std::uint16_t> weights;

  // Several tiles side by side without gaps are expanded into one row first.
  const bool expand = runs.size() > 1 && Contiguous(runs);
  // With whole tiles read in full, the row repeats every tile width.
  const int period = RowPeriod(span, runs, src.Width());
  const Run whole{runs.front().Dx, 0, runs.back().Dx + runs.back().N - runs.front().Dx};
  std::vector<std::uint8_t> tiledSrc, tiledMask;
  if (expand) {
    tiledSrc.resize(static_cast<std::size_t>(whole.N) * static_cast<std::size_t>(sbpp));
    if (masked) tiledMask.resize(static_cast<std::size_t>(whole.N) * 3);
  }

  // Vertical tile instances; for masked pieces each instance has its own
  // block of mask rows.
  ForEachPart(span.Y0, span.Y1, span.TileY, span.TileH, dst.Height(), srcH, [&](I64 dy, I64 sy, I64 n) {
    I64 maskRow = 0;
    if (masked) {
      if (style.How == Op::GlyphCompose) {
        // Rows whose mask row would lie below the image are not drawn.
        n = std::min<I64>(n, srcH - style.MaskOffset - sy);
        if (n <= 0) return;
        maskRow = sy + style.MaskOffset;
      } else {
        maskRow = std::min<I64>(sy + style.MaskOffset, srcH - n);
      }
    }
    for (I64 k = 0; k < n; ++k) {
      const int y = static_cast<int>(dy + k);
      std::uint8_t* row = dst.Scanline(y);
      const std::uint8_t* srow = src.Scanline(static_cast<int>(sy + k));
      const std::uint8_t* mrow = masked ? src.Scanline(static_cast<int>(maskRow + k)) : nullptr;
      if (expand) {
        // The tiles of this row laid out side by side once, so that the
        // operation runs over the whole row in one go.
        ExpandRow(tiledSrc.data(), srow, runs, sbpp, period);
        if (masked) ExpandRow(tiledMask.data(), mrow, runs, 3, period);
        srow = tiledSrc.data() - static_cast<std::ptrdiff_t>(whole.Sx) * sbpp;
        if (masked) mrow = tiledMask.data() - static_cast<std::ptrdiff_t>(whole.Sx) * 3;
      }
      for (const Run& r : expand ? std::span<const Run>(&whole, 1) : std::span<const Run>(runs)) {
        std::uint8_t* d = row + static_cast<std::ptrdiff_t>(r.Dx) * dbpp;
        const std::uint8_t* s = srow + static_cast<std::ptrdiff_t>(r.Sx) * sbpp;
        if (sbpp == 4) {
          AlphaRun(c, d, s, r.Dx, y, r.N);
          continue;
        }
        switch (style.How) {
          case Op::Copy: break;  // handled above
          case Op::SkipKey: KeyedRun(c, d, s, r.Dx, y, r.N, true); break;
          case Op::Keyed: KeyedRun(c, d, s, r.Dx, y, r.N, false); break;
          case Op::Compose:
            ComposeRun(c, d, s, mrow + static_cast<std::ptrdiff_t>(r.Sx) * 3, r.Dx, y, r.N, weights,
                       expand ? period : 0);
            break;
          case Op::GlyphCompose:
            GlyphComposeRun(c, d, s, mrow + static_cast<std::ptrdiff_t>(r.Sx) * 3, r.N);
            break;
        }
      }
    }
  });
}

}  // namespace skin::piece
