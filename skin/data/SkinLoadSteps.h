// Steps shared by the loaders (internal to the skin data library).
#pragma once

#include "skin/data/SkinLoader.h"

namespace skin {

// Hue offset, then saturation, as the settings ask.
void ApplyColourShifts(TsSkinModel& model, const TsLoadSettings& settings);
// The last pass: common indexes and the records' border indexes.
void FinishIndexes(TsSkinModel& model);
// Builds a model from the structured form of a stored skin.
TsLoadResult LoadStructuredSkin(const TsStoredSkin& stored, const TsLoadSettings& settings);

}  // namespace skin
