// TsSkinManager: the component that owns the loaded skin, decides where a
// skin comes from, applies it to every window of the program through the
// skin command broadcasts and takes it away again. The first manager created
// is the process's default manager; controls and frames without a manager of
// their own use it.
//
// A load builds a new model and the manager swaps it in only when the load
// succeeded; a failed load or switch shows its message once and keeps the
// previous skin applied (none before: unskinned).
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Color.h"
#include "platform/ui/Component.h"
#include "platform/ui/controls/MessageBox.h"
#include "skin/controls/SkinBorderImages.h"
#include "skin/controls/SkinSeams.h"
#include "skin/controls/SkinnedFormRegistry.h"
#include "skin/controls/sAnimEffects.h"
#include "skin/data/SkinLoader.h"
#include "skin/data/SkinModel.h"
#include "skin/data/sMaskData.h"

namespace ui {
class Control;
class WinControl;
}  // namespace ui

namespace skin {

// `MenuSupport`.
struct TacMenuFont {
  std::string Name = "Tahoma";
  int Height = -11;
};
struct TacMenuSupport {
  std::string IcoLineSkin;  // "ICOLINE" when empty after loading
  bool UseExtraLine = false;
  int ExtraLineWidth = 32;
  TacMenuFont ExtraLineFont;
};

// `ThirdParty`: eighteen lists of class names of foreign controls to skin,
// each a text of lines, addressed by index.
enum ThirdPartyIndex : int {
  ThirdEdits,
  ThirdButtons,
  ThirdBitBtns,
  ThirdCheckBoxes,
  ThirdComboBoxes,
  ThirdGrids,
  ThirdGroupBoxes,
  ThirdListViews,
  ThirdPanels,
  ThirdTreeViews,
  ThirdWWEdits,
  ThirdGridEh,
  ThirdVirtualTrees,
  ThirdPageControl,
  ThirdTabControl,
  ThirdToolBar,
  ThirdStatusBar,
  ThirdSpeedButton,
  ThirdPartyCount
};
struct ThirdPartyList {
  std::array<std::string, ThirdPartyCount> Lists;
  // The property name of list i ("ThirdEdits", ...).
  static const char* NameOf(int index);
  // The built-in default of list i (lines separated by "\n").
  static const std::string& DefaultOf(int index);
  // Every empty list gets its default (" " is not empty).
  void FillDefaults();
};

// `SkinningRules`.
enum class TacSkinningRule : std::uint8_t { srStdForms, srStdDialogs, srThirdParty };
struct TacSkinningRules {
  std::uint8_t Bits = 0x7;  // all three
  bool Contains(TacSkinningRule r) const { return (Bits & (1u << static_cast<unsigned>(r))) != 0; }
  friend bool operator==(TacSkinningRules, TacSkinningRules) = default;
};

class TsSkinManager : public ui::Component {
 public:
  explicit TsSkinManager(ui::Component* owner);
  ~TsSkinManager() override;

  std::string ClassName() const override { return "TsSkinManager"; }
  bool InheritsFrom(const std::string& c) const override {
    return c == "TsSkinManager" || ui::Component::InheritsFrom(c);
  }

