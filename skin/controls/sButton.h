// TsButton: the skinned push button. While a skin is active its window is
// owner-drawn: every paint renders the skin's background, the border mask
// (whose transparent corner pixels are cut out of the window region), the
// picture, the caption, the focus dots and the disabled look into the
// binding's cache and copies it to the window. Without a skin it is the
// plain platform button.
#pragma once

#include <optional>
#include <string>

#include "platform/gfx/Region.h"
#include "platform/ui/controls/Button.h"
#include "platform/ui/controls/ImageList.h"
#include "skin/controls/ButtonImages.h"
#include "skin/controls/sButtonTypes.h"
#include "skin/controls/sCommonData.h"
#include "skin/controls/sFade.h"
#include "skin/paint/DisabledLook.h"

namespace skin {

class TsFadeTimer;

// Set while a release shows the pressed look before the released one.
bool ButtonForcePressed();

class TsButton : public ui::Button, public TsSkinnedControl {
 public:
  explicit TsButton(ui::Component* owner);
  ~TsButton() override;

  std::string ClassName() const override { return "TsButton"; }
  bool InheritsFrom(const std::string& c) const override { return c == "TsButton" || ui::Button::InheritsFrom(c); }

  TsCommonData& SkinData() override { return skinData_; }
  const TsCommonData& SkinData() const { return skinData_; }

  // --- published ---------------------------------------------------------
  TacAnimatEvents AnimatEvents() const { return animatEvents_; }
  void SetAnimatEvents(TacAnimatEvents e) { animatEvents_ = e; }
  TsDisabledKinds DisabledKind() const { return disabledKind_; }
  void SetDisabledKind(TsDisabledKinds k);
  bool Down() const { return down_; }
  void SetDown(bool on);
  int FocusMargin() const { return focusMargin_; }
  void SetFocusMargin(int m) { focusMargin_ = m; }
  bool ShowFocus() const { return showFocus_; }
  void SetShowFocus(bool on);
  ui::CustomImageList* Images() const { return images_.List(); }
  void SetImages(ui::CustomImageList* list);
  int ImageIndex() const { return imageIndex_[0]; }
  void SetImageIndex(int i) { SetIndex(0, i); }
  int HotImageIndex() const { return imageIndex_[1]; }
  void SetHotImageIndex(int i) { SetIndex(1, i); }
  int PressedImageIndex() const { return imageIndex_[2]; }
  void SetPressedImageIndex(int i) { SetIndex(2, i); }
  int SelectedImageIndex() const { return imageIndex_[3]; }
  void SetSelectedImageIndex(int i) { SetIndex(3, i); }
  int DisabledImageIndex() const { return imageIndex_[4]; }
  void SetDisabledImageIndex(int i) { SetIndex(4, i); }
  TImageAlignment ImageAlignment() const { return imageAlignment_; }
  void SetImageAlignment(TImageAlignment a);
  const TImageMargins& ImageMargins() const { return imageMargins_; }
  void SetImageMargins(const TImageMargins& m);

  // --- state and painting --------------------------------------------------
  // 2 pressed, 1 hot (default, active), else 0; a disabled button is never
  // hot.
  int VisualState() const;
  int StateImageIndex() const;
  virtual gfx::Rect CaptionBox();
  gfx::Rect PictureBox() const;
  void RenderCache();
  // The region the last render built (none before the first render).
  const std::optional<gfx::Region>& PendingRegion() const { return pendingRegion_; }
  TsFadeTimer* FadeTimer() const { return fadeTimer_; }

 protected:
  void WndProc(ui::Message& msg) override;
  void CreateParams(ui::CreateParams& params) override;
  void PaintWindow(gfx::Canvas& canvas) override;
  void DefaultNotice(bool isDefaultNow) override;
  void MouseDown(ui::MouseButton button, ui::ShiftState shift, int x, int y) override;
  void MouseUp(ui::MouseButton button, ui::ShiftState shift, int x, int y) override;
  void KeyUp(unsigned& key, ui::ShiftState shift) override;
  void Loaded() override;
  void Notification(ui::Component* c, ui::Operation op) override;
  void ApplyHoverChange() override;

  virtual void PaintCaption(gfx::Canvas& canvas);
  virtual void DrawCaptionText(gfx::Canvas& canvas, const gfx::Rect& rect, unsigned flags);
  virtual void PaintPicture();

 private:
  bool Ready() const;
  bool SkinnedNow() const;
  void PaintSkinned(gfx::Canvas& canvas);
  void ApplyRegion();
  void SetIndex(int slot, int index);
  void ImagesChanged(ui::Component*);
  bool ValidPicture() const;

  TsCommonData skinData_;
  bool pressedByMouse_ = false;
  bool down_ = false;
  int focusMargin_ = 1;
  TsDisabledKinds disabledKind_{dkBlended};
  TsFadeTimer* fadeTimer_ = nullptr;
  TacAnimatEvents animatEvents_ = kDefaultAnimatEvents;
  gfx::Rect lastBounds_;
  bool showFocus_ = true;
  ButtonImages images_;
  TImageAlignment imageAlignment_ = TImageAlignment::iaLeft;
  int imageIndex_[5] = {-1, -1, -1, -1, -1};
  TImageMargins imageMargins_;
  bool firstPaint_ = true;
  std::optional<gfx::Region> pendingRegion_;
};

}  // namespace skin
