// A headless application with one shown form, and helpers that inject input
// at the screen position of a control.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "platform/backend/HeadlessBackend.h"
#include "platform/ui/Application.h"
#include "platform/ui/forms/Form.h"

namespace ui::test {

class ControlsFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    app = std::make_unique<Application>(backend);
    form = app->CreateForm<Form>([](Form& f) {
      f.SetBounds(100, 100, 400, 300);
      f.SetCaption("Test");
    });
  }
  void TearDown() override { app.reset(); }

  void ShowForm() {
    form->ShowForm();
    app->ProcessMessages();
  }
  // The screen point of a control's client point.
  static gfx::Point At(Control& c, int x, int y) { return c.ClientToScreen({x, y}); }
  void Click(Control& c, int x, int y) {
    backend.InjectClick(At(c, x, y));
    app->ProcessMessages();
  }
  void Press(Control& c, int x, int y) {
    backend.InjectMouseDown(At(c, x, y));
    app->ProcessMessages();
  }
  void Release(gfx::Point screen) {
    backend.InjectMouseUp(screen);
    app->ProcessMessages();
  }
  void Move(gfx::Point screen) {
    backend.InjectMouseMove(screen);
    app->ProcessMessages();
  }
  void Key(int vk) {
    backend.InjectKey(vk);
    app->ProcessMessages();
  }
  void KeyDown(int vk) {
    backend.InjectKeyDown(vk);
    app->ProcessMessages();
  }
  void KeyUp(int vk) {
    backend.InjectKeyUp(vk);
    app->ProcessMessages();
  }
  // The composited screen pixel at a control's client point.
  gfx::Color Pixel(Control& c, int x, int y) {
    app->ProcessMessages();
    return backend.ScreenPixel(At(c, x, y));
  }

  // Checks that the control's client area `area` shows disabled text as the
  // classic emboss over `background`: only solid shadow and highlight ink,
  // every highlight pixel the shadow copy's shape moved by (1, 1).
  void ExpectEmbossed(Control& c, const gfx::Rect& area, gfx::Color background, int minShadows, int minLights) {
    const gfx::Color light = gfx::ColorToRGB(gfx::clBtnHighlight), shadow = gfx::ColorToRGB(gfx::clBtnShadow);
    int lights = 0, shadows = 0;
    for (int y = area.Top; y < area.Bottom; ++y)
      for (int x = area.Left; x < area.Right; ++x) {
        const gfx::Color p = Pixel(c, x, y);
        ASSERT_TRUE(p == background || p == light || p == shadow) << x << "," << y << " " << std::hex << p;
        shadows += p == shadow;
        if (p == light) {
          ++lights;
          EXPECT_NE(Pixel(c, x - 1, y - 1), background) << x << "," << y;
        }
      }
    EXPECT_GE(shadows, minShadows);
    EXPECT_GE(lights, minLights);
  }

  backend::HeadlessBackend backend;
  std::unique_ptr<Application> app;
  Form* form = nullptr;
};

}  // namespace ui::test
