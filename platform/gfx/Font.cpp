#include "platform/gfx/Font.h"

#include <cstdlib>

#include "platform/gfx/FontCache.h"

namespace gfx {

int Font::PixelHeight() const {
  if (Height == 0) return kDefaultPixelHeight;
  // Cap absurd sizes: a glyph cache entry of a huge font would be huge.
  constexpr int kMaxPixelHeight = 2048;
  long long h = std::llabs(static_cast<long long>(Height));
  return h > kMaxPixelHeight ? kMaxPixelHeight : static_cast<int>(h);
}

int Font::Size() const { return (PixelHeight() * 72 + 48) / 96; }

void Font::SetSize(int points) {
  int a = points < 0 ? -points : points;
  if (a > 100000) a = 100000;
  Height = -((a * 96 + 36) / 72);
}

FontMetrics GetFontMetrics(const Font& font) { return FontCache::Instance().FaceFor(font).Metrics(); }

}  // namespace gfx