  // --- published settings -------------------------------------------------
  // Reads true only while the window system offers layered windows.
  bool ExtendedBorders() const;
  void SetExtendedBorders(bool on);
  bool SkinnedPopups() const { return skinnedPopups_; }
  void SetSkinnedPopups(bool on);
  // Reads true only while layered windows are offered and the process is
  // not a 32-bit process on a 64-bit system without desktop composition.
  bool AllowGlowing() const;
  void SetAllowGlowing(bool on) { allowGlowing_ = on; }
  TacAnimEffects& AnimEffects() { return animEffects_; }
  const TacAnimEffects& AnimEffects() const { return animEffects_; }
  // True when this manager is the default manager. Setting false on the
  // default manager does nothing.
  bool IsDefault() const { return DefaultManager() == this; }
  void SetIsDefault(bool on);
  bool Active() const { return active_; }
  void SetActive(bool on);
  const std::vector<std::string>& CommonSections() const { return commonSections_; }
  // Blanks are removed from every line that does not begin with ";"; then
  // the skin is set again.
  void SetCommonSections(const std::vector<std::string>& lines);
  int Saturation() const { return saturation_; }
  void SetSaturation(int value);
  int HueOffset() const { return hueOffset_; }
  void SetHueOffset(int value);
  TsStoredSkins& InternalSkins() { return internalSkins_; }
  const TsStoredSkins& InternalSkins() const { return internalSkins_; }
  TacMenuSupport& MenuSupport() { return menuSupport_; }
  const TacMenuSupport& MenuSupport() const { return menuSupport_; }
  const std::string& SkinDirectory() const { return skinDirectory_; }
  void SetSkinDirectory(const std::string& dir);
  const std::string& SkinName() const { return skinName_; }
  // Loads and applies the named skin (when active); see the .cpp.
  void SetSkinName(const std::string& name);
  // "N/A" when no skin is active, else the skin's VERSION with "." as
  // decimal separator ("6.69", "7").
  std::string SkinInfo() const;
  static constexpr const char* kVersion = "6.69";
  std::string Version() const { return kVersion; }
  TacSkinningRules SkinningRules() const { return skinningRules_; }
  void SetSkinningRules(TacSkinningRules rules);
  ThirdPartyList& ThirdParty() { return thirdParty_; }
  const ThirdPartyList& ThirdParty() const { return thirdParty_; }

  std::function<void()> OnAfterChange;
  std::function<void()> OnBeforeChange;
  // Supplies the text of the menu extra line.
  std::function<void(std::string& text)> OnGetMenuExtraLineData;

  // --- the skin ------------------------------------------------------------
  // The loaded skin, or null. While a change is under way the model exists
  // but is marked inactive (SkinWideData.Active false).
  const TsSkinModel* Model() const { return model_.get(); }
  // A skin is loaded and applied.
  bool SkinLoaded() const { return model_ && model_->SkinWideData.Active; }
  // The skin's global colour; without a model the resolved button face.
  gfx::Color GetGlobalColor() const;

  const gfx::Bitmap& ActiveBorderImage() const { return activeBorderImage_; }
  const gfx::Bitmap& InactiveBorderImage() const { return inactiveBorderImage_; }
  const TacBorderMargins& ExtMargins() const { return extMargins_; }
  TsSkinableMenus& SkinableMenus() { return *menus_; }

  // --- operations ------------------------------------------------------------
  // The new skin reaches every window (skin command 1).
  void Apply();
  // Every window repaints from the skin (skin commands 16, then 3).
  void Repaint();
  // Skinning goes away (skin command 2); the tables are freed.
  void Deactivate();
  // Fills `list` with the available skins, sorted without regard to case and
  // without duplicates: internal skins, then (mode 0 or 2) the skin
  // directories, (mode 1 or 2) the packages. Returns the first name found
  // (internal skins first), "" when none.
  std::string ListSkins(std::vector<std::string>& list, int mode = 2) const;
  // The skin directory as this platform reads it.
  std::string ResolvedSkinDirectory() const;

