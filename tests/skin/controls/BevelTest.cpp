// The skinned bevel: the section by shape and style, the parts of the
// rendered look each shape shows (and none on a bevel too small for them),
// and the plain look without a skin.
#include <gtest/gtest.h>

#include <vector>

#include "skin/controls/sBevel.h"
#include "tests/skin/controls/BindingTestSupport.h"

namespace skin::testing {
namespace {

using fixture::FixtureSkin;
using ui::BevelShape;
using ui::BevelStyle;

constexpr gfx::Color kGrey = gfx::RGB(90, 90, 90);
constexpr gfx::Color kLow = gfx::RGB(10, 20, 30);
constexpr gfx::Color kRaised = gfx::RGB(30, 20, 10);
constexpr gfx::Color kFrame = gfx::RGB(0, 90, 200);

class Bevel : public BindingFixture {
 protected:
  void SetUp() override {
    FixtureSkin s;
    s.Set("PANEL_LOW", "COLOR", kLow).Set("PANEL", "COLOR", kRaised).Set("GROUPBOX", "COLOR", kFrame);
    LoadSkin(s);
    form = ShownForm();
  }
  TsBevel* NewBevel(BevelShape shape, BevelStyle style, int w, int h) {
    auto* b = new TsBevel(form);
    b->SetParent(form);
    b->SetBounds(10, 10, w, h);
    b->SetShape(shape);
    b->SetStyle(style);
    return b;
  }
  // The rectangles the bevel painted on a grey surface of its size.
  static gfx::Bitmap Painted(TsBevel* b) {
    gfx::Bitmap out = fixture::Solid24(b->Width(), b->Height(), kGrey);
    gfx::Canvas c(out);
    b->Perform(ui::WM_PAINT, reinterpret_cast<ui::WPARAM>(&c));
    return out;
  }
  ui::Form* form = nullptr;
};

TEST_F(Bevel, EachShapeShowsItsPartOfTheLook) {
  using R = gfx::Rect;
  const struct {
    BevelShape shape;
    int w, h;
    std::vector<R> parts;
  } cases[] = {
      {BevelShape::bsTopLine, 198, 9, {R{3, 0, 195, 3}}},
      {BevelShape::bsBottomLine, 198, 9, {R{3, 6, 195, 9}}},
      {BevelShape::bsLeftLine, 20, 20, {R{0, 3, 3, 17}}},
      {BevelShape::bsRightLine, 20, 20, {R{17, 3, 20, 17}}},
      {BevelShape::bsBox, 20, 20, {R{0, 0, 20, 3}, R{0, 17, 20, 20}, R{0, 0, 3, 20}, R{17, 0, 20, 20}}},
      {BevelShape::bsTopLine, 5, 9, {}},  // too narrow for a line
      {BevelShape::bsBox, 20, 5, {}},
  };
  for (const auto& c : cases) {
    for (BevelStyle style : {BevelStyle::bsLowered, BevelStyle::bsRaised}) {
      SCOPED_TRACE(std::to_string(static_cast<int>(c.shape)) + " " + std::to_string(c.w) + "x" +
                   std::to_string(c.h) + (style == BevelStyle::bsRaised ? " raised" : " lowered"));
      TsBevel* b = NewBevel(c.shape, style, c.w, c.h);
      EXPECT_EQ(b->SkinData().SkinSection(), style == BevelStyle::bsRaised ? "PANEL" : "PANEL_LOW");
      const gfx::Color look = style == BevelStyle::bsRaised ? kRaised : kLow;
      const gfx::Bitmap out = Painted(b);
      for (int y = 0; y < c.h; ++y)
        for (int x = 0; x < c.w; ++x) {
          bool inPart = false;
          for (const R& r : c.parts) inPart = inPart || r.Contains({x, y});
          ASSERT_EQ(out.PixelAt(x, y) & 0xFFFFFF, inPart ? look : kGrey) << x << "," << y;
        }
      delete b;
    }
  }
}

TEST_F(Bevel, FrameShapeTakesTheGroupBoxLook) {
  TsBevel* b = NewBevel(BevelShape::bsTopLine, BevelStyle::bsLowered, 20, 20);
  Painted(b);
  b->SetShape(BevelShape::bsFrame);
  EXPECT_EQ(b->SkinData().SkinSection(), "GROUPBOX");
  const gfx::Bitmap out = Painted(b);
  EXPECT_EQ(out.PixelAt(0, 10) & 0xFFFFFF, kFrame);
  EXPECT_EQ(out.PixelAt(10, 10) & 0xFFFFFF, kGrey);
}

TEST_F(Bevel, PlainWithoutSkin) {
  TsBevel* b = NewBevel(BevelShape::bsBox, BevelStyle::bsLowered, 20, 20);
  auto* plain = new ui::Bevel(form);
  plain->SetParent(form);
  plain->SetBounds(40, 10, 20, 20);
  manager.reset();
  gfx::Bitmap mine = Painted(b);
  gfx::Bitmap theirs = fixture::Solid24(20, 20, kGrey);
  gfx::Canvas c(theirs);
  plain->Perform(ui::WM_PAINT, reinterpret_cast<ui::WPARAM>(&c));
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 20; ++x) ASSERT_EQ(mine.PixelAt(x, y), theirs.PixelAt(x, y)) << x << "," << y;
}

}  // namespace
}  // namespace skin::testing
