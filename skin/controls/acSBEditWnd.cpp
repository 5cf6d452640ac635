#include "skin/controls/acSBEditWnd.h"

#include "platform/ui/Application.h"
#include "platform/ui/EditMessages.h"
#include "platform/ui/Screen.h"
#include "platform/ui/WinControl.h"
#include "skin/controls/SkinSeams.h"
#include "skin/controls/sBackdrop.h"
#include "skin/controls/sBoundItem.h"
#include "skin/controls/sCommonData.h"
#include "skin/controls/sSkinCommands.h"
#include "skin/controls/sSkinManager.h"
#include "skin/data/SkinModel.h"
#include "skin/paint/DisabledLook.h"
#include "skin/paint/Frames.h"
#include "skin/render/MaskCells.h"

namespace skin {

namespace {

bool EmptyClip(const ui::Message& msg) {
  auto* c = reinterpret_cast<gfx::Canvas*>(msg.wParam);
  return c && c->ClipBox().IsEmpty();
}

// The skin-wide frame colour of dialog mode; none without a global manager.
gfx::Color DialogBorderColor() {
  TsSkinManager* m = TsSkinManager::DefaultManager();
  const TsSkinModel* model = m ? m->Model() : nullptr;
  return model ? model->SkinWideData.BorderColor : gfx::clFuchsia;
}

}  // namespace

TacEditWnd::TacEditWnd(ui::WinControl& window, const std::string& section, TsSkinManager* manager,
                       TsCommonData* binding)
    : TacBaseWnd(window, section.empty() ? "EDIT" : section, manager, binding) {
  WindowText.clear();
}

TacEditWnd::~TacEditWnd() {
  if (!Unhooked) UnhookWindow();
}

void TacEditWnd::SaveColors() {
  SavedColor = Window->Color();
  SavedFontColor = Window->Font().Color;
}

void TacEditWnd::RestoreColors() {
  if (Window->IsWindowVisible() && Window->HandleAllocated()) Window->FrameChanged();
  if (Window->Destroying()) return;
  Window->SetColor(SavedColor);
  gfx::Font f = Window->Font();
  if (f.Color != SavedFontColor) {
    f.Color = SavedFontColor;
    Window->SetFont(f);
  }
}

void TacEditWnd::ApplyColors() {
  if (StyleGuard) return;
  StyleGuard = true;
  Binding->ParentUpdating = true;
  ColorsApplied = true;
  if (!Binding->CustomColor()) {
    const gfx::Color c = ControlColorOf(*Binding, Binding->IsActive());
    if (Window->Color() != c) Window->SetColor(c);
  }
  if (!Binding->CustomFont()) {
    if (const TsGeneralData* s = Binding->Section()) {
      gfx::Font f = Window->Font();
      if (f.Color != s->HotFontColor[0]) {
        f.Color = s->HotFontColor[0];
        Window->SetFont(f);
      }
    }
  }
  StyleGuard = false;
  Binding->ParentUpdating = false;
  Binding->CacheStale = true;
}

void TacEditWnd::UpdateGeometry() {
  WindowRect = Window->WindowRect();
  ParentWindow = Window->Parent();
  ParentRect = ParentWindow ? ParentWindow->WindowRect() : gfx::Rect{};
  WindowSize = {Window->Width(), Window->Height()};
  WindowOrigin = {Window->Left(), Window->Top()};
}

int TacEditWnd::FrameState() const { return Binding->HasFocus || Binding->MouseOver ? 1 : 0; }

bool TacEditWnd::MultiStateMask() const {
  const TsSkinModel* model = Binding->Model();
  const TsMaskData* m = model ? MaskAt(*model, Binding->MaskIndex) : nullptr;
  return m && m->ImageCount > 1;
}

void TacEditWnd::RenderEditFrame(bool dialogMode) {
  if (!Binding->CacheStale) return;
  gfx::Bitmap& cache = Binding->EnsureCache();
  if (cache.Empty()) return;
  const gfx::Rect all{0, 0, cache.Width(), cache.Height()};
  const gfx::Color border = dialogMode ? DialogBorderColor() : gfx::clFuchsia;
  if (dialogMode && border != gfx::clFuchsia) {
    gfx::Canvas c(cache);
    c.FillRect(all, gfx::ColorToRGB(gfx::clWindow));
    c.FrameRect(all, gfx::ColorToRGB(border));
  } else if (Window->Parent() && Binding->Section()) {
    RenderBoundItem(*Binding, ParentBackdropOf(*Binding), false, !dialogMode, FrameState(), cache, WindowOrigin,
                    all);
  } else {
    return;  // nothing to draw on: stays stale
  }
  if (!Window->Enabled()) {
    SendSkinCommand(Window, SKC_PREPARE_ADAPTED);
    const BackdropRef bg = ParentBackdropOf(*Binding);
    PaintDisabledLook(cache, {dkBlended}, bg.FillColor, WindowOrigin, bg);
  }
  Binding->CacheStale = false;
}

void TacEditWnd::RefreshFrameCorners() {
  if (DialogMode || WindowSize.Width <= 1 || WindowSize.Height <= 1 || !Binding->HasCache()) return;
  const TsSkinModel* model = Binding->Model();
  if (!model || !MaskAt(*model, Binding->MaskIndex)) return;
  RefreshItemCorners(*Binding, FrameState());
}

void TacEditWnd::ShowFrame(gfx::Canvas& dc) {
  PaintBars(&dc, -1);
  gfx::Bitmap& cache = Binding->CacheBitmap;
  if (cache.Empty() || Binding->CacheStale) return;
  gfx::Canvas src(cache);
  CopyFrameStrips(dc, 0, 0, Window->Width(), Window->Height(), src, 0, 0, EdgeLeft);
}

bool TacEditWnd::HandleEditCommand(ui::Message& msg) {
  switch (SkinCommandOf(msg)) {
    case SKC_SKIN_REFRESH:
      if (!FromOwnManager(msg)) return false;
      TacBaseWnd::HandleMessage(msg);
      if (!Unhooked) ApplyColors();
      return true;
    case SKC_PARENT_UPDATED:
      if (Binding->ParentUpdating) {
        Binding->ParentUpdating = false;
        if (!Binding->IsUpdating())
          Window->RedrawWindow(nullptr, ui::RDW_INVALIDATE | ui::RDW_ERASE | ui::RDW_FRAME | ui::RDW_ALLCHILDREN |
                                            ui::RDW_UPDATENOW);
      }
      return false;
    case SKC_IS_SKINNED: msg.result = 1; return true;
    case SKC_REPAINT_CACHE:
      UpdateGeometry();
      RenderEditFrame(DialogMode);
      RefreshFrameCorners();
      return true;
    case SKC_GET_SKIN_INDEX:
      if (msg.lParam) *reinterpret_cast<int*>(msg.lParam) = Binding->SectionIndex;
      return true;
    case SKC_GET_APPLICATION: msg.result = reinterpret_cast<ui::LRESULT>(&ui::App()); return true;
    default: return false;
  }
}

void TacEditWnd::HandleMessage(ui::Message& msg) {
  if (!Skinned() || Unhooked) {
    TacBaseWnd::HandleMessage(msg);
    return;
  }
  if (msg.msg == ui::SM_ALPHACMD) {
    if (!HandleEditCommand(msg)) TacBaseWnd::HandleMessage(msg);
    return;
  }
  const bool hidden = !Window->IsWindowVisible() || StyleGuard;
  switch (msg.msg) {
    case ui::WM_PAINT:
      if (hidden) break;
      if (EmptyClip(msg)) return;
      Binding->ParentUpdating = Binding->IsUpdating();
      if (Binding->ParentUpdating || FormAnimator().AnimationRunning()) {
        Window->ValidateRect(nullptr);
        return;
      }
      // A caller's surface has the client's origin: no bars on it.
      if (!msg.wParam) PaintBars(nullptr, -1);
      if (!ColorsApplied) ApplyColors();
      break;
    case ui::WM_ERASEBKGND:
      if (hidden) break;
      if (EmptyClip(msg) || Binding->IsUpdating()) return;
      if (!ColorsApplied) ApplyColors();
      if (ui::App().Facts().MajorVersion > 5 && FormAnimator().AnimationRunning()) {
        msg.result = 1;
        return;
      }
      break;
    case ui::WM_NCPAINT: {
      if (hidden) break;
      if (FormAnimator().AnimationRunning()) return;
      std::unique_ptr<gfx::Canvas> own;
      auto* dc = reinterpret_cast<gfx::Canvas*>(msg.wParam);
      if (!dc) {
        own = Window->GetSurface(ui::SurfaceArea::Window);
        dc = own.get();
      }
      if (!dc || dc->ClipBox().IsEmpty()) return;
      UpdateGeometry();
      Binding->ParentUpdating = Binding->IsUpdating();
      if (Binding->ParentUpdating) return;
      if (Binding->CacheStale) {
        if (!ColorsApplied) ApplyColors();
        RenderEditFrame(DialogMode);
      }
      ShowFrame(*dc);
      return;  // the window draws no frame of its own
    }
    case ui::WM_PRINT:
      // The window prints its frame and client through this adapter's
      // non-client paint and paint, from a freshly rendered frame.
      UpdateGeometry();
      Binding->ParentUpdating = false;
      Binding->CacheStale = true;
      if (!ColorsApplied) ApplyColors();
      break;
    case ui::CM_FONTCHANGED:
      if (!Binding->ParentUpdating) Window->RedrawWindow(nullptr, ui::RDW_FRAME | ui::RDW_ERASE | ui::RDW_INVALIDATE);
      break;
    default: break;
  }
  TacBaseWnd::HandleMessage(msg);
  if (Unhooked) return;
  switch (msg.msg) {
    case ui::WM_SIZE:
      if (Window->IsWindowVisible()) RedrawFrame();
      break;
    case ui::WM_SETFOCUS:
    case ui::WM_KILLFOCUS:
      if (MultiStateMask() && Window->TabStop()) {
        Binding->CacheStale = true;
        Binding->HasFocus = msg.msg == ui::WM_SETFOCUS;
        RedrawFrame();
      }
      break;
    case ui::WM_KEYDOWN:
    case ui::WM_KEYUP:
    case ui::WM_LBUTTONDOWN:
      if (!SendingScroll) RefreshBars(true);
      break;
    case ui::CM_TEXTCHANGED:
    case ui::EM_REPLACESEL: RefreshBars(true); break;
    case ui::WM_MOUSEMOVE:
      if (TsSkinManager::DefaultManager() && Window->Enabled()) {
        ui::Control* old = TsSkinManager::HoveredControl();
        if (old != Window) {
          if (old) SendSkinCommand(old, SKC_HOVER_END);
          TsSkinManager::SetHoveredControl(Window);
          SendSkinCommand(Window, SKC_HOVER_START);
        }
      }
      if (!Binding->IsUpdating() && ui::Application::Exists() && ui::App().CaptureControl()) RefreshBars(true);
      break;
    case ui::CM_MOUSEENTER:
    case ui::CM_MOUSELEAVE:
      if (MultiStateMask()) {
        Binding->MouseOver = msg.msg == ui::CM_MOUSEENTER;
        Binding->CacheStale = true;
        RedrawFrame();
        if (msg.msg == ui::CM_MOUSELEAVE) GlowService().ClearGlows();
      }
      break;
    default: break;
  }
}

}  // namespace skin
