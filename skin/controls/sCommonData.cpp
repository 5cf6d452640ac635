#include "skin/controls/sCommonData.h"

#include <algorithm>
#include <exception>

#include "platform/ui/Application.h"
#include "platform/ui/WinControl.h"
#include "platform/ui/forms/Form.h"
#include "skin/controls/SkinSeams.h"
#include "skin/controls/sControlGlow.h"
#include "skin/controls/sKindTables.h"
#include "skin/controls/sSkinManager.h"
#include "skin/data/TextUtil.h"

namespace skin {

namespace {

TacControlGlowService g_defaultGlow;
TacControlGlowService* g_glow = &g_defaultGlow;

std::string NormalSection(std::string_view name) { return name.empty() ? "UNKNOWN" : UpperCase(name); }

bool IsEditOwner(const ui::Control* c, std::int32_t kind) {
  return c != nullptr && (kind == 97 || c->InheritsFrom("TMemo") || c->InheritsFrom("TCustomEdit"));
}

}  // namespace

TacControlGlowService& ControlGlowService() { return *g_glow; }
void SetControlGlowService(TacControlGlowService* service) { g_glow = service ? service : &g_defaultGlow; }

void TsSkinnedControl::ApplyHoverChange() { SkinData().Invalidate(); }

TsCommonData* SkinDataOf(ui::Control* c) {
  auto* s = dynamic_cast<TsSkinnedControl*>(c);
  return s ? &s->SkinData() : nullptr;
}

TsCommonData::TsCommonData(ui::Component* owner, bool withCache, std::int32_t controlKind)
    : OwnerControl(dynamic_cast<ui::Control*>(owner)),
      OwnerObject(owner),
      ControlKind(controlKind),
      hasCache_(withCache) {}

TsCommonData::~TsCommonData() {
  if (GlowId >= 0) ControlGlowService().HideGlow(GlowId);
  if (destroyListener_ != 0) TsSkinManager::RemoveDestroyListener(destroyListener_);
  if (OwnerControl) TsSkinManager::ForgetHoveredControl(OwnerControl);
}

// --- manager and model ------------------------------------------------------

TsSkinManager* TsCommonData::Manager() const {
  TsSkinManager* m = skinManager_ ? skinManager_ : TsSkinManager::DefaultManager();
  return m && !m->Destroying() ? m : nullptr;
}

const TsSkinModel* TsCommonData::Model() const {
  const TsSkinManager* m = Manager();
  return m ? m->Model() : nullptr;
}

const TsGeneralData* TsCommonData::Section() const {
  const TsSkinModel* model = Model();
  if (!model || SectionIndex < 0 || SectionIndex >= static_cast<int>(model->GeneralTable.size()))
    return nullptr;
  return &model->GeneralTable[static_cast<std::size_t>(SectionIndex)];
}

ui::WinControl* TsCommonData::OwnerWindow() const {
  return OwnerControl && OwnerControl->HasWindow() ? static_cast<ui::WinControl*>(OwnerControl) : nullptr;
}

// --- tests ---------------------------------------------------------------------

bool TsCommonData::IsSkinned(bool withActiveCheck) const {
  const TsSkinManager* m = Manager();
  if (!m || !Section()) return false;
  if (OwnerObject && OwnerObject->Destroying()) return false;
  return !withActiveCheck || m->SkinLoaded();
}

bool TsCommonData::IsActive() const {
  if (!OwnerControl || OwnerControl->Destroying() || !OwnerControl->Enabled() || OwnerControl->Designing())
    return false;
  if (HasFocus) return true;
  if (ui::WinControl* w = OwnerWindow(); w && w->Focused()) return true;
  return MouseOver && !IsNonHoverKind(ControlKind);
}

bool TsCommonData::IsUpdating() const {
  if (!Manager() || (OwnerObject && OwnerObject->Designing())) return false;
  if ((StateFlags & sfPlainBackground) && !IsActive() && !FormAnimator().AnimationRunning())
    return ParentUpdating;
  if (!OwnerControl || OwnerControl->Destroying()) return ParentUpdating;
  if (ParentUpdating || !OwnerControl->Parent()) return true;
  return AskSkinCommand(OwnerControl->Parent(), SKC_IS_UPDATING);
}

bool TsCommonData::NeedsParentBackground() const {
  if (PaintingHeld || !IsSkinned()) return true;
  if (OwnerObject && (OwnerObject->State() & ui::csCreating)) return true;
  if (OwnerControl && !OwnerControl->Visible()) return true;
  const TsGeneralData* sec = Section();
  if (!(OwnerControl && !OwnerControl->Enabled()) && sec->Transparency <= 0) return false;
  if (OwnerControl && OwnerControl->Parent())
    return AskSkinCommand(OwnerControl->Parent(), SKC_NEEDS_PARENT_BG);
  return true;
}

bool TsCommonData::NeedsOwnImage() const {
  if (!IsSkinned()) return false;
  const TsSkinModel& model = *Model();
  if (MaskIndex >= 0 && MaskIndex < static_cast<int>(model.MaskTable.size())) {
    if (model.MaskWidthLeft(MaskIndex) + model.MaskWidthRight(MaskIndex) > 30 ||
        model.MaskWidthTop(MaskIndex) + model.MaskWidthBottom(MaskIndex) > 30)
      return true;
  }
  const TsGeneralData& sec = *Section();
  if (sec.Transparency == 100) {
    ui::Control* parent = OwnerControl ? OwnerControl->Parent() : nullptr;
    if (!OwnerControl && FormHost && FormHost->HostForm()) parent = FormHost->HostForm()->Parent();
    if (!parent) return true;
    return (SendSkinCommand(parent, SKC_GET_STATE_FLAGS) & sfPlainBackground) == 0;
  }
  if (sec.Transparency != 0) return true;
  return sec.ImagePercent != 0 || sec.GradientPercent != 0;
}

bool TsCommonData::IsContainerOwner() const {
  return OwnerControl && (OwnerControl->InheritsFrom("TPanel") || OwnerControl->InheritsFrom("TScrollBox"));
}

void TsCommonData::UpdatePlainBackgroundBit() {
  bool plain;
  if (FormHost && !OwnerControl)
    plain = !NeedsOwnImage() && !FormHost->DialogFrameStyle();
  else if (IsContainerOwner())
    plain = !NeedsOwnImage();
  else
    return;
  StateFlags = plain ? (StateFlags | sfPlainBackground) : (StateFlags & ~sfPlainBackground);
}

// --- state changes -----------------------------------------------------------

void TsCommonData::Resolve() {
  if (OwnerObject && OwnerObject->Designing() && FormHost) {
    SectionIndex = -1;
    return;
  }
  CacheStale = true;
  CornerMemo.Forget();
  const TsSkinModel* model = Model();
  SectionIndex = model ? model->SectionIndexOf(skinSection_) : -1;
  StateFlags = 0;
  GradientKind = 0;
  const TsGeneralData* sec = Section();
  if (!sec) {
    // The indexes of an unbound control name nothing; a mask index of the
    // previous skin would point into a table that no longer matches.
    MaskIndex = TextureIndex = HotTextureIndex = -1;
    return;
  }
  if (sec->ImagePercent != 0) GradientKind = 4;
  if (sec->GradientPercent != 0 && !sec->GradientSteps.empty()) {
    switch (sec->GradientSteps.front().Kind) {
      case 0: GradientKind += 2; break;
      case 1: GradientKind += 1; break;
      case 2: GradientKind += 3; break;
      default: break;
    }
  }
  MaskIndex = sec->BordersMaskIndex;
  TextureIndex = model->TextureIndexOf(SectionIndex, skinSection_, "PATTERN");
  HotTextureIndex = model->TextureIndexOf(SectionIndex, skinSection_, "HOTPATTERN");
  UpdatePlainBackgroundBit();
}

void TsCommonData::AnnounceSectionChange() {
  if (!OwnerControl) {
    if (FormHost) {
      CacheStale = true;
      FormHost->DropFrameImage();
    }
    return;
  }
  if (OwnerControl->State() & (ui::csLoading | ui::csReading | ui::csDestroying)) return;
  if (!OwnerControl->Parent()) return;
  TsSkinManager* m = Manager();
  SendSkinCommand(OwnerControl, Section() ? SKC_SKIN_REFRESH : SKC_SKIN_UNLOADED,
                  reinterpret_cast<ui::LPARAM>(m));
}

void TsCommonData::SetSkinSection(std::string_view name) {
  std::string normal = NormalSection(name);
  if (normal == skinSection_) return;
  skinSection_ = std::move(normal);
  if (Model())
    Resolve();
  else
    SectionIndex = -1;
  AnnounceSectionChange();
}

void TsCommonData::SetSkinManager(TsSkinManager* m) {
  if (m == TsSkinManager::DefaultManager()) m = nullptr;
  skinManager_ = m;
  if (destroyListener_ != 0) {
    TsSkinManager::RemoveDestroyListener(destroyListener_);
    destroyListener_ = 0;
  }
  if (m) {
    // A manager destroyed before its controls must not stay referenced.
    destroyListener_ = TsSkinManager::AddDestroyListener([this](TsSkinManager& dying) {
      if (&dying != skinManager_) return;
      skinManager_ = nullptr;
      Unbind();
    });
  }
  if (Model())
    Resolve();
  else
    SectionIndex = -1;
  AnnounceSectionChange();
}

void TsCommonData::SetCustomColor(bool on) {
  customColor_ = on;
  if (IsEditOwner(OwnerControl, ControlKind)) ApplyEditColors();
  Invalidate();
}

void TsCommonData::SetCustomFont(bool on) {
  customFont_ = on;
  if (IsEditOwner(OwnerControl, ControlKind)) ApplyEditColors();
  Invalidate();
}

void TsCommonData::ApplyEditColors() {
  const TsGeneralData* sec = IsSkinned() ? Section() : nullptr;
  if (!sec || !OwnerControl) return;
  if (!customColor_) OwnerControl->SetColor(sec->Color);
  if (!customFont_) {
    gfx::Font f = OwnerControl->Font();
    f.Color = sec->FontColor[0];
    OwnerControl->SetFont(f);
  }
}

void TsCommonData::Loaded() {
  if (skinSection_.empty())
    skinSection_ =
        NormalSection(DefaultSectionForKind(ControlKind, OwnerObject ? OwnerObject->ClassName() : ""));
  Resolve();
  if (!IsSkinned() || !OwnerControl || !OwnerControl->Parent() || OwnerControl->Loading()) return;
  if (OwnerControl->HasWindow() && !OwnerControl->Designing())
    SendSkinCommand(OwnerControl->ParentForm(), SKC_ADD_TO_ADAPTER,
                    reinterpret_cast<ui::LPARAM>(OwnerControl));
  if (IsEditOwner(OwnerControl, ControlKind)) ApplyEditColors();
}

bool TsCommonData::OwnerCanPaint() const {
  if (!OwnerControl || !OwnerControl->Visible() || !OwnerControl->Parent()) return false;
  if (OwnerControl->State() & (ui::csLoading | ui::csDestroying)) return false;
  ui::WinControl* w = OwnerWindow();
  return !w || w->HandleAllocated();
}

void TsCommonData::Invalidate() {
  if (OwnerControl) {
    if (OwnerControl->State() & (ui::csLoading | ui::csDestroying)) return;
    CacheStale = true;
    CornerMemo.Forget();
    if (OwnerCanPaint()) OwnerControl->Repaint();
  } else if (FormHost) {
    CacheStale = true;
    CornerMemo.Forget();
    FormHost->RedrawFrame();
  }
}

gfx::Bitmap& TsCommonData::EnsureCache() {
  hasCache_ = true;
  int w = 0, h = 0;
  if (OwnerControl) {
    w = OwnerControl->Width();
    h = OwnerControl->Height();
  } else if (FormHost && FormHost->HostForm()) {
    w = FormHost->HostForm()->Width();
    h = FormHost->HostForm()->Height();
  }
  w = std::max(w, 0);
  h = std::max(h, 0);
  if (CacheBitmap.Width() != w || CacheBitmap.Height() != h ||
      CacheBitmap.Format() != gfx::PixelFormat::Bgr24) {
    try {
      CacheBitmap = gfx::Bitmap(w, h, gfx::PixelFormat::Bgr24);
    } catch (const std::exception&) {
      // Painting never throws: a size no bitmap can have leaves the cache
      // empty, and stale so that a later size is tried again.
      CacheBitmap = gfx::Bitmap();
      CacheStale = true;
    }
  }
  return CacheBitmap;
}

void TsCommonData::BeginMenuChange() {
  ParentUpdating = true;
  StateFlags |= sfMenuLineChange;
  if (OwnerControl)
    SendSkinCommand(OwnerControl, SKC_BEGIN_MENU_CHANGE);
  else if (FormHost)
    SendSkinCommand(FormHost->HostForm(), SKC_BEGIN_MENU_CHANGE);
}

void TsCommonData::EndMenuChange(bool invalidate) {
  ParentUpdating = false;
  StateFlags &= ~sfMenuLineChange;
  if (OwnerControl)
    SendSkinCommand(OwnerControl, SKC_END_MENU_CHANGE);
  else if (FormHost)
    SendSkinCommand(FormHost->HostForm(), SKC_END_MENU_CHANGE);
  if (invalidate) Invalidate();
}

void TsCommonData::UpdateGlow(bool refresh) {
  TsSkinManager* m = Manager();
  const TsGeneralData* sec = IsSkinned() ? Section() : nullptr;
  const bool allowed = m && sec && OwnerControl && m->AllowGlowing() && sec->GlowCount >= 1;
  const bool held =
      OwnerControl && (OwnerControl->ControlState() & ui::csLButtonDown) && ui::App().ButtonHeld(0);
  if (!allowed || !MouseOver || held || (refresh && GlowId >= 0)) {
    if (GlowId >= 0) ControlGlowService().HideGlow(GlowId);
    GlowId = -1;
    return;
  }
  if (GlowId >= 0) return;
  // The control's screen rectangle, cut to what its parents let show.
  gfx::Rect r = OwnerControl->ScreenRect();
  for (ui::WinControl* p = OwnerControl->Parent(); p; p = p->Parent()) {
    const gfx::Point o = p->ClientOrigin();
    r = gfx::Intersect(r, p->ClientRect().Offset(o.X, o.Y));
  }
  if (r.IsEmpty()) return;
  GlowId = ControlGlowService().ShowGlow(*OwnerControl, r, SectionIndex, sec->GlowMargin, *m);
}

void TsCommonData::Unbind() {
  if (skinManager_ && skinManager_->Destroying()) skinManager_ = nullptr;
  if (!skinManager_ && destroyListener_ != 0) {
    TsSkinManager::RemoveDestroyListener(destroyListener_);
    destroyListener_ = 0;
  }
  SectionIndex = MaskIndex = TextureIndex = HotTextureIndex = -1;
  ParentUpdating = true;
  CacheBitmap = gfx::Bitmap();
  if (GlowId >= 0) ControlGlowService().HideGlow(GlowId);
  GlowId = -1;
}

}  // namespace skin
