// TsSpeedButton: the skinned speed button. A windowless button that renders
// its whole look (skin item, caption, picture, disabled look) into its
// binding's cache and copies the cache to its parent's surface. Its picture
// is a frame of its Glyph or an item of its image list (an image list wins
// over a glyph). Hover and press changes show at once or cross-fade on a
// TsAnimTimer. Without a skin (or with a section the skin lacks) it paints
// the platform speed button's plain look.
#pragma once

#include <string>

#include "platform/ui/controls/ImageList.h"
#include "platform/ui/controls/SpeedButton.h"
#include "skin/controls/ButtonImages.h"
#include "skin/controls/sButtonTypes.h"
#include "skin/controls/sCommonData.h"
#include "skin/controls/sFade.h"
#include "skin/paint/DisabledLook.h"

namespace ui {
class PopupMenu;
}

namespace skin {

class TsAnimTimer;
class TsSpeedButton;

// Process-wide: the speed button whose drop-down menu is open (null when
// none) and whether some drop-down menu is open.
TsSpeedButton* OpenDropdownButton();
bool DropdownMenuOpen();

class TsSpeedButton : public ui::SpeedButton, public TsSkinnedControl {
 public:
  explicit TsSpeedButton(ui::Component* owner);
  ~TsSpeedButton() override;

  std::string ClassName() const override { return "TsSpeedButton"; }
  bool InheritsFrom(const std::string& c) const override {
    return c == "TsSpeedButton" || ui::SpeedButton::InheritsFrom(c);
  }

  TsCommonData& SkinData() override { return skinData_; }
  const TsCommonData& SkinData() const { return skinData_; }

  // --- published ---------------------------------------------------------
  ui::CustomImageList* Images() const { return images_.List(); }
  void SetImages(ui::CustomImageList* list);
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int index);
  int Blend() const { return blend_; }
  void SetBlend(int percent);  // clamped into 0..100
  bool Grayed() const { return grayed_; }
  void SetGrayed(bool on);
  TsDisabledKinds DisabledKind() const { return disabledKind_; }
  void SetDisabledKind(TsDisabledKinds k);
  TsDisabledGlyphKinds DisabledGlyphKind() const { return disabledGlyphKind_; }
  void SetDisabledGlyphKind(TsDisabledGlyphKinds k);
  ui::Alignment Alignment() const { return alignment_; }
  void SetAlignment(ui::Alignment a);
  ui::Alignment TextAlignment() const { return textAlignment_; }
  void SetTextAlignment(ui::Alignment a);
  int TextOffset() const { return textOffset_; }
  void SetTextOffset(int v);
  bool ShowCaption() const { return showCaption_; }
  void SetShowCaption(bool on);
  TToolButtonStyle ButtonStyle() const { return buttonStyle_; }
  void SetButtonStyle(TToolButtonStyle s);
  ui::PopupMenu* DropdownMenu() const { return dropdownMenu_; }
  void SetDropdownMenu(ui::PopupMenu* m);
  bool DrawOverBorder() const { return drawOverBorder_; }
  void SetDrawOverBorder(bool on);
  bool Reflected() const { return reflected_; }
  void SetReflected(bool on);
  TacAnimatEvents AnimatEvents() const { return animatEvents_; }
  void SetAnimatEvents(TacAnimatEvents e) { animatEvents_ = e; }
  // Called at the end of every cache render with the cache.
  std::function<void(TsSpeedButton&, gfx::Bitmap&)> OnPaint;

  // --- state and painting --------------------------------------------------
  // 2 pressed (down or exclusive), 1 hot (the binding is active), else 0.
  virtual int VisualState() const;
  virtual gfx::Rect PictureBox();
  virtual gfx::Rect CaptionBox();
  virtual int PictureWidth() const;
  virtual int PictureHeight() const;
  virtual gfx::Size CaptionSize();
  // Renders the whole look into the cache; false when it was abandoned (the
  // parent's image is not ready), the cache then stays stale.
  virtual bool RenderCache();
  // Shows the current look now: renders when stale and copies the cache (or
  // the running fade's frame) to the screen.
  void PresentCache();
  // The running fade timer, or null.
  TsAnimTimer* FadeTimer() const { return fadeTimer_; }
  void EndFade();
  int ArrowWidth() const { return buttonStyle_ == TToolButtonStyle::tbsDropDown ? kArrowWidth : 0; }

 protected:
  void WndProc(ui::Message& msg) override;
  void Paint(gfx::Canvas& canvas) override;
  void Loaded() override;
  void Notification(ui::Component* c, ui::Operation op) override;
  void MouseDown(ui::MouseButton button, ui::ShiftState shift, int x, int y) override;
  void MouseUp(ui::MouseButton button, ui::ShiftState shift, int x, int y) override;
  void GlyphChanged() override;
  void GroupButtonPressed(ui::SpeedButton* sender) override;
  void ApplyHoverChange() override;

  virtual void PaintCaption(gfx::Canvas& canvas, bool onCache);
  virtual void DrawCaptionText(gfx::Canvas& canvas, const gfx::Rect& rect, unsigned flags, bool onCache);
  virtual void PaintPicture(gfx::Canvas* canvas);
  virtual void PaintPlain(gfx::Canvas& canvas, bool drawFrame);

 private:
  bool Ready() const;
  void LookChanged();
  void PictureChanged();
  void ApplyStateChange(TacAnimatEvent event, bool halfSteps);
  void BeginFade(bool halfSteps);
  // Lets the siblings that overlap the button paint themselves into its cache.
  void PaintOverlaps();
  void CopyToScreen(const gfx::Bitmap& image);
  void RenderPart(const gfx::Rect& part, int state, const BackdropRef& backdrop);
  void ImagesChanged(ui::Component*);
  void OpenDropdown();
  void UpdateOpaque();

  TsCommonData skinData_;
  int lastNumGlyphs_ = 1;
  int lastSpacing_ = 4;
  bool lastDown_ = false;
  TsAnimTimer* fadeTimer_ = nullptr;
  bool menuOpen_ = false;
  ui::ButtonLayout lastLayout_ = ui::ButtonLayout::blGlyphLeft;
  std::string storedCaption_;

  ButtonImages images_;
  int imageIndex_ = -1;
  int blend_ = 0;
  bool grayed_ = false;
  TsDisabledKinds disabledKind_{dkBlended};
  TsDisabledGlyphKinds disabledGlyphKind_{dgBlended};
  ui::Alignment alignment_ = ui::Alignment::taCenter;
  ui::Alignment textAlignment_ = ui::Alignment::taCenter;
  int textOffset_ = 0;
  bool showCaption_ = true;
  TToolButtonStyle buttonStyle_ = TToolButtonStyle::tbsButton;
  ui::PopupMenu* dropdownMenu_ = nullptr;
  bool drawOverBorder_ = true;
  bool reflected_ = false;
  TacAnimatEvents animatEvents_ = kDefaultAnimatEvents;
};

}  // namespace skin
