// Fixtures for the X11 backend tests: an Xvfb per test suite (with or
// without a compositing manager), a backend on it, and a second connection
// that reads pixels and properties back and injects input through XTEST.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "platform/backend/X11Backend.h"
#include "tests/platform/backend/XServerProcess.h"

namespace backend::testing {

struct DisplayCloser {
  void operator()(Display* d) const { XCloseDisplay(d); }
};
using DisplayPtr = std::unique_ptr<Display, DisplayCloser>;

template <bool Composited>
class X11Fixture : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    server_ = XServerProcess::Start(skip_);
    if (server_ && Composited && !server_->StartCompositor(compositorFailure_)) compositorFailure_ += " ";
  }
  static void TearDownTestSuite() { server_.reset(); }

  void SetUp() override {
    if (!server_) GTEST_SKIP() << "X11 tests skipped: " << skip_;
    ASSERT_TRUE(compositorFailure_.empty()) << compositorFailure_;
    backend_ = std::make_unique<X11Backend>(server_->DisplayName());
    probe_.reset(XOpenDisplay(server_->DisplayName().c_str()));
    ASSERT_TRUE(probe_);
  }
  void TearDown() override {
    backend_.reset();
    probe_.reset();
  }

  // Lets the server finish everything the backend sent.
  void Sync() { XSync(backend_->XDisplay(), False); }
  // Sync, then let the backend handle what came back (exposures are
  // repaired from its retained pixels), then sync again.
  void Settle() {
    Sync();
    WaitFor([](const Event&) { return false; }, 100);
    Sync();
  }

  // Settles until `done` holds, for at most about 4 s (a window manager
  // answers in its own time).
  bool Eventually(const std::function<bool()>& done) {
    for (int i = 0; i < 40; ++i) {
      if (done()) return true;
      Settle();
    }
    return done();
  }

  // Waits (in real time) for an event that satisfies `match`; other events
  // are collected in `seen`.
  std::optional<Event> WaitFor(const std::function<bool(const Event&)>& match, int timeoutMs = 3000) {
    const std::int64_t until = backend_->NowMs() + timeoutMs;
    Event e;
    while (backend_->NowMs() < until) {
      while (backend_->PollEvent(e)) {
        seen_.push_back(e);
        if (match(e)) return e;
      }
      backend_->WaitEvent(std::min<std::int64_t>(until, backend_->NowMs() + 50));
    }
    return std::nullopt;
  }

  // Shows a surface filled with one colour and waits until it is on screen.
  SurfaceId Solid(const gfx::Rect& bounds, gfx::Color color, SurfaceKind kind = SurfaceKind::Normal) {
    SurfaceOptions o;
    o.Kind = kind;
    o.Bounds = bounds;
    const SurfaceId id = backend_->CreateSurface(o);
    gfx::Bitmap buffer = gfx::NewBitmap24(bounds.Width(), bounds.Height());
    for (int y = 0; y < buffer.Height(); ++y)
      for (int x = 0; x < buffer.Width(); ++x) buffer.SetPixelAt(x, y, color);
    backend_->Present(id, buffer, buffer.Bounds());
    backend_->Show(id, false);
    WaitFor([id](const Event& e) { return e.Type == EventType::Expose && e.Surface == id; });
    Sync();
    return id;
  }

  // One pixel of a window or of the root, as the server stores it.
  unsigned long PixelOf(Window w, int x, int y) {
    XImage* image = XGetImage(probe_.get(), w, x, y, 1, 1, AllPlanes, ZPixmap);
    if (!image) return ~0ul;
    const unsigned long p = XGetPixel(image, 0, 0);
    XDestroyImage(image);
    return p;
  }
  unsigned long ScreenPixel(int x, int y) {
    return PixelOf(DefaultRootWindow(probe_.get()), x, y) & 0xFFFFFF;
  }

  static inline std::unique_ptr<XServerProcess> server_;
  static inline std::string skip_;
  static inline std::string compositorFailure_;
  std::unique_ptr<X11Backend> backend_;
  DisplayPtr probe_;
  std::vector<Event> seen_;
};

// Reads a property as a list of longs (format 32) or bytes (format 8).
template <typename T>
std::vector<T> Property(Display* d, Window w, const char* name) {
  Atom type;
  int format;
  unsigned long count, after;
  unsigned char* data = nullptr;
  std::vector<T> out;
  if (XGetWindowProperty(d, w, XInternAtom(d, name, False), 0, 4096, False, AnyPropertyType, &type, &format,
                         &count, &after, &data) == Success &&
      data) {
    const T* values = reinterpret_cast<const T*>(data);
    out.assign(values, values + count);
  }
  if (data) XFree(data);
  return out;
}

using X11Plain = X11Fixture<false>;
using X11Composited = X11Fixture<true>;

}  // namespace backend::testing
