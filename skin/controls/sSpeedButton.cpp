#include "skin/controls/sSpeedButton.h"

#include <algorithm>

#include "platform/gfx/Canvas.h"
#include "platform/ui/Application.h"
#include "platform/ui/Screen.h"
#include "platform/ui/WinControl.h"
#include "platform/ui/menus/Menus.h"
#include "skin/controls/ButtonPicture.h"
#include "skin/controls/sAnimTimer.h"
#include "skin/controls/sBackdrop.h"
#include "skin/controls/sBoundItem.h"
#include "skin/controls/sButtonHints.h"
#include "skin/controls/sSkinCommands.h"
#include "skin/controls/sSkinManager.h"
#include "skin/controls/sSkinText.h"
#include "skin/controls/sSpeedButtonLayout.h"
#include "skin/data/SkinModel.h"
#include "skin/render/MaskFrame.h"

namespace skin {

namespace {

TsSpeedButton* g_openDropdownButton = nullptr;
bool g_dropdownOpen = false;

bool Pressed(ui::ButtonState s) { return s == ui::ButtonState::bsDown || s == ui::ButtonState::bsExclusive; }

unsigned AlignmentFlag(ui::Alignment a) {
  switch (a) {
    case ui::Alignment::taLeftJustify: return gfx::DT_LEFT;
    case ui::Alignment::taRightJustify: return gfx::DT_RIGHT;
    case ui::Alignment::taCenter: break;
  }
  return gfx::DT_CENTER;
}

}  // namespace

TsSpeedButton* OpenDropdownButton() { return g_openDropdownButton; }
bool DropdownMenuOpen() { return g_dropdownOpen; }

TsSpeedButton::TsSpeedButton(ui::Component* owner)
    : ui::SpeedButton(owner),
      skinData_(this, true, 92),
      images_(*this, ui::NotifyEvent(this, &TsSpeedButton::ImagesChanged)) {
  skinData_.Loaded();
  UpdateOpaque();
}

TsSpeedButton::~TsSpeedButton() {
  BeginDestruction();
  EndFade();
  if (g_openDropdownButton == this) {
    g_openDropdownButton = nullptr;
    g_dropdownOpen = false;
  }
  // A button freed while held down (the result dialog opens from a click)
  // must not leave hints off.
  if (Dragging()) RestoreHints();
  if (dropdownMenu_) dropdownMenu_->RemoveFreeNotification(this);
}

void TsSpeedButton::Loaded() {
  ui::SpeedButton::Loaded();
  skinData_.Loaded();
  UpdateOpaque();
  // An image list always wins over a glyph.
  if (images_ && imageIndex_ >= 0 && imageIndex_ < images_->Count()) Glyph().Clear();
}

void TsSpeedButton::UpdateOpaque() {
  const bool skinned = skinData_.IsSkinned();
  SetControlStyle(skinned ? ControlStyle() | ui::csOpaque : ControlStyle() & ~ui::csOpaque);
}

bool TsSpeedButton::Ready() const {
  if (!Parent() || (ui::Component::State() & (ui::csLoading | ui::csReading | ui::csCreating | ui::csDestroying))) return false;
  return Parent()->HandleAllocated();
}

// --- properties -------------------------------------------------------------------

void TsSpeedButton::LookChanged() {
  if (!Visible() && !Designing()) return;
  skinData_.CacheStale = true;
  PresentCache();
}

// A held skinned button (its parent is updating) only stores a new picture;
// it shows on the parent's command 6 or 18. Any other button shows it now.
void TsSpeedButton::PictureChanged() {
  if (skinData_.IsSkinned() && skinData_.ParentUpdating) {
    skinData_.CacheStale = true;
    return;
  }
  LookChanged();
}

void TsSpeedButton::SetImages(ui::CustomImageList* list) {
  if (images_.Set(list)) PictureChanged();
}

void TsSpeedButton::ImagesChanged(ui::Component*) { PictureChanged(); }

void TsSpeedButton::SetImageIndex(int index) {
  if (index == imageIndex_) return;
  imageIndex_ = index;
  PictureChanged();
}

void TsSpeedButton::SetBlend(int percent) {
  percent = std::clamp(percent, 0, 100);
  if (percent == blend_) return;
  blend_ = percent;
  PictureChanged();
}

void TsSpeedButton::SetGrayed(bool on) {
  if (on == grayed_) return;
  grayed_ = on;
  PictureChanged();
}

void TsSpeedButton::SetDisabledKind(TsDisabledKinds k) {
  if (k == disabledKind_) return;
  disabledKind_ = k;
  LookChanged();
}

void TsSpeedButton::SetDisabledGlyphKind(TsDisabledGlyphKinds k) {
  if (k == disabledGlyphKind_) return;
  disabledGlyphKind_ = k;
  LookChanged();
}

void TsSpeedButton::SetAlignment(ui::Alignment a) {
  if (a == alignment_) return;
  alignment_ = a;
  LookChanged();
}

void TsSpeedButton::SetTextAlignment(ui::Alignment a) {
  if (a == textAlignment_) return;
  textAlignment_ = a;
  LookChanged();
}

void TsSpeedButton::SetTextOffset(int v) {
  if (v == textOffset_) return;
  textOffset_ = v;
  LookChanged();
}

void TsSpeedButton::SetShowCaption(bool on) {
  if (on == showCaption_) return;
  showCaption_ = on;
  if (!on) {
    storedCaption_ = Caption();
    SetCaption("");
  } else {
    SetCaption(storedCaption_);
    storedCaption_.clear();
  }
  LookChanged();
}

void TsSpeedButton::SetButtonStyle(TToolButtonStyle s) {
  if (s == buttonStyle_) return;
  const bool wasDropDown = buttonStyle_ == TToolButtonStyle::tbsDropDown;
  buttonStyle_ = s;
  if (!Loading()) {
    if (s == TToolButtonStyle::tbsDropDown)
      SetWidth(Width() + kArrowWidth);
    else if (wasDropDown)
      SetWidth(Width() - kArrowWidth);
  }
  LookChanged();
}

void TsSpeedButton::SetDropdownMenu(ui::PopupMenu* m) {
  if (m == dropdownMenu_) return;
  if (dropdownMenu_) dropdownMenu_->RemoveFreeNotification(this);
  dropdownMenu_ = m;
  if (dropdownMenu_) dropdownMenu_->FreeNotification(this);
}

void TsSpeedButton::SetDrawOverBorder(bool on) {
  if (on == drawOverBorder_) return;
  drawOverBorder_ = on;
  LookChanged();
}

void TsSpeedButton::SetReflected(bool on) {
  if (on == reflected_) return;
  reflected_ = on;
  LookChanged();
}

void TsSpeedButton::Notification(ui::Component* c, ui::Operation op) {
  ui::SpeedButton::Notification(c, op);
  if (op != ui::Operation::Remove) return;
  if (images_.Removed(c) && !Destroying()) PictureChanged();
  if (c == dropdownMenu_) dropdownMenu_ = nullptr;
}

void TsSpeedButton::GlyphChanged() {
  if (Loading() || Destroying() || (ui::Component::State() & ui::csCreating)) return;
  skinData_.Invalidate();
}

void TsSpeedButton::GroupButtonPressed(ui::SpeedButton* sender) {
  ui::SpeedButton::GroupButtonPressed(sender);
  skinData_.CacheStale = true;
  PresentCache();
}

// --- geometry -----------------------------------------------------------------------

int TsSpeedButton::VisualState() const {
  if (Pressed(State())) return 2;
  return skinData_.IsActive() ? 1 : 0;
}

int TsSpeedButton::PictureWidth() const {
  const int n = std::max(NumGlyphs(), 1);
  if (Glyph().Bitmap().Width() > 0) return Glyph().Bitmap().Width() / n;
  if (images_ && imageIndex_ >= 0 && imageIndex_ < images_->Count()) return images_->Width() / n;
  return 0;
}

int TsSpeedButton::PictureHeight() const {
  if (Glyph().Bitmap().Height() > 0) return Glyph().Bitmap().Height();
  if (images_ && imageIndex_ >= 0 && imageIndex_ < images_->Count()) return images_->Height();
  return 0;
}

namespace {

SpeedButtonMetrics MetricsOf(const TsSpeedButton& b, gfx::Size caption, bool hasCaption, int pw, int ph) {
  SpeedButtonMetrics m;
  m.W = b.Width();
  m.H = b.Height();
  m.ArrowWidth = b.ArrowWidth();
  m.Margin = b.Margin();
  m.Spacing = b.Spacing();
  m.PW = pw;
  m.PH = ph;
  m.TW = caption.Width;
  m.TH = caption.Height;
  m.HasCaption = hasCaption;
  m.Layout = b.Layout();
  m.Alignment = b.Alignment();
  m.TextOffset = b.TextOffset();
  m.Pressed = b.VisualState() == 2;
  m.Reflected = b.Reflected();
  return m;
}

}  // namespace

gfx::Size TsSpeedButton::CaptionSize() {
  const bool hasCaption = showCaption_ && !Caption().empty();
  if (!hasCaption) return {};
  const SpeedButtonMetrics m = MetricsOf(*this, {}, true, PictureWidth(), PictureHeight());
  gfx::Rect calc{0, 0, CaptionRoom(m), 0};
  gfx::Bitmap scratch = gfx::NewBitmap24(1, 1);
  gfx::Canvas canvas(skinData_.CacheBitmap.Empty() ? scratch : skinData_.CacheBitmap);
  canvas.SetFont(Font());
  canvas.DrawText(Caption(), calc, gfx::DT_WORDBREAK | gfx::DT_EXPANDTABS | gfx::DT_CALCRECT);
  return {calc.Width(), calc.Height()};
}

gfx::Rect TsSpeedButton::PictureBox() {
  const bool hasCaption = showCaption_ && !Caption().empty();
  return SpeedPictureBox(MetricsOf(*this, CaptionSize(), hasCaption, PictureWidth(), PictureHeight()));
}

gfx::Rect TsSpeedButton::CaptionBox() {
  const bool hasCaption = showCaption_ && !Caption().empty();
  return SpeedCaptionBox(MetricsOf(*this, CaptionSize(), hasCaption, PictureWidth(), PictureHeight()));
}

// --- painting -----------------------------------------------------------------------

void TsSpeedButton::CopyToScreen(const gfx::Bitmap& image) {
  if (auto canvas = GetCanvas()) canvas->DrawBitmap(0, 0, image);
}

void TsSpeedButton::Paint(gfx::Canvas& canvas) {
  TsSkinManager* manager = skinData_.Manager();
  if (manager && manager->Active() && skinData_.SectionIndex < 1) skinData_.Resolve();
  if (!skinData_.IsSkinned()) {
    // A web button has no frame: its plain look is the picture alone.
    PaintPlain(canvas, skinData_.SkinSection() != "WEBBUTTON");
    return;
  }
  if (Width() <= 0 || Height() <= 0) return;
  if (fadeTimer_ && fadeTimer_->FrameImage.Width() == Width()) {
    canvas.DrawBitmap(0, 0, fadeTimer_->FrameImage);
    return;
  }
  skinData_.CacheStale =
      VisualState() > 0 || Down() != lastDown_ || skinData_.CacheStale || skinData_.RenderNextPaint;
  lastDown_ = Down();
  skinData_.RenderNextPaint = skinData_.NeedsParentBackground();
  if (skinData_.CacheStale || NumGlyphs() != lastNumGlyphs_ || Spacing() != lastSpacing_) {
    skinData_.CacheStale = true;
    lastNumGlyphs_ = NumGlyphs();
    lastSpacing_ = Spacing();
  }
  if (skinData_.CacheStale && !skinData_.PaintingHeld) RenderCache();
  // A render abandoned for want of the parent's image leaves nothing to show.
  if (skinData_.CacheStale || skinData_.CacheBitmap.GetSize() != gfx::Size{Width(), Height()}) return;
  canvas.DrawBitmap(0, 0, skinData_.CacheBitmap);
}

void TsSpeedButton::PresentCache() {
  if (!Ready() || !Visible()) return;
  if (!skinData_.IsSkinned() || Designing()) {
    Repaint();
    return;
  }
  if (skinData_.CacheStale) {
    if (!RenderCache()) return;
    if (!(ControlState() & ui::csPaintCopy)) PaintOverlaps();
  }
  if (fadeTimer_ && fadeTimer_->Enabled() && !fadeTimer_->FrameImage.Empty())
    CopyToScreen(fadeTimer_->FrameImage);
  else if (skinData_.CacheBitmap.GetSize() == gfx::Size{Width(), Height()})
    CopyToScreen(skinData_.CacheBitmap);
}

void TsSpeedButton::RenderPart(const gfx::Rect& part, int state, const BackdropRef& backdrop) {
  gfx::Bitmap& cache = skinData_.CacheBitmap;
  const gfx::Point at{Left() + part.Left, Top() + part.Top};
  if (drawOverBorder_) {
    RenderBoundItem(skinData_, backdrop, true, true, state, cache, at, part);
  } else {
    // The background alone; the border goes over picture and caption later.
    TsCommonData& b = skinData_;
    const int mask = b.MaskIndex;
    b.MaskIndex = -1;
    RenderBoundItem(b, backdrop, true, true, state, cache, at, part);
    b.MaskIndex = mask;
  }
}

bool TsSpeedButton::RenderCache() {
  gfx::Bitmap& cache = skinData_.EnsureCache();
  if (cache.Empty()) return false;
  const BackdropRef backdrop = ParentBackdropOf(skinData_);
  if (backdrop.Ready && backdrop.Bitmap && backdrop.Bitmap->Width() == 0) return false;
  const int W = Width(), H = Height();
  const TsSkinModel& model = *skinData_.Model();

  if (buttonStyle_ == TToolButtonStyle::tbsSeparator || buttonStyle_ == TToolButtonStyle::tbsDivider) {
    gfx::Canvas c(cache);
    if (backdrop.HasImage())
      c.DrawBitmap(0, 0, *backdrop.Bitmap, gfx::Rect::FromXYWH(backdrop.X + Left(), backdrop.Y + Top(), W, H));
    else
      c.FillRect(cache.Bounds(), backdrop.FillColor);
    if (buttonStyle_ == TToolButtonStyle::tbsDivider) {
      const int s = model.SectionIndexOf("DIVIDER");
      const int mask = s >= 0 ? model.MaskIndexOf(s, "DIVIDER", "BORDERSMASK") : -1;
      if (mask >= 0) {
        const int mw = static_cast<int>(model.MaskTable[static_cast<std::size_t>(mask)].Width());
        RenderMaskFrame(model, cache, {(W - mw) / 2, 0, static_cast<int>((W + mw) / 2), H}, true, true, 0, mask,
                        backdrop.Moved(Left(), Top()));
      }
    }
    skinData_.CacheStale = false;
    return true;
  }

  const int state = VisualState();
  const gfx::Rect main{0, 0, W - ArrowWidth(), H};
  RenderPart(main, state, backdrop);
  {
    gfx::Canvas c(cache);
    c.SetFont(Font());
    PaintCaption(c, true);
  }
  PaintPicture(nullptr);
  if (!drawOverBorder_ && skinData_.MaskIndex >= 0)
    RenderMaskFrame(model, cache, main, true, true, state, skinData_.MaskIndex, backdrop.Moved(Left(), Top()));
  if (buttonStyle_ == TToolButtonStyle::tbsDropDown) {
    const int arrowState = menuOpen_ || Down() || Pressed(State()) ? 2 : skinData_.IsActive() ? 1 : 0;
    const gfx::Rect arrow{W - kArrowWidth, 0, W, H};
    RenderPart(arrow, arrowState, backdrop);
    if (!drawOverBorder_ && skinData_.MaskIndex >= 0)
      RenderMaskFrame(model, cache, arrow, true, true, arrowState, skinData_.MaskIndex,
                      backdrop.Moved(Left(), Top()));
  }
  if (!Enabled())
    PaintDisabledLook(cache, disabledKind_, ColorOfControl(Parent()), {Left(), Top()}, backdrop);
  if (OnPaint) OnPaint(*this, cache);
  skinData_.CacheStale = false;
  return true;
}

// Every visible sibling whose bounds share pixels with the button's paints
// itself into the cache (the exclusive right and bottom edges do not count).
void TsSpeedButton::PaintOverlaps() {
  if (!Parent() || skinData_.CacheBitmap.Empty()) return;
  const gfx::Rect mine = BoundsRect();
  for (ui::Control* c : std::vector<ui::Control*>(Parent()->Controls())) {
    if (c == this || !c->Visible() || c->HasWindow()) continue;
    if (gfx::Intersect(mine, c->BoundsRect()).IsEmpty()) continue;
    gfx::Canvas canvas(skinData_.CacheBitmap);
    canvas.MoveOrigin(c->Left() - Left(), c->Top() - Top());
    canvas.IntersectClipRect({0, 0, c->Width(), c->Height()});
    ui::ControlStateScope copy(*c, ui::csPaintCopy);
    c->Perform(ui::WM_PAINT, reinterpret_cast<ui::WPARAM>(&canvas));
  }
}

void TsSpeedButton::PaintCaption(gfx::Canvas& canvas, bool onCache) {
  if (!showCaption_ || Caption().empty()) return;
  gfx::Canvas::StateGuard guard(canvas);
  canvas.SetFont(Font());
  canvas.SetBrushStyle(gfx::BrushStyle::Clear);
  unsigned flags = AlignmentFlag(textAlignment_) | gfx::DT_EXPANDTABS | gfx::DT_VCENTER | gfx::DT_WORDBREAK;
  if (UseRightToLeftReading()) flags |= gfx::DT_RTLREADING;
  DrawCaptionText(canvas, CaptionBox(), flags, onCache);
}

void TsSpeedButton::DrawCaptionText(gfx::Canvas& canvas, const gfx::Rect& rect, unsigned flags, bool onCache) {
  flags &= ~gfx::DT_SINGLELINE;
  if (rect.IsEmpty()) return;
  if (onCache) {
    WriteSkinText(canvas, Caption(), true, VisualState() != 0, skinData_, flags, rect);
    return;
  }
  gfx::Rect r = rect;
  if (Enabled()) {
    canvas.SetTextColor(gfx::ColorToRGB(Font().Color));
    canvas.DrawText(Caption(), r, flags);
  } else {
    gfx::Rect shifted = rect.Offset(1, 1);
    canvas.SetTextColor(gfx::ColorToRGB(gfx::clBtnHighlight));
    canvas.DrawText(Caption(), shifted, flags);
    canvas.SetTextColor(gfx::ColorToRGB(gfx::clBtnShadow));
    canvas.DrawText(Caption(), r, flags);
  }
}

// `canvas` null: into the cache (skinned).
void TsSpeedButton::PaintPicture(gfx::Canvas* canvas) {
  const int state = VisualState();
  const bool skinned = canvas == nullptr;
  const bool disabledBlended = !Enabled() && disabledGlyphKind_.Contains(dgBlended);
  ButtonPicture p;
  p.Glyph = &Glyph().Bitmap();
  p.Images = images_.List();
  p.ImageIndex = imageIndex_;
  p.NumGlyphs = NumGlyphs();
  p.Reflected = reflected_;
  if ((state == 0 && grayed_) || (!Enabled() && disabledGlyphKind_.Contains(dgGrayed))) {
    const TsGeneralData* sec = skinData_.Section();
    p.Gray = skinned && sec ? gfx::ColorToRGB(sec->Color) : gfx::ColorToRGB(gfx::clBtnFace);
  }
  const int stateBlend = state == 0 ? blend_ : 0;
  if (!Glyph().Empty()) {
    p.Frame = std::min(state, NumGlyphs() - 1);
    if (skinned && !p.KeyedGlyph())
      p.BlendPercent = stateBlend;
    else  // a keyed glyph, or any glyph drawn without a skin
      p.BlendPercent = state == 0 ? std::max(blend_, disabledBlended ? 50 : 0) : 0;
  } else {
    p.Frame = std::min((Down() ? 1 : 0) + state, NumGlyphs() - 1);
    p.BlendPercent = std::max(stateBlend, disabledBlended ? 50 : 0);
  }
  const gfx::Rect box = PictureBox();
  if (skinned)
    DrawButtonPicture(skinData_.CacheBitmap, box.TopLeft(), p);
  else
    DrawButtonPictureOnCanvas(*canvas, box.TopLeft(), p);
}

void TsSpeedButton::PaintPlain(gfx::Canvas& canvas, bool drawFrame) {
  if (!Enabled())
    SetState(ui::ButtonState::bsDisabled);
  else if (State() == ui::ButtonState::bsDisabled)
    SetState(Down() && GroupIndex() != 0 ? ui::ButtonState::bsExclusive : ui::ButtonState::bsUp);
  canvas.SetFont(Font());
  if (buttonStyle_ == TToolButtonStyle::tbsSeparator || Width() <= 0 || Height() <= 0) return;
  if (buttonStyle_ == TToolButtonStyle::tbsDivider) {
    const int x = Width() / 2 - 1;
    canvas.FillRect({x, 0, x + 1, Height()}, gfx::ColorToRGB(gfx::clBtnShadow));
    canvas.FillRect({x + 1, 0, x + 2, Height()}, gfx::ColorToRGB(gfx::clBtnHighlight));
    return;
  }
  if (drawFrame) PaintFace(canvas);
  if (buttonStyle_ == TToolButtonStyle::tbsDropDown) {
    const bool pressed = menuOpen_ || Down() || Pressed(State());
    const int partLeft = Width() - kArrowWidth;
    int x = (kArrowWidth - 5) / 2 + partLeft, y = (Height() - 5) / 2;
    if (pressed) {
      ++x;
      ++y;
    }
    const gfx::Color c = gfx::ColorToRGB(gfx::clBtnText);
    for (int row = 0; row < 3; ++row) canvas.FillRect({x + row, y + row, x + 6 - row, y + row + 1}, c);
  }
  PaintCaption(canvas, false);
  PaintPicture(&canvas);
}

// --- state changes ------------------------------------------------------------------

void TsSpeedButton::ApplyHoverChange() {
  if (Designing()) return;
  if (!skinData_.IsSkinned() || !Ready()) {
    skinData_.Invalidate();
    return;
  }
  if (!Enabled()) return;
  if (skinData_.MouseOver)
    ApplyStateChange(TacAnimatEvent::aeMouseEnter, false);
  else if (Visible())
    ApplyStateChange(TacAnimatEvent::aeMouseLeave, false);
}

void TsSpeedButton::ApplyStateChange(TacAnimatEvent event, bool halfSteps) {
  const bool animate = ShouldAnimate(event, animatEvents_);
  const TsGeneralData* sec = skinData_.IsSkinned() ? skinData_.Section() : nullptr;
  if (animate && !TsSkinManager::SkinChanging() && sec && sec->FadingEnabled && !ShutdownAnnounced() &&
      !skinData_.CacheStale) {
    skinData_.CacheStale = true;
    BeginFade(halfSteps);
  } else {
    skinData_.CacheStale = true;
    if (fadeTimer_) EndFade();
    PresentCache();
  }
  skinData_.UpdateGlow(halfSteps);
}

void TsSpeedButton::BeginFade(bool halfSteps) {
  if (Designing()) return;
  std::int32_t remaining = 1;
  if (fadeTimer_) {
    remaining = fadeTimer_->StepCount - fadeTimer_->StepIndex;
    TsAnimTimer* old = fadeTimer_;
    fadeTimer_ = nullptr;
    delete old;
  }
  const TsGeneralData* sec = skinData_.Section();
  if (!sec || !sec->FadingEnabled || ShutdownAnnounced()) {
    PresentCache();
    return;
  }
  auto* timer = new TsAnimTimer();
  timer->Attach(skinData_);
  if (halfSteps) timer->StepCount /= 2;
  timer->StepIndex = remaining;
  PaintOverlaps();
  timer->FromImage = skinData_.CacheBitmap;
  if (!RenderCache()) {
    delete timer;
    return;
  }
  fadeTimer_ = timer;
  PaintOverlaps();
  RefreshItemCorners(skinData_, VisualState());
  timer->SetEnabled(true);
  timer->Step();
}

void TsSpeedButton::EndFade() {
  if (!fadeTimer_) return;
  TsAnimTimer* t = fadeTimer_;
  fadeTimer_ = nullptr;
  if (!Destroying() && !Designing() && !t->Destroying()) {
    t->SetEnabled(false);
    if (t->StepIndex != 0) {
      skinData_.CacheStale = true;
      Repaint();
    }
  }
  delete t;
}

// --- mouse --------------------------------------------------------------------------

void TsSpeedButton::MouseDown(ui::MouseButton button, ui::ShiftState shift, int x, int y) {
  HoldHints();
  if (button == ui::MouseButton::Left && Enabled() && buttonStyle_ == TToolButtonStyle::tbsDropDown &&
      dropdownMenu_ && (x > Width() - kArrowWidth || !OnClick)) {
    OpenDropdown();
    return;
  }
  ui::SpeedButton::MouseDown(button, shift, x, y);
}

void TsSpeedButton::OpenDropdown() {
  g_openDropdownButton = this;
  EndFade();
  if (g_dropdownOpen) return;
  g_dropdownOpen = true;
  menuOpen_ = true;
  skinData_.CacheStale = true;
  const bool noClick = !OnClick;
  if (noClick) SetState(ui::ButtonState::bsDown);
  PresentCache();
  RestoreHints();
  const gfx::Point at = ClientToScreen({0, Height() + 1});
  ui::PopupMenu* menu = dropdownMenu_;
  menu->SetPopupComponent(this);
  menu->Popup(at.X, at.Y);
  if (g_openDropdownButton != this) {  // freed while the menu was open
    g_dropdownOpen = false;
    return;
  }
  g_dropdownOpen = false;
  g_openDropdownButton = nullptr;
  menuOpen_ = false;
  if (!ScreenRect().Contains(ui::App().Screen().CursorPos())) Perform(ui::CM_MOUSELEAVE, 0, reinterpret_cast<ui::LPARAM>(this));
  if (noClick) SetState(ui::ButtonState::bsUp);
  skinData_.CacheStale = true;
  if (!skinData_.IsSkinned()) Repaint();
  else PresentCache();
}

void TsSpeedButton::MouseUp(ui::MouseButton button, ui::ShiftState shift, int x, int y) {
  if (button == ui::MouseButton::Left && Enabled() && buttonStyle_ == TToolButtonStyle::tbsDropDown) {
    menuOpen_ = false;
    if (g_openDropdownButton == this) g_openDropdownButton = nullptr;
  }
  ui::SpeedButton::MouseUp(button, shift, x, y);
}

// --- messages -----------------------------------------------------------------------

void TsSpeedButton::WndProc(ui::Message& msg) {
  // Hints come back on any left release, also one that the button ignores,
  // and before the click (which may open a modal dialog).
  if (msg.msg == ui::WM_LBUTTONUP || msg.msg == ui::WM_CANCELMODE || msg.msg == ui::CM_CANCELMODE) RestoreHints();

  switch (SkinCommandOf(msg)) {
    case SKC_SKIN_LOADED:
      skinData_.HandleCommand(msg);
      UpdateOpaque();
      return;
    case SKC_SKIN_UNLOADED:
      if (Destroying()) return;
      skinData_.HandleCommand(msg);
      EndFade();
      UpdateOpaque();
      if (Visible()) Repaint();
      return;
    case SKC_SKIN_REFRESH:
      skinData_.HandleCommand(msg);
      UpdateOpaque();
      if (Visible()) Repaint();
      return;
    case SKC_PARENT_UPDATED:
      if (skinData_.ParentUpdating || skinData_.IsUpdating()) {
        skinData_.ParentUpdating = false;
        PresentCache();
        return;
      }
      break;
    case SKC_IS_SKINNED: msg.result = 1; return;
    case SKC_INVALIDATE:
      skinData_.ParentUpdating = false;
      skinData_.CacheStale = true;
      PresentCache();
      return;
    case SKC_GET_APPLICATION:
      msg.result = ui::Application::Exists() ? reinterpret_cast<ui::LRESULT>(&ui::App()) : 0;
      return;
    default: break;
  }

  if (!Ready() || !skinData_.IsSkinned()) {
    if (skinData_.HandleMessage(msg)) return;
    ui::SpeedButton::WndProc(msg);
    return;
  }

  switch (SkinCommandOf(msg)) {
    case SKC_IS_UPDATING: msg.result = skinData_.ParentUpdating ? 1 : 0; return;
    case SKC_SECTION_REPAINT: PresentCache(); return;
    case SKC_STOP_FADING: EndFade(); return;
    default: break;
  }
  switch (msg.msg) {
    case ui::WM_SIZE:
    case ui::WM_WINDOWPOSCHANGED:
      if (Visible()) skinData_.CacheStale = true;
      break;
    case ui::WM_ERASEBKGND: msg.result = 1; return;
    case ui::WM_LBUTTONUP:
      if (fadeTimer_ && fadeTimer_->FrameImage.Width() == Width()) {
        EndFade();
        RenderCache();
        PresentCache();
      }
      break;
    case ui::CM_TEXTCHANGED:
      if (showCaption_) {
        skinData_.CacheStale = true;
        PresentCache();
      }
      return;
    default: break;
  }
  if (skinData_.HandleMessage(msg)) return;
  ui::SpeedButton::WndProc(msg);
  switch (msg.msg) {
    case ui::WM_LBUTTONDOWN:
    case ui::WM_LBUTTONDBLCLK:
      if (!Designing() && !Destroying()) ApplyStateChange(TacAnimatEvent::aeMouseDown, true);
      break;
    case ui::WM_LBUTTONUP:
      if (Designing() || Destroying())
        msg.result = 1;
      else
        ApplyStateChange(TacAnimatEvent::aeMouseUp, true);
      break;
    case ui::CM_VISIBLECHANGED: skinData_.MouseOver = false; break;
    case ui::CM_ENABLEDCHANGED:
      if (Visible() || Designing()) {
        skinData_.CacheStale = true;
        if (!Loading()) PresentCache();
      }
      break;
    default: break;
  }
}

}  // namespace skin
