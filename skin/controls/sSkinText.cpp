#include "skin/controls/sSkinText.h"

#include <string>

#include "platform/gfx/DrawTextFlags.h"
#include "platform/ui/WinControl.h"
#include "skin/controls/sCommonData.h"
#include "skin/controls/sKindTables.h"
#include "skin/controls/sSkinManager.h"
#include "skin/render/SectionText.h"
#include "skin/render/TextGlow.h"

namespace skin {

namespace {

const TsGeneralData* SectionAt(const TsSkinModel& model, int index) {
  if (index < 0 || index >= static_cast<int>(model.GeneralTable.size())) return nullptr;
  return &model.GeneralTable[static_cast<std::size_t>(index)];
}

void Draw(gfx::Canvas& canvas, std::string_view text, gfx::Rect rect, unsigned flags, gfx::Color colour) {
  canvas.SetTextColor(colour);
  canvas.DrawText(text, rect, flags);
}

}  // namespace

int TextSectionOf(const TsCommonData& b, bool hot) {
  const TsSkinModel* model = b.Model();
  const TsGeneralData* own = model ? SectionAt(*model, b.SectionIndex) : nullptr;
  if (!own) return -1;
  ui::Control* owner = b.OwnerControl;
  const bool inherits = b.ControlKind == 32 || b.ControlKind == 33 || b.ControlKind == kKindGroupBox ||
                        (owner && !owner->HasWindow() && owner->ParentFont());
  const int t = hot ? own->HotTransparency : own->Transparency;
  if (!inherits || !owner || !owner->Parent() || t < 1) return b.SectionIndex;
  for (ui::Control* p = owner->Parent(); p; p = p->Parent()) {
    std::int32_t index = -1;
    if (SendSkinCommand(p, SKC_GET_SKIN_INDEX, reinterpret_cast<ui::LPARAM>(&index)) != 1) break;
    const TsGeneralData* sec = SectionAt(*model, index);
    if (!sec) break;
    if (sec->Transparency > 50 && p->Parent()) continue;
    return sec->GiveOwnFont ? index : b.SectionIndex;
  }
  return b.SectionIndex;
}

void WriteSkinText(gfx::Canvas& canvas, std::string_view text, bool enabled, bool hot, TsCommonData& b,
                   unsigned flags, const gfx::Rect& rect) {
  TsSkinManager* m = b.Manager();
  if (!m) return;
  gfx::Canvas::StateGuard guard(canvas);
  gfx::Font font = b.OwnerControl ? b.OwnerControl->Font() : canvas.GetFont();
  if (hot && b.SkinSection() == "WEBBUTTON") font.Style |= gfx::fsUnderline;
  canvas.SetFont(font);
  canvas.IntersectClipRect(rect);
  if (text.empty()) return;
  canvas.SetBrushStyle(gfx::BrushStyle::Clear);
  const TsSkinModel* model = m->Model();
  const int s = model ? TextSectionOf(b, hot) : -1;
  const TsGeneralData* sec = model ? SectionAt(*model, s) : nullptr;
  if (!sec) {
    gfx::Rect r = rect;
    canvas.DrawText(text, r, flags);
    return;
  }
  const int glowSize = hot ? sec->HotGlowSize : sec->GlowSize;
  if (b.HasCache() && !b.CacheBitmap.Empty() && glowSize != 0) {
    gfx::Bitmap mask;
    DrawTextGlow(b.CacheBitmap, font, text, rect, mask, hot ? sec->HotGlowColor : sec->GlowColor, glowSize,
                 kGlowAllSides, flags);
  }
  if (!enabled) {
    Draw(canvas, text, rect, flags, DisabledTextColor(sec->FontColor[0], m->GetGlobalColor()));
    return;
  }
  if (b.CustomFont()) {
    Draw(canvas, text, rect, flags | gfx::DT_NOCLIP, font.Color);
    return;
  }
  const TsFontColors& colours = hot ? sec->HotFontColor : sec->FontColor;
  for (int side = 0; side < 4; ++side) {
    const gfx::Color c = colours[static_cast<std::size_t>(side + 1)];
    if (c == kNoContour) continue;
    Draw(canvas, text, rect.Offset(kContourOffsets[side].X, kContourOffsets[side].Y), flags, c);
  }
  Draw(canvas, text, rect, flags | gfx::DT_NOCLIP, colours[0]);
}

}  // namespace skin