  // --- process-wide state ------------------------------------------------
  static TsSkinManager* DefaultManager();
  // True while a skin is being changed (painting code may skip work).
  static bool SkinChanging();
  // The skinned control under the mouse (cleared when a skin is applied).
  static ui::Control* HoveredControl();
  static void SetHoveredControl(ui::Control* c);
  // Called by a control that goes away, so the note never dangles.
  static void ForgetHoveredControl(const ui::Control* c);
  // True when standard dialogs stay unskinned.
  static bool StdDialogsUnskinned();
  // The application is being minimised (noted by the main-window hook).
  static bool AppMinimized();
  // Listeners told when skinning goes on (true) or off (false).
  static int AddActiveListener(std::function<void(bool)> listener);
  static void RemoveActiveListener(int id);
  // Listeners told when a manager begins to be destroyed, before it sends
  // anything; bindings that hold the manager drop it there.
  static int AddDestroyListener(std::function<void(TsSkinManager&)> listener);
  static void RemoveDestroyListener(int id);
  // Where the manager's messages for the user go (load errors, the version
  // warning); null restores the message box.
  using MessageShower = std::function<void(const std::string& text, ui::MessageIcon icon)>;
  static void SetMessageShower(MessageShower shower);
  // Shows a message to the user through the current shower.
  static void ShowSkinMessage(const std::string& text, ui::MessageIcon icon);

  // The setting a description written for another system carries; it means
  // this platform's skin directory.
  static constexpr const char* kDefaultSkinDirectory = "c:\\Skins";

 protected:
  void Loaded() override;
  void BeforeDestruction() override;

 private:
  enum class ChangeKind { NameSet, Reload, Loaded };
  // One frozen form: its frame component and whether it was locked here.
  struct FrozenForm {
    TacSkinnedForm* entry;
    ui::Form* form;
  };

  TsLoadSettings MakeLoadSettings() const;
  // Loads the skin for `name` into a new model (may rename `name` to the
  // first stored skin); null when there is no source at all. Throws on error.
  std::unique_ptr<TsSkinModel> LoadSkin(std::string& name, std::vector<std::string>& warnings) const;
  // The package file of a skin name in the resolved directory.
  std::string PackageFileOf(const std::string& name) const;
  // Loads the skin of SkinName and applies it, keeping the previous skin
  // when the load fails.
  void ChangeSkin(const std::string& oldName, ChangeKind kind);
  // Reloads the current skin after a colour or border setting changed.
  void Reload();
  // The steps of Apply before the repaint; the frozen forms stay frozen.
  void ApplySteps();
  // Locks redrawing of this manager's visible registered forms, each at
  // most once per change; Thaw unlocks exactly those and repaints them.
  void Freeze();
  void Thaw();
  // Sends skin command `code` to every form and its children, in the order
  // unregistered forms, registered forms, windows of the dialog hook.
  void Broadcast(int code);
  bool UsesThisManager(const TacSkinnedForm& entry) const;
  void UpdateBorderImages();
  void UpdateStdDialogsFlag();
  void NotifyActive(bool on);
  void InstallAppHook();
  void RemoveAppHook();
  // The application-window hook; true when the message is consumed.
  bool HandleAppMessage(ui::Message& m);
  static void SetAppMinimized(bool on);
  // Raises the skin-changing flag for its lifetime (nests).
  class ChangingScope {
   public:
    ChangingScope();
    ~ChangingScope();
    ChangingScope(const ChangingScope&) = delete;
    ChangingScope& operator=(const ChangingScope&) = delete;

   private:
    bool old_;
  };

  bool extendedBorders_ = false;
  bool skinnedPopups_ = true;
  bool allowGlowing_ = true;
  TacAnimEffects animEffects_;
  bool active_ = true;
  std::vector<std::string> commonSections_;
  int saturation_ = 0;
  int hueOffset_ = 0;
  TsStoredSkins internalSkins_;
  TacMenuSupport menuSupport_;
  std::string skinDirectory_;
  std::string skinName_;
  TacSkinningRules skinningRules_;
  ThirdPartyList thirdParty_;

  std::unique_ptr<TsSkinModel> model_;
  gfx::Bitmap activeBorderImage_;
  gfx::Bitmap inactiveBorderImage_;
  TacBorderMargins extMargins_;
  std::unique_ptr<TsSkinableMenus> menus_;
  int appHookId_ = 0;
  std::vector<FrozenForm> frozen_;
  bool animateChange_ = false;
};

}  // namespace skin
