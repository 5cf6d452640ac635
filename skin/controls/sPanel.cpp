#include "skin/controls/sPanel.h"

#include <memory>
#include <optional>

#include "platform/gfx/Canvas.h"
#include "platform/ui/WindowTypes.h"
#include "skin/controls/SkinSeams.h"
#include "skin/controls/sBackdrop.h"
#include "skin/controls/sBoundItem.h"
#include "skin/controls/sContainerCommands.h"
#include "skin/controls/sSkinManager.h"
#include "skin/controls/sSkinText.h"
#include "skin/controls/sWindowlessChildren.h"
#include "skin/data/sMaskData.h"
#include "skin/paint/Tint.h"
#include "skin/render/TextFlags.h"

namespace skin {

namespace {

constexpr std::int32_t kPanelKind = 51;

TextAlignment ToTextAlignment(ui::Alignment a) {
  switch (a) {
    case ui::Alignment::taRightJustify: return TextAlignment::taRightJustify;
    case ui::Alignment::taCenter: return TextAlignment::taCenter;
    default: return TextAlignment::taLeftJustify;
  }
}

// The manager a command names is the one this binding follows.
bool FromOwnManager(const TsCommonData& b, const ui::Message& msg) {
  TsSkinManager* mine = b.SkinManager() ? b.SkinManager() : TsSkinManager::DefaultManager();
  return reinterpret_cast<TsSkinManager*>(msg.lParam) == mine;
}

}  // namespace

TsPanel::TsPanel(ui::Component* owner) : ui::Panel(owner), skinData_(this, true, kPanelKind) {
  skinData_.Loaded();
}

TsPanel::~TsPanel() { BeginDestruction(); }

void TsPanel::Loaded() {
  ui::Panel::Loaded();
  skinData_.Loaded();
}

bool TsPanel::CacheMode() const {
  if (FormAnimator().AnimationRunning()) return true;
  return skinData_.NeedsOwnImage() && !skinData_.CustomColor();
}

gfx::Rect TsPanel::SkinCaptionArea() const {
  int bevels =
      (BevelOuter() != ui::BevelCut::bvNone ? 1 : 0) + (BevelInner() != ui::BevelCut::bvNone ? 1 : 0);
  const int inset = BevelWidth() * bevels + BorderWidth();
  return ClientRect().Inflate(-inset, -inset);
}

void TsPanel::PaintCaptionAndEvent(gfx::Canvas& canvas) {
  PaintCaption(canvas, SkinCaptionArea());
  if (!OnPaint) return;
  ui::ControlStateScope custom(*this, ui::csCustomPaint);
  OnPaint(this, canvas);
}

void TsPanel::PaintCaption(gfx::Canvas& canvas, const gfx::Rect& rect) {
  if (!Skinned()) {
    ui::Panel::PaintCaption(canvas, rect);
    return;
  }
  if (Caption().empty()) return;
  gfx::Canvas::StateGuard guard(canvas);
  const unsigned flags =
      StringFlags(ToTextAlignment(GetAlignment()), UseRightToLeftReading()) | gfx::DT_WORDBREAK;
  canvas.SetFont(Font());
  canvas.SetBrushStyle(gfx::BrushStyle::Clear);
  gfx::Rect calc = rect;
  canvas.DrawText(Caption(), calc, flags | gfx::DT_CALCRECT);
  const int th = calc.Height();
  // The top counts the border width once more, as the skinned panel always
  // placed its caption.
  gfx::Rect r{rect.Left, (rect.Height() - th) / 2 + BorderWidth(), rect.Right, 0};
  r.Bottom = r.Top + th;
  WriteSkinText(canvas, Caption(), Enabled(), false, skinData_, flags, r);
}

void TsPanel::RenderCache() {
  if (!CacheMode()) return;
  gfx::Bitmap& cache = skinData_.EnsureCache();
  if (cache.Empty()) return;
  RenderBoundItemOverParent(skinData_, true, true, 0, cache, {Left(), Top()}, cache.Bounds());
  gfx::Canvas canvas(cache);
  PaintCaptionAndEvent(canvas);
  skinData_.CacheStale = false;
}

void TsPanel::PaintPanel(gfx::Canvas& dc, bool notify) {
  if (!Showing() || !Skinned()) return;
  const gfx::Rect client = ClientRectInWindow();
  if (CacheMode()) {
    skinData_.ParentUpdating = skinData_.IsUpdating();
    if (skinData_.ParentUpdating) return;
    const bool stale = skinData_.RenderNextPaint || skinData_.CacheStale;
    const bool needsParent = skinData_.NeedsParentBackground();
    // A partly covered panel renders again once it is fully shown.
    skinData_.RenderNextPaint =
        needsParent && dc.ClipBox() != gfx::Rect{0, 0, client.Width(), client.Height()};
    if (stale && !skinData_.PaintingHeld) RenderCache();
    CopyCacheExceptChildren(skinData_, dc, {client.Left, client.Top}, {0, 0, client.Width(), client.Height()},
                            false);
    if (stale && needsParent)
      for (ui::Control* c : Controls())
        if (!c->HasWindow()) SendSkinCommand(c, SKC_SET_DIRTY);
    PaintWindowlessChildren(this, dc, {0, 0});
  } else {
    {
      gfx::Canvas::StateGuard guard(dc);
      dc.MoveOrigin(-client.Left, -client.Top);
      PaintDirect(dc);
    }
    PaintWindowlessChildren(this, dc, {0, 0});
  }
  if (notify && !(ControlState() & ui::csPaintCopy)) SendToWindowedChildren(this, SKC_PARENT_UPDATED);
}

// `dc` has its origin at the panel's top-left corner.
void TsPanel::PaintDirect(gfx::Canvas& dc) {
  skinData_.ParentUpdating = false;
  const gfx::Rect client = ClientRectInWindow();
  for (ui::Control* c : Controls())
    if (!c->HasWindow() && c->Visible()) dc.ExcludeClipRect(c->BoundsRect().Offset(client.Left, client.Top));

  const TsGeneralData& sec = *skinData_.Section();
  BackdropRef behind;
  if (skinData_.CustomColor())
    behind = {nullptr, 0, 0, gfx::ColorToRGB(Color()), false};
  else
    behind = ParentBackdropOf(skinData_);
  const int w = Width(), h = Height();
  int b = BindingBorderWidth(skinData_);
  // A ring wider than half the panel has no interior: the whole panel is filled.
  if (2 * b > w || 2 * b > h) b = 0;
  const gfx::Rect inner{b, b, w - b, h - b};

  if (sec.Transparency == 100 && behind.HasImage()) {
    if (b > 0) PaintBindingBorder(skinData_, dc, b);
    dc.DrawBitmap(inner.Left, inner.Top, *behind.Bitmap, inner.Offset(behind.X + Left(), behind.Y + Top()));
  } else {
    const gfx::Color own = gfx::ColorToRGB(skinData_.CustomColor() ? Color() : sec.Color);
    const gfx::Color parent = gfx::ColorToRGB(behind.FillColor);
    gfx::Color fill = own;
    if (sec.Transparency >= 100)
      fill = parent;
    else if (sec.Transparency > 0)
      fill = LerpColor(parent, own, sec.Transparency / 100.0);
    if (b > 0) PaintBindingBorder(skinData_, dc, b);
    dc.FillRect(inner, fill);
  }
  {
    gfx::Canvas::StateGuard guard(dc);
    dc.MoveOrigin(client.Left, client.Top);
    PaintCaptionAndEvent(dc);
  }
  skinData_.CacheStale = false;
}

void TsPanel::PaintMessage(ui::Message& msg) {
  std::unique_ptr<gfx::Canvas> own;
  gfx::Canvas* dc = reinterpret_cast<gfx::Canvas*>(msg.wParam);
  std::optional<ui::ControlStateScope> copy;
  if (dc) {
    copy.emplace(*this, ui::csPaintCopy);
  } else {
    own = BeginPaint();
    dc = own.get();
  }
  msg.result = 0;
  if (!dc) return;
  skinData_.ParentUpdating = skinData_.IsUpdating();
  if (CacheMode()) {
    if (skinData_.ParentUpdating) return;
    ui::ControlStateScope custom(*this, ui::csCustomPaint);
    PaintPanel(*dc, true);
  } else if (!ParentBackground()) {
    PaintPanel(*dc, true);
  }
}

void TsPanel::EraseMessage(ui::Message& msg) {
  msg.result = 1;
  auto* dc = reinterpret_cast<gfx::Canvas*>(msg.wParam);
  // A normal erase paints nothing: the paint that follows it covers the
  // whole panel, so painting here would only paint twice.
  if (!dc || static_cast<ui::WPARAM>(msg.lParam) != msg.wParam) return;
  // A copy request: the panel's background onto the given surface.
  const gfx::Rect client = ClientRectInWindow();
  const gfx::Rect area{0, 0, client.Width(), client.Height()};
  if (CacheMode()) {
    if (skinData_.CacheStale || skinData_.RenderNextPaint) RenderCache();
    CopyCacheExceptChildren(skinData_, *dc, {client.Left, client.Top}, area, false);
  } else {
    dc->FillRect(area,
                 gfx::ColorToRGB(static_cast<gfx::Color>(SendSkinCommand(this, SKC_GET_CONTROL_COLOR))));
  }
}

void TsPanel::PrintMessage(ui::Message& msg) {
  skinData_.ParentUpdating = false;
  auto* dc = reinterpret_cast<gfx::Canvas*>(msg.wParam);
  if (!dc) return;
  if (!CacheMode()) skinData_.EnsureCache();
  RenderCache();
  RefreshItemCorners(skinData_, 0);
  ui::ControlStateScope copy(*this, ui::csPaintCopy);
  PaintPanel(*dc, false);
}

void TsPanel::AnswerChildBackdrop(ui::Message& msg) {
  auto* query = reinterpret_cast<BackdropQuery*>(msg.lParam);
  if (!query) return;
  const TsGeneralData* sec = skinData_.IsSkinned() ? skinData_.Section() : nullptr;
  if (sec && (skinData_.CacheStale || skinData_.RenderNextPaint) && !skinData_.IsUpdating() &&
      sec->Transparency != 100)
    RenderCache();
  const bool draw = query->PleaseDraw;
  AnswerBackdropQuery(skinData_, *query, false);
  // Children sit in the client area; the cache and the parent's image hold
  // the whole panel, border included.
  const gfx::Rect client = ClientRectInWindow();
  if (query->Kind == kBackdropImage && !draw) {
    query->X += client.Left;
    query->Y += client.Top;
  }
}

// Messages handled in every state.
bool TsPanel::HandleFirst(ui::Message& msg) {
  switch (SkinCommandOf(msg)) {
    case SKC_SKIN_LOADED:
      SetControlStyle(ControlStyle() & ~ui::csOpaque);
      PassCommandToChildren(this, msg);
      if (FromOwnManager(skinData_, msg)) skinData_.HandleCommand(msg);
      return true;
    case SKC_SKIN_UNLOADED:
      SetControlStyle(ControlStyle() & ~ui::csOpaque);
      if (FromOwnManager(skinData_, msg)) {
        skinData_.HandleCommand(msg);
        Invalidate();
      }
      PassCommandToChildren(this, msg);
      return true;
    case SKC_SKIN_REFRESH:
      if (FromOwnManager(skinData_, msg)) {
        skinData_.HandleCommand(msg);
        if (HandleAllocated() && !Loading())
          RedrawWindow(nullptr, ui::RDW_FRAME | ui::RDW_ERASE | ui::RDW_INVALIDATE | ui::RDW_UPDATENOW);
      }
      PassCommandToChildren(this, msg);
      return true;
    case SKC_GET_BG_INFO: AnswerChildBackdrop(msg); return true;
    case SKC_GET_APPLICATION: msg.result = ApplicationAnswer(); return true;
    default: return false;
  }
}

// Messages of a skinned and ready panel; true when handled to the end.
bool TsPanel::HandleSkinned(ui::Message& msg) {
  switch (msg.msg) {
    case ui::SM_ALPHACMD:
      switch (SkinCommandOf(msg)) {
        case SKC_PARENT_UPDATED:
          if (skinData_.ParentUpdating) {
            skinData_.ParentUpdating = false;
            if (!skinData_.IsUpdating())
              RedrawWindow(nullptr, ui::RDW_FRAME | ui::RDW_ERASE | ui::RDW_INVALIDATE | ui::RDW_ALLCHILDREN |
                                        ui::RDW_UPDATENOW);
          }
          SendToWindowedChildren(this, SKC_PARENT_UPDATED);
          return true;
        case SKC_IS_UPDATING: msg.result = skinData_.IsUpdating() ? 1 : 0; return true;
        default: return skinData_.HandleCommand(msg);
      }
    case ui::WM_SIZE: skinData_.CacheStale = true; return false;
    case ui::WM_SETFOCUS:
    case ui::WM_KILLFOCUS: ui::Panel::WndProc(msg); return true;
    case ui::WM_PAINT:
      if (!Visible() && !Designing()) return false;
      PaintMessage(msg);
      return true;
    case ui::WM_ERASEBKGND: EraseMessage(msg); return true;
    case ui::WM_WINDOWPOSCHANGING:
      if (skinData_.Section()->Transparency != 0) skinData_.CacheStale = true;
      return false;
    case ui::WM_PRINTCLIENT: PrintMessage(msg); return true;
    case ui::CM_VISIBLECHANGED:
      skinData_.CacheStale = true;
      skinData_.ParentUpdating = false;
      ui::Panel::WndProc(msg);
      return true;
    case ui::CM_COLORCHANGED:
      if (skinData_.CustomColor()) skinData_.CacheStale = true;
      return false;
    case ui::CM_TEXTCHANGED:
      if (Parent()) skinData_.Invalidate();
      return true;
    default: return false;
  }
}

void TsPanel::WndProc(ui::Message& msg) {
  if (HandleFirst(msg)) return;
  if (!Skinned() || !ControlReady(this)) {
    if (msg.msg == ui::SM_ALPHACMD && skinData_.HandleCommand(msg)) return;
    ui::Panel::WndProc(msg);
    return;
  }
  if (HandleSkinned(msg)) return;
  if (!skinData_.HandleMessage(msg)) ui::Panel::WndProc(msg);
  if (msg.msg == ui::CM_FONTCHANGED && !Caption().empty()) {
    skinData_.CacheStale = true;
    Invalidate();
  } else if (msg.msg == ui::CM_ENABLEDCHANGED) {
    skinData_.Invalidate();
  }
}

}  // namespace skin
