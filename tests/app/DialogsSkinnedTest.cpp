// The new-game and result dialogs opened in the real game with a small skin
// made by the tests (installed as the skin on disk): the group box, the radio
// buttons, the result label, the progress bar and the bevel resolve their
// sections and show the fixture's colours on the screen.
#include <gtest/gtest.h>

#include <array>
#include <memory>

#include "game/Unit_NewGame.h"
#include "game/Unit_ResultGame.h"
#include "platform/gfx/Canvas.h"
#include "skin/controls/sGroupBox.h"
#include "skin/controls/sRadioButton.h"
#include "skin/controls/sSkinManager.h"
#include "skin/data/SkinModel.h"
#include "tests/app/AppFixture.h"
#include "tests/skin/controls/FixtureSkin.h"
#include "tests/support/ScopedEnv.h"

namespace app::test {
namespace {

constexpr gfx::Color kFrame = gfx::RGB(0, 0, 220);
constexpr gfx::Color kFace = gfx::RGB(30, 160, 90);
constexpr gfx::Color kHotFace = gfx::RGB(60, 60, 200);
constexpr gfx::Color kGauge = gfx::RGB(210, 210, 40);
constexpr gfx::Color kBlock = gfx::RGB(20, 40, 160);
constexpr gfx::Color kLow = gfx::RGB(140, 30, 140);
constexpr gfx::Color kLabelText = gfx::RGB(0, 0, 170);
constexpr std::array<gfx::Color, 3> kChecked{gfx::RGB(250, 0, 0), gfx::RGB(0, 250, 0), gfx::RGB(0, 0, 250)};
constexpr std::array<gfx::Color, 3> kUnchecked{gfx::RGB(120, 0, 0), gfx::RGB(0, 120, 0), gfx::RGB(0, 0, 120)};

skin::fixture::FixtureSkin DialogSkin() {
  skin::fixture::FixtureSkin s;
  s.RadioGlyphs({0, 0}, 12, kChecked, kUnchecked);
  s.Set("GLOBALINFO", "FONTCOLOR", kLabelText);
  s.Fill({40, 0, 50, 10}, kFrame).Fill({42, 2, 48, 8}, gfx::clFuchsia);
  s.Set("GROUPBOX", "TRANSPARENCY", 100)
      .Mask("GROUPBOX", skin::fixture::BorderMaskSpec{{40, 0, 50, 10}, 2, 2, 2, 2, 1, 0, 0, 0});
  s.Set("GROUPBOX", "FONTCOLOR", 0);
  s.Set("RADIOBUTTON", "COLOR", kFace).Set("RADIOBUTTON", "HOTCOLOR", kHotFace);
  s.Set("RADIOBUTTON", "FONTCOLOR", 0).Set("RADIOBUTTON", "HOTFONTCOLOR", 0);
  s.Set("BUTTON", "COLOR", gfx::RGB(180, 180, 180));
  s.Set("GAUGE", "COLOR", kGauge);
  s.Set("PROGRESSH", "COLOR", kBlock);
  s.Set("PANEL_LOW", "COLOR", kLow);
  return s;
}

// The fixture skin as the directory skin "Skin" where the main window's
// manager looks for it ($XDG_DATA_HOME/zintor2/Skins).
class SkinOnDisk {
 public:
  SkinOnDisk() : env_("XDG_DATA_HOME", dir_.Str().c_str()) {
    DialogSkin().WriteDirectory(dir_, "zintor2/Skins/Skin");
  }

 private:
  skin::fixture::TempDir dir_;
  zt::testing::ScopedEnv env_;
};

class DialogsSkinned : public AppFixture {
 protected:
  void SetUp() override {
    disk_ = std::make_unique<SkinOnDisk>();
    AppFixture::SetUp();
    auto* m = skin::TsSkinManager::DefaultManager();
    ASSERT_NE(m, nullptr);
    ASSERT_TRUE(m->Active());
    ASSERT_NE(m->Model(), nullptr);
    ASSERT_GE(m->Model()->SectionIndexOf("RADIOBUTTON"), 0) << "the fixture skin is in use";
  }
  void TearDown() override {
    AppFixture::TearDown();
    disk_.reset();
  }
  gfx::Color At(const ui::Control& c, int x, int y) { return screen_.ScreenPixel(c.ClientToScreen({x, y})); }
  static void ExpectSection(ui::Control* c, const char* section) {
    skin::TsCommonData* data = skin::SkinDataOf(c);
    ASSERT_NE(data, nullptr) << c->Name();
    EXPECT_EQ(data->SkinSection(), section) << c->Name();
    EXPECT_TRUE(data->IsSkinned(true)) << c->Name();
  }
  // Some pixel of the control on the screen has the colour.
  bool Shows(const ui::Control& c, gfx::Color colour) {
    for (int y = 0; y < c.Height(); ++y)
      for (int x = 0; x < c.Width(); ++x)
        if (At(c, x, y) == colour) return true;
    return false;
  }

