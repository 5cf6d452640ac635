// TsRadioButton: the skinned radio button. While a skin is active every
// paint renders the parent's background, the section's look, the caption in
// the section's text colours, the glyph (the skin's RADIOCHECKED or
// RADIOUNCHECKED picture for the state, or an own glyph), the focus dots and
// the disabled look into the binding's cache and copies it to the window.
// Presses, the space bar, hover and focus change the glyph's state; group
// behaviour, arrow keys and accelerators are the platform button's. Without
// a skin it is the plain radio button.
#pragma once

#include <string>

#include "platform/gfx/Bitmap.h"
#include "platform/ui/controls/RadioButton.h"
#include "skin/controls/sCommonData.h"
#include "skin/controls/sFade.h"
#include "skin/controls/sRadioButtonLayout.h"
#include "skin/paint/DisabledLook.h"

namespace skin {

class TsFadeTimer;

class TsRadioButton : public ui::RadioButton, public TsSkinnedControl {
 public:
  explicit TsRadioButton(ui::Component* owner);
  ~TsRadioButton() override;

  std::string ClassName() const override { return "TsRadioButton"; }
  bool InheritsFrom(const std::string& c) const override {
    return c == "TsRadioButton" || ui::RadioButton::InheritsFrom(c);
  }

  TsCommonData& SkinData() override { return skinData_; }
  const TsCommonData& SkinData() const { return skinData_; }

  // --- published ---------------------------------------------------------
  int Margin() const { return margin_; }
  void SetMargin(int m);
  int TextIndent() const { return textIndent_; }
  void SetTextIndent(int i);
  bool ShowFocus() const { return showFocus_; }
  void SetShowFocus(bool on);
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool on) { readOnly_ = on; }
  TsDisabledKinds DisabledKind() const { return disabledKind_; }
  void SetDisabledKind(TsDisabledKinds k);
  TacAnimatEvents AnimatEvents() const { return animatEvents_; }
  void SetAnimatEvents(TacAnimatEvents e) { animatEvents_ = e; }
  // Own glyphs replace the skin's; the bitmaps are copied. A strip of square
  // frames holds the normal, hot and pressed pictures.
  const gfx::Bitmap& GlyphChecked() const { return glyphChecked_; }
  void SetGlyphChecked(const gfx::Bitmap& b) { SetGlyph(glyphChecked_, b, true); }
  const gfx::Bitmap& GlyphUnChecked() const { return glyphUnChecked_; }
  void SetGlyphUnChecked(const gfx::Bitmap& b) { SetGlyph(glyphUnChecked_, b, false); }

  // --- state and painting --------------------------------------------------
  // A press or a space key is in progress on this (skinned) button.
  bool PressedNow() const { return pressed_; }
  // 2 pressed, 1 focused or hovered (not read-only), else 0.
  int GlyphState() const;
  // The glyph picture in use: its size and, for a skin glyph, its mask index
  // (-1 for an own glyph or none).
  RadioGlyphCell GlyphCell(int* maskIndex = nullptr) const;
  gfx::Rect GlyphBox() const;
  void RenderCache();
  void PaintRadioSkinned(gfx::Canvas* dc);
  TsFadeTimer* FadeTimer() const { return fadeTimer_; }

 protected:
  void Loaded() override;
  void Invalidate() override;
  void WndProc(ui::Message& msg) override;
  bool CanAutoSize(int& width, int& height) override;
  void KeyDown(unsigned& key, ui::ShiftState shift) override;
  void KeyUp(unsigned& key, ui::ShiftState shift) override;
  void ApplyHoverChange() override;

 private:
  bool Skinned() const;
  bool Ready() const;
  bool HandleCommands(ui::Message& msg);
  bool HandleFocus(ui::Message& msg);
  bool HandleSkinned(ui::Message& msg);
  bool HandleUnskinned(ui::Message& msg);
  void Press(ui::Message& msg);
  void Release(ui::Message& msg);
  void SetGlyph(gfx::Bitmap& slot, const gfx::Bitmap& b, bool checkedSlot);
  const gfx::Bitmap* OwnGlyph() const;
  // Measures the caption as the layout does (tw x th), on the cache canvas.
  gfx::Size MeasureCaption(int room) const;
  void PaintCaption(gfx::Bitmap& cache, int gw);
  void PaintGlyph(gfx::Bitmap& cache);
  void StopFade();

  TsCommonData skinData_;
  TsFadeTimer* fadeTimer_ = nullptr;
  int margin_ = 2;
  int textIndent_ = 0;
  bool showFocus_ = true;
  bool readOnly_ = false;
  bool pressed_ = false;
  bool spaceHeld_ = false;
  TsDisabledKinds disabledKind_{dkBlended};
  TacAnimatEvents animatEvents_ = kDefaultAnimatEvents;
  gfx::Bitmap glyphChecked_;
  gfx::Bitmap glyphUnChecked_;
  // The parent's background under the button, kept for the disabled look.
  gfx::Bitmap background_;
};

}  // namespace skin
