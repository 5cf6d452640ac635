#include "skin/data/SkinLoadSteps.h"

#include "skin/data/SkinColorShift.h"

namespace skin {

void ApplyColourShifts(TsSkinModel& model, const TsLoadSettings& settings) {
  if (settings.HueOffset != 0) ShiftSkinHue(model, settings.HueOffset);
  if (settings.Saturation != 0) ShiftSkinSaturation(model, settings.Saturation);
}

void FinishIndexes(TsSkinModel& model) {
  model.UpdateIndexes();
}

}  // namespace skin
