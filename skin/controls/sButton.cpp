#include "skin/controls/sButton.h"

#include <algorithm>

#include "platform/gfx/Canvas.h"
#include "platform/ui/Application.h"
#include "platform/ui/WindowTypes.h"
#include "skin/controls/ButtonPicture.h"
#include "skin/controls/ButtonRegion.h"
#include "skin/controls/sAlphaImageList.h"
#include "skin/controls/sBackdrop.h"
#include "skin/controls/sBoundItem.h"
#include "skin/controls/sButtonHints.h"
#include "skin/controls/sFadeTimer.h"
#include "skin/controls/sSkinCommands.h"
#include "skin/controls/sSkinManager.h"
#include "skin/controls/sSkinText.h"
#include "skin/data/SkinModel.h"
#include "skin/render/FocusDots.h"
#include "skin/render/MaskFrame.h"

namespace skin {

namespace {
bool g_forcePressed = false;
}  // namespace

bool ButtonForcePressed() { return g_forcePressed; }

TsButton::TsButton(ui::Component* owner)
    : ui::Button(owner), skinData_(this, true, 93), images_(*this, ui::NotifyEvent(this, &TsButton::ImagesChanged)) {
  SetControlStyle(ControlStyle() & ~(ui::csOpaque | ui::csDoubleClicks));
  SetWordWrap(true);
  skinData_.Loaded();
}

TsButton::~TsButton() {
  BeginDestruction();
  if (pressedByMouse_) RestoreHints();
  StopWindowFade(fadeTimer_);
}

void TsButton::Loaded() {
  ui::Button::Loaded();
  // Made after the skin became active (the dialogs): resolve now.
  skinData_.Loaded();
  if (SkinnedNow() && !OwnerDraw()) SetOwnerDraw(true);
}

bool TsButton::Ready() const {
  if (!Parent() || (State() & (ui::csLoading | ui::csReading | ui::csCreating | ui::csDestroying))) return false;
  return Parent()->HandleAllocated();
}

bool TsButton::SkinnedNow() const {
  const TsSkinManager* m = skinData_.Manager();
  return m && m->Active() && skinData_.IsSkinned();
}

void TsButton::CreateParams(ui::CreateParams& params) {
  ui::Button::CreateParams(params);
  const TsSkinManager* m = skinData_.Manager();
  if (m && m->Active() && !m->SkinName().empty())
    params.Style = (params.Style & ~ui::BS_TYPEMASK) | ui::BS_OWNERDRAW;
}

void TsButton::DefaultNotice(bool isDefaultNow) {
  ui::Button::DefaultNotice(isDefaultNow);  // keeps an owner-draw style
  skinData_.Invalidate();
}

// --- properties -------------------------------------------------------------------

void TsButton::SetDisabledKind(TsDisabledKinds k) {
  if (k == disabledKind_) return;
  disabledKind_ = k;
  if (!Loading()) skinData_.Invalidate();
}

void TsButton::SetDown(bool on) {
  if (on == down_) return;
  down_ = on;
  if (!Loading()) skinData_.Invalidate();
}

void TsButton::SetShowFocus(bool on) {
  if (on == showFocus_) return;
  showFocus_ = on;
  skinData_.Invalidate();
}

void TsButton::SetIndex(int slot, int index) {
  if (imageIndex_[slot] == index) return;
  imageIndex_[slot] = index;
  if (images_) skinData_.Invalidate();
}

void TsButton::SetImageAlignment(TImageAlignment a) {
  if (a == imageAlignment_) return;
  imageAlignment_ = a;
  if (images_) skinData_.Invalidate();
}

void TsButton::SetImageMargins(const TImageMargins& m) {
  if (m == imageMargins_) return;
  imageMargins_ = m;
  if (images_) skinData_.Invalidate();
}

void TsButton::SetImages(ui::CustomImageList* list) {
  if (images_.Set(list)) skinData_.Invalidate();
}

void TsButton::ImagesChanged(ui::Component*) {
  if (images_) skinData_.Invalidate();
}

void TsButton::Notification(ui::Component* c, ui::Operation op) {
  ui::Button::Notification(c, op);
  if (op == ui::Operation::Remove && images_.Removed(c) && !Destroying()) skinData_.Invalidate();
}

// --- state ----------------------------------------------------------------------------

int TsButton::VisualState() const {
  if (down_) return 2;
  if (!Enabled()) return 0;  // a disabled default button looks like any disabled one
  const bool pushed = Pushed() || g_forcePressed;
  if (pushed && (skinData_.MouseOver || !ui::App().ButtonHeld(0) || !pressedByMouse_)) return 2;
  if (IsDefaultNow() || (Style() & ui::BS_TYPEMASK) == ui::BS_DEFPUSHBUTTON || skinData_.IsActive() ||
      (Designing() && Default()))
    return 1;
  return 0;
}

bool TsButton::ValidPicture() const {
  return images_ && imageIndex_[0] >= 0 && imageIndex_[0] < images_->Count();
}

int TsButton::StateImageIndex() const {
  int slot = 0;
  if (!Enabled())
    slot = 4;
  else if (VisualState() == 2)
    slot = 2;
  else if (Focused())
    slot = 3;
  else if (VisualState() == 1)
    slot = 1;
  const int own = imageIndex_[slot];
  if (slot != 0 && images_ && own >= 0 && own < images_->Count()) return own;
  return imageIndex_[0];
}

gfx::Rect TsButton::CaptionBox() {
  const int W = Width(), H = Height();
  int tw = 0, th = 0;
  if (!Caption().empty()) {
    gfx::Rect calc{0, 0, W - 2, 0};
    gfx::Bitmap scratch = gfx::NewBitmap24(1, 1);
    gfx::Canvas c(skinData_.CacheBitmap.Empty() ? scratch : skinData_.CacheBitmap);
    c.SetFont(Font());
    const unsigned flags = gfx::DT_CALCRECT | gfx::DT_EXPANDTABS | gfx::DT_CENTER |
                           (WordWrap() ? gfx::DT_WORDBREAK : gfx::DT_SINGLELINE);
    c.DrawText(Caption(), calc, flags);
    tw = calc.Width();
    th = calc.Height();
  }
  const TImageMargins& m = imageMargins_;
  const int iw = images_ ? images_->Width() : 0, ih = images_ ? images_->Height() : 0;
  gfx::Rect r;
  const TImageAlignment a = ValidPicture() ? imageAlignment_ : TImageAlignment::iaCenter;
  switch (a) {
    case TImageAlignment::iaCenter:
      r.Left = (W - tw) / 2;
      r.Top = (H - th) / 2;
      r.Right = W - r.Left;
      r.Bottom = H - r.Top;
      break;
    case TImageAlignment::iaLeft: {
      const int A = m.Left + iw + 3;
      r.Left = A + (W - A - tw) / 2;
      r.Top = (H - th) / 2;
      r.Right = r.Left + tw;
      r.Bottom = H - r.Top;
      break;
    }
    case TImageAlignment::iaRight:
      r.Left = (W - m.Right - iw - tw - 3) / 2;
      r.Top = (H - th) / 2;
      r.Right = r.Left + tw;
      r.Bottom = H - r.Top;
      break;
    case TImageAlignment::iaTop: {
      const int Bm = m.Top + ih + 3;
      r.Left = (W - tw) / 2;
      r.Top = Bm + (H - Bm - th) / 2;
      r.Right = W - r.Left;
      r.Bottom = r.Top + th;
      break;
    }
    case TImageAlignment::iaBottom:
      r.Left = (W - tw) / 2;
      r.Top = (H - m.Bottom - ih - th - 3) / 2;
      r.Right = W - r.Left;
      r.Bottom = r.Top + th;
      break;
  }
  gfx::Rect out{r.Left - 1, r.Top, r.Right + 2, r.Bottom};
  return VisualState() == 2 ? out.Offset(1, 1) : out;
}

gfx::Rect TsButton::PictureBox() const {
  if (!ValidPicture()) return {};
  const int W = Width(), H = Height(), iw = images_->Width(), ih = images_->Height();
  const TImageMargins& m = imageMargins_;
  int left = 0, top = 0;
  switch (imageAlignment_) {
    case TImageAlignment::iaLeft: left = m.Left + 3, top = (H - ih) / 2; break;
    case TImageAlignment::iaRight: left = W - m.Right - 3 - iw, top = (H - ih) / 2; break;
    case TImageAlignment::iaTop: left = (W - iw) / 2, top = m.Top + 3; break;
    case TImageAlignment::iaBottom: left = (W - iw) / 2, top = H - m.Bottom - 3 - ih; break;
    case TImageAlignment::iaCenter: left = (W - iw) / 2, top = (H - ih) / 2; break;
  }
  const gfx::Rect r{left, top, left + iw, top + ih};
  return VisualState() == 2 ? r.Offset(1, 1) : r;
}

// --- painting -----------------------------------------------------------------------

void TsButton::RenderCache() {
  gfx::Bitmap& cache = skinData_.EnsureCache();
  if (cache.Empty() || !skinData_.IsSkinned()) return;
  const BackdropRef backdrop = ParentBackdropOf(skinData_);
  const int state = VisualState();
  const gfx::Point at{Left(), Top()};
  // The background alone; the mask follows with the region.
  const int mask = skinData_.MaskIndex;
  skinData_.MaskIndex = -1;
  RenderBoundItem(skinData_, backdrop, true, true, state, cache, at, cache.Bounds());
  skinData_.MaskIndex = mask;
  const TsSkinModel& model = *skinData_.Model();
  const bool fading = fadeTimer_ && fadeTimer_->Enabled();
  if (mask >= 0) {
    RenderMaskFrame(model, cache, cache.Bounds(), true, true, state, mask, backdrop.Moved(Left(), Top()));
    if (!fading) pendingRegion_ = ButtonWindowRegion(model, mask, state, cache.GetSize());
  } else if (!fading) {
    pendingRegion_ = gfx::Region(cache.Bounds());
  }
  PaintPicture();
  {
    gfx::Canvas c(cache);
    PaintCaption(c);
  }
  if (!Enabled()) PaintDisabledLook(cache, disabledKind_, ColorOfControl(Parent()), at, backdrop);
  skinData_.CacheStale = false;
}

void TsButton::PaintPicture() {
  if (!ValidPicture()) return;
  const gfx::Rect box = PictureBox();
  if (!dynamic_cast<AlphaImageList*>(images_.List())) {
    // Only alpha image lists are drawn: a red box marks any other list.
    gfx::Canvas(skinData_.CacheBitmap).FillRect(box, 0x000000FF);
    return;
  }
  ButtonPicture p;
  p.Images = images_.List();
  p.ImageIndex = StateImageIndex();
  DrawButtonPicture(skinData_.CacheBitmap, box.TopLeft(), p);
}

void TsButton::PaintCaption(gfx::Canvas& canvas) {
  gfx::Canvas::StateGuard guard(canvas);
  canvas.SetFont(Font());
  canvas.SetBrushStyle(gfx::BrushStyle::Clear);
  const gfx::Rect box = CaptionBox();
  unsigned flags = gfx::DT_CENTER | gfx::DT_EXPANDTABS | (WordWrap() ? gfx::DT_WORDBREAK : gfx::DT_SINGLELINE);
  DrawCaptionText(canvas, box, flags);
  const TsGeneralData* sec = skinData_.Section();
  if (Enabled() && Focused() && !Caption().empty() && showFocus_ && sec && sec->ShowFocus)
    DrawFocusDots(canvas, box.Inflate(focusMargin_, focusMargin_));
}

void TsButton::DrawCaptionText(gfx::Canvas& canvas, const gfx::Rect& rect, unsigned flags) {
  if (UseRightToLeftReading()) flags |= gfx::DT_RTLREADING;
  WriteSkinText(canvas, Caption(), true, VisualState() != 0, skinData_, flags, rect);
}

void TsButton::ApplyRegion() {
  if (!pendingRegion_ || !HandleAllocated() || Designing()) return;
  const std::optional<gfx::Region>& old = WindowRegion();
  if (old && *old == *pendingRegion_) return;
  // Pixels that rejoin the region lay outside this paint's clip: repaint.
  const bool grows = !old || !pendingRegion_->Difference(*old).IsEmpty();
  SetWindowRegion(*pendingRegion_, grows || firstPaint_);
}

void TsButton::PaintSkinned(gfx::Canvas& canvas) {
  skinData_.ParentUpdating = skinData_.IsUpdating();
  if (skinData_.ParentUpdating || (fadeTimer_ && fadeTimer_->Enabled())) return;
  RenderCache();
  RefreshItemCorners(skinData_, VisualState());
  ApplyRegion();
  firstPaint_ = false;
  // Shrunk over a plain-coloured parent: the parent repaints the old corners.
  const gfx::Rect now = BoundsRect();
  if (Parent() && !lastBounds_.IsEmpty() && (now.Width() < lastBounds_.Width() || now.Height() < lastBounds_.Height()) &&
      !ParentBackdropOf(skinData_).HasImage())
    Parent()->Invalidate();
  lastBounds_ = now;
  gfx::Canvas::StateGuard guard(canvas);
  canvas.DrawBitmap(0, 0, skinData_.CacheBitmap);
}

void TsButton::PaintWindow(gfx::Canvas& canvas) {
  if (SkinnedNow()) {
    PaintSkinned(canvas);
    return;
  }
  if (OwnerDraw()) {
    // The skin is gone but the style not yet switched back.
    PaintButton(canvas);
    return;
  }
  ui::Button::PaintWindow(canvas);
}

// --- input --------------------------------------------------------------------------

void TsButton::ApplyHoverChange() {
  if (!Enabled() || Designing()) return;
  if (!SkinnedNow() || !Ready()) return;
  skinData_.CacheStale = false;
  const TacAnimatEvent e = skinData_.MouseOver ? TacAnimatEvent::aeMouseEnter : TacAnimatEvent::aeMouseLeave;
  ChangeOrFade(fadeTimer_, skinData_, false, ShouldAnimate(e, animatEvents_));
}

void TsButton::MouseDown(ui::MouseButton button, ui::ShiftState shift, int x, int y) {
  if (SkinnedNow() && Enabled() && !Designing()) {
    skinData_.ParentUpdating = false;
    const bool left = button == ui::MouseButton::Left;
    if (left) HoldHints();
    pressedByMouse_ = true;
    if (left && !down_) {
      ui::Button::MouseDown(button, shift, x, y);  // pushed before the look changes
      skinData_.ParentUpdating = skinData_.IsUpdating();
      skinData_.CacheStale = false;
      ChangeOrFade(fadeTimer_, skinData_, true, ShouldAnimate(TacAnimatEvent::aeMouseDown, animatEvents_));
      RestoreHints();
      return;
    }
    RestoreHints();
  }
  ui::Button::MouseDown(button, shift, x, y);
}

void TsButton::MouseUp(ui::MouseButton button, ui::ShiftState shift, int x, int y) {
  const bool left = button == ui::MouseButton::Left;
  if (left) RestoreHints();
  // The platform release always runs, so a button released after another
  // button's press and release never stays pushed; only the skinned look
  // change needs this button's own press.
  const bool ours = pressedByMouse_ && !Destroying();
  pressedByMouse_ = pressedByMouse_ && !left ? true : false;
  if (!SkinnedNow() || !Enabled() || Designing() || !ours) {
    ui::Button::MouseUp(button, shift, x, y);
    return;
  }
  if (left && fadeTimer_ && fadeTimer_->StepIndex < fadeTimer_->StepCount) {
    fadeTimer_->SetEnabled(false);
    skinData_.CacheStale = true;
    g_forcePressed = true;
    if (HandleAllocated()) RedrawWindow(nullptr, ui::RDW_INVALIDATE | ui::RDW_UPDATENOW);
    g_forcePressed = false;
    ui::App().Sleep(30);
  }
  ui::Button::MouseUp(button, shift, x, y);
  if (Destroying() || !left) return;
  skinData_.ParentUpdating = false;
  skinData_.CacheStale = false;
  ChangeOrFade(fadeTimer_, skinData_, true, ShouldAnimate(TacAnimatEvent::aeMouseUp, animatEvents_));
}

void TsButton::KeyUp(unsigned& key, ui::ShiftState shift) {
  ui::Button::KeyUp(key, shift);
  if (key == ui::VK_SPACE && SkinnedNow()) {
    skinData_.CacheStale = true;
    Repaint();
  }
}

// --- messages -----------------------------------------------------------------------

void TsButton::WndProc(ui::Message& msg) {
  if (msg.msg == ui::WM_KILLFOCUS && Destroying()) return;
  switch (SkinCommandOf(msg)) {
    case SKC_SKIN_LOADED:
      // The manager in effect: the own one, else the default one.
      if (reinterpret_cast<TsSkinManager*>(msg.lParam) ==
          (skinData_.SkinManager() ? skinData_.SkinManager() : TsSkinManager::DefaultManager())) {
        if (!Designing()) SetOwnerDraw(true);
        StopWindowFade(fadeTimer_);
        skinData_.HandleCommand(msg);
        // The removal of the previous skin held the painting; the new skin
        // paints at once (the style change above asked for the paint).
        skinData_.ParentUpdating = false;
        skinData_.CacheStale = true;
        firstPaint_ = true;
      }
      return;
    case SKC_SKIN_UNLOADED:
      if (Destroying()) return;
      StopWindowFade(fadeTimer_);
      skinData_.HandleCommand(msg);
      SetOwnerDraw(false);
      pendingRegion_.reset();
      if (HandleAllocated()) SetWindowRegion(std::nullopt, true);
      Repaint();
      return;
    case SKC_SKIN_REFRESH:
      StopWindowFade(fadeTimer_);
      skinData_.HandleCommand(msg);
      if (SkinnedNow() && !OwnerDraw()) SetOwnerDraw(true);
      firstPaint_ = true;
      Repaint();
      return;
    case SKC_IS_SKINNED: msg.result = 1; return;
    case SKC_STOP_FADING:
      // The fade drew its frames itself; one normal paint after it gives the
      // window the region of the state it ended in.
      FinishWindowFade(fadeTimer_, skinData_);
      return;
    case SKC_REPAINT_CACHE: RenderCache(); break;
    case SKC_FADE_FRAME: pendingRegion_.reset(); break;
    case SKC_GET_APPLICATION:
      msg.result = ui::Application::Exists() ? reinterpret_cast<ui::LRESULT>(&ui::App()) : 0;
      return;
    default: break;
  }

  if (!Ready() || !SkinnedNow()) {
    if (skinData_.HandleMessage(msg)) return;
    ui::Button::WndProc(msg);
    return;
  }

  switch (SkinCommandOf(msg)) {
    case SKC_PARENT_UPDATED:
      if (skinData_.ParentUpdating || skinData_.IsUpdating()) {
        skinData_.ParentUpdating = false;
        Repaint();
      }
      return;
    case SKC_SET_FORCE_PARENT_BG:
      if (skinData_.PaintingHeld) RenderCache();
      skinData_.HandleCommand(msg);
      return;
    default: break;
  }
  switch (msg.msg) {
    case ui::WM_MOVE: {
      const TsGeneralData* sec = skinData_.Section();
      if (sec && (sec->Transparency > 0 || (sec->HotTransparency > 0 && skinData_.IsActive()))) {
        skinData_.CacheStale = true;
        Repaint();
      }
      break;
    }
    case ui::WM_SETREDRAW: return;
    case ui::WM_ERASEBKGND:
    case ui::WM_UPDATEUISTATE:
      if (Visible() || Designing()) {
        msg.result = 1;
        return;
      }
      break;
    case ui::WM_WINDOWPOSCHANGED: skinData_.CacheStale = true; break;
    case ui::CM_DIALOGCHAR:
      if (static_cast<char32_t>(msg.wParam) == U' ' && Enabled() && Focused()) {
        StopWindowFade(fadeTimer_);
        skinData_.CacheStale = true;
        Repaint();
      }
      break;
    case ui::CM_TEXTCHANGED:
      if (!Destroying()) skinData_.Invalidate();
      return;
    case ui::CM_UIACTIVATE: skinData_.ParentUpdating = false; break;
    case ui::OCM_DRAWITEM:
      msg.wParam = 0;
      msg.lParam = 0;
      msg.result = 1;
      return;
    case ui::WM_KILLFOCUS:
    case ui::CM_EXIT:
      if (!Designing() && Visible() && Enabled() && !Destroying()) StopWindowFade(fadeTimer_);
      break;
    default: break;
  }
  if (skinData_.HandleMessage(msg)) return;
  ui::Button::WndProc(msg);
  switch (msg.msg) {
    case ui::WM_SETFOCUS:
    case ui::WM_KILLFOCUS:
    case ui::CM_ENTER:
    case ui::CM_EXIT:
      if (!Destroying()) {
        if (msg.msg == ui::WM_KILLFOCUS || msg.msg == ui::CM_EXIT) skinData_.HasFocus = false;
        skinData_.Invalidate();
      }
      break;
    case ui::CM_FONTCHANGED:
      if (Visible() || Designing()) {
        skinData_.ParentUpdating = false;
        skinData_.Invalidate();
      }
      break;
    case ui::CM_VISIBLECHANGED:
      if (!Destroying()) {
        skinData_.CacheStale = true;
        skinData_.ParentUpdating = false;
        if (Visible() || Designing()) Repaint();
      }
      break;
    case ui::CM_ENABLEDCHANGED:
      if ((Visible() || Designing()) && !Destroying()) {
        skinData_.ParentUpdating = false;
        skinData_.Invalidate();
      }
      break;
    default: break;
  }
}

}  // namespace skin
