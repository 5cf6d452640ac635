#include "image/acAlphaImageList.h"

#include <algorithm>
#include <exception>

#include "image/IconReader.h"
#include "image/PictureBlend.h"
#include "image/SmoothStretch.h"
#include "image/acPNG.h"
#include "platform/gfx/Canvas.h"

namespace image {

// --- TsImgListItems ----------------------------------------------------------

void TsImgListItems::Add(TsImgListItem item) {
  items_.push_back(std::move(item));
  if (changed_) changed_();
}

void TsImgListItems::Set(int index, TsImgListItem item) {
  items_.at(static_cast<std::size_t>(index)) = std::move(item);
  if (changed_) changed_();
}

void TsImgListItems::Delete(int index) {
  if (index < 0 || index >= Count()) return;
  items_.erase(items_.begin() + index);
  if (changed_) changed_();
}

void TsImgListItems::Clear() {
  if (items_.empty()) return;
  items_.clear();
  if (changed_) changed_();
}

void TsImgListItems::Assign(const TsImgListItems& other) {
  if (&other == this) return;
  items_ = other.items_;
  if (changed_) changed_();
}

// --- TsAlphaImageList ---------------------------------------------------------

TsAlphaImageList::TsAlphaImageList(bool loading) : items_([this] { Change(); }), loading_(loading) {
  if (!loading_) {
    nativeExists_ = true;
    RebuildNativeList();
  }
}

void TsAlphaImageList::SetWidth(int w) { SetSize(w, height_); }
void TsAlphaImageList::SetHeight(int h) { SetSize(width_, h); }

void TsAlphaImageList::SetSize(int w, int h) {
  w = std::max(w, 1);
  h = std::max(h, 1);
  if (w == width_ && h == height_) return;
  width_ = w;
  height_ = h;
  // The native images have the list's size: build them anew.
  if (nativeExists_ && !loading_) RebuildNativeList();
  Change();
}

void TsAlphaImageList::Loaded() {
  loading_ = false;
  nativeExists_ = true;
  RebuildNativeList();
}

void TsAlphaImageList::RebuildNativeList() {
  if (!nativeExists_) return;
  rebuilding_ = true;
  nativeCount_ = items_.Count();
  nativeBuilt_ = true;
  rebuilding_ = false;
}

void TsAlphaImageList::Change() {
  if (rebuilding_ || loading_) return;
  if (nativeBuilt_ && !designing_ && nativeCount_ != items_.Count()) RebuildNativeList();
  // Copy: a handler may add or remove links.
  const std::vector<Link> links = links_;
  for (const Link& l : links)
    if (l.OnChange) l.OnChange();
}

int TsAlphaImageList::AddChangeLink(std::function<void()> onChange) {
  links_.push_back({nextLinkId_, std::move(onChange)});
  return nextLinkId_++;
}

void TsAlphaImageList::RemoveChangeLink(int id) {
  links_.erase(std::remove_if(links_.begin(), links_.end(), [id](const Link& l) { return l.Id == id; }),
               links_.end());
}

namespace {

// A 32-bit copy whose alpha is 0 everywhere (a picture without alpha).
gfx::Bitmap To32WithoutAlpha(const gfx::Bitmap& pic) {
  gfx::Bitmap out = pic.ConvertTo(gfx::PixelFormat::Bgra32);
  for (int y = 0; y < out.Height(); ++y) {
    std::uint8_t* p = out.Scanline(y);
    for (int x = 0; x < out.Width(); ++x) p[x * 4 + 3] = 0;
  }
  return out;
}

}  // namespace

bool TsAlphaImageList::ItemImage32(int index, gfx::Bitmap& target) const {
  if (!nativeExists_ || index < 0 || index >= nativeCount_ || index >= items_.Count()) return false;
  const TsImgListItem& item = items_[index];
  if (item.ImgData.empty()) return false;
  try {
    if (item.ImageFormat == TsImageFormat::ifICO) {
      // The icon's picture of the list's size (or its largest), scaled to it.
      gfx::Bitmap icon = ReadIcon(item.ImgData, {width_, height_});
      target = icon.Width() == width_ && icon.Height() == height_ ? std::move(icon)
                                                                  : SmoothStretch32(icon, width_, height_);
      return true;
    }
    TPNGGraphic png;
    png.LoadFromBytes(item.ImgData);
    const gfx::Bitmap& pic = png.Bitmap();
    const bool hasAlpha = pic.Format() == gfx::PixelFormat::Bgra32;
    gfx::Bitmap pic32 = hasAlpha ? pic : To32WithoutAlpha(pic);
    if (pic32.Width() == width_ && pic32.Height() == height_)
      target = std::move(pic32);
    else
      target = SmoothStretch32(pic32, width_, height_);
    if (!hasAlpha) DeriveKeyAlpha(target);
    return true;
  } catch (const std::exception&) {
    return false;  // a damaged picture draws nothing
  }
}

void TsAlphaImageList::Draw(gfx::Canvas& canvas, int x, int y, int index) const {
  gfx::Bitmap picture;
  if (!ItemImage32(index, picture)) return;
  gfx::Bitmap work = gfx::NewBitmap24(width_, height_);
  {
    gfx::Canvas workCanvas(work);
    workCanvas.CopyRect(0, 0, canvas, gfx::Rect::FromXYWH(x, y, width_, height_));
  }
  AlphaBlendPicture(work, work.Bounds(), picture, picture.Bounds());
  canvas.DrawBitmap(x, y, work);
}

void TsAlphaImageList::Assign(const TsAlphaImageList& source) {
  if (&source == this) return;
  masked_ = source.masked_;
  imageType_ = source.imageType_;
  drawingStyle_ = source.drawingStyle_;
  shareImages_ = source.shareImages_;
  blendColor_ = source.blendColor_;
  bkColor_ = source.bkColor_;
  allocBy_ = source.allocBy_;
  width_ = source.width_;
  height_ = source.height_;
  {
    // One rebuild at the end, one change report.
    const bool wasLoading = loading_;
    loading_ = true;
    items_.Assign(source.items_);
    loading_ = wasLoading;
  }
  if (!loading_) {
    nativeExists_ = true;
    RebuildNativeList();
    Change();
  }
}

void DeriveKeyAlpha(gfx::Bitmap& bitmap) {
  if (bitmap.Format() != gfx::PixelFormat::Bgra32 || bitmap.Empty()) return;
  for (int y = 0; y < bitmap.Height(); ++y) {
    const std::uint8_t* p = bitmap.Scanline(y);
    for (int x = 0; x < bitmap.Width(); ++x)
      if (p[x * 4 + 3] != 0) return;
  }
  const std::uint8_t* key = bitmap.Scanline(bitmap.Height() - 1);
  const std::uint8_t k0 = key[0], k1 = key[1], k2 = key[2];
  for (int y = 0; y < bitmap.Height(); ++y) {
    std::uint8_t* p = bitmap.Scanline(y);
    for (int x = 0; x < bitmap.Width(); ++x, p += 4)
      if (p[0] != k0 || p[1] != k1 || p[2] != k2) p[3] = 255;
  }
}

gfx::Size DrawItemFrame(const TsAlphaImageList& list, gfx::Bitmap& target, int x, int y, int frameCount,
                        int frameIndex, int imageIndex, int blendPercent, gfx::Color grayColor,
                        bool reflected) {
  const int n = std::max(frameCount, 1);
  const gfx::Size frame{list.Width() / n, list.Height()};
  if (target.Width() == 0 || !list.HasNativeList()) return frame;
  const int k = std::clamp(frameIndex, 0, n - 1);
  const gfx::Rect source = gfx::Rect::FromXYWH(frame.Width * k, 0, frame.Width, frame.Height);
  gfx::Bitmap picture;
  if (!list.ItemImage32(imageIndex, picture)) return frame;
  AlphaBlendPicture(target, gfx::Rect::FromXYWH(x, y, frame.Width, frame.Height), picture, source, reflected,
                    blendPercent, grayColor);
  return frame;
}

gfx::Size DrawItemFrameOnCanvas(const TsAlphaImageList& list, gfx::Canvas& canvas, int x, int y,
                                int frameCount, int frameIndex, int imageIndex, int blendPercent,
                                gfx::Color grayColor, bool reflected) {
  const int h = list.Height() + (reflected ? list.Height() / 2 : 0);
  gfx::Bitmap work = gfx::NewBitmap24(list.Width(), h);
  {
    gfx::Canvas workCanvas(work);
    workCanvas.CopyRect(0, 0, canvas, gfx::Rect::FromXYWH(x, y, list.Width(), h));
  }
  const gfx::Size size =
      DrawItemFrame(list, work, 0, 0, frameCount, frameIndex, imageIndex, blendPercent, grayColor, reflected);
  canvas.DrawBitmap(x, y, work);
  return size;
}

}  // namespace image
