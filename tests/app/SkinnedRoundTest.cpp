// The real game played on the virtual screen with a small skin made by the
// tests (the button sections of the skinned-button tests) installed as the
// skin on disk: each tile's section, state and pixels in the idle, show,
// player's-turn, hover and pressed moments of a round, and the result
// dialog's buttons during and after their 3000 ms lock.
#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>

#include "game/Unit_Main.h"
#include "game/Unit_ResultGame.h"
#include "platform/ui/Application.h"
#include "platform/ui/WindowTypes.h"
#include "skin/controls/sAlphaImageList.h"
#include "skin/controls/sBackdrop.h"
#include "skin/controls/sButton.h"
#include "skin/controls/sSkinManager.h"
#include "skin/controls/sSpeedButton.h"
#include "tests/app/AppFixture.h"
#include "tests/skin/controls/ButtonTestSupport.h"
#include "tests/support/ScopedEnv.h"

namespace app::test {
namespace {

using skin::testing::kButtonCellColors;
using skin::testing::kCellColors;

// The fixture skin as the directory skin "Skin" where the main window's
// manager looks for it ($XDG_DATA_HOME/zintor2/Skins).
class SkinOnDisk {
 public:
  SkinOnDisk() : env_("XDG_DATA_HOME", dir_.Str().c_str()) {
    skin::testing::ButtonSkin().WriteDirectory(dir_, "zintor2/Skins/Skin");
  }

 private:
  skin::fixture::TempDir dir_;
  zt::testing::ScopedEnv env_;
};

class SkinnedRound : public AppFixture {
 protected:
  void SetUp() override {
    disk_ = std::make_unique<SkinOnDisk>();
    AppFixture::SetUp();
    auto* m = skin::TsSkinManager::DefaultManager();
    ASSERT_NE(m, nullptr);
    ASSERT_TRUE(m->Active());
    ASSERT_NE(m->Model(), nullptr);
    ASSERT_GE(m->Model()->SectionIndexOf("SPEEDBUTTON"), 0);
  }
  void TearDown() override {
    AppFixture::TearDown();
    disk_.reset();
  }

  skin::TsSpeedButton& Tile(int tile) { return *w().Main->Tiles.at(static_cast<std::size_t>(tile - 1)); }
  // What lies behind pixel (x, y) of a tile, as the tile's backdrop gives it.
  static gfx::Color Behind(skin::TsSpeedButton& t, int x, int y) {
    const skin::BackdropRef b = skin::ParentBackdropOf(t.SkinData());
    if (b.HasImage()) return b.Bitmap->PixelAt(b.X + t.Left() + x, b.Y + t.Top() + y);
    return gfx::ColorToRGB(b.FillColor);
  }
  // A spot in the tile's left band (3 px mask border; the picture is fully
  // transparent there) and one at its centre.
  static constexpr int kBandX = 1, kBandY = 100, kMid = 100;
  static gfx::Color CacheAt(skin::TsSpeedButton& t, int x, int y) { return t.SkinData().CacheBitmap.PixelAt(x, y); }
  // The picture of item `index` over `bg` at (x, y), blended fully.
  static gfx::Color PictureOver(skin::TsSpeedButton& t, int x, int y, gfx::Color bg) {
    auto* list = dynamic_cast<skin::AlphaImageList*>(t.Images());
    const gfx::Bitmap* pic = list ? list->Decoded(t.ImageIndex()) : nullptr;
    if (!pic) return gfx::clFuchsia;
    const std::uint8_t* p = pic->Scanline(y) + 4 * x;
    using skin::testing::Over;
    const int b = Over(skin::testing::B(bg), p[0], p[3]), g = Over(skin::testing::G(bg), p[1], p[3]),
              r = Over(skin::testing::R(bg), p[2], p[3]);
    return static_cast<gfx::Color>((b << 16) | (g << 8) | r);
  }
  // Section, state, enabled and the band pixel of one tile; the centre
  // pixel too for an enabled tile in state 0.
  void ExpectLook(int tile, const char* section, int state, bool enabled) {
    SCOPED_TRACE("tile " + std::to_string(tile));
    skin::TsSpeedButton& t = Tile(tile);
    EXPECT_EQ(t.SkinData().SkinSection(), section);
    EXPECT_EQ(t.VisualState(), state);
    EXPECT_EQ(t.Enabled(), enabled);
    ASSERT_FALSE(t.SkinData().CacheStale);
    const bool framed = std::string(section) == "SPEEDBUTTON" && state > 0;
    EXPECT_EQ(CacheAt(t, kBandX, kBandY), framed ? kCellColors[state] : Behind(t, kBandX, kBandY));
    if (enabled && state == 0) {
      EXPECT_EQ(CacheAt(t, kMid, kMid), PictureOver(t, kMid, kMid, Behind(t, kMid, kMid)));
    }
  }
  gfx::Point Away() const { return w().Main->sStatusBar->ClientToScreen({5, 5}); }

