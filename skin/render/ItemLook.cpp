#include "skin/render/ItemLook.h"

#include <algorithm>
#include <cstddef>

#include "skin/render/MaskCells.h"

namespace skin {
namespace {

int Percent(int v) { return std::clamp(v, 0, 100); }

bool Paints(const TsGradArray& steps) {
  return !steps.empty() && steps.front().Kind >= 0 && steps.front().Kind <= 2;
}

}  // namespace

std::string_view TextureKey(int state) { return state == 0 ? "PATTERN" : "HOTPATTERN"; }

ItemTexture ChooseTexture(const TsSkinModel& model, int skinIndex, std::string_view sectionName, int state,
                          int textureIndex) {
  const std::string_view key = TextureKey(state);
  int t = textureIndex;
  if (t != -1) {
    const TsMaskData* m = MaskAt(model, t);
    if (m != nullptr && m->MaskType == 0) return {m, nullptr};
  } else {
    t = model.MaskIndexOf(skinIndex, sectionName, key);
    if (const TsMaskData* m = MaskAt(model, t)) return {m, nullptr};
  }
  const int p = model.PatternIndexOf(skinIndex, sectionName, key);
  if (p >= 0 && static_cast<std::size_t>(p) < model.PatternTable.size())
    return {nullptr, model.PatternTable[static_cast<std::size_t>(p)].Image.get()};
  return {};
}

ItemLook LookOf(const TsSkinModel& model, int skinIndex, std::string_view sectionName, int state,
                int textureIndex, gfx::Color customColor) {
  ItemLook look;
  if (customColor != gfx::clFuchsia) {
    look.Color = gfx::ColorToRGB(customColor);
    return look;
  }
  const TsGeneralData& g = model.GeneralTable[static_cast<std::size_t>(skinIndex)];
  const bool normal = state == 0;
  look.Color = gfx::ColorToRGB(normal ? g.Color : g.HotColor);
  look.Transparency = Percent(normal ? g.Transparency : g.HotTransparency);
  if (look.Transparency == 100) return look;
  look.Gradient = Percent(normal ? g.GradientPercent : g.HotGradientPercent);
  look.Image = Percent(normal ? g.ImagePercent : g.HotImagePercent);
  const TsGradArray& steps = normal ? g.GradientSteps : g.HotGradientSteps;
  if (Paints(steps)) look.Steps = &steps;
  if (look.Image > 0) look.Texture = ChooseTexture(model, skinIndex, sectionName, state, textureIndex);
  return look;
}

}  // namespace skin
