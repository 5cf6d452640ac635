// A skin image in a format the mask painters read: 24- and 32-bit images as
// they are, palette and grey images (texture BMPs keep their own format)
// converted to 24 bits for the time of one paint, so that palette bytes are
// never read as colours.
#pragma once

#include "platform/gfx/Bitmap.h"

namespace skin {

class ReadableImage {
 public:
  explicit ReadableImage(const gfx::Bitmap* image);
  ReadableImage(const ReadableImage&) = delete;
  ReadableImage& operator=(const ReadableImage&) = delete;

  // The 24- or 32-bit image, or null when there is none (or it is empty).
  const gfx::Bitmap* Get() const { return image_; }
  explicit operator bool() const { return image_ != nullptr; }

 private:
  const gfx::Bitmap* image_ = nullptr;
  gfx::Bitmap converted_;
};

}  // namespace skin
