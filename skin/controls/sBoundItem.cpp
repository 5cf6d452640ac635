#include "skin/controls/sBoundItem.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "platform/ui/WinControl.h"
#include "skin/controls/sBackdrop.h"
#include "skin/controls/sCommonData.h"
#include "skin/paint/Fill.h"
#include "skin/paint/Frames.h"
#include "skin/render/BackdropCopy.h"
#include "skin/render/MaskCells.h"
#include "skin/render/MaskCompose.h"
#include "skin/render/MaskFrame.h"
#include "skin/render/SkinItem.h"

namespace skin {

namespace {

gfx::Color CustomColorOf(const TsCommonData& b) { return b.CustomColor() ? OwnerColorOf(b) : gfx::clFuchsia; }

// The parent's background seen from the binding's own cache (pixel (x, y) of
// the cache lies over (x, y) of the returned backdrop).
BackdropRef OwnBackdrop(const TsCommonData& b) {
  BackdropRef r = ParentBackdropOf(b);
  if (b.OwnerControl) r = r.Moved(b.OwnerControl->Left(), b.OwnerControl->Top());
  return r;
}

}  // namespace

void RenderBoundItem(const TsCommonData& b, const BackdropRef& backdrop, bool withCentre,
                     bool cornersUseBackdrop, int state, gfx::Bitmap& bitmap, gfx::Point offset,
                     const gfx::Rect& rect) {
  if (!b.IsSkinned()) return;
  RenderSkinItemOnTop(*b.Model(), b.SectionIndex, b.SkinSection(), backdrop, b.TextureIndex,
                      b.HotTextureIndex, CustomColorOf(b), b.MaskIndex, bitmap, offset, rect, state,
                      withCentre, cornersUseBackdrop);
}

void RenderBoundItemOverParent(const TsCommonData& b, bool withCentre, bool cornersUseBackdrop, int state,
                               gfx::Bitmap& bitmap, gfx::Point offset, const gfx::Rect& rect) {
  if (!b.IsSkinned()) return;
  // The item painter already leaves out a mask that is not drawn in state 0.
  RenderBoundItem(b, ParentBackdropOf(b), withCentre, cornersUseBackdrop, state, bitmap, offset, rect);
}

void RefreshItemCorners(TsCommonData& b, int state, int corners) {
  if (!b.IsSkinned() || !b.HasCache() || b.CacheBitmap.Empty()) return;
  const TsSkinModel& model = *b.Model();
  const TsMaskData* found = MaskAt(model, b.MaskIndex);
  if (!found) return;
  gfx::Bitmap& cache = b.CacheBitmap;
  const int w = cache.Width(), h = cache.Height();
  if (w <= 1 || h <= 1) return;

  const ui::Control* owner = b.OwnerControl;
  const TsCornerMemo::Key key{&model,     owner ? owner->Parent() : nullptr,
                              owner ? gfx::Point{owner->Left(), owner->Top()} : gfx::Point{},
                              b.MaskIndex, state, corners, w, h};
  if (b.CornerMemo.Holds(key, cache)) return;

  const TsMaskData* mask = found;
  std::optional<TsMaskData> ownImageStates;
  if (found->Image && found->ImageCount == 0) {
    // An own image without a state count: three states over a mask part.
    TsMaskData& m = ownImageStates.emplace(*found);
    m.ImageCount = 3;
    m.MaskType = 1;
    m.Left = m.Top = 0;
    m.Right = m.Image->Width();
    m.Bottom = m.Image->Height();
    mask = &m;
  }
  const gfx::Bitmap* source = MaskSourceImage(model, *mask);
  const int cw = MaskCellWidth(*mask), ch = MaskCellHeight(*mask);
  if (!source || cw <= 0 || ch <= 0) return;
  const int wl = model.MaskWidthLeft(b.MaskIndex), wr = model.MaskWidthRight(b.MaskIndex);
  const int wt = model.MaskWidthTop(b.MaskIndex), wb = model.MaskWidthBottom(b.MaskIndex);
  const std::int64_t left = MaskCellLeft(*mask, state);
  const int top = mask->Top;
  const BackdropRef backdrop = OwnBackdrop(b);

  struct Piece {
    int bit;
    int sx, sy, cwid, chgt;  // source piece (relative to the cell)
    int dx, dy;              // destination in the cache
  };
  const Piece pieces[4] = {
      {kCornerBitTopLeft, 0, 0, wl, wt, 0, 0},
      {kCornerBitBottomLeft, 0, ch - wb, wl, wb, 0, h - wb},
      {kCornerBitTopRight, cw - wr, 0, wr, wt, w - wr, 0},
      {kCornerBitBottomRight, cw - wr, ch - wb, wr, wb, w - wr, h - wb},
  };
  TsCornerMemo::Pieces composed{};
  for (std::size_t i = 0; i < 4; ++i) {
    const Piece& p = pieces[i];
    if (!(corners & p.bit) || p.cwid <= 0 || p.chgt <= 0) continue;
    const std::int64_t sl = left + p.sx;
    if (sl < 0 || sl > source->Width()) continue;
    const gfx::Rect src{static_cast<int>(sl), top + p.sy, static_cast<int>(sl) + p.cwid, top + p.sy + p.chgt};
    composed[i] = {p.dx, p.dy, p.dx + p.cwid, p.dy + p.chgt};
    if (mask->MaskType > 0) {
      ComposeMasked(cache, composed[i], src, *mask, true, backdrop, *source);
    } else {
      CopyKeyed(cache, *source, p.dx, p.dy, true, backdrop,
                {src.Left, src.Top, src.Right - 1, src.Bottom - 1});
    }
  }
  b.CornerMemo.Remember(key, cache, composed);
}

void CopyCacheExceptChildren(TsCommonData& b, gfx::Canvas& target, gfx::Point origin, const gfx::Rect& clip,
                             bool refreshCorners) {
  if (refreshCorners) RefreshItemCorners(b, 0, kAllCorners);
  if (!b.HasCache() || b.CacheBitmap.Empty()) return;
  // The target's clipping is saved only when a child is left out.
  std::optional<gfx::Canvas::StateGuard> guard;
  if (ui::WinControl* w = b.OwnerWindow()) {
    for (ui::Control* c : w->Controls()) {
      if (!c->Visible() || c->Destroying()) continue;
      if (!c->HasWindow() && !c->Designing()) continue;
      gfx::Rect r = c->BoundsRect();
      if (c->HasWindow() && c->InheritsFrom("TGroupBox")) {
        // A group box shows its parent through its interior: only its
        // caption strip covers the parent.
        const auto caption = static_cast<int>(SendSkinCommand(c, SKC_ADAPTER_QUERY));
        if (caption <= 0) continue;
        r.Bottom = std::min(r.Bottom, r.Top + caption);
      }
      // Cache point p shows at p - origin on the target.
      if (!guard) guard.emplace(target);
      target.ExcludeClipRect(r.Offset(-origin.X, -origin.Y));
    }
  }
  target.DrawBitmap(clip.Left, clip.Top, b.CacheBitmap, clip.Offset(origin.X, origin.Y));
}

int BindingBorderWidth(const TsCommonData& b) {
  if (!b.IsSkinned()) return 0;
  const TsSkinModel& model = *b.Model();
  const TsMaskData* mask = MaskAt(model, b.MaskIndex);
  if (!mask || (mask->StretchMode & kSkipInNormal)) return 0;
  return std::max({model.MaskWidthLeft(b.MaskIndex), model.MaskWidthTop(b.MaskIndex),
                   model.MaskWidthRight(b.MaskIndex), model.MaskWidthBottom(b.MaskIndex), 0});
}

void PaintBindingBorder(TsCommonData& b, gfx::Canvas& dc, int width) {
  if (!b.IsSkinned() || width <= 0) return;
  gfx::Bitmap& cache = b.EnsureCache();
  if (cache.Empty()) return;
  // The ring's transparent pixels show what lies behind, so that goes into
  // the cache first: the parent's image, or its colour.
  const BackdropRef behind = OwnBackdrop(b);
  if (behind.HasImage())
    CopyBackdropBlock(cache, cache.Bounds(), behind);
  else
    FillColorRect(cache, cache.Bounds(), gfx::ColorToRGB(behind.FillColor));
  RenderMaskFrame(*b.Model(), cache, cache.Bounds(), false, true, 0, b.MaskIndex, behind);
  gfx::Canvas src(cache);
  CopyFrameStrips(dc, 0, 0, cache.Width(), cache.Height(), src, 0, 0, width);
}

}  // namespace skin
