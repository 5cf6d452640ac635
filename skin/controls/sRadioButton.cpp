#include "skin/controls/sRadioButton.h"

#include <memory>
#include <stdexcept>

#include "platform/gfx/Canvas.h"
#include "platform/ui/WindowTypes.h"
#include "skin/controls/sBackdrop.h"
#include "skin/controls/sBoundItem.h"
#include "skin/controls/sContainerCommands.h"
#include "skin/controls/sFadeTimer.h"
#include "skin/controls/sKindTables.h"
#include "skin/controls/sSkinCommands.h"
#include "skin/controls/sSkinManager.h"
#include "skin/controls/sSkinText.h"
#include "skin/data/SkinModel.h"
#include "skin/paint/AlphaCopy.h"
#include "skin/render/FocusDots.h"
#include "skin/render/MaskCells.h"
#include "skin/render/MaskImage.h"

namespace skin {

namespace {

bool FromOwnManager(const TsCommonData& b, const ui::Message& msg) {
  TsSkinManager* mine = b.SkinManager() ? b.SkinManager() : TsSkinManager::DefaultManager();
  return reinterpret_cast<TsSkinManager*>(msg.lParam) == mine;
}

// The glyph box a skin without radio glyphs reserves.
constexpr RadioGlyphCell kNoGlyph{16, 16, 0};

}  // namespace

TsRadioButton::TsRadioButton(ui::Component* owner)
    : ui::RadioButton(owner), skinData_(this, false, kKindRadioButton) {
  SetAutoSize(true);
  skinData_.Loaded();
}

TsRadioButton::~TsRadioButton() {
  BeginDestruction();
  StopWindowFade(fadeTimer_);
}

void TsRadioButton::Loaded() {
  ui::RadioButton::Loaded();
  skinData_.Loaded();
  AdjustSize();
}

bool TsRadioButton::Skinned() const { return skinData_.IsSkinned(true); }

bool TsRadioButton::Ready() const { return ControlReady(this); }

void TsRadioButton::StopFade() { StopWindowFade(fadeTimer_); }

// --- properties -------------------------------------------------------------------

void TsRadioButton::SetMargin(int m) {
  if (m == margin_) return;
  margin_ = m;
  AdjustSize();
  skinData_.Invalidate();
}

void TsRadioButton::SetTextIndent(int i) {
  if (i == textIndent_) return;
  textIndent_ = i;
  AdjustSize();
  skinData_.Invalidate();
}

void TsRadioButton::SetShowFocus(bool on) {
  if (on == showFocus_) return;
  showFocus_ = on;
  skinData_.Invalidate();
}

void TsRadioButton::SetDisabledKind(TsDisabledKinds k) {
  if (k == disabledKind_) return;
  disabledKind_ = k;
  skinData_.Invalidate();
}

void TsRadioButton::SetGlyph(gfx::Bitmap& slot, const gfx::Bitmap& b, bool checkedSlot) {
  slot = b;
  AdjustSize();
  if (checkedSlot == Checked()) skinData_.Invalidate();
}

void TsRadioButton::Invalidate() {
  // An auto-sized caption is one line.
  if (AutoSize() && WordWrap()) SetWordWrap(false);
  skinData_.CacheStale = true;
  ui::RadioButton::Invalidate();
}

// --- state and layout --------------------------------------------------------------

int TsRadioButton::GlyphState() const {
  if (pressed_) return 2;
  return skinData_.IsActive() && !readOnly_ ? 1 : 0;
}

const gfx::Bitmap* TsRadioButton::OwnGlyph() const {
  const gfx::Bitmap& b = Checked() ? glyphChecked_ : glyphUnChecked_;
  return b.Empty() ? nullptr : &b;
}

RadioGlyphCell TsRadioButton::GlyphCell(int* maskIndex) const {
  if (maskIndex) *maskIndex = -1;
  if (const gfx::Bitmap* own = OwnGlyph()) return OwnGlyphCell(own->Width(), own->Height());
  const TsSkinModel* model = skinData_.IsSkinned() ? skinData_.Model() : nullptr;
  if (!model) return kNoGlyph;
  const int index =
      Checked() ? model->CommonIndexes.RadioButtonChecked : model->CommonIndexes.RadioButtonUnChecked;
  const TsMaskData* mask = MaskAt(*model, index);
  if (!mask) return kNoGlyph;
  if (maskIndex) *maskIndex = index;
  if (mask->Image && !mask->Image->Empty()) return {mask->Image->Width() / 3, mask->Image->Height() / 2, 3};
  return {MaskCellWidth(*mask), MaskCellHeight(*mask), mask->ImageCount};
}

gfx::Rect TsRadioButton::GlyphBox() const {
  const RadioGlyphCell cell = GlyphCell();
  return RadioGlyphBox(Width(), Height(), cell.Width, cell.Height, GlyphAtLeft(), margin_);
}

gfx::Size TsRadioButton::MeasureCaption(int room) const {
  gfx::Bitmap scratch = gfx::NewBitmap24(1, 1);
  gfx::Canvas c(scratch);
  c.SetFont(Font());
  gfx::Rect calc{0, 0, room, 0};
  c.DrawText(Caption(), calc, gfx::DT_CALCRECT | (WordWrap() ? gfx::DT_WORDBREAK : gfx::DT_SINGLELINE));
  return {calc.Width(), calc.Height()};
}

bool TsRadioButton::CanAutoSize(int& width, int& height) {
  if (!skinData_.IsSkinned() || Loading()) return ui::RadioButton::CanAutoSize(width, height);
  const RadioGlyphCell cell = GlyphCell();
  const bool hasCaption = !Caption().empty();
  const gfx::Size t = hasCaption ? MeasureCaption(0) : gfx::Size{0, 0};
  const gfx::Size s = RadioAutoSize(cell.Width, cell.Height, hasCaption, t.Width, t.Height, margin_, textIndent_);
  width = s.Width;
  height = s.Height;
  return true;
}

// --- painting -----------------------------------------------------------------------

void TsRadioButton::PaintCaption(gfx::Bitmap& cache, int gw) {
  if (Caption().empty()) return;
  const int room = RadioCaptionRoom(Width(), gw, textIndent_, margin_);
  if (room < 0) return;
  const gfx::Size t = MeasureCaption(room);
  const gfx::Rect r = RadioCaptionRect(Width(), Height(), room, t.Height, GlyphAtLeft(), margin_, WordWrap());
  gfx::Canvas c(cache);
  c.SetFont(Font());
  c.SetBrushStyle(gfx::BrushStyle::Clear);
  unsigned flags = WordWrap() ? gfx::DT_CENTER | gfx::DT_WORDBREAK : gfx::DT_SINGLELINE;
  if (UseRightToLeftReading()) flags |= gfx::DT_RTLREADING;
  WriteSkinText(c, Caption(), true, skinData_.IsActive() && !readOnly_, skinData_, flags, r);
  if (Focused() && showFocus_) DrawFocusDots(c, RadioFocusRect(r, t.Width, WordWrap()));
}

void TsRadioButton::PaintGlyph(gfx::Bitmap& cache) {
  int maskIndex = -1;
  const RadioGlyphCell cell = GlyphCell(&maskIndex);
  if (cell.Frames <= 0 || cache.Width() == 0) return;
  const gfx::Rect box = RadioGlyphBox(Width(), Height(), cell.Width, cell.Height, GlyphAtLeft(), margin_);
  const int state = GlyphState();
  if (const gfx::Bitmap* own = OwnGlyph()) {
    const gfx::Rect src =
        gfx::Rect::FromXYWH(OwnGlyphFrame(cell, state) * cell.Width, 0, cell.Width, cell.Height);
    if (own->Format() == gfx::PixelFormat::Bgra32) {
      AlphaCopy(box, src, cache, false, 0, gfx::clNone, false, NoBackdrop, *own);
      return;
    }
    try {
      const gfx::Bitmap glyph24 =
          own->Format() == gfx::PixelFormat::Bgr24 ? *own : own->ConvertTo(gfx::PixelFormat::Bgr24);
      gfx::Canvas(cache).DrawBitmapKeyed(box.Left, box.Top, glyph24, src, gfx::clFuchsia);
    } catch (const std::exception&) {
      // A glyph of a format that has no 24-bit form is not drawn.
    }
    return;
  }
  RenderMaskImage(*skinData_.Model(), cache, box.TopLeft(), state, MakeBackdropRef(&cache, box.Left, box.Top),
                  maskIndex, kMaskImageNormal);
}

void TsRadioButton::RenderCache() {
  gfx::Bitmap& cache = skinData_.EnsureCache();
  if (cache.Empty() || !skinData_.IsSkinned()) return;
  BackdropRef behind;
  {
    // The parent draws its background under the button straight into the
    // cache; a colour answer has filled it already.
    gfx::Canvas canvas(cache);
    BackdropQuery q;
    q.X = Left();
    q.Y = Top();
    q.Rect = cache.Bounds();
    q.DC = &canvas;
    q.PleaseDraw = true;
    if (Parent()) {
      AskParentBackdrop(q, Parent(), true);
    } else {
      q.Kind = kBackdropColor;
      q.Color = gfx::ColorToRGB(Color());
      canvas.FillRect(q.Rect, q.Color);
    }
    if (q.Kind == kBackdropColor) {
      behind = {nullptr, 0, 0, gfx::ColorToRGB(q.Color), false};
    } else {
      // The drawn background is the image behind the button; a copy of it
      // stays for the disabled look, which must not blend the finished
      // picture with itself.
      background_ = cache;
      behind = MakeBackdropRef(&background_, -Left(), -Top());
    }
  }
  const gfx::Point at{Left(), Top()};
  const int state = skinData_.IsActive() && !readOnly_ ? 1 : 0;
  RenderBoundItem(skinData_, behind, true, true, state, cache, at, cache.Bounds());
  PaintCaption(cache, GlyphCell().Width);
  PaintGlyph(cache);
  if (!Enabled()) PaintDisabledLook(cache, disabledKind_, ColorOfControl(Parent()), at, behind);
  skinData_.CacheStale = false;
}

void TsRadioButton::PaintRadioSkinned(gfx::Canvas* dc) {
  std::unique_ptr<gfx::Canvas> own;
  if (!dc) {
    own = BeginPaint();
    dc = own.get();
  }
  if (!dc) return;
  skinData_.ParentUpdating = skinData_.IsUpdating();
  if (skinData_.ParentUpdating) return;
  // A running fade draws its own frames.
  if (fadeTimer_ && fadeTimer_->Enabled()) return;
  RenderCache();
  RefreshItemCorners(skinData_, 0);
  gfx::Canvas::StateGuard guard(*dc);
  dc->DrawBitmap(0, 0, skinData_.CacheBitmap);
}

// --- input --------------------------------------------------------------------------

void TsRadioButton::ApplyHoverChange() {
  if (!Enabled() || Designing() || !Skinned() || !Ready()) return;
  // Leaving ends a press of the mouse (not one of the space bar).
  if (!skinData_.MouseOver && !spaceHeld_) pressed_ = false;
  const TacAnimatEvent e = skinData_.MouseOver ? TacAnimatEvent::aeMouseEnter : TacAnimatEvent::aeMouseLeave;
  ChangeOrFade(fadeTimer_, skinData_, false, ShouldAnimate(e, animatEvents_));
}

void TsRadioButton::KeyDown(unsigned& key, ui::ShiftState shift) {
  if (key != ui::VK_SPACE || !Enabled() || Designing()) {
    ui::RadioButton::KeyDown(key, shift);
    return;
  }
  // A read-only button lets neither the skinned nor the plain press start.
  if (readOnly_) return;
  if (!Skinned() || !Ready()) {
    ui::RadioButton::KeyDown(key, shift);
    return;
  }
  pressed_ = spaceHeld_ = true;
  if (!Focused() && CanFocus()) SetFocus();
  skinData_.Invalidate();
  ui::WinControl::KeyDown(key, shift);
}

void TsRadioButton::KeyUp(unsigned& key, ui::ShiftState shift) {
  if (key != ui::VK_SPACE || !Enabled() || Designing()) {
    ui::RadioButton::KeyUp(key, shift);
    return;
  }
  if (readOnly_) return;
  if (!Skinned() || !Ready()) {
    ui::RadioButton::KeyUp(key, shift);
    return;
  }
  if (spaceHeld_) {
    pressed_ = spaceHeld_ = false;
    SetChecked(true);
    skinData_.Invalidate();
  }
  ui::WinControl::KeyUp(key, shift);
}

void TsRadioButton::Press(ui::Message& msg) {
  pressed_ = true;
  spaceHeld_ = false;
  ChangeOrFade(fadeTimer_, skinData_, true, ShouldAnimate(TacAnimatEvent::aeMouseDown, animatEvents_));
  // The focus comes without a click.
  if (!Focused() && CanFocus()) SetFocus();
  // The toolkit's mouse handling (capture, OnMouseDown), not the plain
  // button's press.
  ui::WinControl::WndProc(msg);
  if (msg.msg == ui::WM_LBUTTONDBLCLK) DblClick();
}

void TsRadioButton::Release(ui::Message& msg) {
  const bool inside = ClientRect().Contains({ui::GetXParam(msg.lParam), ui::GetYParam(msg.lParam)});
  const bool check = !readOnly_ && pressed_ && !spaceHeld_ && inside && CanCheck();
  if (!spaceHeld_) pressed_ = false;
  if (check) SetChecked(true);
  skinData_.Invalidate();
  ui::WinControl::WndProc(msg);
}

// --- messages -----------------------------------------------------------------------

bool TsRadioButton::HandleCommands(ui::Message& msg) {
  switch (SkinCommandOf(msg)) {
    case SKC_SKIN_LOADED:
      if (FromOwnManager(skinData_, msg)) {
        StopFade();
        skinData_.HandleCommand(msg);
        // A new skin may bring glyphs of another size.
        AdjustSize();
      }
      return true;
    case SKC_SKIN_UNLOADED:
      if (FromOwnManager(skinData_, msg) && !Destroying()) {
        StopFade();
        skinData_.HandleCommand(msg);
        pressed_ = spaceHeld_ = false;
        Invalidate();
      }
      return true;
    case SKC_SKIN_REFRESH:
      if (FromOwnManager(skinData_, msg)) {
        StopFade();
        skinData_.HandleCommand(msg);
        AdjustSize();
        Invalidate();
      }
      return true;
    case SKC_IS_SKINNED: msg.result = 1; return true;
    case SKC_STOP_FADING: FinishWindowFade(fadeTimer_, skinData_); return true;
    case SKC_REPAINT_CACHE: RenderCache(); return false;
    case SKC_GET_APPLICATION: msg.result = ApplicationAnswer(); return true;
    default: return false;
  }
}

bool TsRadioButton::HandleFocus(ui::Message& msg) {
  if (!Enabled() || Designing()) return false;
  switch (msg.msg) {
    case ui::WM_SETFOCUS:
    case ui::CM_ENTER:
      ui::RadioButton::WndProc(msg);
      skinData_.CacheStale = true;
      if (fadeTimer_ && fadeTimer_->Enabled())
        fadeTimer_->Step();
      else
        Invalidate();
      return true;
    case ui::WM_KILLFOCUS:
    case ui::CM_EXIT:
      StopFade();
      ui::RadioButton::WndProc(msg);
      // A press of the space bar ends with the focus.
      pressed_ = spaceHeld_ = false;
      skinData_.HasFocus = false;
      skinData_.MouseOver = false;
      skinData_.Invalidate();
      return true;
    default: return false;
  }
}

bool TsRadioButton::HandleSkinned(ui::Message& msg) {
  const bool live = Enabled() && !Designing();
  switch (msg.msg) {
    case ui::SM_ALPHACMD:
      if (SkinCommandOf(msg) == SKC_PARENT_UPDATED) {
        if (skinData_.IsUpdating() || skinData_.RenderNextPaint) {
          skinData_.ParentUpdating = false;
          Repaint();
        }
        return true;
      }
      return false;
    case ui::WM_SETREDRAW:
    case ui::WM_NCPAINT:
    case ui::BM_SETSTATE: return true;
    case ui::WM_PAINT:
    case ui::WM_PRINTCLIENT: {
      if (msg.msg == ui::WM_PRINTCLIENT) skinData_.ParentUpdating = false;
      auto* dc = reinterpret_cast<gfx::Canvas*>(msg.wParam);
      ui::ControlStateScope copy(*this, dc ? ui::csPaintCopy : 0);
      PaintRadioSkinned(dc);
      msg.result = 0;
      return !Designing();
    }
    case ui::WM_ERASEBKGND: msg.result = 1; return true;
    case ui::BM_SETCHECK:
      skinData_.CacheStale = true;
      if (fadeTimer_ && fadeTimer_->Enabled() && fadeTimer_->StepIndex < fadeTimer_->StepCount) {
        fadeTimer_->SetEnabled(false);
        Repaint();
      }
      ui::RadioButton::WndProc(msg);
      if (Designing())
        skinData_.Invalidate();
      else
        ChangeOrFade(fadeTimer_, skinData_, true, ShouldAnimate(TacAnimatEvent::aeMouseUp, animatEvents_));
      return true;
    case ui::CM_DIALOGKEY:
      // Esc lets go of a held space bar without checking.
      if (static_cast<unsigned>(msg.wParam) == ui::VK_ESCAPE && spaceHeld_) {
        pressed_ = spaceHeld_ = false;
        skinData_.Invalidate();
        msg.result = 1;
        return true;
      }
      return false;
    case ui::WM_LBUTTONDOWN:
    case ui::WM_LBUTTONDBLCLK:
      if (!live) return false;
      if (!readOnly_) Press(msg);
      return true;
    case ui::WM_LBUTTONUP:
      if (!live) return false;
      Release(msg);
      return true;
    case ui::CM_ENABLEDCHANGED:
      ui::RadioButton::WndProc(msg);
      pressed_ = spaceHeld_ = false;
      skinData_.Invalidate();
      return true;
    case ui::CM_TEXTCHANGED:
      ui::RadioButton::WndProc(msg);
      AdjustSize();
      skinData_.Invalidate();
      return true;
    case ui::CM_FONTCHANGED:
      ui::RadioButton::WndProc(msg);
      AdjustSize();
      skinData_.Invalidate();
      return true;
    default: return false;
  }
}

bool TsRadioButton::HandleUnskinned(ui::Message& msg) {
  // A read-only button's presses reach nothing.
  if (readOnly_ && (msg.msg == ui::WM_LBUTTONDOWN || msg.msg == ui::WM_LBUTTONDBLCLK)) return true;
  return false;
}

void TsRadioButton::WndProc(ui::Message& msg) {
  if (msg.msg == ui::WM_KILLFOCUS && Destroying()) return;
  if (HandleCommands(msg)) return;
  if (Skinned() && HandleFocus(msg)) return;
  if (!Ready() || !Skinned()) {
    if (HandleUnskinned(msg)) return;
    if (skinData_.HandleMessage(msg)) return;
    ui::RadioButton::WndProc(msg);
    return;
  }
  if (skinData_.HandleMessage(msg)) return;
  if (HandleSkinned(msg)) return;
  ui::RadioButton::WndProc(msg);
}

}  // namespace skin
