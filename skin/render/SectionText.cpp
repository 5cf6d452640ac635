#include "skin/render/SectionText.h"

#include <cstddef>

#include "skin/paint/Tint.h"

namespace skin {

gfx::Color DisabledTextColor(gfx::Color fontColor, gfx::Color background) {
  return LerpColor(gfx::ColorToRGB(fontColor), gfx::ColorToRGB(background), 0.4);
}

void WriteSectionText(gfx::Canvas& canvas, std::string_view text, bool enabled, const TsSkinModel& model,
                      bool hot, int sectionIndex, unsigned flags, const gfx::Rect& rect) {
  if (sectionIndex < 0 || static_cast<std::size_t>(sectionIndex) >= model.GeneralTable.size()) return;
  if (text.empty()) return;
  const TsGeneralData& section = model.GeneralTable[static_cast<std::size_t>(sectionIndex)];

  gfx::Canvas::StateGuard keep(canvas);
  canvas.SetBackgroundMode(gfx::BackgroundMode::Transparent);
  canvas.SetBrushStyle(gfx::BrushStyle::Clear);
  auto draw = [&](gfx::Color colour, gfx::Rect r) {
    canvas.SetTextColor(colour);
    canvas.DrawText(text, r, flags);
  };

  if (!enabled) {
    draw(DisabledTextColor(section.FontColor[0], section.Color), rect);
    return;
  }
  const TsFontColors& colours = hot ? section.HotFontColor : section.FontColor;
  for (std::size_t side = 0; side < 4; ++side) {
    const gfx::Color contour = colours[side + 1];
    if (contour == kNoContour) continue;
    draw(contour, rect.Offset(kContourOffsets[side].X, kContourOffsets[side].Y));
  }
  draw(colours[0], rect);
}

}  // namespace skin
