// The shared fixture skin loads through the real loader with the sections,
// keys and masks it was given.
#include <gtest/gtest.h>

#include "tests/skin/controls/FixtureSkin.h"

namespace skin::fixture {
namespace {

TEST(FixtureSkin, LoadsSectionsKeysAndMasks) {
  FixtureSkin s;
  s.Set("PANEL", "COLOR", gfx::RGB(10, 20, 30)).Set("PANEL", "TRANSPARENCY", 100);
  s.Fill({0, 0, 30, 30}, gfx::RGB(0, 0, 255));
  s.Mask("PANEL", {{0, 0, 30, 30}, 12, 3, 12, 3, 1, 0, 0, 0});
  s.Set("WEBBUTTON", "PARENTCLASS", "PANEL");

  auto m = s.Model();
  ASSERT_NE(m, nullptr);
  const int panel = m->SectionIndexOf("PANEL");
  ASSERT_GE(panel, 0);
  EXPECT_EQ(m->GeneralTable[panel].Color, gfx::RGB(10, 20, 30));
  EXPECT_EQ(m->GeneralTable[panel].Transparency, 100);
  const int mask = m->GeneralTable[panel].BordersMaskIndex;
  ASSERT_GE(mask, 0);
  EXPECT_EQ(m->MaskWidthLeft(mask), 12);
  EXPECT_EQ(m->MaskWidthTop(mask), 3);
  EXPECT_EQ(m->MasterBitmap.PixelAt(5, 5), gfx::RGB(0, 0, 255));
  // Inherited through PARENTCLASS.
  EXPECT_EQ(m->GeneralTable[m->SectionIndexOf("WEBBUTTON")].BordersMaskIndex, mask);
}

TEST(FixtureSkin, StoredSkinCarriesThePackage) {
  FixtureSkin s(0, 0);
  s.Set("BUTTON", "COLOR", 255);
  const TsStoredSkin stored = s.Stored("Skin");
  EXPECT_EQ(stored.Name, "Skin");
  EXPECT_EQ(stored.Data, s.Package());
  EXPECT_TRUE(s.Model()->MasterBitmap.Empty());
}

}  // namespace
}  // namespace skin::fixture
