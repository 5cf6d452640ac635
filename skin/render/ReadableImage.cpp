#include "skin/render/ReadableImage.h"

#include "skin/paint/PixelAccess.h"

namespace skin {

ReadableImage::ReadableImage(const gfx::Bitmap* image) {
  if (image == nullptr || image->Empty()) return;
  if (ColorBytes(*image) != 0) {
    image_ = image;
    return;
  }
  converted_ = image->ConvertTo(gfx::PixelFormat::Bgr24);
  image_ = &converted_;
}

}  // namespace skin
