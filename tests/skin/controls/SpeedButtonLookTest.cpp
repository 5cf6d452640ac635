// The skinned speed button's look, pixel by pixel, with the fixture skin: the
// tile look table (section, state, enabled), the picture shift when pressed,
// the background offsets, the disabled looks, the plain look without a
// skin, and the abandoned render when the parent's image is not ready.
#include <gtest/gtest.h>

#include "platform/ui/Application.h"
#include "skin/controls/sSpeedButton.h"
#include "tests/skin/controls/BindingTestSupport.h"
#include "tests/skin/controls/ButtonTestSupport.h"

namespace skin::testing {
namespace {

// A tile whose platform state the tests set directly.
class Tile : public TsSpeedButton {
 public:
  using TsSpeedButton::TsSpeedButton;
  using ui::SpeedButton::SetState;
};

class SpeedButtonLook : public BindingFixture {
 protected:
  void SetUp() override {
    LoadSkin(ButtonSkin());
    form = NewForm({0, 0, 700, 500});
    Show(form);
    parent = new BackdropParent(form);
    parent->SetParent(form);
    parent->SetBounds(0, 0, 602, 402);
    background = Plain24(602, 402, kTileBg);
    parent->Image = &background;
    list = TileList(form);
    tile = NewTile(1, 1);
  }
  Tile* NewTile(int x, int y) {
    auto* t = new Tile(form);
    t->SetBounds(x, y, 200, 200);
    t->SetParent(parent);
    t->SetImages(list);
    t->SetImageIndex(0);
    t->SkinData().SetSkinSection("WEBBUTTON");
    t->SkinData().Loaded();
    return t;
  }
  // Renders the tile's cache and returns it.
  const gfx::Bitmap& Render() {
    EXPECT_TRUE(tile->RenderCache());
    return tile->SkinData().CacheBitmap;
  }
  void Hover(bool on) {
    tile->SkinData().MouseOver = on;
  }