  std::unique_ptr<SkinOnDisk> disk_;
};

TEST_F(SkinnedRound, EveryTileLooksAsItsMomentSays) {
  // The pictures are transparent where the band spot lies.
  {
    auto* list = dynamic_cast<skin::AlphaImageList*>(Tile(1).Images());
    ASSERT_NE(list, nullptr);
    for (int i : {game::kImageDark, game::kImageLit}) {
      const gfx::Bitmap* pic = list->Decoded(i);
      ASSERT_NE(pic, nullptr);
      ASSERT_EQ(pic->Scanline(kBandY)[4 * kBandX + 3], 0);
    }
  }
  d().MoveTo(Away());
  app().ProcessMessages();
  // Idle: dark, disabled, without a frame.
  for (int i = 1; i <= 6; ++i) ExpectLook(i, "WEBBUTTON", 0, false);

  // The show: the lit tile differs from the dark ones only by its picture.
  const std::int64_t t0 = StartGame(0);
  d().MoveTo(Away());
  RunUntilTime(t0 + 1000 + 400 + 1);
  ASSERT_EQ(LitTiles(), 1);
  for (int i = 1; i <= 6; ++i) {
    ExpectLook(i, "WEBBUTTON", 0, true);
    EXPECT_EQ(Tile(i).ImageIndex(), i == g().Sequence.Get(1) ? game::kImageLit : game::kImageDark);
  }

  // The player's turn: the frame appears only where the pointer is.
  RunUntilPlayersTurn();
  for (int i = 1; i <= 6; ++i) ExpectLook(i, "SPEEDBUTTON", 0, true);
  const int first = GameDriver::NextCorrectTile();
  const int other = first % 6 + 1;
  d().MoveTo(d().TilePoint(other));
  app().ProcessMessages();
  for (int i = 1; i <= 6; ++i) ExpectLook(i, "SPEEDBUTTON", i == other ? 1 : 0, true);
  d().MoveTo(d().TilePoint(first));
  app().ProcessMessages();
  for (int i = 1; i <= 6; ++i) ExpectLook(i, "SPEEDBUTTON", i == first ? 1 : 0, true);

  // Pressed: the pressed cell.
  screen_.InjectMouseDown(d().TilePoint(first));
  app().ProcessMessages();
  for (int i = 1; i <= 6; ++i) ExpectLook(i, "SPEEDBUTTON", i == first ? 2 : 0, true);
  screen_.InjectMouseUp(d().TilePoint(first));
  app().ProcessMessages();
  EXPECT_EQ(g().SequencePos, 1);

  // Round won (the first round shows two tiles on level 0): the next show
  // starts with every tile back to the frameless look.
  const int second = GameDriver::NextCorrectTile();
  d().ClickTile(second);
  app().ProcessMessages();
  ASSERT_EQ(g().RoundCount, 1);
  d().MoveTo(Away());
  app().ProcessMessages();
  for (int i = 1; i <= 6; ++i) ExpectLook(i, "WEBBUTTON", 0, true);
}

// The result dialog's buttons are skinned: disabled and alike for 3000 ms
// (Enter and Esc do nothing meanwhile), then "Попробовать ещё" shows the hot
// look of the default button and "OK" the normal one.
TEST_F(SkinnedRound, TheResultDialogsButtonsAreLockedForThreeSeconds) {
  StartGame(0);
  RunUntilPlayersTurn();
  auto* r = w().Result;
  auto* ok = dynamic_cast<skin::TsButton*>(r->sButton_Ok);
  auto* again = dynamic_cast<skin::TsButton*>(r->sButton_Restart);
  ASSERT_NE(ok, nullptr);
  ASSERT_NE(again, nullptr);
  std::int64_t shownAt = -1;
  bool lockedChecked = false, openChecked = false;
  const auto band = [this](ui::Control* b) { return screen_.ScreenPixel(b->ClientToScreen({1, b->Height() / 2})); };
  OneShot(10, [&] { shownAt = Now(); });
  OneShot(1000, [&] {
    EXPECT_TRUE(r->Visible());
    for (skin::TsButton* b : {ok, again}) {
      SCOPED_TRACE(b->Caption());
      EXPECT_TRUE(b->OwnerDraw());
      EXPECT_FALSE(b->Enabled());
      EXPECT_EQ(b->VisualState(), 0);
    }
    // Both locked buttons look alike: the normal cell under the disabled look.
    EXPECT_EQ(band(ok), band(again));
    EXPECT_NE(band(ok), gfx::ColorToRGB(kButtonCellColors[0]));
    d().Key(ui::VK_RETURN);
    d().Key(ui::VK_ESCAPE);
    app().ProcessMessages();
    EXPECT_TRUE(r->Visible());
    EXPECT_EQ(g().RoundCount, 0);
    lockedChecked = true;
  });
  OneShot(3100, [&] {
    EXPECT_TRUE(r->Visible());
    EXPECT_TRUE(ok->Enabled());
    EXPECT_TRUE(again->Enabled());
    EXPECT_EQ(again->VisualState(), 1);
    EXPECT_EQ(ok->VisualState(), 0);
    EXPECT_EQ(band(again), gfx::ColorToRGB(kButtonCellColors[1]));
    EXPECT_EQ(band(ok), gfx::ColorToRGB(kButtonCellColors[0]));
    openChecked = true;
    d().Key(ui::VK_ESCAPE);  // "OK" is the cancel button
  });
  d().ClickTile(GameDriver::NextWrongTile());
  app().ProcessMessages();
  EXPECT_TRUE(lockedChecked);
  EXPECT_TRUE(openChecked);
  EXPECT_FALSE(r->Visible());
  EXPECT_GE(shownAt, 0);
}

}  // namespace
}  // namespace app::test
