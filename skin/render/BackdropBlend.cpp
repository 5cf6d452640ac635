#include "skin/render/BackdropBlend.h"

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <utility>

#include "skin/paint/Blend.h"
#include "skin/paint/Fill.h"
#include "skin/paint/PixelAccess.h"
#include "skin/render/BackdropCopy.h"

namespace skin {
namespace {

// One row; every intermediate fits in 16 bits, so the loop vectorises.
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__)
__attribute__((target_clones("arch=x86-64-v4", "avx2", "default")))
#endif
void BlendRowOver(std::uint8_t* d, const std::uint8_t* back, const std::uint8_t* s, std::size_t n, std::uint16_t a,
                  std::uint16_t b) {
  for (std::size_t i = 0; i < n; ++i) {
    const auto v = static_cast<std::uint16_t>(back[i] * a + s[i] * b + 127);
    d[i] = static_cast<std::uint8_t>(v >> 8);
  }
}

// Rows blended over one colour each: `Bytes` bytes of every row, the colours
// in a column of pixels.
struct ColourRows {
  std::uint8_t* D;
  std::ptrdiff_t DStride;
  const std::uint8_t* Back;
  std::ptrdiff_t BackStride;
  const std::uint8_t* Colours;
  std::ptrdiff_t ColourStride;
  int Rows;
  std::size_t Bytes;
};

using Lanes = std::uint16_t __attribute__((vector_size(64)));  // 64 bytes as 32 16-bit lanes
using Words = std::uint64_t __attribute__((vector_size(64)));
constexpr std::size_t kBlock = sizeof(Lanes);
static_assert(std::endian::native == std::endian::little,
              "bytes 2l and 2l + 1 are lane l's low and high halves");

// A vector whose lane l is lane (Start + 2 l) mod Bpp of `v`: the values of
// the bytes Start, Start + 2, ... of a row of Bpp-byte pixels.
template <std::size_t Bpp, std::size_t Start, std::size_t... L>
inline __attribute__((always_inline)) void EveryOther(Lanes& out, const Lanes& v, std::index_sequence<L...>) {
  out = __builtin_shufflevector(v, v, static_cast<int>((Start + 2 * L) % Bpp)...);
}

// The shares of the even and odd bytes of a block that starts at byte
// `Phase` of a pixel.
template <std::size_t Bpp, std::size_t Phase>
inline __attribute__((always_inline)) void PhaseShares(Lanes& even, Lanes& odd, const Lanes& shares) {
  constexpr auto kLanes = std::make_index_sequence<kBlock / 2>();
  EveryOther<Bpp, Phase>(even, shares, kLanes);
  EveryOther<Bpp, Phase + 1>(odd, shares, kLanes);
}

// One block of 64 bytes as 32 16-bit lanes: the even bytes are the low halves
// and the odd bytes the high halves, so both are blended in place, without
// unpacking or reordering.
inline __attribute__((always_inline)) void BlendBlock(std::uint8_t* __restrict d,
                                                      const std::uint8_t* __restrict back, const Lanes& alpha,
                                                      const Lanes& even, const Lanes& odd) {
  const Lanes low = Lanes{} + 0xFF, high = Lanes{} + 0xFF00;
  Lanes v;
  std::memcpy(&v, back, kBlock);
  const Lanes r = (((v & low) * alpha + even) >> 8) | (((v >> 8) * alpha + odd) & high);
  std::memcpy(d, &r, kBlock);
}

// Every byte of each row becomes (back * a + c * b + 127) >> 8, c the byte of
// the row's colour at that place in the pixel. The colour's share c * b + 127
// is worked out once per row and laid out for the three phases a block can
// start at. A row that does not end on a block boundary ends with one block
// that overlaps the one before (those bytes are written again with the same
// values); rows shorter than a block are blended byte by byte.
template <std::size_t Bpp>
inline __attribute__((always_inline)) void BlendRowsOverColours(const ColourRows& r, std::uint16_t a,
                                                                std::uint16_t b) {
  const std::size_t n = r.Bytes;
  Lanes alpha;
  const Words alphaWords = Words{} + a * 0x0001000100010001u;
  std::memcpy(&alpha, &alphaWords, kBlock);
  std::uint8_t* d = r.D;
  const std::uint8_t* back = r.Back;
  const std::uint8_t* colour = r.Colours;
  for (int row = 0; row < r.Rows; ++row, d += r.DStride, back += r.BackStride, colour += r.ColourStride) {
    // The shares in 16-bit lanes 0 .. Bpp - 1, put together in a register (a
    // vector built in memory lane by lane would stall on its load).
    std::uint64_t packed = 0;
    for (std::size_t k = 0; k < Bpp; ++k) packed |= std::uint64_t(colour[k] * b + 127) << (16 * k);
    if (n < kBlock) {
      for (std::size_t i = 0; i < n; ++i)
        d[i] = static_cast<std::uint8_t>((back[i] * a + ((packed >> (16 * (i % Bpp))) & 0xFFFF)) >> 8);
      continue;
    }
    const Words packedWords = Words{} + packed;
    Lanes shares;
    std::memcpy(&shares, &packedWords, kBlock);
    // Block k of every 192 bytes starts at phase 64 k mod Bpp.
    Lanes even0, odd0, even1, odd1, even2, odd2;
    PhaseShares<Bpp, 0>(even0, odd0, shares);
    PhaseShares<Bpp, kBlock % Bpp>(even1, odd1, shares);
    PhaseShares<Bpp, 2 * kBlock % Bpp>(even2, odd2, shares);
    std::size_t i = 0;
    // The backdrop's next row lies a stride away, past what the hardware
    // fetches ahead on its own: ask for it while this row is blended.
    if (row + 1 < r.Rows)
      for (std::size_t at = 0; at < n; at += 64) __builtin_prefetch(back + r.BackStride + at);
    for (; i + 3 * kBlock <= n; i += 3 * kBlock) {
      BlendBlock(d + i, back + i, alpha, even0, odd0);
      BlendBlock(d + i + kBlock, back + i + kBlock, alpha, even1, odd1);
      BlendBlock(d + i + 2 * kBlock, back + i + 2 * kBlock, alpha, even2, odd2);
    }
    if (i + kBlock <= n) {
      BlendBlock(d + i, back + i, alpha, even0, odd0);
      i += kBlock;
      if (i + kBlock <= n) {
        BlendBlock(d + i, back + i, alpha, even1, odd1);
        i += kBlock;
      }
    }
    if (i < n) {
      // The last block starts a whole number of pixels before the row's end.
      const std::size_t at = n - kBlock;
      Lanes even, odd;
      switch (at % Bpp) {
        case 0: PhaseShares<Bpp, 0>(even, odd, shares); break;
        case 1: PhaseShares<Bpp, 1>(even, odd, shares); break;
        default: PhaseShares<Bpp, 2>(even, odd, shares); break;
      }
      BlendBlock(d + at, back + at, alpha, even, odd);
    }
  }
}

// The two formats, each compiled for the wider vector units where the
// processor has them (chosen at load time).
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__)
__attribute__((target_clones("arch=x86-64-v4", "avx2", "default")))
#endif
void BlendRowsOverColours24(const ColourRows& r, std::uint16_t a, std::uint16_t b) {
  BlendRowsOverColours<3>(r, a, b);
}

