// Until forms have their skinned frame, each form's client area is the skin's
// surface: the main window answers its children from FORM, the dialogs from
// DIALOG, in the active state, and the controls show that look through their
// transparent parts.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "app/FormSkinSurface.h"
#include "app/Program.h"
#include "app/SkinChoice.h"
#include "game/Unit_Main.h"
#include "game/Unit_NewGame.h"
#include "platform/backend/HeadlessBackend.h"
#include "platform/ui/Application.h"
#include "skin/controls/sBackdrop.h"
#include "skin/controls/sSkinCommands.h"
#include "skin/controls/sSkinManager.h"
#include "skin/data/SkinModel.h"

namespace app::test {
namespace {

namespace fs = std::filesystem;

// XDG_DATA_HOME at a fresh directory, optionally holding a directory skin
// "Skin" with the given options (it then takes the internal skin's place).
class SkinHome {
 public:
  explicit SkinHome(const std::string& options = {})
      : root_(fs::temp_directory_path() / ("zt-formsurface-" + std::to_string(::getpid()))) {
    fs::create_directories(root_ / "zintor2" / "Skins");
    if (!options.empty()) {
      fs::create_directories(root_ / "zintor2" / "Skins" / "Skin");
      std::ofstream(root_ / "zintor2" / "Skins" / "Skin" / "Options.dat", std::ios::binary) << options;
    }
    if (const char* old = std::getenv("XDG_DATA_HOME")) old_ = old;
    setenv("XDG_DATA_HOME", root_.c_str(), 1);
  }
  ~SkinHome() {
    if (old_)
      setenv("XDG_DATA_HOME", old_->c_str(), 1);
    else
      unsetenv("XDG_DATA_HOME");
    std::error_code ec;
    fs::remove_all(root_, ec);
  }

 private:
  fs::path root_;
  std::optional<std::string> old_;
};

class Windows {
 public:
  explicit Windows(const SkinChoice& c = {}) : app_(screen_), w_(CreateGameWindows(app_, false, c)) {
    w_.Main->ShowForm();
    app_.ProcessMessages();
  }
  const GameWindows& W() const { return w_; }
  ui::Application& App() { return app_; }
  backend::HeadlessBackend& Screen() { return screen_; }
  const skin::TsSkinModel& Model() const { return *skin::TsSkinManager::DefaultManager()->Model(); }
  gfx::Color SectionHotColor(const char* name) const {
    const int i = Model().SectionIndexOf(name);
    EXPECT_GE(i, 0) << name;
    return gfx::ColorToRGB(Model().GeneralTable.at(static_cast<std::size_t>(i)).HotColor);
  }
  gfx::Color ScreenPixelOf(ui::Control& c, gfx::Point p) { return screen_.ScreenPixel(c.ClientToScreen(p)); }

