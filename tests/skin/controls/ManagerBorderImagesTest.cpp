// The extended border images and margins taken from a skin.
#include <gtest/gtest.h>

#include "skin/controls/BuiltInShadows.h"
#include "skin/controls/SkinBorderImages.h"
#include "tests/skin/controls/ManagerFixture.h"

namespace skin::test {
namespace {

constexpr gfx::Color kLeft = 0x80112233;
constexpr gfx::Color kRight = 0x80445566;
constexpr gfx::Color kWhiteHole = 0x00FFFFFF;   // white, fully transparent
constexpr gfx::Color kWhiteFaint = 0x01FFFFFF;  // white, almost transparent

// A 40 x 10 picture of two cells: the left one kLeft, the right one kRight,
// each with a transparent white and a faint white pixel.
gfx::Bitmap TwoCells() {
  gfx::Bitmap b = gfx::NewBitmap32(40, 10);
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 40; ++x) b.SetPixelAt(x, y, x < 20 ? kLeft : kRight);
  b.SetPixelAt(1, 1, kWhiteHole);
  b.SetPixelAt(2, 2, kWhiteFaint);
  b.SetPixelAt(21, 1, kWhiteHole);
  return b;
}

std::unique_ptr<TsSkinModel> SkinWithExBorder(int imageCount, int borderMode, const char* widths) {
  fixture::FixtureSkin s(0, 0);
  s.Set("GLOBALINFO", "FORMOFFSET", 10).Set("GLOBALINFO", "BORDERMODE", borderMode);
  s.AddFile("EXBORDER.PNG", fixture::Png(TwoCells()));
  s.Set("GLOBALINFO", "EXBORDER",
        std::string("!EXBORDER.PNG!") + std::to_string(imageCount) + "!0!3!" + widths);
  auto m = s.Model();
  m->UpdateCommonIndexes();
  return m;
}

struct BorderCase {
  const char* Label;
  int ImageCount, BorderMode;
  TacBorderMargins Margins;
  gfx::Color Inactive, Active;  // pixel (5, 5) of each image
  int CellWidth;
};

class BorderImageTable : public ::testing::TestWithParam<BorderCase> {};

TEST_P(BorderImageTable, CellsAndMargins) {
  const BorderCase& c = GetParam();
  auto model = SkinWithExBorder(c.ImageCount, c.BorderMode, "0018!0038!0018!0018");
  const TacBorderImages im = MakeBorderImages(model.get(), true, nullptr, false);
  EXPECT_EQ(im.Margins, c.Margins);
  ASSERT_EQ(im.Inactive.Width(), c.CellWidth);
  ASSERT_EQ(im.Active.Width(), c.CellWidth);
  EXPECT_EQ(im.Inactive.Height(), 10);
  EXPECT_EQ(im.Inactive.Format(), gfx::PixelFormat::Bgra32);
  EXPECT_EQ(im.Inactive.PixelAt(5, 5), c.Inactive);
  EXPECT_EQ(im.Active.PixelAt(5, 5), c.Active);
  // Transparent white is cleared to nothing; a faint white stays.
  EXPECT_EQ(im.Inactive.PixelAt(1, 1), 0u);
  EXPECT_EQ(im.Inactive.PixelAt(2, 2), kWhiteFaint);
  EXPECT_EQ(im.Active.PixelAt(1, 1), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    ExBorder, BorderImageTable,
    ::testing::Values(BorderCase{"TwoCellsModeOne", 2, 1, {10, 10, 10, 10}, kLeft, kRight, 20},
                      BorderCase{"TwoCellsModeZero", 2, 0, {8, 28, 8, 8}, kLeft, kRight, 20},
                      BorderCase{"OneCell", 1, 1, {10, 10, 10, 10}, kLeft, kLeft, 40}),
    [](const auto& info) { return std::string(info.param.Label); });

TEST(BorderImages, WithoutExBorderTheBuiltInShadowIsUsed) {
  auto model = fixture::FixtureSkin(0, 0).Model();
  gfx::Bitmap shadow = gfx::NewBitmap32(30, 20);
  shadow.FillBytes(0x40);
  shadow.SetPixelAt(3, 3, kWhiteHole);
  const TacBorderImages off = MakeBorderImages(model.get(), true, &shadow, false);
  EXPECT_EQ(off.Margins, (TacBorderMargins{11, 7, 11, 11}));
  EXPECT_EQ(off.Active.GetSize(), shadow.GetSize());
  EXPECT_EQ(off.Inactive.PixelAt(0, 0), 0x40404040u);
  EXPECT_EQ(off.Inactive.PixelAt(3, 3), 0u);
  const TacBorderImages on = MakeBorderImages(model.get(), true, &shadow, true);
  EXPECT_EQ(on.Margins, (TacBorderMargins{12, 8, 12, 12}));
}

TEST(BorderImages, NothingWhenOffOrWithoutSkinOrWithoutShadow) {
  auto model = SkinWithExBorder(2, 1, "0018!0038!0018!0018");
  gfx::Bitmap shadow = gfx::NewBitmap32(4, 4);
  for (const TacBorderImages& im :
       {MakeBorderImages(model.get(), false, &shadow, false), MakeBorderImages(nullptr, true, &shadow, false),
        MakeBorderImages(fixture::FixtureSkin(0, 0).Model().get(), true, nullptr, false)}) {
    EXPECT_EQ(im.Margins, TacBorderMargins{});
    EXPECT_TRUE(im.Active.Empty());
    EXPECT_TRUE(im.Inactive.Empty());
  }
}

// Counts from a hostile skin file give no image rather than a crash.
TEST(BorderImages, ImpossibleCellsGiveMarginsButNoImages) {
  auto model = SkinWithExBorder(2, 1, "0018!0038!0018!0018");
  TsMaskData& m = model->MaskTable[static_cast<std::size_t>(model->CommonIndexes.ExBorder)];
  for (auto [count, type] : {std::pair{0, 0}, {-3, 0}, {2, -1}, {2, -5}, {1000, 0}}) {
    m.ImageCount = static_cast<std::int16_t>(count);
    m.MaskType = static_cast<std::int16_t>(type);
    const TacBorderImages im = MakeBorderImages(model.get(), true, nullptr, false);
    EXPECT_EQ(im.Margins, (TacBorderMargins{10, 10, 10, 10}));
    EXPECT_TRUE(im.Active.Empty()) << count << " " << type;
  }
}

TEST_F(ManagerTest, ExtendedBordersReadTrueOnlyWithLayeredWindows) {
  TsSkinManager* m = NewManager();
  m->SetExtendedBorders(true);
  EXPECT_TRUE(m->ExtendedBorders());
  screen().SetLayeredAvailable(false);
  EXPECT_FALSE(m->ExtendedBorders());
  EXPECT_FALSE(m->AllowGlowing());
  screen().SetLayeredAvailable(true);
  EXPECT_TRUE(m->AllowGlowing());
  m->SetAllowGlowing(false);
  EXPECT_FALSE(m->AllowGlowing());
}

TEST_F(ManagerTest, TheManagerKeepsBorderImagesOfTheActiveSkin) {
  gfx::Bitmap shadow = gfx::NewBitmap32(8, 8);
  shadow.FillBytes(0x20);
  SetBuiltInShadowImages(shadow, shadow);
  TsSkinManager* m = NewManager();
  m->InternalSkins().push_back(SmallSkin().Stored("Skin"));
  m->SetSkinName("Skin");
  m->SetExtendedBorders(true);
  m->SetActive(true);
  // Composition is on wherever layered windows are.
  EXPECT_EQ(m->ExtMargins(), (TacBorderMargins{12, 8, 12, 12}));
  EXPECT_EQ(m->ActiveBorderImage().GetSize(), shadow.GetSize());
  m->SetExtendedBorders(false);
  EXPECT_EQ(m->ExtMargins(), TacBorderMargins{});
  EXPECT_TRUE(m->ActiveBorderImage().Empty());
  m->SetExtendedBorders(true);
  m->SetActive(false);
  EXPECT_EQ(m->ExtMargins(), TacBorderMargins{});
  SetBuiltInShadowImages({}, {});
}

}  // namespace
}  // namespace skin::test
