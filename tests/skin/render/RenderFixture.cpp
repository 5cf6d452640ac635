#include "RenderFixture.h"

#include <algorithm>

namespace skin::test {

TsSkinManager* FakeOwner() {
  static int token;
  return reinterpret_cast<TsSkinManager*>(&token);
}

TsMaskData MakeMask(const gfx::Rect& region, const MaskShape& shape, std::shared_ptr<gfx::Bitmap> image) {
  TsMaskData m;
  m.Image = std::move(image);
  m.Left = region.Left;
  m.Top = region.Top;
  m.Right = region.Right;
  m.Bottom = region.Bottom;
  m.ImageCount = static_cast<std::int16_t>(shape.ImageCount);
  m.MaskType = static_cast<std::int16_t>(shape.MaskType);
  m.StretchMode = static_cast<std::int16_t>(shape.StretchMode);
  m.WL = static_cast<std::int16_t>(shape.WL);
  m.WT = static_cast<std::int16_t>(shape.WT);
  m.WR = static_cast<std::int16_t>(shape.WR);
  m.WB = static_cast<std::int16_t>(shape.WB);
  m.Owner = FakeOwner();
  return m;
}

void FillArea(gfx::Bitmap& b, const gfx::Rect& r, gfx::Color c) {
  const gfx::Rect cut = gfx::Intersect(r, b.Bounds());
  for (int y = cut.Top; y < cut.Bottom; ++y)
    for (int x = cut.Left; x < cut.Right; ++x) b.SetPixelAt(x, y, c);
}

ModelBuilder::ModelBuilder(int w, int h, gfx::Color fill, gfx::RowOrder order) {
  model_.MasterBitmap = gfx::Bitmap(w, h, gfx::PixelFormat::Bgr24, order);
  FillArea(model_.MasterBitmap, model_.MasterBitmap.Bounds(), fill);
}

int ModelBuilder::AddMask(const TsMaskData& mask, const std::string& section, const std::string& property) {
  model_.MaskTable.push_back(mask);
  model_.MaskTable.back().SectionName = section;
  model_.MaskTable.back().PropertyName = property;
  return static_cast<int>(model_.MaskTable.size()) - 1;
}

int ModelBuilder::AddSection(const TsGeneralData& data) {
  model_.GeneralTable.push_back(data);
  return static_cast<int>(model_.GeneralTable.size()) - 1;
}

}  // namespace skin::test
