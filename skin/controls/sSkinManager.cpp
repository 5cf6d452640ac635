#include "skin/controls/sSkinManager.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <map>
#include <system_error>

#include "platform/ui/Application.h"
#include "platform/ui/Screen.h"
#include "platform/ui/WindowTypes.h"
#include "platform/ui/controls/MessageBox.h"
#include "platform/ui/controls/ProgramInfo.h"
#include "platform/ui/forms/Form.h"
#include "skin/controls/SkinBorderImages.h"
#include "skin/controls/SkinDirectory.h"
#include "skin/controls/SkinnedFormRegistry.h"
#include "skin/data/SkinErrors.h"

namespace skin {
namespace {

// Process-wide state of the skin runtime.
struct ProcessState {
  TsSkinManager* defaultManager = nullptr;
  bool skinChanging = false;
  ui::Control* hovered = nullptr;
  bool stdDialogsUnskinned = true;
  bool appMinimized = false;
  int nextListenerId = 1;
  std::map<int, std::function<void(bool)>> activeListeners;
  std::map<int, std::function<void(TsSkinManager&)>> destroyListeners;
  TsSkinManager::MessageShower shower;
};

ProcessState& Runtime() {
  static ProcessState state;
  return state;
}

void ShowUserMessage(const std::string& text, ui::MessageIcon icon) {
  if (Runtime().shower) {
    Runtime().shower(text, icon);
    return;
  }
  const std::string caption = ui::Application::Exists() ? ui::Application::Instance().Title() : "";
  ui::ShowMessageBox(text, caption, icon);
}

bool FileExists(const std::string& path) {
  std::error_code ec;
  return std::filesystem::is_regular_file(path, ec);
}

std::string RemoveBlanks(const std::string& line) {
  if (line.starts_with(';')) return line;
  std::string out;
  for (char c : line)
    if (c != ' ') out += c;
  return out;
}

}  // namespace

// --- ThirdPartyList ----------------------------------------------------------

const char* ThirdPartyList::NameOf(int index) {
  static const char* const kNames[ThirdPartyCount] = {
      "ThirdEdits",   "ThirdButtons",    "ThirdBitBtns",      "ThirdCheckBoxes",  "ThirdComboBoxes",
      "ThirdGrids",   "ThirdGroupBoxes", "ThirdListViews",    "ThirdPanels",      "ThirdTreeViews",
      "ThirdWWEdits", "ThirdGridEh",     "ThirdVirtualTrees", "ThirdPageControl", "ThirdTabControl",
      "ThirdToolBar", "ThirdStatusBar",  "ThirdSpeedButton"};
  return index >= 0 && index < ThirdPartyCount ? kNames[index] : "";
}

const std::string& ThirdPartyList::DefaultOf(int index) {
  // The standard classes of each kind that the automatic skinning takes on.
  static const std::string kDefaults[ThirdPartyCount] = {
      "TEdit\nTMemo\nTMaskEdit\nTLabeledEdit\nTDBEdit\nTDBMemo\nTRichEdit",
      "TButton",
      "TBitBtn",
      "TCheckBox\nTDBCheckBox",
      "TComboBox\nTColorBox\nTDBComboBox\nTDBLookupComboBox",
      "TStringGrid\nTDrawGrid\nTDBGrid",
      "TGroupBox\nTRadioGroup\nTDBRadioGroup",
      "TListView",
      "TPanel\nTDBCtrlPanel",
      "TTreeView",
      "TwwDBEdit\nTwwDBComboBox",
      "TDBGridEh",
      "TVirtualStringTree\nTVirtualDrawTree",
      "TPageControl",
      "TTabControl",
      "TToolBar",
      "TStatusBar",
      "TSpeedButton"};
  static const std::string kNone;
  return index >= 0 && index < ThirdPartyCount ? kDefaults[index] : kNone;
}

void ThirdPartyList::FillDefaults() {
  for (int i = 0; i < ThirdPartyCount; ++i)
    if (Lists[static_cast<std::size_t>(i)].empty()) Lists[static_cast<std::size_t>(i)] = DefaultOf(i);
}

// --- construction -----------------------------------------------------------

TsSkinManager::TsSkinManager(ui::Component* owner) : ui::Component(owner), menus_(MakeSkinableMenus(*this)) {
  if (!Runtime().defaultManager) {
    Runtime().defaultManager = this;
    InstallAppHook();
  }
  thirdParty_.FillDefaults();
  skinDirectory_ = kDefaultSkinDirectory;
}

TsSkinManager::~TsSkinManager() { BeginDestruction(); }

void TsSkinManager::BeforeDestruction() {
  // Bindings drop this manager before anything else happens, and the
  // default role goes first, so nothing reaches a manager half torn down.
  auto listeners = Runtime().destroyListeners;
  for (auto& [id, fn] : listeners)
    if (fn) fn(*this);
  const bool wasDefault = Runtime().defaultManager == this;
  if (wasDefault) Runtime().defaultManager = nullptr;
  Deactivate();
  if (wasDefault && DialogHook().Installed()) DialogHook().Remove();
  RemoveAppHook();
  ui::Component::BeforeDestruction();
}

void TsSkinManager::Loaded() {
  ui::Component::Loaded();
  if (skinDirectory_.empty()) skinDirectory_ = kDefaultSkinDirectory;
  if (menuSupport_.IcoLineSkin.empty()) menuSupport_.IcoLineSkin = "ICOLINE";
  thirdParty_.FillDefaults();
  // The setters only stored their values while loading; the skin named by
  // the description is loaded and applied here, whatever the order of keys.
  if (active_ && !skinName_.empty()) ChangeSkin(skinName_, ChangeKind::Loaded);
  UpdateStdDialogsFlag();
}

// --- settings ---------------------------------------------------------------

namespace {
bool LayeredWindows() { return ui::Application::Exists() && ui::Form::LayeredAvailable(); }
}  // namespace

bool TsSkinManager::ExtendedBorders() const { return extendedBorders_ && LayeredWindows(); }

void TsSkinManager::SetExtendedBorders(bool on) {
  if (on == extendedBorders_) return;
  extendedBorders_ = on;
  if (Loading()) return;
  UpdateBorderImages();
  if (SkinLoaded()) Reload();
}

void TsSkinManager::SetSkinnedPopups(bool on) {
  if (on == skinnedPopups_) return;
  skinnedPopups_ = on;
  if (!Loading()) menus_->HookPopupMenus(on);
}

bool TsSkinManager::AllowGlowing() const {
  if (!allowGlowing_ || !LayeredWindows()) return false;
  auto& app = ui::Application::Instance();
  return !(app.Facts().Wow64 && !app.Screen().CompositionOn());
}

void TsSkinManager::SetIsDefault(bool on) {
  if (!on && Runtime().defaultManager) return;  // another manager cannot be made default by clearing
  Runtime().defaultManager = this;
  if (Loading()) return;
  if (active_ && model_) {
    Apply();
    Repaint();
  } else {
    Deactivate();
  }
}

void TsSkinManager::SetActive(bool on) {
  if (on == active_) return;
  active_ = on;
  if (Loading()) return;
  if (on) {
    SetSkinName(skinName_);
  } else {
    Deactivate();
  }
}

void TsSkinManager::SetCommonSections(const std::vector<std::string>& lines) {
  commonSections_.clear();
  for (const auto& l : lines) commonSections_.push_back(RemoveBlanks(l));
  SetSkinName(skinName_);
}

void TsSkinManager::SetSaturation(int value) {
  if (value == saturation_) return;
  saturation_ = value;
  if (!Loading() && SkinLoaded()) Reload();
}

void TsSkinManager::SetHueOffset(int value) {
  if (value == hueOffset_) return;
  hueOffset_ = value;
  if (!Loading() && SkinLoaded()) Reload();
}

void TsSkinManager::SetSkinDirectory(const std::string& dir) {
  skinDirectory_ = dir;
  if (model_ && !Loading()) model_->SkinWideData.SkinPath = ResolvedSkinDirectory() + "/";
}

void TsSkinManager::SetSkinName(const std::string& name) {
  const std::string old = skinName_;
  skinName_ = name;
  if (!active_ || Loading()) return;
  ChangeSkin(old, ChangeKind::NameSet);
}

std::string TsSkinManager::SkinInfo() const {
  if (!SkinLoaded()) return "N/A";
  char buf[64];
  const auto r = std::to_chars(buf, buf + sizeof buf, model_->SkinWideData.Version);
  return std::string(buf, r.ptr);
}

void TsSkinManager::SetSkinningRules(TacSkinningRules rules) {
  skinningRules_ = rules;
  UpdateStdDialogsFlag();
}

void TsSkinManager::UpdateStdDialogsFlag() {
  Runtime().stdDialogsUnskinned = !(skinningRules_.Contains(TacSkinningRule::srStdDialogs) && SkinLoaded());
}

gfx::Color TsSkinManager::GetGlobalColor() const {
  if (model_) return model_->GetGlobalColor();
  return gfx::ColorToRGB(gfx::clBtnFace);
}

// --- loading ------------------------------------------------------------------

std::string TsSkinManager::ResolvedSkinDirectory() const {
  return ResolveSkinDirectory(skinDirectory_, ui::ProgramDirectory(), PlatformSkinDirectory());
}

std::string TsSkinManager::PackageFileOf(const std::string& name) const {
  return ResolvedSkinDirectory() + "/" + name + ".osz";
}

TsLoadSettings TsSkinManager::MakeLoadSettings() const {
  TsLoadSettings s;
  s.Owner = const_cast<TsSkinManager*>(this);
  s.HueOffset = hueOffset_;
  s.Saturation = saturation_;
  s.CommonSections = commonSections_;
  return s;
}

std::unique_ptr<TsSkinModel> TsSkinManager::LoadSkin(std::string& name,
                                                     std::vector<std::string>& warnings) const {
  const TsLoadSettings settings = MakeLoadSettings();
  const std::string dir = ResolvedSkinDirectory();
  auto take = [&](TsLoadResult r) {
    warnings = std::move(r.Warnings);
    return std::move(r.Model);
  };
  if (!name.empty()) {
    // The user's skin directory first, then the skins installed with the
    // program; a package before a directory of the same name in each.
    for (const std::string& d : {dir, InstalledSkinDirectory(ui::ProgramDirectory())}) {
      if (auto r = LoadSkinFromPackageFile(d + "/" + name + ".osz", d + "/", settings))
        return take(std::move(*r));
      const std::string skinDir = d + "/" + name;
      if (FileExists(skinDir + "/Options.dat")) return take(LoadSkinFromDirectory(skinDir, settings));
    }
  }
  const int stored = SelectStoredSkin(internalSkins_, name);
  if (stored >= 0)
    return take(LoadSkinFromStored(internalSkins_[static_cast<std::size_t>(stored)], settings));
  return nullptr;
}

void TsSkinManager::ChangeSkin(const std::string& oldName, ChangeKind kind) {
  const bool callbacks = kind != ChangeKind::Reload;
  if (callbacks && OnBeforeChange) OnBeforeChange();
  {
    ChangingScope changing;
    if (model_) model_->SkinWideData.Active = false;

    std::unique_ptr<TsSkinModel> fresh;
    std::vector<std::string> warnings;
    std::string error;
    bool failed = false;
    try {
      fresh = LoadSkin(skinName_, warnings);
    } catch (const std::exception& e) {
      failed = true;
      error = e.what();
      skinName_ = oldName;
    }
    if (failed) {
      ShowUserMessage(error, ui::MessageIcon::Error);
      // With no skin to keep (a broken skin on disk shadowing the stored one
      // at start-up), the stored skin is used instead of none at all.
      if (!model_) {
        try {
          std::string name = skinName_;
          const int stored = SelectStoredSkin(internalSkins_, name);
          if (stored >= 0) {
            TsLoadResult r = LoadSkinFromStored(internalSkins_[static_cast<std::size_t>(stored)], MakeLoadSettings());
            fresh = std::move(r.Model);
            warnings = std::move(r.Warnings);
            skinName_ = name;
          }
        } catch (const std::exception&) {
          fresh.reset();
        }
      }
    }
    if (fresh) {
      for (const auto& w : warnings) ShowUserMessage(w, ui::MessageIcon::Warning);
      model_ = std::move(fresh);
    } else if (!failed) {
      // No skin anywhere: skinning switches itself off without a word.
      active_ = false;
    }
    if (!model_ || !active_) {
      active_ = active_ && model_ != nullptr;
      Deactivate();
    } else if (kind == ChangeKind::Loaded) {
      ApplySteps();
      Thaw();
    } else {
      ApplySteps();
      Repaint();
    }
  }
  if (callbacks && OnAfterChange) OnAfterChange();
  UpdateStdDialogsFlag();
}

void TsSkinManager::Reload() { ChangeSkin(skinName_, ChangeKind::Reload); }

// --- process-wide state -------------------------------------------------------

TsSkinManager* TsSkinManager::DefaultManager() { return Runtime().defaultManager; }
bool TsSkinManager::SkinChanging() { return Runtime().skinChanging; }
ui::Control* TsSkinManager::HoveredControl() { return Runtime().hovered; }
void TsSkinManager::SetHoveredControl(ui::Control* c) { Runtime().hovered = c; }
void TsSkinManager::ForgetHoveredControl(const ui::Control* c) {
  if (Runtime().hovered == c) Runtime().hovered = nullptr;
}
bool TsSkinManager::StdDialogsUnskinned() { return Runtime().stdDialogsUnskinned; }
bool TsSkinManager::AppMinimized() { return Runtime().appMinimized; }
void TsSkinManager::SetAppMinimized(bool on) { Runtime().appMinimized = on; }

TsSkinManager::ChangingScope::ChangingScope() : old_(Runtime().skinChanging) {
  Runtime().skinChanging = true;
}
TsSkinManager::ChangingScope::~ChangingScope() { Runtime().skinChanging = old_; }

int TsSkinManager::AddActiveListener(std::function<void(bool)> listener) {
  const int id = Runtime().nextListenerId++;
  Runtime().activeListeners[id] = std::move(listener);
  return id;
}
void TsSkinManager::RemoveActiveListener(int id) { Runtime().activeListeners.erase(id); }

int TsSkinManager::AddDestroyListener(std::function<void(TsSkinManager&)> listener) {
  const int id = Runtime().nextListenerId++;
  Runtime().destroyListeners[id] = std::move(listener);
  return id;
}
void TsSkinManager::RemoveDestroyListener(int id) { Runtime().destroyListeners.erase(id); }

void TsSkinManager::SetMessageShower(MessageShower shower) { Runtime().shower = std::move(shower); }
void TsSkinManager::ShowSkinMessage(const std::string& text, ui::MessageIcon icon) {
  ShowUserMessage(text, icon);
}

void TsSkinManager::NotifyActive(bool on) {
  menus_->UpdateActive(on);
  auto listeners = Runtime().activeListeners;
  for (auto& [id, fn] : listeners)
    if (fn) fn(on);
}

}  // namespace skin
