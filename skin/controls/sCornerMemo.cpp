#include "skin/controls/sCornerMemo.h"

#include <cstring>

namespace skin {

namespace {

std::size_t RowBytes(const gfx::Rect& r) { return static_cast<std::size_t>(r.Width()) * 3; }

// The part of a corner rectangle that lies in the cache.
gfx::Rect InCache(const gfx::Rect& r, const gfx::Bitmap& b) { return gfx::Intersect(r, b.Bounds()); }

}  // namespace

bool TsCornerMemo::Holds(const Key& key, const gfx::Bitmap& cache) const {
  if (!valid_ || !(key == key_) || cache.Format() != gfx::PixelFormat::Bgr24) return false;
  const std::uint8_t* kept = pixels_.data();
  for (const gfx::Rect& piece : pieces_) {
    const gfx::Rect r = InCache(piece, cache);
    if (r.IsEmpty()) continue;
    const std::size_t n = RowBytes(r);
    for (int y = r.Top; y < r.Bottom; ++y, kept += n)
      if (std::memcmp(cache.Scanline(y) + r.Left * 3, kept, n) != 0) return false;
  }
  return true;
}

void TsCornerMemo::Remember(const Key& key, const gfx::Bitmap& cache, const Pieces& pieces) {
  valid_ = false;
  if (cache.Format() != gfx::PixelFormat::Bgr24) return;
  pixels_.clear();
  for (const gfx::Rect& piece : pieces) {
    const gfx::Rect r = InCache(piece, cache);
    if (r.IsEmpty()) continue;
    const std::size_t n = RowBytes(r);
    for (int y = r.Top; y < r.Bottom; ++y) {
      const std::uint8_t* row = cache.Scanline(y) + r.Left * 3;
      pixels_.insert(pixels_.end(), row, row + n);
    }
  }
  key_ = key;
  pieces_ = pieces;
  valid_ = true;
}

}  // namespace skin