  ui::Form* form = nullptr;
  BackdropParent* parent = nullptr;
  gfx::Bitmap background;
  AlphaImageList* list = nullptr;
  Tile* tile = nullptr;
};

gfx::Color Bgr(int b, int g, int r) {
  return static_cast<gfx::Color>((b << 16) | (g << 8) | r);
}

// The dark picture over a background pixel.
gfx::Color DarkOver(gfx::Color bg, int alpha = kDarkA) {
  return Bgr(Over(B(bg), kDarkB, alpha), Over(G(bg), kDarkG, alpha), Over(R(bg), kDarkR, alpha));
}

TEST_F(SpeedButtonLook, NormalAndHotWebButtonShowThePictureOverTheBackground) {
  for (bool hot : {false, true}) {
    Hover(hot);
    EXPECT_EQ(tile->VisualState(), hot ? 1 : 0);
    const gfx::Bitmap& c = Render();
    EXPECT_EQ(c.PixelAt(100, 100), Bgr(55, 85, 115)) << hot;
    EXPECT_EQ(c.PixelAt(0, 0), Bgr(55, 85, 115)) << hot;
    EXPECT_EQ(c.PixelAt(199, 199), Bgr(55, 85, 115)) << hot;
  }
}

TEST_F(SpeedButtonLook, SpeedButtonNormalHasNoMaskPixels) {
  tile->SkinData().SetSkinSection("SPEEDBUTTON");
  const gfx::Bitmap& c = Render();
  for (gfx::Point p : {gfx::Point{0, 0}, gfx::Point{1, 1}, gfx::Point{199, 199}, gfx::Point{100, 3}})
    EXPECT_EQ(c.PixelAt(p.X, p.Y), Bgr(55, 85, 115)) << p.X << "," << p.Y;
}

TEST_F(SpeedButtonLook, HotSpeedButtonShowsTheHotBackgroundAndMaskCell) {
  tile->SkinData().SetSkinSection("SPEEDBUTTON");
  Hover(true);
  const gfx::Bitmap& c = Render();
  // Interior: 30 % red over the background, then the picture.
  EXPECT_EQ(c.PixelAt(100, 100), Bgr(40, 62, 123));
  // The left band is cell 1 (mask value 0: the cell's own colour).
  EXPECT_EQ(c.PixelAt(1, 100), DarkOver(kCellColors[1]));
  EXPECT_EQ(c.PixelAt(100, 2), DarkOver(kCellColors[1]));
  // The corner key shows the background.
  EXPECT_EQ(c.PixelAt(0, 0), DarkOver(kTileBg));
}

TEST_F(SpeedButtonLook, PressedShowsCellTwoAndShiftsThePicture) {
  for (const char* section : {"SPEEDBUTTON", "WEBBUTTON"}) {
    SCOPED_TRACE(section);
    tile->SkinData().SetSkinSection(section);
    tile->SetState(ui::ButtonState::bsDown);
    EXPECT_EQ(tile->VisualState(), 2);
    EXPECT_EQ(tile->PictureBox(), (gfx::Rect{1, 1, 201, 201}));
    const gfx::Bitmap& c = Render();
    const bool speed = std::string(section) == "SPEEDBUTTON";
    // Row and column 0 lie outside the shifted picture.
    EXPECT_EQ(c.PixelAt(5, 0), speed ? kCellColors[2] : kTileBg);
    EXPECT_EQ(c.PixelAt(0, 100), speed ? kCellColors[2] : kTileBg);
    if (!speed) {
      EXPECT_EQ(c.PixelAt(100, 100), Bgr(55, 85, 115));
    }
    tile->SetState(ui::ButtonState::bsUp);
  }
}

TEST_F(SpeedButtonLook, DisabledLooks) {
  tile->SetEnabled(false);
  EXPECT_EQ(Render().PixelAt(100, 100), Bgr(91, 137, 183));  // over an image: 0.6 bg + 0.4 button
  parent->Image = nullptr;
  parent->Color = gfx::clWhite;
  EXPECT_EQ(Render().PixelAt(100, 100), Bgr(224, 226, 226));  // over a colour: 50 % towards it
}

TEST_F(SpeedButtonLook, ReadsTheBackgroundAtItsPlaceInTheParent) {
  for (int y = 0; y < 402; ++y)
    for (int x = 0; x < 602; ++x) background.SetPixelAt(x, y, Bgr(7, y % 256, x % 256));
  tile->SetImageIndex(-1);
  tile->SetBounds(201, 201, 200, 200);
  const gfx::Bitmap& c = Render();
  for (gfx::Point p : {gfx::Point{0, 0}, gfx::Point{10, 3}, gfx::Point{199, 199}})
    EXPECT_EQ(c.PixelAt(p.X, p.Y), Bgr(7, (201 + p.Y) % 256, (201 + p.X) % 256));
}

TEST_F(SpeedButtonLook, LitPictureIsOpaque) {
  tile->SetImageIndex(1);
  EXPECT_EQ(Render().PixelAt(50, 50), Bgr(Over(100, 200, 255), Over(150, 220, 255), Over(200, 240, 255)));
}

// Nothing is rendered or copied while the parent's image has no pixels; the
// next paint renders.
TEST_F(SpeedButtonLook, RenderAbandonedWhileTheParentImageIsEmpty) {
  gfx::Bitmap empty;
  parent->Image = &empty;
  tile->SkinData().CacheStale = true;
  EXPECT_FALSE(tile->RenderCache());
  EXPECT_TRUE(tile->SkinData().CacheStale);
  // On screen nothing changes: no black or old-size cache is copied.
  const gfx::Color before = Pixel(ClientPoint(tile, 100, 100));
  tile->SetBounds(1, 1, 150, 150);
  tile->Repaint();
  app().ProcessMessages();
  EXPECT_EQ(Pixel(ClientPoint(tile, 100, 100)), before);
  EXPECT_TRUE(tile->SkinData().CacheStale);
  parent->Image = &background;
  tile->Repaint();
  app().ProcessMessages();
  EXPECT_FALSE(tile->SkinData().CacheStale);
  EXPECT_EQ(tile->SkinData().CacheBitmap.Width(), 150);
}

TEST_F(SpeedButtonLook, OnlyOverlappingSiblingsPaintIntoTheCache) {
  // Six tiles side by side as on the board: none overlaps another.
  Tile* five = NewTile(201, 201);
  auto* neighbour = new ColorBlock(form, gfx::RGB(1, 2, 3), true);
  neighbour->SetBounds(1, 1, 200, 200);
  neighbour->SetParent(parent);
  const int before = neighbour->paints;
  five->SkinData().CacheStale = true;
  five->PresentCache();
  EXPECT_EQ(neighbour->paints, before) << "a tile touching only at the corner point was painted";
  // A sibling lying over the tile paints into its cache.
  auto* over = new ColorBlock(form, gfx::RGB(9, 9, 9), true);
  over->SetBounds(390, 390, 20, 20);
  over->SetParent(parent);
  five->SkinData().CacheStale = true;
  five->PresentCache();
  EXPECT_EQ(five->SkinData().CacheBitmap.PixelAt(195, 195), gfx::RGB(9, 9, 9));
  EXPECT_EQ(neighbour->paints, before);
}

TEST_F(SpeedButtonLook, GlyphWhenNoImageListAndListWinsAfterLoading) {
  tile->SetImages(nullptr);
  // A 32-bit glyph with an opaque pixel blends by its alpha.
  gfx::Bitmap glyph = Picture32(200, 200, kDarkB, kDarkG, kDarkR, kDarkA);
  glyph.SetPixelAt(0, 0, 0xFF000000u);
  tile->Glyph().Assign(glyph);
  EXPECT_EQ(Render().PixelAt(100, 100), Bgr(55, 85, 115));
  // Without any opaque pixel it counts as keyed by its bottom-left pixel:
  // here every pixel, so nothing shows.
  tile->Glyph().Assign(Picture32(200, 200, kDarkB, kDarkG, kDarkR, kDarkA));
  EXPECT_EQ(Render().PixelAt(100, 100), kTileBg);
  // A keyed 24-bit glyph: the bottom-left colour is transparent.
  gfx::Bitmap keyed = Plain24(200, 200, gfx::RGB(1, 2, 3));
  keyed.SetPixelAt(100, 100, gfx::RGB(30, 20, 10));
  tile->Glyph().Assign(keyed);
  const gfx::Bitmap& c = Render();
  EXPECT_EQ(c.PixelAt(100, 100), Bgr(Over(100, 10, 255), Over(150, 20, 255), Over(200, 30, 255)));
  EXPECT_EQ(c.PixelAt(50, 50), kTileBg);
}

}  // namespace
}  // namespace skin::testing
