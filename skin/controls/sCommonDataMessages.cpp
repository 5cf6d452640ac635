// The binding's message handling: the common handler every skinned control's
// procedure calls, and the skin command handler.
#include <vector>

#include "platform/ui/Application.h"
#include "platform/ui/WinControl.h"
#include "platform/ui/WindowTypes.h"
#include "platform/ui/forms/Form.h"
#include "platform/ui/menus/Menus.h"
#include "skin/controls/sBackdrop.h"
#include "skin/controls/sCommonData.h"
#include "skin/controls/sKindTables.h"
#include "skin/controls/sSkinManager.h"

namespace skin {

namespace {

bool IsEditOwner(const ui::Control* c, std::int32_t kind) {
  return c != nullptr && (kind == 97 || c->InheritsFrom("TMemo") || c->InheritsFrom("TCustomEdit"));
}

// A copy of the children, so that handlers may change the list.
std::vector<ui::Control*> ChildrenOf(ui::Control* c) {
  if (!c || !c->HasWindow()) return {};
  return static_cast<ui::WinControl*>(c)->Controls();
}

void Answer(ui::Message& msg, ui::LRESULT value) { msg.result = value; }

// Messages after which what lies behind the control may look different.
bool ChangesBackdrop(const ui::Message& msg) {
  switch (msg.msg) {
    case ui::SM_ALPHACMD: return SkinCommandChangesBackdrop(ui::HiWord(msg.wParam));
    case ui::WM_MOVE:
    case ui::WM_SIZE:
    case ui::WM_WINDOWPOSCHANGED:
    case ui::CM_VISIBLECHANGED:
    case ui::CM_PARENTCOLORCHANGED: return true;
    default: return false;
  }
}

}  // namespace

bool TsCommonData::HandleMessage(ui::Message& msg) {
  if (ChangesBackdrop(msg)) CornerMemo.Forget();
  switch (msg.msg) {
    case ui::SM_ALPHACMD: return HandleCommand(msg);
    case ui::WM_MOVE:
      if (NeedsParentBackground()) {
        CacheStale = true;
        SendSkinCommand(OwnerControl, SKC_PARENT_BG_CHANGED, 0, 1);
      }
      return false;
    case ui::WM_SIZE:
      if (IsSkinned()) {
        CacheStale = true;
        if (OwnerWindow() && Section()->GradientPercent > 0) {
          for (ui::Control* c : ChildrenOf(OwnerControl))
            if (!c->Destroying() && !(c->GetAnchors() & (ui::akRight | ui::akBottom)))
              SendSkinCommand(c, SKC_PARENT_BG_CHANGED, 0, 1);
        }
      }
      return false;
    case ui::WM_SETFOCUS:
    case ui::WM_KILLFOCUS: {
      ui::WinControl* w = OwnerWindow();
      if (!w || !w->HandleAllocated()) return false;
      const bool gained = msg.msg == ui::WM_SETFOCUS;
      CacheStale = true;
      HasFocus = gained;
      if (IsFramedKind(ControlKind) && (gained || w->Visible()))
        w->RedrawWindow(nullptr, ui::RDW_FRAME | ui::RDW_INVALIDATE);
      return false;
    }
    case ui::WM_FONTCHANGE:
    case ui::CM_ENABLEDCHANGED:
      MouseOver = false;
      HasFocus = false;
      if (GlowId >= 0) UpdateGlow(true);
      return false;
    case ui::WM_CONTEXTMENU:
      // The platform opens the popup menu after this handler: skin it first.
      if (ui::PopupMenu* menu = OwnerControl ? OwnerControl->GetPopupMenu() : nullptr)
        if (TsSkinManager* m = Manager()) m->SkinableMenus().HookPopupMenu(*menu, m->SkinnedPopups());
      return false;
    case ui::WM_UPDATEUISTATE:
      // No visual themes here, so an unskinned control has nothing to reset.
      if (IsSkinned()) {
        Answer(msg, 1);
        return true;
      }
      return false;
    case ui::WM_PARENTNOTIFY:
      if (OwnerWindow() && ui::LoWord(msg.wParam) == ui::WM_CREATE && !OwnerControl->Designing())
        SendSkinCommand(OwnerControl->ParentForm(), SKC_ADD_TO_ADAPTER,
                        reinterpret_cast<ui::LPARAM>(OwnerControl));
      return false;
    case ui::CM_VISIBLECHANGED:
      if (msg.wParam != 0) {
        ParentUpdating = false;
        CacheStale = true;
      } else {
        CacheBitmap = gfx::Bitmap();
      }
      return false;
    case ui::CM_MOUSEENTER:
    case ui::CM_MOUSELEAVE: return HandleMouseNotice(msg);
    default: return false;
  }
}

// Mouse notices bubble up through every parent (lParam names the control
// entered or left). Only a notice about the owner itself changes its hover
// state; they are never swallowed.
bool TsCommonData::HandleMouseNotice(ui::Message& msg) {
  if (!OwnerControl || OwnerControl->Designing()) return false;
  auto* who = reinterpret_cast<ui::Control*>(msg.lParam);
  const bool own = who == nullptr || who == OwnerControl;
  if (msg.msg == ui::CM_MOUSEENTER) {
    // A speed button whose leave notice got lost must not stay hot.
    for (ui::Control* c : ChildrenOf(OwnerControl)) {
      if (c == who || !c->InheritsFrom("TSpeedButton")) continue;
      if (TsCommonData* d = SkinDataOf(c); d && d->MouseOver)
        c->Perform(ui::CM_MOUSELEAVE, 0, reinterpret_cast<ui::LPARAM>(c));
    }
    if (!own) return false;
    if (!IsNonHoverKind(ControlKind)) MouseOver = true;
    TsSkinManager::SetHoveredControl(OwnerControl);
  } else {
    if (!own) return false;
    MouseOver = false;
  }
  if (!IsButtonKind(ControlKind) && !IsNoGlowKind(ControlKind)) UpdateGlow(false);
  if (msg.msg == ui::CM_MOUSEENTER || OwnerControl->Visible()) {
    if (auto* s = dynamic_cast<TsSkinnedControl*>(OwnerControl))
      s->ApplyHoverChange();
    else
      Invalidate();
  }
  return false;
}

bool TsCommonData::HandleCommand(ui::Message& msg) {
  if (msg.msg != ui::SM_ALPHACMD) return false;
  if (ChangesBackdrop(msg)) CornerMemo.Forget();
  const std::uint16_t low = ui::LoWord(msg.wParam);
  auto* sender = reinterpret_cast<TsSkinManager*>(msg.lParam);
  // The manager in effect, also one that is going away (command 2 then
  // forgets it).
  TsSkinManager* mine = skinManager_ ? skinManager_ : TsSkinManager::DefaultManager();
  switch (ui::HiWord(msg.wParam)) {
    case SKC_SKIN_LOADED:
      if (sender == mine) {
        Resolve();
        TsSkinManager::SetHoveredControl(nullptr);
      }
      return true;
    case SKC_SKIN_UNLOADED:
      if (sender == mine) {
        Unbind();
        if (IsEditOwner(OwnerControl, ControlKind)) {
          if (!customColor_) OwnerControl->SetColor(gfx::clWindow);
          if (!customFont_) {
            gfx::Font f = OwnerControl->Font();
            f.Color = gfx::clWindowText;
            OwnerControl->SetFont(f);
          }
          OwnerControl->Invalidate();
        }
        for (ui::Control* c : ChildrenOf(OwnerControl)) {
          if (!c->InheritsFrom("TLabel")) continue;
          gfx::Font f = c->Font();
          f.Color = gfx::clWindowText;
          c->SetFont(f);
        }
      }
      return true;
    case SKC_SKIN_REFRESH:
      if (sender == mine) {
        CacheStale = true;
        ParentUpdating = false;
        if (IsSkinned() && IsEditOwner(OwnerControl, ControlKind)) ApplyEditColors();
        UpdatePlainBackgroundBit();
        // The new look shows at the next paint: a visible control is marked
        // for one (painted with the other invalid areas, and not at all
        // while its form's redrawing is held).
        if (OwnerCanPaint()) OwnerControl->Invalidate();
      }
      return true;
    case SKC_PARENT_UPDATED:
      if (ParentUpdating) {
        ParentUpdating = false;
        Invalidate();
      }
      return true;
    case SKC_IS_SKINNED: Answer(msg, 1); return true;
    case SKC_SET_UPDATING: ParentUpdating = low == 1; return true;
    case SKC_SET_FORCE_PARENT_BG: PaintingHeld = low == 1; return true;
    case SKC_IS_UPDATING: Answer(msg, CacheStale || ParentUpdating ? 1 : 0); return true;
    case SKC_GET_HALF_VISIBLE: Answer(msg, RenderNextPaint ? 1 : 0); return true;
    case SKC_SET_DIRTY_IF_TRANSPARENT:
      if (IsSkinned() && Section()->Transparency > 0 && low == 1) CacheStale = true;
      return true;
    case SKC_SECTION_REPAINT:
      // The skin library's section name is empty in this program, so only
      // a binding whose section was never set matches.
      if (skinSection_.empty()) {
        TsSkinManager::SetHoveredControl(nullptr);
        Invalidate();
      }
      return true;
    case SKC_SET_DIRTY: CacheStale = true; return true;
    case SKC_INVALIDATE:
      ParentUpdating = false;
      Invalidate();
      return true;
    case SKC_NEEDS_PARENT_BG: {
      const TsGeneralData* sec = IsSkinned() ? Section() : nullptr;
      ui::Control* parent = OwnerControl ? OwnerControl->Parent() : nullptr;
      bool yes;
      if (sec && sec->Transparency == 100 && parent)
        yes = AskSkinCommand(parent, SKC_NEEDS_PARENT_BG);
      else if (sec && sec->GradientPercent + sec->ImagePercent > 0)
        yes = true;
      else
        yes = NeedsParentBackground();
      Answer(msg, yes ? 1 : 0);
      return true;
    }
    case SKC_PARENT_BG_CHANGED: {
      const bool needs = NeedsParentBackground();
      CacheStale = CacheStale || needs;
      if (ui::WinControl* w = OwnerWindow(); w && low == 1 && w->HandleAllocated())
        w->RedrawWindow(nullptr, ui::RDW_INVALIDATE | ui::RDW_ALLCHILDREN | ui::RDW_NOERASE);
      if (needs)
        for (ui::Control* c : ChildrenOf(OwnerControl))
          if (!c->Destroying()) SendSkinCommand(c, SKC_PARENT_BG_CHANGED, 0, low);
      return true;
    }
    case SKC_GET_CONTROL_COLOR:
      Answer(msg, static_cast<ui::LRESULT>(ControlColorOf(*this, false)));
      return true;
    case SKC_SET_HALF_VISIBLE: RenderNextPaint = true; return true;
    case SKC_GET_SKIN_INDEX:
      if (msg.lParam != 0) *reinterpret_cast<std::int32_t*>(msg.lParam) = SectionIndex;
      Answer(msg, 1);
      return true;
    case SKC_END_MENU_CHANGE:
      if (!OwnerControl && FormHost && (StateFlags & sfMenuChangePending)) {
        StateFlags &= ~sfMenuChangePending;
        if (ui::Form* f = FormHost->HostForm()) f->Perform(ui::CM_MENUCHANGED);
      }
      return false;
    case SKC_GET_BG_INFO:
      if (msg.lParam != 0) AnswerBackdropQuery(*this, *reinterpret_cast<BackdropQuery*>(msg.lParam), false);
      return true;
    case SKC_GET_STATE_FLAGS:
      if (msg.lParam == 1) {
        UpdatePlainBackgroundBit();
        for (ui::Control* c : ChildrenOf(OwnerControl)) SendSkinCommand(c, SKC_GET_STATE_FLAGS, 1);
      } else {
        Answer(msg, StateFlags);
      }
      return true;
    default:
      // Codes the controls, forms and adapters answer themselves.
      return false;
  }
}

}  // namespace skin