#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__)
__attribute__((target_clones("arch=x86-64-v4", "avx2", "default")))
#endif
void BlendRowsOverColours32(const ColourRows& r, std::uint16_t a, std::uint16_t b) {
  BlendRowsOverColours<4>(r, a, b);
}

// True when every pixel of rect has its backdrop pixel in an image of the
// bitmap's own format that is not the bitmap itself.
bool BackdropCovers(const gfx::Bitmap& bitmap, const gfx::Rect& rect, const BackdropRef& behind) {
  if (!behind.HasImage() || behind.Bitmap == &bitmap || behind.Bitmap->Format() != bitmap.Format())
    return false;
  const std::int64_t x = behind.X, y = behind.Y;
  return x >= 0 && y >= 0 && x + rect.Width() <= behind.Bitmap->Width() &&
         y + rect.Height() <= behind.Bitmap->Height();
}

// Repeats the pixel at the start of `row` over n bytes of it.
void RepeatPixel(std::uint8_t* row, std::size_t n, std::size_t bpp) {
  for (std::size_t done = bpp; done < n;) {
    const std::size_t k = std::min(done, n - done);
    std::memcpy(row + done, row, k);
    done += k;
  }
}

// A column of row colours widened to w columns.
gfx::Bitmap Widen(const gfx::Bitmap& column, int w) {
  gfx::Bitmap wide(w, column.Height(), column.Format());
  const std::size_t bpp = static_cast<std::size_t>(ColorBytes(column));
  for (int y = 0; y < column.Height(); ++y) {
    std::memcpy(wide.Scanline(y), column.Scanline(y), bpp);
    RepeatPixel(wide.Scanline(y), wide.RowBytes(), bpp);
  }
  return wide;
}

