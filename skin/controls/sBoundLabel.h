// TsBoundLabel: the caption label of an edit-like control. While Active it
// keeps a skinned edit label beside (or above) its control, named after the
// control plus "Label", whose accelerator focuses the control; layout,
// indent, width, font and caption changes place it again.
#pragma once

#include <string>

#include "platform/gfx/Font.h"

namespace ui {
class WinControl;
}

namespace skin {

class TsEditLabel;

enum class TsCaptionLayout { sclLeft, sclTopLeft, sclTopCenter, sclTopRight };

class TsBoundLabel {
 public:
  explicit TsBoundLabel(ui::WinControl& control);
  ~TsBoundLabel();
  TsBoundLabel(const TsBoundLabel&) = delete;
  TsBoundLabel& operator=(const TsBoundLabel&) = delete;

  bool Active() const { return label_ != nullptr; }
  void SetActive(bool on);
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& text);
  int Indent() const { return indent_; }
  void SetIndent(int indent);
  const gfx::Font& Font() const { return font_; }
  void SetFont(const gfx::Font& f);
  TsCaptionLayout Layout() const { return layout_; }
  void SetLayout(TsCaptionLayout layout);
  int MaxWidth() const { return maxWidth_; }
  void SetMaxWidth(int width);
  bool UseSkinColor() const { return useSkinColor_; }
  void SetUseSkinColor(bool on);

  // The label while Active, else null.
  TsEditLabel* Label() const { return label_; }
  // Places the label again (the control moved or resized).
  void UpdatePlacement();
  // Called by the label when it is destroyed by someone else.
  void LabelGone(TsEditLabel* label);

 private:
  void Apply();

  ui::WinControl& control_;
  TsEditLabel* label_ = nullptr;
  std::string caption_;
  int indent_ = 0;
  gfx::Font font_;
  TsCaptionLayout layout_ = TsCaptionLayout::sclLeft;
  int maxWidth_ = 0;
  bool useSkinColor_ = true;
};

}  // namespace skin
