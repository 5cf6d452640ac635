#include "skin/controls/acSBBar.h"

#include <algorithm>

#include "platform/ui/Screen.h"
#include "skin/data/SkinModel.h"
#include "skin/render/MaskCells.h"

namespace skin {

namespace {

// The arrow base a skin asks for: the cell of the arrow button's border mask
// when "SCROLLBTNLEFT" has ReservedBoolean and a mask; 0 otherwise.
int SkinArrowBase(const TacScrollBar& bar, const TsSkinModel& model) {
  const TsCommonIndexes& ci = model.CommonIndexes;
  const int left = ci.ScrollBtnLeft.Section;
  if (left < 0 || left >= static_cast<int>(model.GeneralTable.size())) return 0;
  if (!model.GeneralTable[static_cast<std::size_t>(left)].ReservedBoolean) return 0;
  if (MaskAt(model, ci.ScrollBtnLeft.BordersMask) == nullptr) return 0;
  if (bar.Vertical()) {
    const TsMaskData* top = MaskAt(model, ci.ScrollBtnTop.BordersMask);
    return top ? MaskCellHeight(*top) : 0;
  }
  return MaskCellWidth(*MaskAt(model, ci.ScrollBtnLeft.BordersMask));
}

}  // namespace

int ThicknessOf(const TacScrollBar& bar) {
  if (bar.Thickness >= 0) return bar.Thickness;
  const int system = ui::GetSystemMetrics(bar.Vertical() ? ui::SM_CXVSCROLL : ui::SM_CYHSCROLL);
  return -bar.Thickness * system;
}

int ArrowLengthOf(const TacScrollBar& bar, const TsSkinModel* model, bool skinSized) {
  if (bar.ArrowLength >= 0) return bar.ArrowLength;
  int base = ui::GetSystemMetrics(ui::SM_CXHSCROLL);
  if (skinSized && model) base = std::max(base, SkinArrowBase(bar, *model));
  return -bar.ArrowLength * base;
}

}  // namespace skin
