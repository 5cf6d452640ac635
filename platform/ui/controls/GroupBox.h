// The group box: a container window with an etched frame and a caption in
// its top edge. Its client area for the children starts below the caption
// (AdjustClientRect); it is not opaque and carries the group-box button
// style so that code can recognise it by its window style.
#pragma once

#include <string>

#include "platform/ui/WinControl.h"

namespace ui {

class GroupBox : public WinControl {
 public:
  explicit GroupBox(Component* owner);
  ~GroupBox() override;

  std::string ClassName() const override { return "TGroupBox"; }
  bool InheritsFrom(const std::string& c) const override {
    return c == "TGroupBox" || c == "TCustomGroupBox" || WinControl::InheritsFrom(c);
  }

  // Height of the caption line (text height of the font, at least 4) + 2.
  int CaptionHeight() const;

 protected:
  void CreateParams(ui::CreateParams& params) override;
  void AdjustClientRect(gfx::Rect& rect) const override;
  void PaintWindow(gfx::Canvas& canvas) override;
  void WndProc(Message& msg) override;
  // The plain look: frame and caption.
  virtual void PaintGroup(gfx::Canvas& canvas);
};

// Width of the platform's bevel (the etched frame of a group box).
constexpr int kBevelWidth = 1;

}  // namespace ui
