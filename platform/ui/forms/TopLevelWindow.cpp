#include "platform/ui/forms/TopLevelWindow.h"

#include <algorithm>

#include "platform/gfx/Canvas.h"

namespace ui {

TopLevelWindow::TopLevelWindow(backend::Backend& backend, const backend::SurfaceOptions& options)
    : backend_(backend) {
  surface_ = backend_.CreateSurface(options);
  buffer_ = gfx::Bitmap(std::max(1, options.Bounds.Width()), std::max(1, options.Bounds.Height()),
                        gfx::PixelFormat::Bgr24);
}

TopLevelWindow::~TopLevelWindow() { backend_.DestroySurface(surface_); }

void TopLevelWindow::SetBounds(const gfx::Rect& screen) {
  int w = std::max(1, screen.Width());
  int h = std::max(1, screen.Height());
  if (w != buffer_.Width() || h != buffer_.Height()) {
    gfx::Bitmap nb(w, h, gfx::PixelFormat::Bgr24);
    gfx::Canvas c(nb);
    c.DrawBitmap(0, 0, buffer_);
    buffer_ = std::move(nb);
    dirty_ = buffer_.Bounds();
  }
  if (!layered_) backend_.SetBounds(surface_, {screen.Left, screen.Top, screen.Left + w, screen.Top + h});
}

void TopLevelWindow::AddDirty(const gfx::Rect& r) {
  dirty_ = gfx::Bounds(dirty_, gfx::Intersect(r, buffer_.Bounds()));
}

void TopLevelWindow::Present() {
  if (dirty_.IsEmpty() || layered_) return;
  backend_.Present(surface_, buffer_, dirty_);
  dirty_ = {};
}

void TopLevelWindow::Show(bool activate) {
  Present();
  if (minimized_)
    backend_.Minimize(surface_);
  else
    backend_.Show(surface_, activate);
  shown_ = true;
}

void TopLevelWindow::Minimize() {
  minimized_ = true;
  if (shown_) backend_.Minimize(surface_);
}

void TopLevelWindow::Restore(bool activate) {
  minimized_ = false;
  if (!shown_) return;
  Present();
  backend_.Show(surface_, activate);
}

void TopLevelWindow::Hide() {
  backend_.Hide(surface_);
  shown_ = false;
}

void TopLevelWindow::UpdateLayered(const gfx::Bitmap& picture, gfx::Point position, gfx::Size size,
                                   std::uint8_t alpha) {
  layered_ = true;
  backend_.UpdateLayered(surface_, picture, position, size, alpha);
  // Keep the picture readable through the window's buffer.
  int w = std::max(1, size.Width);
  int h = std::max(1, size.Height);
  buffer_ = gfx::Bitmap(w, h, gfx::PixelFormat::Bgr24);
  if (!picture.Empty()) {
    gfx::Canvas c(buffer_);
    c.DrawBitmap(
        0, 0,
        picture.Format() == gfx::PixelFormat::Bgra32 ? picture.ConvertTo(gfx::PixelFormat::Bgr24) : picture);
  }
  dirty_ = {};
}

void TopLevelWindow::ClearLayered() {
  if (!layered_) return;
  layered_ = false;
  dirty_ = buffer_.Bounds();
}

void TopLevelWindow::SetShape(const gfx::Region* shape) {
  if (shape)
    backend_.SetShape(surface_, *shape);
  else
    backend_.ClearShape(surface_);
}

}  // namespace ui
