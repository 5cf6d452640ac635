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

  backend::HeadlessBackend backend;
  std::unique_ptr<Application> app;
  Form* form = nullptr;
};

}  // namespace ui::test
