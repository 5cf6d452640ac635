// A virtual screen, an application on it, and helpers to drive input.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "platform/backend/HeadlessBackend.h"
#include "platform/ui/Application.h"
#include "platform/ui/forms/Form.h"

namespace ui::testing {

class UiFixture : public ::testing::Test {
 protected:
  UiFixture() : app_(std::make_unique<Application>(backend_)) {}
  ~UiFixture() override { app_.reset(); }

  Application& app() { return *app_; }
  backend::HeadlessBackend& screen() { return backend_; }

  // A visible, active form with a plain client of the given colour.
  Form* NewForm(const gfx::Rect& bounds, BorderStyle style = BorderStyle::bsSingle) {
    auto* f = new Form(app_.get());
    f->SetBorderStyle(style);
    f->SetBoundsRect(bounds);
    return f;
  }
  void Show(Form* f) {
    f->ShowForm();
    app_->ProcessMessages();
  }
  gfx::Point ClientPoint(Control* c, int x, int y) { return c->ClientToScreen({x, y}); }
  void Click(gfx::Point p) {
    backend_.InjectClick(p);
    app_->ProcessMessages();
  }
  void Move(gfx::Point p) {
    backend_.InjectMouseMove(p);
    app_->ProcessMessages();
  }
  void Down(gfx::Point p) {
    backend_.InjectMouseDown(p);
    app_->ProcessMessages();
  }
  void Up(gfx::Point p) {
    backend_.InjectMouseUp(p);
    app_->ProcessMessages();
  }
  // Runs `script` once, from a timer 10 ms on: inside a modal loop (a menu,
  // a dialog) that the next call starts.
  void During(std::function<void()> script) {
    auto s = std::make_shared<std::function<void()>>(std::move(script));
    auto id = std::make_shared<int>(0);
    *id = app_->StartCallbackTimer(10, [this, s, id] {
      app_->StopCallbackTimer(*id);
      (*s)();
    });
  }
  void Key(int vk) {
    backend_.InjectKey(vk);
    app_->ProcessMessages();
  }
  void KeyWith(int modifier, int vk) {
    backend_.InjectKeyDown(modifier);
    backend_.InjectKey(vk);
    backend_.InjectKeyUp(modifier);
    app_->ProcessMessages();
  }
  gfx::Color Pixel(gfx::Point p) { return backend_.ScreenPixel(p); }

 private:
  backend::HeadlessBackend backend_;
  std::unique_ptr<Application> app_;
};

}  // namespace ui::testing
