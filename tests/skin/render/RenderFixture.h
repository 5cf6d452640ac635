// Small skin models built in memory for the render tests: a master bitmap
// painted with rectangles, mask entries over it (or with their own images)
// and sections.
#pragma once

#include <memory>
#include <string>

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Color.h"
#include "platform/gfx/Geometry.h"
#include "skin/data/SkinModel.h"
#include "skin/data/sMaskData.h"

namespace skin::test {

// An owner for mask entries. The painters only test a mask's owner for
// presence, so any non-null pointer stands for the manager here.
TsSkinManager* FakeOwner();

// Geometry of a mask entry besides its region.
struct MaskShape {
  int ImageCount = 1;
  int MaskType = 0;
  int StretchMode = 0;
  int WL = 0, WT = 0, WR = 0, WB = 0;
};

// A mask entry over `region` (of the master bitmap, or of `image` when given),
// owned by FakeOwner().
TsMaskData MakeMask(const gfx::Rect& region, const MaskShape& shape,
                    std::shared_ptr<gfx::Bitmap> image = nullptr);

// Fills `r` (cut to the bitmap) of a 24- or 32-bit bitmap with a colour
// value (32-bit: alpha from the high byte).
void FillArea(gfx::Bitmap& b, const gfx::Rect& r, gfx::Color c);

// A model whose master bitmap is a w x h 24-bit bitmap filled with `fill`.
class ModelBuilder {
 public:
  ModelBuilder(int w, int h, gfx::Color fill = gfx::clBlack, gfx::RowOrder order = gfx::RowOrder::TopDown);

  gfx::Bitmap& Master() { return model_.MasterBitmap; }
  ModelBuilder& Paint(const gfx::Rect& r, gfx::Color c) {
    FillArea(model_.MasterBitmap, r, c);
    return *this;
  }
  // Appends a mask entry; returns its index.
  int AddMask(const TsMaskData& mask, const std::string& section = "", const std::string& property = "");
  // Appends a section record; returns its index.
  int AddSection(const TsGeneralData& data);

  TsSkinModel& Model() { return model_; }

 private:
  TsSkinModel model_;
};

}  // namespace skin::test
