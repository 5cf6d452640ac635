#include "skin/controls/sLabelColors.h"

#include <cstddef>
#include <cstdint>

#include "platform/ui/WinControl.h"
#include "skin/controls/sSkinCommands.h"
#include "skin/data/SkinModel.h"
#include "skin/paint/Round.h"

namespace skin {

namespace {

constexpr gfx::Color kUnset = 0xFFFFFFFFu;

const TsGeneralData* SectionAt(const TsSkinModel& model, int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= model.GeneralTable.size()) return nullptr;
  return &model.GeneralTable[static_cast<std::size_t>(index)];
}

}  // namespace

gfx::Color AncestorFontColor(const ui::Control& label, const TsSkinModel& model) {
  const TsGeneralData* found = nullptr;
  for (ui::WinControl* parent = label.Parent(); parent != nullptr;) {
    std::int32_t index = -1;
    SendSkinCommand(parent, SKC_GET_SKIN_INDEX, reinterpret_cast<ui::LPARAM>(&index));
    const TsGeneralData* sec = SectionAt(model, index);
    if (!sec) break;
    if (sec->Transparency > 50 && parent->Parent()) {
      parent = parent->Parent();
      continue;
    }
    if (sec->GiveOwnFont) found = sec;
    break;
  }
  return found ? found->FontColor[0] : model.GetGlobalFontColor();
}

gfx::Color WebLabelSkinColor(const TsSkinModel& model, bool hovered, gfx::Color fallback) {
  const TsGeneralData* global = SectionAt(model, model.SectionIndexOf("GLOBALINFO"));
  if (!global) return fallback;
  const gfx::Color c = global->FontColor[hovered ? 2 : 4];
  if (c == kUnset) return hovered ? gfx::Color{255} : gfx::Color{0xFF0000};
  return c;
}

gfx::Color DisabledTextColor(gfx::Color font, gfx::Color parent) {
  const gfx::Color f = gfx::ColorToRGB(font), p = gfx::ColorToRGB(parent);
  gfx::Color out = 0;
  for (int shift = 0; shift <= 16; shift += 8) {
    const double v = 0.4 * ((f >> shift) & 0xFF) + 0.6 * ((p >> shift) & 0xFF);
    out |= static_cast<gfx::Color>(ClampByte(Rnd(v))) << shift;
  }
  return out;
}

}  // namespace skin
