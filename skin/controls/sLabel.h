// The skinned labels: windowless text controls without a binding of their
// own. They take their text colour from the skin of the nearest suitable
// ancestor (or the skin's global section) at every paint, may paint a named
// section's background behind the text, and draw disabled text mixed toward
// the parent's colour.
//
// TsCustomLabel is the base, TsLabel adds UseSkinColor, TsEditLabel is the
// caption label a bound label places next to its control. The web label is
// in sWebLabel.h.
#pragma once

#include <string>
#include <string_view>

#include "platform/ui/controls/Label.h"

namespace skin {

class TsBoundLabel;

class TsCustomLabel : public ui::Label {
 public:
  explicit TsCustomLabel(ui::Component* owner);
  ~TsCustomLabel() override;

  std::string ClassName() const override { return "TsCustomLabel"; }
  bool InheritsFrom(const std::string& c) const override {
    return c == "TsCustomLabel" || ui::Label::InheritsFrom(c);
  }

  // A section whose background is painted behind the text and whose text
  // colour the label takes (stored upper-case, like a binding's section).
  const std::string& SkinSection() const { return skinSection_; }
  void SetSkinSection(std::string_view section);

  // The font to paint with; the paint copies it into Font.
  virtual gfx::Font EffectiveFont();

  // True while some label adjusts its font inside its paint (its own font
  // change notice is ignored then). One flag for the whole process.
  static bool AdjustingFont();

 protected:
  void Paint(gfx::Canvas& canvas) override;
  void DoDrawText(gfx::Canvas& canvas, gfx::Rect& rect, unsigned flags) override;
  void WndProc(ui::Message& msg) override;
  // The font coloured by the ancestors' skin (when a skin is active).
  gfx::Font AncestorColoredFont() const;
  // Copies EffectiveFont (coloured by SkinSection when the skin has it)
  // into Font, unless some label is doing so already.
  void TakeEffectiveFont();
  // Skin command 2 resets the font colour (TsLabel: only with UseSkinColor).
  virtual bool ResetsColorOnUnload() const { return true; }

 private:
  void PaintSectionBackground(gfx::Canvas& canvas);

  std::string skinSection_;
};

class TsLabel : public TsCustomLabel {
 public:
  explicit TsLabel(ui::Component* owner);
  std::string ClassName() const override { return "TsLabel"; }
  bool InheritsFrom(const std::string& c) const override {
    return c == "TsLabel" || TsCustomLabel::InheritsFrom(c);
  }

  // The text colour follows the skin (default true).
  bool UseSkinColor() const { return useSkinColor_; }
  void SetUseSkinColor(bool on);

  gfx::Font EffectiveFont() override;

 protected:
  bool ResetsColorOnUnload() const override { return useSkinColor_; }

 private:
  bool useSkinColor_ = true;
};

// The caption label of a bound label; it tells its bound label when it goes.
class TsEditLabel : public TsLabel {
 public:
  TsEditLabel(ui::Component* owner, TsBoundLabel* boundLabel);
  ~TsEditLabel() override;
  std::string ClassName() const override { return "TsEditLabel"; }
  bool InheritsFrom(const std::string& c) const override {
    return c == "TsEditLabel" || TsLabel::InheritsFrom(c);
  }
  TsBoundLabel* BoundLabel() const { return boundLabel_; }
  // Called by the bound label when it goes first.
  void ForgetBoundLabel() { boundLabel_ = nullptr; }

 private:
  TsBoundLabel* boundLabel_;
};

// The default manager exists and its skin is active.
bool SkinActive();

}  // namespace skin
