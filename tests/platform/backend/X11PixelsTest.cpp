// The X11 backend under Xvfb: presented pixels, exposures, shapes and
// layered windows, read back from the server.
#include <cstdlib>
#include <thread>

#include "tests/platform/backend/X11TestSupport.h"

// After the backend's X headers, which tidy up Xlib's macros.
#include <X11/extensions/XTest.h>

namespace backend {
namespace {

using testing::X11Composited;
using testing::X11Plain;

constexpr gfx::Color kRed = gfx::RGB(255, 0, 0);
constexpr gfx::Color kGreen = gfx::RGB(0, 255, 0);
constexpr gfx::Color kBlue = gfx::RGB(0, 0, 255);

TEST_F(X11Plain, PresentedPixelsReachTheServerWithAndWithoutShm) {
  for (bool shm : {true, false}) {
    SCOPED_TRACE(shm ? "MIT-SHM" : "XPutImage");
    backend_ = std::make_unique<X11Backend>(server_->DisplayName(), shm);
    EXPECT_EQ(backend_->UsesShm(), shm);  // Xvfb is local: shared memory works
    const SurfaceId id = Solid({10, 20, 50, 50}, kRed);
    const Window w = backend_->WindowOf(id);
    gfx::Bitmap buffer = gfx::NewBitmap32(40, 30);
    for (int y = 0; y < 30; ++y)
      for (int x = 0; x < 40; ++x) buffer.SetPixelAt(x, y, (x < 20 ? kGreen : kBlue) | 0xFF000000u);
    // Only the dirty rectangle is copied.
    backend_->Present(id, buffer, {10, 0, 30, 10});
    Settle();
    EXPECT_EQ(PixelOf(w, 5, 5), 0xFF0000u);   // untouched: still red
    EXPECT_EQ(PixelOf(w, 12, 5), 0x00FF00u);  // green half of the rectangle
    EXPECT_EQ(PixelOf(w, 25, 5), 0x0000FFu);  // blue half
    EXPECT_EQ(PixelOf(w, 25, 15), 0xFF0000u);
    // Without a window manager the window sits where it was asked to.
    EXPECT_EQ(ScreenPixel(10 + 25, 20 + 5), 0x0000FFu);
    EXPECT_EQ(ScreenPixel(10 + 5, 20 + 5), 0xFF0000u);
  }
}

TEST_F(X11Plain, ExposedAreasAreRepairedFromRetainedPixels) {
  const SurfaceId id = Solid({100, 100, 160, 140}, kGreen);
  // A window covering ours and going away exposes it again.
  const Window cover =
      XCreateSimpleWindow(probe_.get(), DefaultRootWindow(probe_.get()), 90, 90, 100, 100, 0, 0, 0);
  XSetWindowAttributes a{};
  a.override_redirect = True;
  XChangeWindowAttributes(probe_.get(), cover, CWOverrideRedirect, &a);
  XMapRaised(probe_.get(), cover);
  XSync(probe_.get(), False);
  EXPECT_EQ(ScreenPixel(120, 120), 0u);
  XDestroyWindow(probe_.get(), cover);
  XSync(probe_.get(), False);
  const auto expose =
      WaitFor([id](const Event& e) { return e.Type == EventType::Expose && e.Surface == id; });
  ASSERT_TRUE(expose);
  Settle();
  EXPECT_EQ(ScreenPixel(120, 120), 0x00FF00u);
}

TEST_F(X11Plain, ShapesReachTheServer) {
  const SurfaceId id = Solid({100, 100, 140, 140}, kRed);
  const Window w = backend_->WindowOf(id);
  backend_->SetShape(id, gfx::Region::FromRects(std::vector<gfx::Rect>{{0, 0, 40, 10}, {0, 10, 10, 40}}));
  Settle();
  int count = 0, ordering = 0;
  XRectangle* rects = XShapeGetRectangles(probe_.get(), w, ShapeBounding, &count, &ordering);
  ASSERT_EQ(count, 2);
  EXPECT_EQ(rects[0].width, 40);
  EXPECT_EQ(rects[1].y, 10);
  EXPECT_EQ(rects[1].width, 10);
  XFree(rects);
  EXPECT_EQ(ScreenPixel(105, 125), 0xFF0000u);
  EXPECT_EQ(ScreenPixel(125, 125), 0u);  // the root shows through the cut-out
  EXPECT_EQ(backend_->SurfaceAt({125, 125}), kNoSurface);

  backend_->ClearShape(id);
  Settle();
  rects = XShapeGetRectangles(probe_.get(), w, ShapeBounding, &count, &ordering);
  ASSERT_EQ(count, 1);
  EXPECT_EQ(rects[0].width, 40);
  EXPECT_EQ(rects[0].height, 40);
  XFree(rects);
}

// --- With a compositing manager ----------------------------------------------------------

TEST_F(X11Composited, LayeredWindowsUseTheArgbVisual) {
  EXPECT_TRUE(backend_->LayeredAvailable());
  const SurfaceId id = Solid({100, 100, 140, 140}, kRed);
  const Window w = backend_->WindowOf(id);
  XWindowAttributes attributes;
  XGetWindowAttributes(probe_.get(), w, &attributes);
  EXPECT_EQ(attributes.depth, 32);
  // Presented pixels are opaque: premultiplied ARGB with alpha 255.
  EXPECT_EQ(PixelOf(w, 5, 5), 0xFFFF0000u);

  // Per-pixel alpha: red at alpha 128 is stored premultiplied.
  gfx::Bitmap picture = gfx::NewBitmap32(40, 40);
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 40; ++x) picture.SetPixelAt(x, y, x < 20 ? 0x800000FFu : 0u);  // left half red, a=128
  backend_->UpdateLayered(id, picture, {100, 100}, {40, 40}, 255);
  Settle();
  EXPECT_EQ(PixelOf(w, 5, 5), 0x80800000u);
  EXPECT_EQ(PixelOf(w, 30, 5), 0u);
  // Constant alpha multiplies: a = round(128 * 128 / 255) = 64, red 64.
  backend_->UpdateLayered(id, picture, {100, 100}, {40, 40}, 128);
  Settle();
  EXPECT_EQ(PixelOf(w, 5, 5), 0x40400000u);
}

TEST_F(X11Composited, TransparentPixelsTakeNoClicks) {
  const SurfaceId below = Solid({100, 100, 200, 200}, kBlue);
  const SurfaceId layered = Solid({100, 100, 200, 200}, kRed);
  gfx::Bitmap picture = gfx::NewBitmap32(100, 100);
  for (int y = 0; y < 100; ++y)
    for (int x = 0; x < 50; ++x) picture.SetPixelAt(x, y, 0xFF00FF00u);  // left half opaque green
  backend_->UpdateLayered(layered, picture, {100, 100}, {100, 100}, 255);
  Settle();
  int count = 0, ordering = 0;
  XRectangle* rects =
      XShapeGetRectangles(probe_.get(), backend_->WindowOf(layered), ShapeInput, &count, &ordering);
  ASSERT_GT(count, 0);
  int covered = 0;
  for (int i = 0; i < count; ++i) covered = std::max(covered, rects[i].x + rects[i].width);
  XFree(rects);
  EXPECT_EQ(covered, 50);
  EXPECT_EQ(backend_->SurfaceAt({120, 150}), layered);
  EXPECT_EQ(backend_->SurfaceAt({180, 150}), below);

  Display* p = probe_.get();
  XTestFakeMotionEvent(p, 0, 180, 150, CurrentTime);
  XTestFakeButtonEvent(p, 1, True, CurrentTime);
  XTestFakeButtonEvent(p, 1, False, CurrentTime);
  XTestFakeMotionEvent(p, 0, 120, 150, CurrentTime);
  XTestFakeButtonEvent(p, 1, True, CurrentTime);
  XTestFakeButtonEvent(p, 1, False, CurrentTime);
  XSync(p, False);
  const auto first = WaitFor([](const Event& e) { return e.Type == EventType::MouseDown; });
  ASSERT_TRUE(first);
  EXPECT_EQ(first->Surface, below);
  const auto second = WaitFor([](const Event& e) { return e.Type == EventType::MouseDown; });
  ASSERT_TRUE(second);
  EXPECT_EQ(second->Surface, layered);
}

TEST_F(X11Composited, ConstantAlphaOfPresentedPixels) {
  const SurfaceId id = Solid({10, 10, 30, 30}, kBlue);
  backend_->SetConstantAlpha(id, 128);
  Settle();
  EXPECT_EQ(PixelOf(backend_->WindowOf(id), 1, 1), 0x80000080u);
}

}  // namespace
}  // namespace backend
