// The skinned group box: the caption box by layout, reading order, caption
// width and offset; the frame line hidden behind the caption and shown beside
// it; the frame starting at the top with a negative offset; the children's
// client area moved by the offset; and the plain look without a skin.
#include <gtest/gtest.h>

#include "skin/controls/sGroupBox.h"
#include "tests/skin/controls/BindingTestSupport.h"

namespace skin::testing {
namespace {

using fixture::BorderMaskSpec;
using fixture::FixtureSkin;
using L = sGroupBox::TsCaptionLayout;

constexpr gfx::Color kParent = gfx::RGB(200, 100, 50);  // P
constexpr gfx::Color kFrame = gfx::RGB(0, 0, 220);      // K
constexpr gfx::Color kGrey = gfx::RGB(90, 90, 90);

TEST(GroupCaptionBox, ByLayoutReadingOrderWidthAndOffset) {
  const struct {
    int w;
    L layout;
    bool rtl;
    int a, yOffset;
    bool skinned;
    gfx::Rect box;
  } cases[] = {
      {137, L::clTopLeft, false, 40, 0, true, {6, 0, 54, 16}},
      {137, L::clTopRight, true, 40, 0, true, {6, 0, 54, 16}},
      {137, L::clTopRight, false, 40, 0, true, {83, 0, 131, 16}},  // W - A - 14
      {137, L::clTopLeft, true, 40, 0, true, {83, 0, 131, 16}},
      {137, L::clTopCenter, false, 40, 0, true, {43, 0, 91, 16}},  // (W - A - 10) div 2
      {137, L::clTopLeft, false, 130, 0, true, {6, 0, 137, 16}},   // wider than the room: up to W
      {137, L::clTopRight, false, 130, 0, true, {0, 0, 137, 16}},  // a negative left becomes 0
      {137, L::clTopLeft, false, 40, -3, true, {6, -3, 54, 13}},
      {137, L::clTopLeft, false, 40, 4, true, {6, 0, 54, 20}},
      {137, L::clTopLeft, false, 40, -3, false, {6, 0, 54, 16}},  // unskinned: no offset
      {6, L::clTopLeft, false, 140, 0, true, {5, 0, 7, 16}},      // narrower than two bevels: widened
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(static_cast<int>(c.layout)) + (c.rtl ? " rtl" : "") +
                 " A=" + std::to_string(c.a) + " offset=" + std::to_string(c.yOffset));
    EXPECT_EQ(GroupCaptionBox(c.w, c.a, 16, c.layout, c.rtl, c.yOffset, c.skinned), c.box);
  }
}

class GroupBox : public BindingFixture {
 protected:
  void SetUp() override {
    FixtureSkin s;
    s.Fill({0, 0, 10, 10}, kFrame).Fill({2, 2, 8, 8}, gfx::clFuchsia);
    s.Set("PLAIN", "COLOR", kParent);
    s.Set("GROUPBOX", "TRANSPARENCY", 100)
        .Mask("GROUPBOX", BorderMaskSpec{{0, 0, 10, 10}, 2, 2, 2, 2, 1, 0, 0, 0});
    s.Set("GROUPBOX", "FONTCOLOR", gfx::RGB(0, 0, 0));
    LoadSkin(s);
    form = ShownForm();
    parent = new BoundPanel(form, 51);
    parent->SetParent(form);
    parent->SetBounds(0, 0, 250, 150);
    parent->SkinData().SetSkinSection("PLAIN");
    parent->SkinData().CacheStale = false;
    box = new TsGroupBox(form);
    box->SetParent(parent);
    box->SetBounds(10, 10, 137, 89);
    box->SetCaption("Уровень");
  }
  gfx::Bitmap Painted() {
    gfx::Bitmap out = fixture::Solid24(box->Width(), box->Height(), kGrey);
    gfx::Canvas c(out);
    box->PaintBox(c);
    return out;
  }
  ui::Form* form = nullptr;
  BoundPanel* parent = nullptr;
  TsGroupBox* box = nullptr;
};

TEST_F(GroupBox, FrameLineHiddenBehindTheCaption) {
  const gfx::Rect cap = box->CaptionBox();
  EXPECT_EQ(cap.Left, 6);
  EXPECT_EQ(cap.Top, 0);
  const gfx::Bitmap b = Painted();
  const int y0 = cap.Height() / 2;
  // Above the frame: the parent's colour.
  EXPECT_EQ(b.PixelAt(2, y0 - 1) & 0xFFFFFF, kParent);
  // The frame's top line beside the caption, hidden inside its box.
  EXPECT_EQ(b.PixelAt(3, y0) & 0xFFFFFF, kFrame);
  EXPECT_EQ(b.PixelAt(cap.Right + 2, y0) & 0xFFFFFF, kFrame);
  EXPECT_EQ(b.PixelAt(cap.Left + 1, y0) & 0xFFFFFF, kParent);
  EXPECT_EQ(b.PixelAt(cap.Right - 1, y0) & 0xFFFFFF, kParent);
  EXPECT_EQ(b.PixelAt(0, 60) & 0xFFFFFF, kFrame);
  EXPECT_EQ(b.PixelAt(136, 88) & 0xFFFFFF, kFrame);
  EXPECT_EQ(b.PixelAt(60, 60) & 0xFFFFFF, kParent);  // the transparent interior
  EXPECT_FALSE(box->SkinData().CacheStale);
}

TEST_F(GroupBox, NegativeOffsetStartsTheFrameAtTheTopAndMovesTheClientArea) {
  const int plainTop = box->DisplayRect().Top;
  box->SetCaptionYOffset(-3);
  EXPECT_EQ(box->DisplayRect().Top, plainTop - 3);
  const gfx::Rect cap = box->CaptionBox();
  EXPECT_EQ(cap.Top, -3);
  const gfx::Bitmap b = Painted();
  EXPECT_EQ(b.PixelAt(3, 0) & 0xFFFFFF, kFrame);
  EXPECT_EQ(b.PixelAt(cap.Left + 1, 0) & 0xFFFFFF, kParent);
}

TEST_F(GroupBox, PlainWithoutSkin) {
  auto* plain = new ui::GroupBox(form);
  plain->SetParent(parent);
  plain->SetBounds(10, 10, 137, 89);
  plain->SetCaption("Уровень");
  manager.reset();
  gfx::Bitmap mine = fixture::Solid24(137, 89, kGrey), theirs = fixture::Solid24(137, 89, kGrey);
  gfx::Canvas a(mine), b(theirs);
  box->Perform(ui::WM_PAINT, reinterpret_cast<ui::WPARAM>(&a));
  plain->Perform(ui::WM_PAINT, reinterpret_cast<ui::WPARAM>(&b));
  for (int y = 0; y < 89; ++y)
    for (int x = 0; x < 137; ++x) ASSERT_EQ(mine.PixelAt(x, y), theirs.PixelAt(x, y)) << x << "," << y;
}

}  // namespace
}  // namespace skin::testing
