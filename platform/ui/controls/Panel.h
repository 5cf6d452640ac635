// The panel: a container window with an outer and an inner bevel, a border
// ring, a caption and an OnPaint event. With the parent-background option it
// shows its parent's colour instead of its own.
#pragma once

#include <string>

#include "platform/ui/WinControl.h"
#include "platform/ui/controls/PaintEvent.h"

namespace ui {

enum class BevelCut { bvNone, bvLowered, bvRaised, bvSpace };

class Panel : public WinControl {
 public:
  explicit Panel(Component* owner);
  ~Panel() override;

  std::string ClassName() const override { return "TPanel"; }
  bool InheritsFrom(const std::string& c) const override {
    return c == "TPanel" || c == "TCustomPanel" || c == "TCustomControl" || WinControl::InheritsFrom(c);
  }

  Alignment GetAlignment() const { return alignment_; }
  void SetAlignment(Alignment a);
  BevelCut BevelInner() const { return bevelInner_; }
  void SetBevelInner(BevelCut b);
  BevelCut BevelOuter() const { return bevelOuter_; }
  void SetBevelOuter(BevelCut b);
  int BevelWidth() const { return bevelWidth_; }
  void SetBevelWidth(int w);
  void SetParentBackground(bool on);
  // The area inside the bevels (client coordinates), where the caption goes.
  gfx::Rect CaptionRect() const;

  PaintEvent OnPaint;

 protected:
  void AdjustClientRect(gfx::Rect& rect) const override;
  void PaintWindow(gfx::Canvas& canvas) override;
  void WndProc(Message& msg) override;
  // The plain look: background, bevels, caption; then OnPaint.
  virtual void Paint(gfx::Canvas& canvas) override;
  virtual void PaintCaption(gfx::Canvas& canvas, const gfx::Rect& rect);
  // The colour the panel fills its client area with.
  gfx::Color BackgroundColor() const;

 private:
  int BevelInset() const;

  Alignment alignment_ = Alignment::taCenter;
  BevelCut bevelInner_ = BevelCut::bvNone;
  BevelCut bevelOuter_ = BevelCut::bvRaised;
  int bevelWidth_ = 1;
};

}  // namespace ui
