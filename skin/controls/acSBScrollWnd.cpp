// TacScrollWnd: the skinned bars' room in the non-client area, their hit
// test and painting, and the adapter's message table.
#include <algorithm>

#include "platform/ui/Application.h"
#include "platform/ui/WinControl.h"
#include "skin/controls/SkinSeams.h"
#include "skin/controls/acSBPaint.h"
#include "skin/controls/acSBTracking.h"
#include "skin/controls/acSBUtils.h"
#include "skin/controls/sBackdrop.h"
#include "skin/controls/sCommonData.h"
#include "skin/controls/sSkinCommands.h"
#include "skin/data/SkinModel.h"
#include "skin/render/MaskCells.h"
#include "skin/render/MaskImage.h"

namespace skin {

namespace {

// Not a hit-test answer: the message goes on to the window.
constexpr int kPassOnHit = -100;

BackdropRef WindowBackdrop(ui::WinControl& window) {
  BackdropQuery q;
  SendSkinCommand(&window, SKC_GET_BG_INFO, reinterpret_cast<ui::LPARAM>(&q));
  return ToBackdropRef(q);
}

}  // namespace

TacScrollWnd::TacScrollWnd(ui::WinControl& window, const std::string& section, TsSkinManager* manager,
                           TsCommonData* binding)
    : TacMainWnd(window, section, manager, binding) {
  HorzBar.BarKind = ui::SB_HORZ;
  VertBar.BarKind = ui::SB_VERT;
  for (TacScrollBar* b : {&HorzBar, &VertBar}) b->Owner = this;
}

TacScrollWnd::~TacScrollWnd() {
  if (!Unhooked) UnhookWindow();
}

void TacScrollWnd::Attach(bool hookFlag) {
  for (TacScrollBar* b : {&HorzBar, &VertBar}) {
    b->Info.Mask = ui::SIF_ALL;
    Window->GetScrollInfo(b->BarKind, b->Info);
    b->ArrowLength = b->Thickness = -1;
    b->MinThumb = 10;
  }
  LeftScrollBar = (Window->ExStyle() & ui::WS_EX_LEFTSCROLLBAR) != 0;
  HorzBar.ScrollFlags = (Window->Style() & ui::WS_HSCROLL) ? kScrollFlagPresent : 0;
  VertBar.ScrollFlags = (Window->Style() & ui::WS_VSCROLL) ? kScrollFlagPresent : 0;
  StyleGuard = false;
  TacMainWnd::Attach(hookFlag);
  if (hookFlag && Window->HandleAllocated()) Window->FrameChanged();
}

void TacScrollWnd::Unhooking() {
  TacScrollTracking& t = ScrollTracking();
  if (t.ActiveWindow == Window) {
    // The record must not outlive the window it names.
    Window->KillTimer(ui::TIMER_SCROLL_HOVER);
    Window->KillTimer(ui::TIMER_SCROLL_DELAY);
    Window->KillTimer(ui::TIMER_SCROLL_REPEAT);
    if (ui::Application::Exists() && ui::App().CaptureControl() == Window) {
      releasing_ = true;
      Window->SetMouseCapture(false);
      releasing_ = false;
    }
    t.ResetHover();
    t.ResetPress();
    t.ActiveWindow = nullptr;
  }
  ThumbTracking = false;
  HorzBar.Shown = VertBar.Shown = false;
  // The plain bars take their room back.
  if (Window->HandleAllocated() && !Window->Destroying()) Window->FrameChanged();
}

// --- sizes and places -------------------------------------------------------

BarRects TacScrollWnd::BarsInWindow() const {
  const int h = HorzBar.Shown ? ThicknessOf(HorzBar) : 0;
  const int v = VertBar.Shown ? ThicknessOf(VertBar) : 0;
  return PlaceBars({0, 0, Window->Width(), Window->Height()}, {EdgeLeft, EdgeTop, EdgeRight, EdgeBottom}, h, v,
                   LeftScrollBar);
}

gfx::Rect TacScrollWnd::BarOnScreen(int kind) const {
  const BarRects r = BarsInWindow();
  const gfx::Rect w = Window->WindowRect();
  return (kind == ui::SB_VERT ? r.Vert : r.Horz).Offset(w.Left, w.Top);
}

bool TacScrollWnd::BarEnabled(const TacScrollBar& bar) const {
  return (Window->Style() & (bar.Vertical() ? ui::WS_VSCROLL : ui::WS_HSCROLL)) != 0;
}

void TacScrollWnd::NcCalcSize(ui::Message& msg) {
  auto& p = *reinterpret_cast<ui::NcCalcSizeParams*>(msg.lParam);
  const gfx::Rect before = p.Rect[0];
  const std::uint32_t style = Window->Style();
  const std::uint32_t bits = style & (ui::WS_VSCROLL | ui::WS_HSCROLL);
  if (bits) {
    // The window computes its client area as if it had no bars.
    StyleGuard = true;
    Window->SetStyle(style & ~bits);
    PassOn(msg);
    Window->SetStyle(Window->Style() | bits);
    StyleGuard = false;
  } else {
    PassOn(msg);
  }
  gfx::Rect& c = p.Rect[0];
  EdgeLeft = c.Left - before.Left;
  EdgeRight = before.Right - c.Right;
  EdgeTop = c.Top - before.Top;
  EdgeBottom = before.Bottom - c.Bottom;

  HorzBar.ScrollFlags = (style & ui::WS_HSCROLL) ? kScrollFlagPresent : 0;
  const int ht = ThicknessOf(HorzBar);
  HorzBar.Shown = HorzBar.ScrollFlags && c.Height() >= ht;
  if (HorzBar.Shown) c.Bottom -= ht;

  VertBar.ScrollFlags = (style & ui::WS_VSCROLL) ? kScrollFlagPresent : 0;
  const int vt = ThicknessOf(VertBar);
  VertBar.Shown = VertBar.ScrollFlags && c.Width() >= vt;
  if (VertBar.Shown) {
    if (LeftScrollBar)
      c.Left += vt;
    else
      c.Right -= vt;
  }
}

bool TacScrollWnd::AtTopLevelCorner() const {
  ui::WinControl* parent = Window->Parent();
  if (!parent || !parent->IsTopLevel()) return false;
  const gfx::Rect pc = parent->ClientRect();
  return Window->Left() + Window->Width() == pc.Right && Window->Top() + Window->Height() == pc.Bottom;
}

int TacScrollWnd::NcHitTest(gfx::Point screen) {
  const BarRects r = BarsInWindow();
  const gfx::Rect w = Window->WindowRect();
  if (HorzBar.Shown && r.Horz.Offset(w.Left, w.Top).Contains(screen))
    return BarEnabled(HorzBar) ? ui::HTHSCROLL : ui::HTNOWHERE;
  if (VertBar.Shown && r.Vert.Offset(w.Left, w.Top).Contains(screen))
    return BarEnabled(VertBar) ? ui::HTVSCROLL : ui::HTNOWHERE;
  if (!r.Corner.IsEmpty() && r.Corner.Offset(w.Left, w.Top).Contains(screen) && AtTopLevelCorner())
    return ui::HTBOTTOMRIGHT;
  return kPassOnHit;
}

// --- painting ---------------------------------------------------------------

void TacScrollWnd::RefreshBars(bool repaint) {
  if (!Window->IsWindowVisible() || Binding->ParentUpdating) return;
  for (TacScrollBar* b : {&HorzBar, &VertBar}) {
    b->Info.Mask = ui::SIF_ALL;
    Window->GetScrollInfo(b->BarKind, b->Info);
  }
  if (repaint && !FormAnimator().AnimationRunning()) PaintBars(nullptr, -1);
}

void TacScrollWnd::PaintBars(gfx::Canvas* dc, int thumbStart) {
  Binding->ParentUpdating = Binding->IsUpdating();
  if (Binding->ParentUpdating || (Window->State() & ui::csCreating) ||
      (Window->ControlState() & ui::csCreatingControl) || !Window->IsWindowVisible())
    return;
  if (Binding->CacheStale) SendSkinCommand(Window, SKC_REPAINT_CACHE);
  std::unique_ptr<gfx::Canvas> own;
  if (!dc) {
    own = Window->GetSurface(ui::SurfaceArea::Window);
    if (!own) return;
    dc = own.get();
  }
  const BarRects r = BarsInWindow();
  const TacScrollTracking& t = ScrollTracking();
  if (HorzBar.Shown) PaintScrollBar(HorzBar, *dc, thumbStart, t.PressBar == ui::SB_HORZ ? t.PressedShown : -1, r.Horz);
  if (VertBar.Shown) PaintScrollBar(VertBar, *dc, thumbStart, t.PressBar == ui::SB_VERT ? t.PressedShown : -1, r.Vert);
  if (!r.Corner.IsEmpty()) PaintCorner(*dc, r.Corner);
}

void TacScrollWnd::PaintScrollBar(TacScrollBar& bar, gfx::Canvas& dc, int thumbStart, int pressed,
                                  const gfx::Rect& r) {
  if (ThumbTracking || SendingScroll || !bar.Shown) return;
  DrawBar(bar, dc, thumbStart, pressed, r, false);
}

void TacScrollWnd::DrawBar(TacScrollBar& bar, gfx::Canvas& dc, int thumbStart, int pressed, const gfx::Rect& r,
                           bool dragged) {
  const TsSkinModel* model = Binding->Model();
  if (!model || !CanPaintBar(*model, bar.Vertical())) return;
  if ((bar.Vertical() ? r.Height() : r.Width()) <= 1) return;
  bar.Info.Mask = ui::SIF_ALL;
  Window->GetScrollInfo(bar.BarKind, bar.Info);

  const TacScrollTracking& t = ScrollTracking();
  const bool active = t.ActiveWindow == Window;
  const int z = active && !dragged ? pressed : -1;
  const int a = ArrowLengthOf(bar, model, false);
  const bool usable = BarEnabled(bar) && Window->Enabled();
  const bool hovered = active && usable && !dragged && t.HoverBar == bar.BarKind;
  const ThumbPlace thumb = ThumbGeometry(bar, a, r);
  const int start = thumbStart != -1 ? thumbStart : thumb.Start;

  BarLook look;
  look.Model = model;
  look.Bar = &bar;
  look.Origin = r.TopLeft();
  look.Size = r.GetSize();
  look.ThumbOffset = start - (bar.Vertical() ? r.Top : r.Left);
  look.ThumbLength = thumb.Length;
  look.ArrowLength = ArrowLengthOf(bar, model, true);
  look.GlyphSquare = a;
  look.Usable = usable;
  look.FirstArrowState = z == kZoneFirstArrow ? 2 : (hovered && t.HoverZone == kZoneFirstArrow ? 1 : 0);
  look.SecondArrowState = z == kZoneSecondArrow ? 2 : (hovered && t.HoverZone == kZoneSecondArrow ? 1 : 0);
  look.TrackBeforeState = z == kZoneTrackBefore ? 2 : 0;
  look.TrackAfterState = z == kZoneTrackAfter ? 2 : 0;
  look.ThumbState = dragged ? 2 : (hovered && t.HoverZone == kZoneThumb ? 1 : 0);
  look.WindowBackdrop = WindowBackdrop(*Window);
  dc.DrawBitmap(r.Left, r.Top, images_[bar.BarKind == ui::SB_VERT ? 1 : 0].Paint(look));
}

void TacScrollWnd::PaintCorner(gfx::Canvas& dc, const gfx::Rect& corner) {
  gfx::Bitmap square(corner.Width(), corner.Height(), gfx::PixelFormat::Bgr24);
  const BackdropRef bg = WindowBackdrop(*Window);
  {
    gfx::Canvas c(square);
    if (bg.HasImage())
      c.DrawBitmap(0, 0, *bg.Bitmap, corner.Offset(bg.X, bg.Y));
    else
      c.FillRect({0, 0, square.Width(), square.Height()}, gfx::ColorToRGB(bg.FillColor));
  }
  const TsSkinModel* model = Binding->Model();
  if (model && AtTopLevelCorner()) {
    const int global = model->CommonIndexes.GlobalInfo;
    const int grip = model->MaskIndexOf(global, "GLOBALINFO", "GRIPIMAGE");
    if (const TsMaskData* m = MaskAt(*model, grip)) {
      const gfx::Point at{square.Width() - MaskCellWidth(*m), square.Height() - MaskCellHeight(*m)};
      RenderMaskImage(*model, square, at, 0, MakeBackdropRef(&square, 0, 0), *m, kMaskImageNormal);
    }
  }
  dc.DrawBitmap(corner.Left, corner.Top, square);
}

// --- messages ---------------------------------------------------------------

bool TacScrollWnd::HandleSkinCommand(ui::Message& msg) {
  const int code = SkinCommandOf(msg);
  if (code == SKC_SKIN_LOADED || code == SKC_SKIN_UNLOADED || code == SKC_SKIN_REFRESH)
    for (BarImageCache& c : images_) c.Clear();
  switch (code) {
    case SKC_SKIN_LOADED:
      if (FromOwnManager(msg)) {
        if (OwnsBinding) Binding->Resolve();
        for (ui::Control* c : std::vector<ui::Control*>(Window->Controls()))
          SendSkinCommand(c, SKC_SKIN_LOADED, msg.lParam, ui::LoWord(msg.wParam));
      }
      PassOn(msg);
      return true;
    case SKC_SKIN_UNLOADED:
      if (FromOwnManager(msg)) RestoreColors();
      PassOn(msg);
      return true;
    case SKC_SKIN_REFRESH:
      if (FromOwnManager(msg)) {
        if (OwnsBinding) Binding->Resolve();
        Binding->CacheStale = true;
      }
      PassOn(msg);
      return true;
    case SKC_PARENT_UPDATED:
      if (Binding->ParentUpdating) {
        Binding->ParentUpdating = false;
        if (!Binding->IsUpdating())
          Window->RedrawWindow(nullptr, ui::RDW_INVALIDATE | ui::RDW_FRAME | ui::RDW_ALLCHILDREN);
      }
      PassOn(msg);
      return true;
    case SKC_IS_SKINNED: msg.result = 1; return true;
    case SKC_SET_UPDATING:
      Binding->ParentUpdating = ui::LoWord(msg.wParam) == 1;
      PassOn(msg);
      return true;
    case SKC_GET_CONTROL_COLOR:
      PassOn(msg);
      if (msg.result == 0) msg.result = static_cast<ui::LRESULT>(ControlColorOf(*Binding, false));
      return true;
    case SKC_GET_BG_INFO:
      PassOn(msg);
      if (auto* q = reinterpret_cast<BackdropQuery*>(msg.lParam); q && q->Kind == kBackdropNone)
        AnswerBackdropQuery(*Binding, *q, false);
      return true;
    case SKC_GET_APPLICATION: msg.result = reinterpret_cast<ui::LRESULT>(&ui::App()); return true;
    default: return false;
  }
}

void TacScrollWnd::HandleMessage(ui::Message& msg) {
  switch (msg.msg) {
    case ui::WM_DESTROY:
    case ui::WM_NCDESTROY:
      UnhookWindow();
      PassOn(msg);
      return;
    case ui::WM_UPDATEUISTATE: return;
    default: break;
  }
  if (Unhooked) {
    PassOn(msg);
    return;
  }
  if (!Skinned()) {
    if (SkinCommandOf(msg) == SKC_SKIN_LOADED && FromOwnManager(msg) && OwnsBinding) Binding->Resolve();
    PassOn(msg);
    return;
  }
  if (msg.msg == ui::SM_ALPHACMD) {
    if (!HandleSkinCommand(msg)) PassOn(msg);
    return;
  }
  TacScrollTracking& t = ScrollTracking();
  const bool mine = t.ActiveWindow == Window;
  switch (msg.msg) {
    case ui::WM_STYLECHANGING:
    case ui::WM_STYLECHANGED:
      if (StyleGuard) {
        msg.result = 0;
        return;
      }
      if (msg.msg == ui::WM_STYLECHANGED && msg.wParam == ui::GWL_EXSTYLE)
        LeftScrollBar = (reinterpret_cast<const ui::StyleStruct*>(msg.lParam)->NewStyle & ui::WS_EX_LEFTSCROLLBAR) != 0;
      PassOn(msg);
      return;
    case ui::WM_NCCALCSIZE: NcCalcSize(msg); return;
    case ui::WM_NCHITTEST: {
      const int hit = NcHitTest({ui::GetXParam(msg.lParam), ui::GetYParam(msg.lParam)});
      if (hit == kPassOnHit)
        PassOn(msg);
      else
        msg.result = hit;
      return;
    }
    case ui::WM_NCPAINT:
      if (!Window->IsWindowVisible()) {
        PassOn(msg);
        return;
      }
      Binding->ParentUpdating = Binding->IsUpdating();
      // The window draws its frame first; the skinned bars go over the
      // plain ones it may draw.
      PassOn(msg);
      if (!Unhooked && !Binding->ParentUpdating && !SendingScroll)
        PaintBars(reinterpret_cast<gfx::Canvas*>(msg.wParam), -1);
      return;
    case ui::WM_NCMOUSEMOVE:
      Hover(static_cast<int>(msg.wParam));
      PassOn(msg);
      return;
    case ui::WM_NCLBUTTONDOWN:
    case ui::WM_NCLBUTTONDBLCLK:
      if (msg.wParam == ui::HTHSCROLL || msg.wParam == ui::HTVSCROLL) {
        Press(static_cast<int>(msg.wParam), {ui::GetXParam(msg.lParam), ui::GetYParam(msg.lParam)});
        return;
      }
      PassOn(msg);
      return;
    case ui::WM_NCRBUTTONDOWN:
    case ui::WM_NCRBUTTONUP:
    case ui::WM_NCMBUTTONDOWN:
    case ui::WM_NCMBUTTONUP:
      if (msg.wParam == ui::HTHSCROLL || msg.wParam == ui::HTVSCROLL) {
        msg.result = 0;
        return;
      }
      PassOn(msg);
      return;
    case ui::WM_SYSCOMMAND:
      if (msg.wParam == ui::SC_VSCROLL_BAR) return;
      PassOn(msg);
      return;
    case ui::WM_TIMER: {
      switch (static_cast<unsigned>(msg.wParam)) {
        case ui::TIMER_SCROLL_HOVER: HoverTick(); break;
        case ui::TIMER_SCROLL_DELAY:
          Window->KillTimer(ui::TIMER_SCROLL_DELAY);
          if (mine && Pressing() && t.PressZone != kZoneThumb)
            Window->SetTimer(ui::TIMER_SCROLL_REPEAT, 55);
          break;
        case ui::TIMER_SCROLL_REPEAT:
          if (mine && Pressing() && t.PressZone != kZoneThumb)
            RepeatTick();
          else
            Window->KillTimer(ui::TIMER_SCROLL_REPEAT);
          break;
        default: PassOn(msg); break;
      }
      if (!Unhooked && !SendingScroll && !ThumbTracking) RefreshBars(true);
      return;
    }
    case ui::WM_MOUSEMOVE:
      if (mine && Pressing()) {
        const gfx::Point o = Window->ClientOrigin();
        PressMove({o.X + ui::GetXParam(msg.lParam), o.Y + ui::GetYParam(msg.lParam)});
        return;
      }
      PassOn(msg);
      return;
    case ui::WM_LBUTTONUP:
      if (mine && Pressing()) Release();
      PassOn(msg);
      return;
    case ui::WM_CAPTURECHANGED:
      if (mine && Pressing() && !releasing_) CancelPress();
      PassOn(msg);
      return;
    case ui::WM_SHOWWINDOW:
    case ui::CM_VISIBLECHANGED:
      if (!msg.wParam && mine) {
        if (Pressing()) CancelPress();
        EndHover();
      }
      PassOn(msg);
      return;
    case ui::WM_MOUSEWHEEL:
      PassOn(msg);
      if (!Unhooked && !SendingScroll) RefreshBars(true);
      return;
    case ui::CM_FOCUSCHANGED:
      PassOn(msg);
      if (!Unhooked) RefreshBars(true);
      return;
    case ui::CM_UIACTIVATE:
      PassOn(msg);
      // Unless someone answered it, activation may have changed the
      // window's size: give it back the size it had, with the frame
      // (and so the bars' room) recalculated.
      if (!Unhooked && msg.result == 0 && WindowSize.Width > 0 && WindowSize.Height > 0)
        Window->SetWindowPos(ui::ZOrder::Top, nullptr, 0, 0, WindowSize.Width, WindowSize.Height,
                             ui::SWP_NOMOVE | ui::SWP_NOZORDER | ui::SWP_NOACTIVATE | ui::SWP_FRAMECHANGED);
      return;
    default: PassOn(msg); return;
  }
}

}  // namespace skin
