#include "skin/controls/sBoundLabel.h"

#include <algorithm>

#include "platform/ui/WinControl.h"
#include "skin/controls/sLabel.h"

namespace skin {

TsBoundLabel::TsBoundLabel(ui::WinControl& control) : control_(control), font_(control.Font()) {}

TsBoundLabel::~TsBoundLabel() { SetActive(false); }

void TsBoundLabel::SetActive(bool on) {
  if (on == Active()) return;
  if (!on) {
    TsEditLabel* l = label_;
    label_ = nullptr;
    l->ForgetBoundLabel();
    delete l;
    return;
  }
  ui::Component* owner = control_.Owner() ? control_.Owner() : &control_;
  label_ = new TsEditLabel(owner, this);
  label_->SetName(control_.Name() + "Label");
  label_->SetParent(control_.Parent());
  label_->SetFocusControl(&control_);
  label_->SetVisible(control_.Visible() || control_.Designing());
  label_->SetEnabled(control_.Enabled());
  Apply();
}

void TsBoundLabel::LabelGone(TsEditLabel* label) {
  if (label == label_) label_ = nullptr;
}

void TsBoundLabel::SetCaption(const std::string& text) {
  caption_ = text;
  Apply();
}
void TsBoundLabel::SetIndent(int indent) {
  indent_ = indent;
  UpdatePlacement();
}
void TsBoundLabel::SetFont(const gfx::Font& f) {
  font_ = f;
  Apply();
}
void TsBoundLabel::SetLayout(TsCaptionLayout layout) {
  layout_ = layout;
  Apply();
}
void TsBoundLabel::SetMaxWidth(int width) {
  maxWidth_ = width;
  Apply();
}
void TsBoundLabel::SetUseSkinColor(bool on) {
  useSkinColor_ = on;
  if (label_) label_->SetUseSkinColor(on);
}

// Copies the settings into the label, then places it.
void TsBoundLabel::Apply() {
  if (!label_) return;
  label_->SetFont(font_);
  label_->SetUseSkinColor(useSkinColor_);
  label_->SetCaption(caption_.empty() ? control_.Name() : caption_);
  using enum TsCaptionLayout;
  label_->SetAlignment(layout_ == sclTopLeft    ? ui::Alignment::taLeftJustify
                       : layout_ == sclTopCenter ? ui::Alignment::taCenter
                                                 : ui::Alignment::taRightJustify);
  UpdatePlacement();
}

void TsBoundLabel::UpdatePlacement() {
  if (!label_) return;
  label_->SetWordWrap(maxWidth_ != 0);
  label_->SetAutoSize(true);
  if (maxWidth_ != 0) {
    label_->SetBounds(label_->Left(), label_->Top(), maxWidth_, label_->Height());
    label_->AdjustBounds();
    label_->SetBounds(label_->Left(), label_->Top(), maxWidth_, std::max(label_->Height(), control_.Height()));
  }
  const int w = label_->Width(), h = label_->Height();
  using enum TsCaptionLayout;
  int x, y;
  if (layout_ == sclLeft) {
    x = control_.Left() - w - indent_ - 4;
    y = control_.Top() + (control_.Height() - h) / 2;
  } else {
    y = control_.Top() - h - indent_;
    x = layout_ == sclTopLeft     ? control_.Left()
        : layout_ == sclTopCenter ? control_.Left() + (control_.Width() - w) / 2
                                  : control_.Left() + control_.Width() - w;
  }
  label_->SetBounds(x, y, w, h);
}

}  // namespace skin
