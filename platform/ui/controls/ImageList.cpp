#include "platform/ui/controls/ImageList.h"

#include <algorithm>

#include "platform/gfx/Canvas.h"

namespace ui {

ChangeLink::~ChangeLink() {
  if (sender_) sender_->UnRegisterChanges(this);
}

CustomImageList::CustomImageList(Component* owner) : Component(owner) {}

CustomImageList::~CustomImageList() {
  BeginDestruction();
  for (ChangeLink* l : links_) l->sender_ = nullptr;
}

void CustomImageList::SetSize(int w, int h) {
  w = std::max(1, w);
  h = std::max(1, h);
  if (w == width_ && h == height_) return;
  width_ = w;
  height_ = h;
  images_.clear();
  Change();
}

void CustomImageList::SetBkColor(gfx::Color c) {
  if (c == bkColor_) return;
  bkColor_ = c;
  Change();
}

void CustomImageList::SetDrawingStyle(ui::DrawingStyle s) {
  if (s == drawingStyle_) return;
  drawingStyle_ = s;
  Change();
}

int CustomImageList::Add(const gfx::Bitmap& picture) {
  gfx::Bitmap img(width_, height_, gfx::PixelFormat::Bgra32);
  img.FillBytes(0);
  if (!picture.Empty()) {
    gfx::Bitmap src =
        picture.Format() == gfx::PixelFormat::Bgra32 ? picture : picture.ConvertTo(gfx::PixelFormat::Bgra32);
    gfx::Canvas c(img);
    if (src.Width() == width_ && src.Height() == height_)
      c.DrawBitmap(0, 0, src);
    else
      c.StretchDraw({0, 0, width_, height_}, src, src.Bounds());
  }
  images_.push_back(std::move(img));
  Change();
  return static_cast<int>(images_.size()) - 1;
}

void CustomImageList::Delete(int index) {
  if (index < 0 || index >= static_cast<int>(images_.size())) return;
  images_.erase(images_.begin() + index);
  Change();
}

void CustomImageList::Clear() {
  if (images_.empty()) return;
  images_.clear();
  Change();
}

const gfx::Bitmap* CustomImageList::Image(int index) const {
  if (index < 0 || index >= static_cast<int>(images_.size())) return nullptr;
  return &images_[static_cast<std::size_t>(index)];
}

void CustomImageList::Draw(gfx::Canvas& canvas, int x, int y, int index, bool enabled) const {
  const gfx::Bitmap* img = Image(index);
  if (!img) return;
  canvas.AlphaBlendBitmap(gfx::Rect::FromXYWH(x, y, width_, height_), *img, img->Bounds(),
                          enabled ? 255 : 128);
}

void CustomImageList::RegisterChanges(ChangeLink* link) {
  if (!link) return;
  if (link->sender_ && link->sender_ != this) link->sender_->UnRegisterChanges(link);
  if (std::find(links_.begin(), links_.end(), link) == links_.end()) links_.push_back(link);
  link->sender_ = this;
}

void CustomImageList::UnRegisterChanges(ChangeLink* link) {
  if (!link) return;
  links_.erase(std::remove(links_.begin(), links_.end(), link), links_.end());
  if (link->sender_ == this) link->sender_ = nullptr;
}

void CustomImageList::EndUpdate() {
  if (updateCount_ > 0) --updateCount_;
  if (updateCount_ == 0 && changedWhileUpdating_) {
    changedWhileUpdating_ = false;
    Change();
  }
}

void CustomImageList::Change() {
  if (updateCount_ > 0) {
    changedWhileUpdating_ = true;
    return;
  }
  OnChange(this);
  // A link's handler may unregister links: walk a copy, skip the removed.
  for (ChangeLink* l : std::vector<ChangeLink*>(links_))
    if (std::find(links_.begin(), links_.end(), l) != links_.end()) l->OnChange(this);
}

}  // namespace ui
