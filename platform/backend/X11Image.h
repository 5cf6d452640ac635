// A client-side image the size of one window, in the window's pixel format,
// sent to the server with MIT-SHM when the server shares memory with us and
// with XPutImage otherwise.
#pragma once

#include "platform/backend/X11Headers.h"

#include <cstdint>

#include "platform/gfx/Bitmap.h"

namespace backend {

class X11Image {
 public:
  // `premultipliedAlpha`: the visual has an alpha channel (32-bit ARGB) that
  // a compositing manager reads as premultiplied. Throws std::runtime_error
  // when no image can be made.
  X11Image(Display* display, Visual* visual, int depth, gfx::Size size, bool tryShm, bool premultipliedAlpha);
  ~X11Image();
  X11Image(const X11Image&) = delete;
  X11Image& operator=(const X11Image&) = delete;

  gfx::Size GetSize() const { return {image_->width, image_->height}; }
  bool UsesShm() const { return shm_; }

  // Converts `rect` of the 32-bit straight-alpha `pixels` (same size as the
  // image) into the image; each alpha is first multiplied by `constantAlpha`.
  // Without an alpha channel colours are copied as they are.
  void Convert(const gfx::Bitmap& pixels, const gfx::Rect& rect, std::uint8_t constantAlpha);
  // Sends `rect` of the image to the same place in `drawable`.
  void Put(Drawable drawable, GC gc, const gfx::Rect& rect);

 private:
  void WaitForServer();

  Display* display_;
  XImage* image_ = nullptr;
  XShmSegmentInfo segment_{};
  bool shm_ = false;
  bool inFlight_ = false;  // the server may still read the shared memory
  bool alpha_;
  bool fastLayout_ = false;  // 32 bits, LSB first, 0xFF0000 / 0xFF00 / 0xFF masks
};

}  // namespace backend
