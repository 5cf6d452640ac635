// The label: windowless text with alignment, a vertical layout, word wrap,
// `&` accelerators and automatic sizing. A lone carriage return breaks the
// line like CR LF. Text goes through DoDrawText, which receives the text
// drawing flags, so derived labels can draw it their own way.
#pragma once

#include <string>

#include "platform/ui/Control.h"

namespace ui {

enum class TextLayout { tlTop, tlCenter, tlBottom };
enum class EllipsisPosition { epNone, epEndEllipsis };

class WinControl;

class Label : public Control {
 public:
  explicit Label(Component* owner);
  ~Label() override;

  std::string ClassName() const override { return "TLabel"; }
  bool InheritsFrom(const std::string& c) const override {
    return c == "TLabel" || c == "TCustomLabel" || c == "TGraphicControl" || Control::InheritsFrom(c);
  }

  Alignment GetAlignment() const { return alignment_; }
  void SetAlignment(Alignment a);
  TextLayout Layout() const { return layout_; }
  void SetLayout(TextLayout l);
  void SetAutoSize(bool on) override;
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool on);
  bool ShowAccelChar() const { return showAccelChar_; }
  void SetShowAccelChar(bool on);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool on);
  ui::EllipsisPosition GetEllipsisPosition() const { return ellipsis_; }
  void SetEllipsisPosition(ui::EllipsisPosition e);
  // The control that takes the focus when the accelerator is pressed.
  WinControl* FocusControl() const { return focusControl_; }
  void SetFocusControl(WinControl* c);

  // The drawing flags for the current settings (alignment, wrap, prefix).
  unsigned DrawTextFlags() const;
  // Resizes to the text when AutoSize is on.
  virtual void AdjustBounds();

 protected:
  void WndProc(Message& msg) override;
  void Paint(gfx::Canvas& canvas) override;
  void Loaded() override;
  void Notification(Component* c, Operation op) override;
  // Draws (or with DT_CALCRECT measures) the label's text in `rect`.
  virtual void DoDrawText(gfx::Canvas& canvas, gfx::Rect& rect, unsigned flags);
  // The text to draw: the caption, or one space for an empty caption (so that
  // an empty label keeps a line's height), or "&" shown as is.
  std::string LabelText() const;

 private:
  Alignment alignment_ = Alignment::taLeftJustify;
  TextLayout layout_ = TextLayout::tlTop;
  bool wordWrap_ = false;
  bool showAccelChar_ = true;
  bool transparent_ = false;
  ui::EllipsisPosition ellipsis_ = ui::EllipsisPosition::epNone;
  WinControl* focusControl_ = nullptr;
};

}  // namespace ui
