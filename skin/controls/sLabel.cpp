#include "skin/controls/sLabel.h"

#include "platform/gfx/Canvas.h"
#include "platform/ui/WinControl.h"
#include "skin/controls/sBackdrop.h"
#include "skin/controls/sBoundLabel.h"
#include "skin/controls/sLabelColors.h"
#include "skin/controls/sSkinCommands.h"
#include "skin/controls/sSkinManager.h"
#include "skin/render/SkinItem.h"

namespace skin {

namespace {

bool gAdjustingFont = false;

// Raises the process-wide flag for its lifetime.
class AdjustingScope {
 public:
  AdjustingScope() { gAdjustingFont = true; }
  ~AdjustingScope() { gAdjustingFont = false; }
  AdjustingScope(const AdjustingScope&) = delete;
  AdjustingScope& operator=(const AdjustingScope&) = delete;
};

std::string UpperAscii(std::string_view s) {
  std::string out(s);
  for (char& c : out)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return out;
}

const TsSkinModel* ActiveModel() {
  TsSkinManager* m = TsSkinManager::DefaultManager();
  return m && m->SkinLoaded() ? m->Model() : nullptr;
}

}  // namespace

bool SkinActive() { return ActiveModel() != nullptr; }

TsCustomLabel::TsCustomLabel(ui::Component* owner) : ui::Label(owner) { SetTransparent(true); }

TsCustomLabel::~TsCustomLabel() { BeginDestruction(); }

bool TsCustomLabel::AdjustingFont() { return gAdjustingFont; }

void TsCustomLabel::SetSkinSection(std::string_view section) {
  std::string name = UpperAscii(section);
  if (name == skinSection_) return;
  skinSection_ = std::move(name);
  Invalidate();
}

gfx::Font TsCustomLabel::AncestorColoredFont() const {
  gfx::Font f = Font();
  if (const TsSkinModel* model = ActiveModel()) {
    const gfx::Color c = AncestorFontColor(*this, *model);
    if (c != gfx::clFuchsia && c != f.Color) f.Color = c;
  }
  return f;
}

gfx::Font TsCustomLabel::EffectiveFont() { return AncestorColoredFont(); }

void TsCustomLabel::TakeEffectiveFont() {
  if (gAdjustingFont) return;
  AdjustingScope scope;
  gfx::Font f = EffectiveFont();
  const TsSkinModel* model = ActiveModel();
  const int section = model && !skinSection_.empty() ? model->SectionIndexOf(skinSection_) : -1;
  if (section >= 0) f.Color = model->GeneralTable[static_cast<std::size_t>(section)].FontColor[0];
  // The label's own setter: a web label's published setter would also
  // replace its normal font.
  if (!(f == Font())) ui::Label::SetFont(f);
}

void TsCustomLabel::Paint(gfx::Canvas& canvas) {
  if (Destroying()) return;
  TakeEffectiveFont();
  const TsSkinModel* model = ActiveModel();
  if (model && !skinSection_.empty() && model->SectionIndexOf(skinSection_) >= 0)
    PaintSectionBackground(canvas);
  ui::Label::Paint(canvas);
}

void TsCustomLabel::PaintSectionBackground(gfx::Canvas& canvas) {
  const TsSkinModel* model = ActiveModel();
  if (!model || Width() <= 0 || Height() <= 0) return;
  const int index = model->SectionIndexOf(skinSection_);
  gfx::Bitmap back(Width(), Height(), gfx::PixelFormat::Bgr24);
  RenderSkinItem(*model, index, skinSection_, ParentBackdropOf(this), -1, -1, back, {Left(), Top()},
                 back.Bounds(), 0, true);
  canvas.DrawBitmap(0, 0, back);
}

void TsCustomLabel::DoDrawText(gfx::Canvas& canvas, gfx::Rect& rect, unsigned flags) {
  if ((flags & gfx::DT_CALCRECT) || Enabled() || !SkinActive()) {
    ui::Label::DoDrawText(canvas, rect, flags);
    return;
  }
  // Disabled under a skin: the text mixed toward the colour the parent
  // shows (its own colour when it does not answer the skin's question).
  canvas.SetFont(Font());
  canvas.SetTextColor(DisabledTextColor(Font().Color, ColorOfControl(Parent())));
  canvas.DrawText(LabelText(), rect, flags);
}

void TsCustomLabel::WndProc(ui::Message& msg) {
  if (msg.msg == ui::CM_FONTCHANGED && gAdjustingFont) return;
  ui::Label::WndProc(msg);
  switch (SkinCommandOf(msg)) {
    case SKC_SKIN_UNLOADED:
      if (TsSkinManager* m = TsSkinManager::DefaultManager();
          m && reinterpret_cast<TsSkinManager*>(msg.lParam) == m && ResetsColorOnUnload()) {
        gfx::Font f = Font();
        f.Color = gfx::clWindowText;
        ui::Label::SetFont(f);
      }
      break;
    case SKC_SKIN_REFRESH:
      if (Designing()) Invalidate();
      break;
    default: break;
  }
}

TsLabel::TsLabel(ui::Component* owner) : TsCustomLabel(owner) {}

void TsLabel::SetUseSkinColor(bool on) {
  if (on == useSkinColor_) return;
  useSkinColor_ = on;
  Invalidate();
}

gfx::Font TsLabel::EffectiveFont() {
  if (!useSkinColor_ || Destroying()) return Font();
  return AncestorColoredFont();
}

TsEditLabel::TsEditLabel(ui::Component* owner, TsBoundLabel* boundLabel)
    : TsLabel(owner), boundLabel_(boundLabel) {}

TsEditLabel::~TsEditLabel() {
  BeginDestruction();
  if (boundLabel_) boundLabel_->LabelGone(this);
}

}  // namespace skin
