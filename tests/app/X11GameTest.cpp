// The game on a real X server (Xvfb): started with Ctrl+N, one round
// repeated and the next one lost by XTEST clicks, the result dialog left
// with Esc once its buttons unlock. With ZT_SCREENSHOT_DIR set, the screen
// is saved as PNG at each step.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>

#include "app/GameDriver.h"
#include "app/Program.h"
#include "app/Script.h"
#include "game/Unit_GameObjects.h"
#include "platform/backend/X11Backend.h"
#include "platform/gfx/PngWriter.h"
#include "tests/platform/backend/XServerProcess.h"

// Last: Xlib's macros (None, Status, ...) would break the headers above.
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

namespace app::test {
namespace {

struct DisplayCloser {
  void operator()(Display* d) const { XCloseDisplay(d); }
};

// Input through XTEST and pixels read back, on a connection of its own.
class XUser {
 public:
  explicit XUser(const std::string& display) : d_(XOpenDisplay(display.c_str())) {}
  bool Ok() const { return d_ != nullptr; }
  void Click(gfx::Point p) {
    XTestFakeMotionEvent(d_.get(), -1, p.X, p.Y, 0);
    XTestFakeButtonEvent(d_.get(), 1, True, 0);
    XTestFakeButtonEvent(d_.get(), 1, False, 0);
    XFlush(d_.get());
  }
  void Key(KeySym sym, bool control = false) {
    const KeyCode ctrl = XKeysymToKeycode(d_.get(), XK_Control_L);
    const KeyCode key = XKeysymToKeycode(d_.get(), sym);
    if (control) XTestFakeKeyEvent(d_.get(), ctrl, True, 0);
    XTestFakeKeyEvent(d_.get(), key, True, 0);
    XTestFakeKeyEvent(d_.get(), key, False, 0);
    if (control) XTestFakeKeyEvent(d_.get(), ctrl, False, 0);
    XFlush(d_.get());
  }
  // The root window as a 24-bit bitmap.
  gfx::Bitmap Screen() {
    const Window root = DefaultRootWindow(d_.get());
    XWindowAttributes a;
    XGetWindowAttributes(d_.get(), root, &a);
    gfx::Bitmap out = gfx::NewBitmap24(a.width, a.height);
    XImage* image = XGetImage(d_.get(), root, 0, 0, static_cast<unsigned>(a.width),
                              static_cast<unsigned>(a.height), AllPlanes, ZPixmap);
    if (!image) return out;
    for (int y = 0; y < a.height; ++y)
      for (int x = 0; x < a.width; ++x) {
        const unsigned long p = XGetPixel(image, x, y);
        out.SetPixelAt(x, y, gfx::RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF));
      }
    XDestroyImage(image);
    return out;
  }

 private:
  std::unique_ptr<Display, DisplayCloser> d_;
};

TEST(X11GameTest, ARoundWonAndOneLostByXTestInput) {
  std::string why;
  auto server = backend::testing::XServerProcess::Start(why);
  if (!server) GTEST_SKIP() << "no X server: " << why;
  game::ResetGameObjects();
  {
    backend::X11Backend backend(server->DisplayName());
    ui::Application app(backend);
    const GameWindows w = CreateGameWindows(app);
    XUser user(server->DisplayName());
    ASSERT_TRUE(user.Ok());
    const char* dir = std::getenv("ZT_SCREENSHOT_DIR");
    auto shot = [&](const char* name) {
      return [&, name] {
        if (dir) gfx::SavePng(user.Screen(), (std::filesystem::path(dir) / name).string());
      };
    };
    auto turn = [] { return game::GameState().InputAllowed; };
    auto tile = [&](int n) {
      return GameDriver::CenterOf(*w.Main->Tiles.at(static_cast<std::size_t>(n - 1)));
    };

    Script s(app);
    s.SetTimeout(15000);
    s.When(
        "the main window is shown", [&] { return w.Main->Visible(); }, [] {});
    s.After("settled", 300, shot("x11-01-idle.png"));
    s.After("Ctrl+N", 10, [&] { user.Key(XK_n, true); });
    s.When(
        "the new-game dialog is shown", [&] { return w.NewGame->Visible(); }, [] {});
    s.After("settled", 200, shot("x11-02-new-game-dialog.png"));
    s.After("Enter starts", 10, [&] { user.Key(XK_Return); });
    s.When("the player's turn", turn, [] {});
    s.After("settled", 100, shot("x11-03-players-turn.png"));
    for (int i = 0; i < 2; ++i)
      s.After("a correct click", 150, [&] { user.Click(tile(GameDriver::NextCorrectTile())); });
    s.When("round 2: the player's turn", turn, [] {});
    s.After("a wrong click", 150, [&] { user.Click(tile(GameDriver::NextWrongTile())); });
    s.When(
        "the result dialog is shown", [&] { return w.Result->Visible(); }, [] {});
    s.After("settled", 200, shot("x11-04-result-dialog.png"));
    s.When(
        "the buttons unlock", [&] { return w.Result->sButton_Ok->Enabled(); }, [&] { user.Key(XK_Escape); });
    s.When(
        "the result dialog is closed", [&] { return !w.Result->Visible(); }, [] {});
    s.After("settled", 200, shot("x11-05-game-over.png"));
    w.Main->ShowForm();
    s.Start();
    app.RunUntil([&] { return s.Finished(); });
    EXPECT_EQ(s.Failure(), "");
    EXPECT_EQ(game::GameState().RoundCount, 1);
    EXPECT_EQ(game::GameState().DifficultyCaption, "Лёгкий");
    for (const auto* t : w.Main->Tiles) EXPECT_FALSE(t->Enabled());
  }
  game::ResetGameObjects();
}

}  // namespace
}  // namespace app::test
