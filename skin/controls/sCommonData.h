// The skin binding of a control (published as its SkinData): the skin section
// it paints with and the indexes resolved from it, the control's rendered
// image (the cache), its skin state (focused, hovered, stale) and its part in
// the skin command protocol. Every skinned control owns one; the form frame
// skinning object owns one for its form.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Color.h"
#include "platform/ui/Messages.h"
#include "skin/controls/sCornerMemo.h"
#include "skin/controls/sSkinCommands.h"

namespace ui {
class Component;
class Control;
class Form;
class WinControl;
}  // namespace ui

namespace skin {

class TsSkinManager;
class TsSkinModel;
struct TsGeneralData;

// StateFlags bits.
inline constexpr std::uint16_t sfPlainBackground = 0x0001;
inline constexpr std::uint16_t sfMenuChangePending = 0x0400;
inline constexpr std::uint16_t sfMenuLineChange = 0x0800;

// What a form's frame skinning object does for the binding it owns for its
// form (that binding has no owner control).
class TsFormBindingHost {
 public:
  virtual ~TsFormBindingHost() = default;
  virtual ui::Form* HostForm() const = 0;
  // Forget the cached frame image (the section changed).
  virtual void DropFrameImage() = 0;
  // Redraw the whole frame and client area.
  virtual void RedrawFrame() = 0;
  // The form's frame style is the dialog style (2).
  virtual bool DialogFrameStyle() const { return false; }
};

class TsCommonData;

// What every skinned control offers the binding code: its binding and the
// reaction to a hover change.
class TsSkinnedControl {
 public:
  virtual ~TsSkinnedControl() = default;
  virtual TsCommonData& SkinData() = 0;
  // The mouse entered or left the control; it shows its new state (at once
  // or through a fade). The default repaints.
  virtual void ApplyHoverChange();
};

// The binding of a skinned control, null for any other control.
TsCommonData* SkinDataOf(ui::Control* c);

class TsCommonData {
 public:
  // `owner` is the control (or the form skinning object) that creates the
  // binding; with `withCache` an empty 24-bit cache is made at once.
  TsCommonData(ui::Component* owner, bool withCache, std::int32_t controlKind = 0);
  ~TsCommonData();
  TsCommonData(const TsCommonData&) = delete;
  TsCommonData& operator=(const TsCommonData&) = delete;

  // --- published ---------------------------------------------------------
  const std::string& SkinSection() const { return skinSection_; }
  // Upper-cases the name ("UNKNOWN" for an empty one); on a change resolves
  // and tells the owner with command 3 (valid section) or 2.
  void SetSkinSection(std::string_view name);
  // The manager as set; none means the global (default) manager.
  TsSkinManager* SkinManager() const { return skinManager_; }
  void SetSkinManager(TsSkinManager* m);
  bool CustomColor() const { return customColor_; }
  void SetCustomColor(bool on);
  bool CustomFont() const { return customFont_; }
  void SetCustomFont(bool on);

  // --- state (fields, in the protocol's order) ---------------------------
  std::int32_t GlowId = -1;
  bool ParentUpdating = false;
  std::int32_t MaskIndex = -1;
  std::int32_t SectionIndex = -1;
  std::int32_t TextureIndex = -1;
  std::int32_t HotTextureIndex = -1;
  bool PaintingHeld = false;
  bool CacheStale = true;
  bool RenderNextPaint = true;
  ui::Control* OwnerControl = nullptr;
  ui::Component* OwnerObject = nullptr;
  gfx::Bitmap CacheBitmap;  // 24-bit; empty (0 x 0) when there is none
  std::int32_t ControlKind = 0;
  bool HasFocus = false;
  bool MouseOver = false;
  std::uint16_t StateFlags = 0;
  std::uint16_t GradientKind = 0;
  // Set by the form skinning object for a form binding.
  TsFormBindingHost* FormHost = nullptr;
  // The last corner refresh (RefreshItemCorners), forgotten on every notice
  // that the background behind the control may have changed.
  TsCornerMemo CornerMemo;

  // The manager in effect: the own one, else the default manager; null when
  // neither exists or the one in effect is being destroyed.
  TsSkinManager* Manager() const;
  // The model of that manager, null without a loaded skin.
  const TsSkinModel* Model() const;
  // The record of SectionIndex, null when not valid.
  const TsGeneralData* Section() const;
  // The cache exists (it may be 0 x 0 while emptied).
  bool HasCache() const { return hasCache_; }

  // --- tests -------------------------------------------------------------
  bool IsSkinned(bool withActiveCheck = false) const;
  bool IsActive() const;
  bool IsUpdating() const;
  bool NeedsParentBackground() const;
  bool NeedsOwnImage() const;

  // --- state changes -----------------------------------------------------
  void Resolve();
  // The owner's after-loading hook (skinned controls made with new call it
  // at the end of their constructor).
  void Loaded();
  void Invalidate();
  // Creates the cache when missing and sizes it to the owner. Never throws:
  // a size the bitmap cannot have leaves the cache empty and stale.
  gfx::Bitmap& EnsureCache();
  void BeginMenuChange();
  void EndMenuChange(bool invalidate);
  // Shows or hides the section's glow after a hover change; `refresh` hides
  // a glow that is shown.
  void UpdateGlow(bool refresh);
  // Recomputes StateFlags' plain-background bit for container owners.
  void UpdatePlainBackgroundBit();

  // --- messages ----------------------------------------------------------
  // The common handler and the command handler. True when the message was
  // answered (msg.result is set); a control's procedure passes everything
  // else on to its platform base.
  bool HandleMessage(ui::Message& msg);
  // Only the SM_ALPHACMD commands; false for other messages and unknown codes.
  bool HandleCommand(ui::Message& msg);

  // The owner as a windowed control, or null.
  ui::WinControl* OwnerWindow() const;

 private:
  void AnnounceSectionChange();
  void Unbind();
  bool HandleMouseNotice(ui::Message& msg);
  void ApplyEditColors();
  void ApplyHoverChange();
  bool IsContainerOwner() const;
  bool OwnerCanPaint() const;

  std::string skinSection_;
  TsSkinManager* skinManager_ = nullptr;
  bool customColor_ = false;
  bool customFont_ = false;
  bool hasCache_ = false;
  int destroyListener_ = 0;
};

}  // namespace skin
