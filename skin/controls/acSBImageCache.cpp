#include "skin/controls/acSBImageCache.h"

namespace skin {

namespace {

bool SameBackdrop(const BackdropRef& a, const BackdropRef& b) {
  return a.Bitmap == b.Bitmap && a.X == b.X && a.Y == b.Y && a.FillColor == b.FillColor && a.Ready == b.Ready;
}

}  // namespace

bool BarImageCache::Holds(const BarLook& l) const {
  const BarLook& o = look_;
  const ui::ScrollInfo& i = l.Bar->Info;
  return valid_ && !l.WindowBackdrop.HasImage() && l.Model == o.Model && l.Origin == o.Origin &&
         l.Size == o.Size && l.ThumbOffset == o.ThumbOffset && l.ThumbLength == o.ThumbLength &&
         l.ArrowLength == o.ArrowLength && l.GlyphSquare == o.GlyphSquare && l.Usable == o.Usable &&
         l.FirstArrowState == o.FirstArrowState && l.SecondArrowState == o.SecondArrowState &&
         l.TrackBeforeState == o.TrackBeforeState && l.TrackAfterState == o.TrackAfterState &&
         l.ThumbState == o.ThumbState && SameBackdrop(l.WindowBackdrop, o.WindowBackdrop) &&
         i.Min == info_.Min && i.Max == info_.Max && i.Page == info_.Page && l.Bar->MinThumb == minThumb_ &&
         l.Bar->BarKind == barKind_;
}

const gfx::Bitmap& BarImageCache::Paint(const BarLook& look) {
  if (Holds(look)) return image_;
  PaintBarImage(look, image_, scratch_);
  look_ = look;
  look_.Bar = nullptr;
  info_ = look.Bar->Info;
  minThumb_ = look.Bar->MinThumb;
  barKind_ = look.Bar->BarKind;
  valid_ = true;
  return image_;
}

}  // namespace skin
