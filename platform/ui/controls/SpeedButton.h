// The speed button: a windowless button with a glyph and a caption, an
// up/down/exclusive state, groups of mutually exclusive buttons, a flat look
// and a hovered flag. A click is a left press inside followed by a release
// inside; the button holds the mouse capture meanwhile. The `&` accelerator
// of the caption clicks it too.
#pragma once

#include <string>

#include "platform/ui/Control.h"
#include "platform/ui/controls/NotifyBitmap.h"

namespace ui {

enum class ButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
enum class ButtonState { bsUp, bsDisabled, bsDown, bsExclusive };

class SpeedButton : public Control {
 public:
  explicit SpeedButton(Component* owner);
  ~SpeedButton() override;

  std::string ClassName() const override { return "TSpeedButton"; }
  bool InheritsFrom(const std::string& c) const override {
    return c == "TSpeedButton" || c == "TGraphicControl" || Control::InheritsFrom(c);
  }

  ButtonLayout Layout() const { return layout_; }
  void SetLayout(ButtonLayout l);
  int Margin() const { return margin_; }
  void SetMargin(int m);
  int Spacing() const { return spacing_; }
  void SetSpacing(int s);
  int NumGlyphs() const { return numGlyphs_; }
  // 1 to 4 pictures side by side in Glyph (up, disabled, down, exclusive).
  void SetNumGlyphs(int n);
  NotifyBitmap& Glyph() { return glyph_; }
  const NotifyBitmap& Glyph() const { return glyph_; }

  bool Down() const { return down_; }
  // A button outside a group (GroupIndex 0) cannot stay down; a down button
  // of a group goes up only when AllowAllUp allows it.
  void SetDown(bool on);
  int GroupIndex() const { return groupIndex_; }
  void SetGroupIndex(int g);
  bool AllowAllUp() const { return allowAllUp_; }
  void SetAllowAllUp(bool on);
  bool Flat() const { return flat_; }
  void SetFlat(bool on);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool on);

  ButtonState State() const { return state_; }
  // The pointer is over the button (own flag, follows enter/leave).
  bool MouseInControl() const { return mouseInControl_; }
  // True between a left press and its release.
  bool Dragging() const { return dragging_; }

 protected:
  void WndProc(Message& msg) override;
  void Paint(gfx::Canvas& canvas) override;
  void MouseDown(MouseButton button, ShiftState shift, int x, int y) override;
  void MouseUp(MouseButton button, ShiftState shift, int x, int y) override;
  void MouseMove(ShiftState shift, int x, int y) override;
  void Loaded() override;

  // Another button of the same group went down.
  virtual void GroupButtonPressed(SpeedButton* sender);
  // The glyph changed (runs in the glyph's change handler chain).
  virtual void GlyphChanged();
  // The plain look: face, then glyph and caption.
  virtual void PaintFace(gfx::Canvas& canvas);
  virtual void PaintGlyphAndCaption(gfx::Canvas& canvas, const gfx::Rect& client, int offset);
  void SetState(ButtonState s) { state_ = s; }

 private:
  void GlyphChangedHandler(Component*);
  void UpdateExclusive();
  void SetMouseInControl(bool on);

  ButtonLayout layout_ = ButtonLayout::blGlyphLeft;
  int margin_ = -1;
  int spacing_ = 4;
  int numGlyphs_ = 1;
  NotifyBitmap glyph_;
  bool down_ = false;
  int groupIndex_ = 0;
  bool allowAllUp_ = false;
  bool flat_ = false;
  bool transparent_ = true;
  ButtonState state_ = ButtonState::bsUp;
  bool mouseInControl_ = false;
  bool dragging_ = false;
};

// Where glyph and caption go inside a button client area: the classic
// layout with margin (-1 = centred) and spacing (-1 = centred in the rest).
struct GlyphLayout {
  gfx::Rect Glyph;
  gfx::Rect Caption;
};
GlyphLayout CalcGlyphLayout(const gfx::Rect& client, gfx::Size glyph, gfx::Size caption, ButtonLayout layout,
                            int margin, int spacing);

}  // namespace ui