 private:
  std::unique_ptr<SkinOnDisk> disk_;
};

TEST_F(DialogsSkinned, NewGameDialogPaintsGroupBoxAndRadioButtonsFromTheSkin) {
  bool checked = false;
  Script s(app());
  s.After("Ctrl+N", 10, [this] { d().KeyWithControl('N'); });
  s.When(
      "the dialog is shown", [this] { return w().NewGame->Visible(); },
      [this, &checked] {
        app().ProcessMessages();
        auto* box = w().NewGame->sGroupBox_Difficulty;
        ASSERT_NE(dynamic_cast<skin::TsGroupBox*>(box), nullptr);
        ExpectSection(box, "GROUPBOX");
        // The frame's left edge from the mask, below the caption.
        EXPECT_EQ(At(*box, 0, 60), kFrame);
        EXPECT_EQ(At(*box, 1, 60), kFrame);
        gfx::Bitmap scratch = gfx::NewBitmap24(1, 1);
        gfx::Canvas canvas(scratch);
        for (std::size_t i = 0; i < 3; ++i) {
          auto* r = dynamic_cast<skin::TsRadioButton*>(w().NewGame->Levels[i]);
          ASSERT_NE(r, nullptr) << i;
          ExpectSection(r, "RADIOBUTTON");
          // Sized at loading to the skin's 12 x 12 glyph and the caption.
          canvas.SetFont(r->Font());
          const gfx::Size t = canvas.TextExtent(r->Caption());
          EXPECT_EQ(r->Width(), 12 + 4 + t.Width + 8) << i;
          EXPECT_EQ(r->Height(), std::max(12, t.Height + 4) + 2) << i;
          const gfx::Rect g = r->GlyphBox();
          EXPECT_EQ(g.Left, 2);
          const std::size_t state = static_cast<std::size_t>(r->GlyphState());
          EXPECT_EQ(At(*r, g.Left + 6, g.Top + 6), (r->Checked() ? kChecked : kUnchecked)[state]) << i;
          EXPECT_EQ(At(*r, 0, 0), state ? kHotFace : kFace) << i;
        }
        EXPECT_TRUE(w().NewGame->Levels[0]->Checked());
        // A click on the third level checks it on the screen.
        d().Click(*w().NewGame->Levels[2]);
        app().ProcessMessages();
        auto* third = dynamic_cast<skin::TsRadioButton*>(w().NewGame->Levels[2]);
        const gfx::Rect g = third->GlyphBox();
        EXPECT_TRUE(third->Checked());
        EXPECT_EQ(At(*third, g.Left + 6, g.Top + 6), kChecked[static_cast<std::size_t>(third->GlyphState())]);
        const auto* first = dynamic_cast<skin::TsRadioButton*>(w().NewGame->Levels[0]);
        EXPECT_EQ(At(*first, first->GlyphBox().Left + 6, first->GlyphBox().Top + 6),
                  kUnchecked[static_cast<std::size_t>(first->GlyphState())]);
        checked = true;
        d().ClickAt(CloseBox(*w().NewGame));
      });
  s.When(
      "closed by its close box", [this] { return !w().NewGame->Visible(); }, [] {});
  Play(s);
  EXPECT_TRUE(checked);
}

TEST_F(DialogsSkinned, ResultDialogPaintsLabelBarAndBevelFromTheSkin) {
  StartGame(0);
  RunUntilPlayersTurn();
  bool checked = false;
  OneShot(100, [this, &checked] {
    auto* r = w().Result;
    EXPECT_TRUE(r->Visible());
    ExpectSection(r->sProgressBar_Result, "GAUGE");
    // Ten of nineteen blocks, 8 wide with 2 between, over the gauge's look.
    r->sProgressBar_Result->SetPosition(10);
    r->sProgressBar_Result->Repaint();
    app().ProcessMessages();
    EXPECT_EQ(At(*r->sProgressBar_Result, 5, 8), kBlock);
    EXPECT_EQ(At(*r->sProgressBar_Result, 95, 8), kBlock);
    EXPECT_EQ(At(*r->sProgressBar_Result, 9, 8), kGauge);
    EXPECT_EQ(At(*r->sProgressBar_Result, 150, 8), kGauge);
    // The bevel's top line: the top rows of PANEL_LOW from x = 3.
    EXPECT_EQ(At(*r->sBevel1, 10, 1), kLow);
    EXPECT_NE(At(*r->sBevel1, 1, 1), kLow);
    EXPECT_NE(At(*r->sBevel1, 10, 5), kLow);
    // The label's black text takes the skin's font colour.
    EXPECT_TRUE(Shows(*r->sLabel_Result, kLabelText));
    checked = true;
    d().ClickAt(CloseBox(*r));
  });
  d().ClickTile(GameDriver::NextWrongTile());
  app().ProcessMessages();
  EXPECT_TRUE(checked);
  EXPECT_FALSE(w().Result->Visible());
}

}  // namespace
}  // namespace app::test
