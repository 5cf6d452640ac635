// A form on the real X11 backend under Xvfb: a click injected through XTEST
// runs the control's handler, and the painted pixels are read back from the
// server. Once with a compositing manager (layered windows available) and
// once without.
#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <iostream>
#include <memory>

#include "platform/ui/Application.h"
#include "platform/ui/forms/Form.h"
#include "tests/platform/ui/TestControls.h"

// The X headers come last: their macros (KeyPress, None, ...) would clash
// with toolkit names.
#include "platform/backend/X11Backend.h"
#include "tests/platform/backend/XServerProcess.h"

#include <X11/extensions/XTest.h>

namespace ui::testing {
namespace {

struct DisplayCloser {
  void operator()(Display* d) const { XCloseDisplay(d); }
};

template <bool Composited>
class X11Form : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    server_ = backend::testing::XServerProcess::Start(skip_);
    if (server_ && Composited && !server_->StartCompositor(compositorFailure_))
      compositorFailure_ = "xcompmgr: " + compositorFailure_;
  }
  static void TearDownTestSuite() { server_.reset(); }

  void SetUp() override {
    if (!server_) {
      std::cout << "X11 form test skipped: " << skip_ << "\n";
      GTEST_SKIP() << "X11 form test skipped: " << skip_;
    }
    ASSERT_TRUE(compositorFailure_.empty()) << compositorFailure_;
    backend_ = std::make_unique<backend::X11Backend>(server_->DisplayName());
    app_ = std::make_unique<Application>(*backend_);
    probe_.reset(XOpenDisplay(server_->DisplayName().c_str()));
    ASSERT_TRUE(probe_);
  }
  void TearDown() override {
    app_.reset();
    backend_.reset();
    probe_.reset();
  }

  // Runs the loop in real time until `done` or the timeout.
  bool RunUntil(const std::function<bool()>& done, int timeoutMs = 3000) {
    auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (std::chrono::steady_clock::now() < until) {
      app_->RunFor(20);
      XSync(probe_.get(), False);
      if (done()) return true;
    }
    return false;
  }
  gfx::Color ScreenPixel(gfx::Point p) {
    XImage* image =
        XGetImage(probe_.get(), DefaultRootWindow(probe_.get()), p.X, p.Y, 1, 1, AllPlanes, ZPixmap);
    if (!image) return 0xFFFFFFFF;
    unsigned long v = XGetPixel(image, 0, 0);
    XDestroyImage(image);
    // 0x00RRGGBB from the server to 0x00BBGGRR.
    return gfx::RGB(static_cast<int>((v >> 16) & 0xFF), static_cast<int>((v >> 8) & 0xFF),
                    static_cast<int>(v & 0xFF));
  }

  void ClickShowsHandlerAndPixels(bool layeredExpected) {
    EXPECT_EQ(Form::LayeredAvailable(), layeredExpected);
    auto* form = new Form(app_.get());
    form->SetBorderStyle(BorderStyle::bsSingle);
    form->SetBoundsRect({100, 100, 400, 300});
    form->SetColor(gfx::RGB(0, 128, 0));
    auto* button = new Probe(form, form, {20, 20, 120, 60}, gfx::RGB(255, 0, 0));
    form->ShowForm();
    gfx::Point centre = button->ClientToScreen({50, 20});
    ASSERT_TRUE(RunUntil([&] { return ScreenPixel(centre) == gfx::RGB(255, 0, 0); }))
        << "pixel " << std::hex << ScreenPixel(centre);
    EXPECT_EQ(ScreenPixel(form->ClientToScreen({200, 150})), gfx::RGB(0, 128, 0));
    EXPECT_EQ(ScreenPixel({form->Left() + 150, form->Top() + 5}), gfx::ColorToRGB(gfx::clActiveCaption));

    Display* p = probe_.get();
    XTestFakeMotionEvent(p, 0, centre.X, centre.Y, CurrentTime);
    XTestFakeButtonEvent(p, 1, True, CurrentTime);
    XTestFakeButtonEvent(p, 1, False, CurrentTime);
    XSync(p, False);
    EXPECT_TRUE(RunUntil([&] { return button->clicks == 1; })) << "no click";
    EXPECT_EQ(button->downs, 1);
  }

  static inline std::unique_ptr<backend::testing::XServerProcess> server_;
  static inline std::string skip_;
  static inline std::string compositorFailure_;
  std::unique_ptr<backend::X11Backend> backend_;
  std::unique_ptr<Application> app_;
  std::unique_ptr<Display, DisplayCloser> probe_;
};

using X11FormPlain = X11Form<false>;
using X11FormComposited = X11Form<true>;

TEST_F(X11FormPlain, ClickRunsHandlerAndPixelsReadBack) { ClickShowsHandlerAndPixels(false); }
TEST_F(X11FormComposited, ClickRunsHandlerAndPixelsReadBack) { ClickShowsHandlerAndPixels(true); }

}  // namespace
}  // namespace ui::testing
