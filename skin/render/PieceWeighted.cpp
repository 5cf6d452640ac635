#include "skin/render/PieceWeighted.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "skin/paint/PixelAccess.h"
#include "skin/render/WeightedMix.h"

namespace skin::piece {
namespace {

using I64 = std::int64_t;

// Where the piece lies in the window of whole mix chunks around it.
struct Window {
  std::size_t Start = 0;   // first byte of the window in a destination row
  std::size_t Length = 0;  // a multiple of kMixChunk
  std::size_t Piece = 0;   // first byte of the piece in the window
  std::size_t Bytes = 0;   // bytes of the piece
};

// What one destination row of the piece shows, and how it is laid out.
struct RowLayout {
  const std::vector<Run>& Runs;
  Window At;
  std::size_t Dbpp = 3;
  std::size_t Own = 0;  // bytes worked out pixel by pixel; the rest repeats them
  bool KeepKeys = false;
};

// The shares and weights of source row `srow` through mask row `mrow` over
// the window: the piece's colour bytes get w = m and share = s * (256 - m);
// all other bytes (alpha, key pixels kept, the bytes around the piece)
// w = 256 and share 0. The first period is worked out pixel by pixel and
// doubled over the rest.
void LayOut(const RowLayout& l, const std::uint8_t* srow, const std::uint8_t* mrow, std::uint16_t* share,
            std::uint16_t* weight) {
  const Window& w = l.At;
  const std::size_t end = w.Piece + w.Bytes;
  std::fill(share, share + w.Piece + l.Own, std::uint16_t{0});
  std::fill(weight, weight + w.Piece + l.Own, std::uint16_t{256});
  std::fill(share + end, share + w.Length, std::uint16_t{0});
  std::fill(weight + end, weight + w.Length, std::uint16_t{256});
  std::size_t at = w.Piece;
  for (const Run& r : l.Runs) {
    const std::uint8_t* s = srow + static_cast<std::ptrdiff_t>(r.Sx) * 3;
    const std::uint8_t* m = mrow + static_cast<std::ptrdiff_t>(r.Sx) * 3;
    for (int k = 0; k < r.N && at < w.Piece + l.Own; ++k, s += 3, m += 3, at += l.Dbpp) {
      if (l.KeepKeys && SameRgb(s, gfx::clFuchsia)) continue;
      for (std::size_t c = 0; c < 3; ++c) {
        weight[at + c] = m[c];
        share[at + c] = static_cast<std::uint16_t>(s[c] * (256 - m[c]));
      }
    }
    if (at >= w.Piece + l.Own) break;
  }
  for (std::size_t done = l.Own; done < w.Bytes;) {
    const std::size_t n = std::min(done, w.Bytes - done);
    std::memcpy(share + w.Piece + done, share + w.Piece, n * sizeof *share);
    std::memcpy(weight + w.Piece + done, weight + w.Piece, n * sizeof *weight);
    done += n;
  }
}

// Tile instances that show the same source rows through the same mask rows,
// one tile height apart.
struct TileRun {
  I64 Dy = 0;       // first destination row of the first instance
  I64 Sy = 0;       // its source row
  I64 N = 0;        // rows per instance
  I64 MaskRow = 0;  // mask row of Sy
  I64 Count = 0;    // instances
};

}  // namespace

bool ComposeWeighted(gfx::Bitmap& dst, const gfx::Bitmap& src, const Span& span, const Style& style,
                     const std::vector<Run>& runs) {
  if (&src == &dst || runs.empty() || !Contiguous(runs)) return false;
  const std::size_t dbpp = static_cast<std::size_t>(ColorBytes(dst));
  const int pixels = runs.back().Dx + runs.back().N - runs.front().Dx;
  const std::size_t from = static_cast<std::size_t>(runs.front().Dx) * dbpp;
  const std::size_t bytes = static_cast<std::size_t>(pixels) * dbpp;
  const std::size_t len = (bytes + kMixChunk - 1) / kMixChunk * kMixChunk;
  const std::size_t rowBytes = dst.RowBytes();
  if (dbpp == 0 || len > rowBytes) return false;
  const std::size_t start = std::min(from, rowBytes - len);
  const int period = RowPeriod(span, runs, src.Width());
  const RowLayout layout{runs,
                         {start, len, from - start, bytes},
                         dbpp,
                         static_cast<std::size_t>(period > 0 ? std::min(period, pixels) : pixels) * dbpp,
                         !style.Backdrop.Ready};
  std::vector<std::uint16_t> laid(2 * len);
  std::uint16_t* share = laid.data();
  std::uint16_t* weight = share + len;

  const I64 step = span.TileH > 0 ? span.TileH : span.Y1 - span.Y0;
  auto paint = [&](const TileRun& t) {
    for (I64 k = 0; k < t.N; ++k) {
      LayOut(layout, src.Scanline(static_cast<int>(t.Sy + k)), src.Scanline(static_cast<int>(t.MaskRow + k)),
             share, weight);
      MixRows(dst.Scanline(static_cast<int>(t.Dy + k)) + start,
              static_cast<std::ptrdiff_t>(step) * dst.Stride(), static_cast<std::size_t>(t.Count), share,
              weight, len);
    }
  };
  const int srcH = src.Height();
  ForEachPartRun(span.Y0, span.Y1, span.TileY, span.TileH, dst.Height(), srcH,
                 [&](I64 dy, I64 sy, I64 n, I64 count) {
                   paint({dy, sy, n, std::min<I64>(sy + style.MaskOffset, srcH - n), count});
                 });
  return true;
}

}  // namespace skin::piece
