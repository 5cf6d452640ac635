// The picture control (TImage): a windowless control that draws a graphic
// (PNG or any registered picture format) through the graphic's own Draw.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "platform/gfx/Graphic.h"
#include "platform/ui/Control.h"

namespace ui {

// Holds one graphic (or none) and reports changes.
class Picture {
 public:
  Picture() = default;
  Picture(const Picture&) = delete;
  Picture& operator=(const Picture&) = delete;

  const gfx::Graphic* Graphic() const { return graphic_.get(); }
  void SetGraphic(std::unique_ptr<gfx::Graphic> g);
  // Decodes `data` as a picture of the registered format `extension`;
  // throws gfx::EInvalidGraphic for undecodable data or an unknown format.
  void LoadFromBytes(std::string_view extension, std::span<const std::uint8_t> data);
  void Clear() { SetGraphic(nullptr); }
  int Width() const { return graphic_ ? graphic_->Width() : 0; }
  int Height() const { return graphic_ ? graphic_->Height() : 0; }

  NotifyEvent OnChange;

 private:
  std::unique_ptr<gfx::Graphic> graphic_;
};

class Image : public Control {
 public:
  explicit Image(Component* owner);
  ~Image() override;

  std::string ClassName() const override { return "TImage"; }
  bool InheritsFrom(const std::string& c) const override {
    return c == "TImage" || c == "TGraphicControl" || Control::InheritsFrom(c);
  }

  ui::Picture& Picture() { return picture_; }
  const ui::Picture& Picture() const { return picture_; }
  // True: the parent shows through the picture's transparent parts; false:
  // the control's rectangle is filled with Color (the parent's by default)
  // first.
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool on);
  bool Stretch() const { return stretch_; }
  void SetStretch(bool on);
  bool Center() const { return center_; }
  void SetCenter(bool on);
  // Where the picture is drawn (control coordinates).
  gfx::Rect DestRect() const;

 protected:
  void Paint(gfx::Canvas& canvas) override;
  void WndProc(Message& msg) override;

 private:
  void PictureChanged(Component*);
  void UpdateOpaque();

  ui::Picture picture_;
  bool transparent_ = false;
  bool stretch_ = false;
  bool center_ = false;
};

}  // namespace ui
