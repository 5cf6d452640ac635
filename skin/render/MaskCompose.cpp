#include "skin/render/MaskCompose.h"

#include <algorithm>

#include "skin/render/MaskCells.h"
#include "skin/render/PieceCopy.h"
#include "skin/render/ReadableImage.h"

namespace skin {

void CopyKeyed(gfx::Bitmap& bitmap, const gfx::Bitmap& source, int x, int y, bool useBackdrop,
               const BackdropRef& backdrop, const gfx::Rect& sourceRect) {
  const ReadableImage src(&source);
  if (!src) return;
  // Inclusive rectangle: one more column and row than Right - Left.
  const std::int64_t w = std::int64_t{sourceRect.Right} - sourceRect.Left + 1;
  const std::int64_t h = std::int64_t{sourceRect.Bottom} - sourceRect.Top + 1;
  if (w <= 0 || h <= 0) return;
  piece::Span span{x, y, x + w, y + h, sourceRect.Left, sourceRect.Top, w, h};
  piece::Style style;
  style.How = piece::Op::Keyed;
  style.UseBackdrop = useBackdrop;
  style.Backdrop = backdrop;
  piece::Paint(bitmap, *src.Get(), span, style);
}

void ComposeMasked(gfx::Bitmap& bitmap, const gfx::Rect& destRect, const gfx::Rect& sourceRect,
                   const TsMaskData& mask, bool useBackdrop, const BackdropRef& backdrop,
                   const gfx::Bitmap& source) {
  const ReadableImage src(&source);
  if (!src) return;
  const std::int64_t w = std::min<std::int64_t>(std::int64_t{destRect.Right} - destRect.Left,
                                                std::int64_t{sourceRect.Right} - sourceRect.Left);
  const std::int64_t h = std::min<std::int64_t>(std::int64_t{destRect.Bottom} - destRect.Top,
                                                std::int64_t{sourceRect.Bottom} - sourceRect.Top);
  if (w <= 0 || h <= 0) return;
  piece::Span span{destRect.Left,
                   destRect.Top,
                   destRect.Left + w,
                   destRect.Top + h,
                   sourceRect.Left,
                   sourceRect.Top,
                   w,
                   h};
  piece::Style style;
  style.How = piece::Op::Compose;
  style.UseBackdrop = useBackdrop;
  style.Backdrop = backdrop;
  style.MaskOffset = MaskCellHeight(mask);
  piece::Paint(bitmap, *src.Get(), span, style);
}

}  // namespace skin