 private:
  backend::HeadlessBackend screen_;
  ui::Application app_;
  GameWindows w_;
};

skin::BackdropQuery AskBackdrop(ui::Control* form) {
  skin::BackdropQuery q;
  skin::SendSkinCommand(form, skin::SKC_GET_BG_INFO, reinterpret_cast<ui::LPARAM>(&q));
  return q;
}

int SectionIndexAnswer(ui::Control* form) {
  std::int32_t index = -2;
  skin::SendSkinCommand(form, skin::SKC_GET_SKIN_INDEX, reinterpret_cast<ui::LPARAM>(&index));
  return index;
}

TEST(FormSurfaceTest, TheMainWindowAnswersFromFormAndTheDialogsFromDialog) {
  SkinHome home;
  Windows s;
  struct Case {
    ui::Form* Form;
    const char* Section;
  };
  for (const Case& c : {Case{s.W().Main, "FORM"}, Case{s.W().Result, "DIALOG"}, Case{s.W().NewGame, "DIALOG"},
                        Case{s.W().About, "DIALOG"}}) {
    SCOPED_TRACE(c.Form->Name());
    c.Form->ShowForm();  // commands reach forms that have their window
    s.App().ProcessMessages();
    EXPECT_TRUE(skin::AskSkinCommand(c.Form, skin::SKC_IS_SKINNED));
    EXPECT_EQ(SectionIndexAnswer(c.Form), s.Model().SectionIndexOf(c.Section));
    const gfx::Color look = s.SectionHotColor(c.Section);
    EXPECT_EQ(static_cast<gfx::Color>(skin::SendSkinCommand(c.Form, skin::SKC_GET_CONTROL_COLOR)), look);
    const skin::BackdropQuery q = AskBackdrop(c.Form);
    EXPECT_EQ(q.Kind, skin::kBackdropColor);
    EXPECT_EQ(gfx::ColorToRGB(q.Color), look);
    // A plain opaque surface: the children may paint straight onto it.
    EXPECT_EQ(skin::SendSkinCommand(c.Form, skin::SKC_GET_STATE_FLAGS) & skin::sfPlainBackground,
              skin::sfPlainBackground);
  }
  EXPECT_NE(s.SectionHotColor("FORM"), s.SectionHotColor("DIALOG"));
}

// The tiles' background question passes through the transparent panel to
// the form: the tile's transparent margin shows FORM's look on the screen,
// and a dialog's group box shows DIALOG's.
TEST(FormSurfaceTest, TilesAndGroupBoxesSitOnTheirFormsLook) {
  SkinHome home;
  Windows s;
  game::TForm_Main& main = *s.W().Main;
  const gfx::Color form = s.SectionHotColor("FORM");
  for (skin::TsSpeedButton* tile : main.Tiles) EXPECT_EQ(s.ScreenPixelOf(*tile, {1, 1}), form) << tile->Name();
  EXPECT_EQ(s.ScreenPixelOf(main, {2, main.ClientHeight() / 2}), form);

  s.W().NewGame->ShowForm();
  s.App().ProcessMessages();
  ui::GroupBox& box = *s.W().NewGame->sGroupBox_Difficulty;
  const gfx::Color dialog = s.SectionHotColor("DIALOG");
  EXPECT_EQ(s.ScreenPixelOf(box, {box.Width() - 12, box.Height() - 12}), dialog);
  EXPECT_EQ(s.ScreenPixelOf(*s.W().NewGame, {2, 2}), dialog);
}

// A FORM with a gradient answers with its image; the tile's margin shows
// the very pixel of that image that lies under it.
TEST(FormSurfaceTest, AGradientFormAnswersWithItsImage) {
  SkinHome home(
      "[GLOBALINFO]\r\nVERSION=6.69\r\n"
      "[FORM]\r\nCOLOR=255\r\nHOTCOLOR=255\r\nTRANSPARENCY=0\r\nHOTTRANSPARENCY=0\r\n"
      "GRADIENTPERCENT=100\r\nHOTGRADIENTPERCENT=100\r\n"
      "GRADIENTDATA=255;16711680;100;0;0\r\nHOTGRADIENTDATA=65280;16711680;100;0;0\r\n"
      "[PANEL]\r\nTRANSPARENCY=100\r\nHOTTRANSPARENCY=100\r\n"
      "[SPEEDBUTTON]\r\nTRANSPARENCY=100\r\nHOTTRANSPARENCY=100\r\n");
  Windows s;
  game::TForm_Main& main = *s.W().Main;
  const skin::BackdropQuery q = AskBackdrop(&main);
  ASSERT_EQ(q.Kind, skin::kBackdropImage);
  ASSERT_NE(q.Bitmap, nullptr);
  EXPECT_EQ(q.Bitmap->Width(), main.ClientWidth());
  EXPECT_EQ(q.Bitmap->Height(), main.ClientHeight());
  EXPECT_EQ(q.X, 0);
  EXPECT_EQ(q.Y, 0);
  // The hot gradient (green to blue, top to bottom) is the one shown.
  EXPECT_EQ(q.Bitmap->PixelAt(0, 0), gfx::RGB(0, 255, 0));
  EXPECT_NE(q.Bitmap->PixelAt(0, 0), q.Bitmap->PixelAt(0, q.Bitmap->Height() - 1));
  for (skin::TsSpeedButton* tile : main.Tiles) {
    const gfx::Point at = main.ScreenToClient(tile->ClientToScreen({1, 1}));
    EXPECT_EQ(s.ScreenPixelOf(*tile, {1, 1}), q.Bitmap->PixelAt(at.X, at.Y)) << tile->Name();
  }
}

TEST(FormSurfaceTest, WithoutASkinTheFormsKeepTheirPlainLook) {
  SkinHome home;
  SkinChoice none;
  none.NoSkin = true;
  Windows s(none);
  for (ui::Form* f : {static_cast<ui::Form*>(s.W().Main), static_cast<ui::Form*>(s.W().NewGame)}) {
    EXPECT_FALSE(skin::AskSkinCommand(f, skin::SKC_IS_SKINNED)) << f->Name();
    EXPECT_EQ(AskBackdrop(f).Kind, skin::kBackdropNone) << f->Name();
  }
  EXPECT_EQ(s.ScreenPixelOf(*s.W().Main, {2, 2}), gfx::ColorToRGB(s.W().Main->Color()));
}

}  // namespace
}  // namespace app::test
