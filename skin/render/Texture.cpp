#include "skin/render/Texture.h"

#include <algorithm>
#include <climits>
#include <cstdint>

#include "platform/gfx/Canvas.h"
#include "skin/paint/PixelAccess.h"
#include "skin/render/PieceCopy.h"
#include "skin/render/ReadableImage.h"

namespace skin {
namespace {

using I64 = std::int64_t;

// The tile: the mask's region of the master bitmap, cut to the bitmap.
struct Tile {
  const gfx::Bitmap* Source = nullptr;
  gfx::Rect Region;  // inside Source, not empty
};

// Tiles `tile` over the span [x0, x1) x [y0, y1) of `target`, the tile grid
// anchored at (ox, oy) (ox <= x0, oy <= y0, less than a tile apart).
void TileSpan(gfx::Bitmap& target, const gfx::Bitmap& src, const gfx::Rect& tile, I64 x0, I64 y0, I64 x1,
              I64 y1, I64 ox, I64 oy) {
  if (x1 <= x0 || y1 <= y0) return;
  piece::Span s;
  s.X0 = x0;
  s.Y0 = y0;
  s.X1 = x1;
  s.Y1 = y1;
  s.TileW = tile.Width();
  s.TileH = tile.Height();
  // A span that starts inside a tile reads that tile from the same place on;
  // it covers at most the rest of the tile, so the grid stays aligned.
  s.TileX = tile.Left + (x0 - ox);
  s.TileY = tile.Top + (y0 - oy);
  if (x0 != ox) s.TileW = 0;
  if (y0 != oy) s.TileH = 0;
  piece::Paint(target, src, s, {});
}

// Saturates to the int range (area edges plus tile sizes may leave it).
int ToInt(I64 v) { return static_cast<int>(std::clamp<I64>(v, INT_MIN, INT_MAX)); }

// A destination wider or taller than the int range (hostile areas) cannot be
// scaled onto; nothing is drawn.
void Stretch(gfx::Bitmap& target, const gfx::Rect& clip, const gfx::Rect& dst, const Tile& t) {
  if (clip.IsEmpty() || dst.IsEmpty()) return;
  if (I64{dst.Right} - dst.Left > INT_MAX || I64{dst.Bottom} - dst.Top > INT_MAX) return;
  gfx::Canvas canvas(target);
  canvas.IntersectClipRect(clip);
  canvas.StretchDraw(dst, *t.Source, t.Region);
}

}  // namespace

void TileImage(gfx::Bitmap& target, const gfx::Rect& rect, const gfx::Bitmap& image) {
  if (ColorBytes(target) == 0 || rect.IsEmpty()) return;
  const ReadableImage src(&image);
  if (!src) return;
  TileSpan(target, *src.Get(), src.Get()->Bounds(), rect.Left, rect.Top, rect.Right, rect.Bottom, rect.Left,
           rect.Top);
}

void PaintTexture(const TsSkinModel& model, gfx::Bitmap& target, gfx::Rect& area, const gfx::Bitmap* image,
                  int mode, const TsMaskData* mask) {
  if (ColorBytes(target) == 0) return;
  if (image != nullptr && !image->Empty()) {
    TileImage(target, area, *image);
    area = kNoArea;
    return;
  }
  if (mask == nullptr) return;
  const ReadableImage master(&model.MasterBitmap);
  if (!master) return;
  const gfx::Bitmap& src = *master.Get();
  const I64 rl = std::max<I64>(mask->Left, 0), rt = std::max<I64>(mask->Top, 0);
  const I64 rr = std::min<I64>(mask->Right, src.Width()), rb = std::min<I64>(mask->Bottom, src.Height());
  if (rr <= rl || rb <= rt) return;
  const Tile tile{&src,
                  {static_cast<int>(rl), static_cast<int>(rt), static_cast<int>(rr), static_cast<int>(rb)}};
  const I64 w = tile.Region.Width(), h = tile.Region.Height();
  const I64 L = area.Left, T = area.Top, R = area.Right, B = area.Bottom;
  auto tiles = [&](I64 x0, I64 y0, I64 x1, I64 y1, I64 ox, I64 oy) {
    TileSpan(target, src, tile.Region, x0, y0, x1, y1, ox, oy);
  };
  auto rect = [](I64 l, I64 t, I64 r, I64 b) { return gfx::Rect{ToInt(l), ToInt(t), ToInt(r), ToInt(b)}; };

  switch (mode) {
    case tmTile:
      tiles(L, T, R, B, L, T);
      area = kNoArea;
      break;
    case tmStretch:
      Stretch(target, area, area, tile);
      area = kNoArea;
      break;
    case tmStretchTop:
      Stretch(target, area, rect(L, T, R, T + h), tile);
      area = rect(L, std::min(T + h, B), R, B);
      break;
    case tmStretchLeft:
      Stretch(target, area, rect(L, T, L + w, B), tile);
      area = rect(std::min(L + w, R), T, R, B);
      break;
    case tmTopRow:
      tiles(L, T, R, std::min(T + h, B), L, T);
      area = rect(L, std::min(T + h, B), R, B);
      break;
    case tmLeftColumn:
      tiles(L, T, std::min(L + w, R), B, L, T);
      area = rect(std::min(L + w, R), T, R, B);
      break;
    case tmBottomRow: {
      const I64 top = std::max(B - h, T);
      tiles(L, top, R, B, L, B - h);
      area = rect(L, T, R, top);
      break;
    }
    case tmRightColumn: {
      const I64 left = std::max(R - w, L);
      tiles(left, T, R, B, R - w, T);
      area = rect(L, T, left, B);
      break;
    }
    case tmWholeTiles: {
      // Rows of tiles start at Top + k*h while they start above Bottom - h.
      const I64 height = B - T;
      const I64 rows = height > h ? (height - 1) / h : 0;
      tiles(L, T, R, T + rows * h, L, T);
      area = kNoArea;
      break;
    }
    default: break;
  }
}

}  // namespace skin
