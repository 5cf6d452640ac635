#include "platform/backend/X11Image.h"

#include <sys/ipc.h>
#include <sys/shm.h>

#include <cstdlib>
#include <stdexcept>

#include "platform/backend/Compose.h"
#include "platform/backend/X11Connection.h"

namespace backend {

namespace {

// Scales an 8-bit channel into the bits of `mask`.
unsigned long Channel(int value, unsigned long mask) {
  if (mask == 0) return 0;
  int shift = 0;
  while (((mask >> shift) & 1) == 0) ++shift;
  const unsigned long max = mask >> shift;
  return ((static_cast<unsigned long>(value) * max + 127) / 255) << shift;
}

}  // namespace

X11Image::X11Image(Display* display, Visual* visual, int depth, gfx::Size size, bool tryShm,
                   bool premultipliedAlpha)
    : display_(display), alpha_(premultipliedAlpha) {
  const unsigned w = static_cast<unsigned>(size.Width), h = static_cast<unsigned>(size.Height);
  if (tryShm) {
    image_ =
        XShmCreateImage(display_, visual, static_cast<unsigned>(depth), ZPixmap, nullptr, &segment_, w, h);
    if (image_) {
      const std::size_t bytes = static_cast<std::size_t>(image_->bytes_per_line) * h;
      segment_.shmid = shmget(IPC_PRIVATE, bytes, IPC_CREAT | 0600);
      void* addr = segment_.shmid >= 0 ? shmat(segment_.shmid, nullptr, 0) : reinterpret_cast<void*>(-1);
      if (addr != reinterpret_cast<void*>(-1)) {
        segment_.shmaddr = image_->data = static_cast<char*>(addr);
        segment_.readOnly = False;
        X11ErrorTrap trap(display_);
        XShmAttach(display_, &segment_);
        shm_ = !trap.Failed();
      }
      // Marked for removal now: it goes away with the last detach, even if we crash.
      if (segment_.shmid >= 0) shmctl(segment_.shmid, IPC_RMID, nullptr);
      if (!shm_) {
        if (segment_.shmaddr) shmdt(segment_.shmaddr);
        segment_ = {};
        image_->data = nullptr;
        XDestroyImage(image_);
        image_ = nullptr;
      }
    }
  }
  if (!image_) {
    image_ = XCreateImage(display_, visual, static_cast<unsigned>(depth), ZPixmap, 0, nullptr, w, h, 32, 0);
    if (!image_) throw std::runtime_error("cannot create an X image");
    image_->data = static_cast<char*>(std::calloc(static_cast<std::size_t>(image_->bytes_per_line) * h, 1));
    if (!image_->data) {
      XDestroyImage(image_);
      throw std::runtime_error("out of memory for an X image");
    }
  }
  fastLayout_ = image_->bits_per_pixel == 32 && image_->byte_order == LSBFirst &&
                image_->red_mask == 0xFF0000 && image_->green_mask == 0xFF00 && image_->blue_mask == 0xFF;
}

X11Image::~X11Image() {
  if (shm_) {
    XShmDetach(display_, &segment_);
    XSync(display_, False);
    shmdt(segment_.shmaddr);
    image_->data = nullptr;
  }
  XDestroyImage(image_);  // frees the calloc'ed data of a plain image
}

void X11Image::WaitForServer() {
  if (!inFlight_) return;
  XSync(display_, False);
  inFlight_ = false;
}

void X11Image::Convert(const gfx::Bitmap& pixels, const gfx::Rect& rect, std::uint8_t constantAlpha) {
  const gfx::Rect r =
      gfx::Intersect(gfx::Intersect(rect, pixels.Bounds()), {0, 0, image_->width, image_->height});
  if (r.IsEmpty()) return;
  WaitForServer();
  for (int y = r.Top; y < r.Bottom; ++y) {
    const std::uint8_t* in = pixels.Scanline(y) + r.Left * 4;
    auto* out = reinterpret_cast<std::uint8_t*>(image_->data) +
                static_cast<std::ptrdiff_t>(y) * image_->bytes_per_line;
    for (int x = r.Left; x < r.Right; ++x, in += 4) {
      int b = in[0], g = in[1], red = in[2], a = 255;
      if (alpha_) {
        a = MulDiv255(in[3], constantAlpha);
        b = MulDiv255(b, a);
        g = MulDiv255(g, a);
        red = MulDiv255(red, a);
      }
      if (fastLayout_) {
        std::uint8_t* px = out + x * 4;
        px[0] = static_cast<std::uint8_t>(b);
        px[1] = static_cast<std::uint8_t>(g);
        px[2] = static_cast<std::uint8_t>(red);
        px[3] = static_cast<std::uint8_t>(a);
      } else {
        XPutPixel(
            image_, x, y,
            Channel(red, image_->red_mask) | Channel(g, image_->green_mask) | Channel(b, image_->blue_mask));
      }
    }
  }
}

void X11Image::Put(Drawable drawable, GC gc, const gfx::Rect& rect) {
  const gfx::Rect r = gfx::Intersect(rect, {0, 0, image_->width, image_->height});
  if (r.IsEmpty()) return;
  const auto w = static_cast<unsigned>(r.Width()), h = static_cast<unsigned>(r.Height());
  if (shm_) {
    XShmPutImage(display_, drawable, gc, image_, r.Left, r.Top, r.Left, r.Top, w, h, False);
    inFlight_ = true;
  } else {
    XPutImage(display_, drawable, gc, image_, r.Left, r.Top, r.Left, r.Top, w, h);
  }
}

}  // namespace backend