// Rows over colours `colourStride` bytes apart, when the backdrop covers rect.
void BlendColumnInside(gfx::Bitmap& bitmap, const gfx::Rect& rect, const BackdropRef& behind,
                       const std::uint8_t* colours, std::ptrdiff_t colourStride, int a) {
  const int bpp = ColorBytes(bitmap);
  const auto ka = static_cast<std::uint16_t>(std::clamp(a, 0, 255));
  const ColourRows rows{bitmap.Scanline(rect.Top) + static_cast<std::ptrdiff_t>(rect.Left) * bpp,
                        bitmap.Stride(),
                        behind.Bitmap->Scanline(behind.Y) + static_cast<std::ptrdiff_t>(behind.X) * bpp,
                        behind.Bitmap->Stride(),
                        colours,
                        colourStride,
                        rect.Height(),
                        static_cast<std::size_t>(rect.Width()) * static_cast<std::size_t>(bpp)};
  if (bpp == 3)
    BlendRowsOverColours24(rows, ka, static_cast<std::uint16_t>(255 - ka));
  else
    BlendRowsOverColours32(rows, ka, static_cast<std::uint16_t>(255 - ka));
}

}  // namespace

void BlendOverBackdrop(gfx::Bitmap& bitmap, const gfx::Rect& rect, const BackdropRef& behind,
                       const gfx::Bitmap& content, int a) {
  const int bpp = ColorBytes(bitmap);
  const bool inside = gfx::Intersect(rect, bitmap.Bounds()) == rect && !rect.IsEmpty();
  if (bpp == 0 || !inside || content.Format() != bitmap.Format() || content.Height() != rect.Height()) return;
  const bool column = content.Width() == 1 && rect.Width() != 1;
  if (!column && content.Width() != rect.Width()) return;
  if (!BackdropCovers(bitmap, rect, behind)) {
    // The general case: backdrop (or its colour) first, then the blend.
    if (behind.Ready)
      CopyBackdropBlock(bitmap, rect, behind);
    else
      FillColorRect(bitmap, rect, behind.FillColor);
    if (column)
      BlendBitmaps(bitmap, Widen(content, rect.Width()), a, rect.TopLeft(),
                   {0, 0, rect.Width(), rect.Height()});
    else
      BlendBitmaps(bitmap, content, a, rect.TopLeft(), content.Bounds());
    return;
  }
  if (column) {
    BlendColumnInside(bitmap, rect, behind, content.Scanline(0), content.Stride(), a);
    return;
  }
  const auto ka = static_cast<std::uint16_t>(std::clamp(a, 0, 255));
  const auto kb = static_cast<std::uint16_t>(255 - ka);
  const std::size_t n = static_cast<std::size_t>(rect.Width()) * static_cast<std::size_t>(bpp);
  std::uint8_t* d = bitmap.Scanline(rect.Top) + static_cast<std::ptrdiff_t>(rect.Left) * bpp;
  const std::uint8_t* back = behind.Bitmap->Scanline(behind.Y) + static_cast<std::ptrdiff_t>(behind.X) * bpp;
  for (int row = 0; row < rect.Height(); ++row)
    BlendRowOver(d + row * bitmap.Stride(), back + row * behind.Bitmap->Stride(), content.Scanline(row), n,
                 ka, kb);
}

void BlendColumnOverBackdrop(gfx::Bitmap& bitmap, const gfx::Rect& rect, const BackdropRef& behind,
                             const std::uint8_t* colours, int a) {
  const int bpp = ColorBytes(bitmap);
  if (bpp == 0 || rect.IsEmpty() || gfx::Intersect(rect, bitmap.Bounds()) != rect) return;
  if (BackdropCovers(bitmap, rect, behind)) {
    BlendColumnInside(bitmap, rect, behind, colours, bpp, a);
    return;
  }
  gfx::Bitmap column(1, rect.Height(), bitmap.Format());
  for (int y = 0; y < rect.Height(); ++y)
    std::memcpy(column.Scanline(y), colours + static_cast<std::ptrdiff_t>(y) * bpp, static_cast<std::size_t>(bpp));
  BlendOverBackdrop(bitmap, rect, behind, column, a);
}

}  // namespace skin
