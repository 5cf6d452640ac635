// The skinned group box: its frame from the section's border mask, the
// caption over the parent's background (or the caption section's look) in the
// section's text colours. The box renders its look into its cache at every
// paint and copies it around its children; without a skin it is the plain
// group box.
#pragma once

#include <string>

#include "platform/ui/controls/GroupBox.h"
#include "skin/controls/sCommonData.h"

namespace skin {

// The group box's caption places; the bound label has a layout type of the
// same name, so this one lives in the unit's own namespace.
namespace sGroupBox {
enum class TsCaptionLayout { clTopLeft, clTopCenter, clTopRight };
}  // namespace sGroupBox

// The caption's box in the group box (W wide) for a caption A wide and a
// caption line TH high: left by layout (6 from the near edge, or centred),
// A + 8 wide at most to the right edge, TH high (moved by the caption offset
// when skinned).
gfx::Rect GroupCaptionBox(int w, int captionWidth, int captionLineHeight, sGroupBox::TsCaptionLayout layout,
                          bool rightToLeft, int captionYOffset, bool skinned);

class TsGroupBox : public ui::GroupBox, public TsSkinnedControl {
 public:
  explicit TsGroupBox(ui::Component* owner);
  ~TsGroupBox() override;

  std::string ClassName() const override { return "TsGroupBox"; }
  bool InheritsFrom(const std::string& c) const override {
    return c == "TsGroupBox" || ui::GroupBox::InheritsFrom(c);
  }

  TsCommonData& SkinData() override { return skinData_; }

  sGroupBox::TsCaptionLayout CaptionLayout() const { return captionLayout_; }
  void SetCaptionLayout(sGroupBox::TsCaptionLayout l);
  int CaptionYOffset() const { return captionYOffset_; }
  void SetCaptionYOffset(int offset);
  const std::string& CaptionSkin() const { return captionSkin_; }
  void SetCaptionSkin(const std::string& section);

  // The caption's box measured with the box's font.
  gfx::Rect CaptionBox();
  void RenderCache();
  void PaintBox(gfx::Canvas& dc);

 protected:
  void Loaded() override;
  void WndProc(ui::Message& msg) override;
  void AdjustClientRect(gfx::Rect& rect) const override;

 private:
  bool HandleFirst(ui::Message& msg);
  bool HandleSkinned(ui::Message& msg);
  bool Skinned() const { return skinData_.IsSkinned(true); }

  TsCommonData skinData_;
  sGroupBox::TsCaptionLayout captionLayout_ = sGroupBox::TsCaptionLayout::clTopLeft;
  int captionYOffset_ = 0;
  std::string captionSkin_;
};

}  // namespace skin
