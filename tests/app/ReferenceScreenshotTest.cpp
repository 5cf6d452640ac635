// The main window and each dialog with the internal skin, compared pixel for
// pixel (tolerance 0) with the reference images in tests/app/reference.
// `cmake --build <build> --target update_reference_screenshots` writes them
// anew (ZT_UPDATE_REFERENCE=1 for this test); look at them before committing.
//
// Text is drawn with the faces of fonts-wine and DejaVu; on a machine that
// resolves the windows' faces to others the comparison is skipped.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "app/Program.h"
#include "game/Unit_About.h"
#include "game/Unit_GameObjects.h"
#include "game/Unit_Main.h"
#include "game/Unit_NewGame.h"
#include "game/Unit_ResultGame.h"
#include "image/acPNG.h"
#include "platform/backend/HeadlessBackend.h"
#include "platform/gfx/Canvas.h"
#include "platform/gfx/Font.h"
#include "platform/gfx/PngWriter.h"
#include "platform/ui/Application.h"

namespace app::test {
namespace {

namespace fs = std::filesystem;

fs::path ReferenceDir() { return fs::path(ZT_SOURCE_DIR) / "tests" / "app" / "reference"; }

bool Updating() {
  const char* v = std::getenv("ZT_UPDATE_REFERENCE");
  return v && std::string(v) == "1";
}

// The faces the references were drawn with.
std::string FacesInUse() {
  std::string faces;
  for (const char* name : {"Tahoma", "MS Sans Serif"}) {
    gfx::Font f;
    f.Name = name;
    faces += gfx::GetFontMetrics(f).FamilyName + ";";
  }
  return faces;
}
constexpr const char* kReferenceFaces = "Tahoma;MS Sans Serif;";

// A skin directory of no skins, so that only the internal skin is found.
class NoSkinsOnDisk {
 public:
  NoSkinsOnDisk() : root_(fs::temp_directory_path() / ("zt-reference-" + std::to_string(::getpid()))) {
    fs::create_directories(root_);
    if (const char* old = std::getenv("XDG_DATA_HOME")) old_ = old;
    setenv("XDG_DATA_HOME", root_.c_str(), 1);
  }
  ~NoSkinsOnDisk() {
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

gfx::Bitmap WindowImage(const backend::HeadlessBackend& screen, const ui::Form& f) {
  const gfx::Bitmap shot = screen.Screenshot();
  const gfx::Rect r = f.WindowRect();
  gfx::Bitmap out(r.Width(), r.Height(), gfx::PixelFormat::Bgr24);
  gfx::Canvas c(out);
  c.DrawBitmap(0, 0, shot, r);
  return out;
}

// The first differing pixel, or "" when the images are equal.
std::string Difference(const gfx::Bitmap& a, const gfx::Bitmap& b) {
  if (a.Width() != b.Width() || a.Height() != b.Height())
    return "size " + std::to_string(a.Width()) + "x" + std::to_string(a.Height()) + " instead of " +
           std::to_string(b.Width()) + "x" + std::to_string(b.Height());
  int count = 0;
  std::string first;
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x)
      if ((a.PixelAt(x, y) & 0xFFFFFF) != (b.PixelAt(x, y) & 0xFFFFFF)) {
        if (count++ == 0)
          first = "pixel (" + std::to_string(x) + ", " + std::to_string(y) + ") " + std::to_string(a.PixelAt(x, y)) +
                  " instead of " + std::to_string(b.PixelAt(x, y));
      }
  return count ? first + " and " + std::to_string(count - 1) + " more" : "";
}

void CompareWithReference(const backend::HeadlessBackend& screen, const ui::Form& f, const std::string& name) {
  const gfx::Bitmap image = WindowImage(screen, f);
  const fs::path file = ReferenceDir() / (name + ".png");
  if (Updating()) {
    gfx::SavePng(image, file.string());
    return;
  }
  std::ifstream in(file, std::ios::binary);
  ASSERT_TRUE(in) << file << " is missing; the target update_reference_screenshots writes it";
  const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  image::TPNGGraphic png;
  png.LoadFromBytes(bytes);
  const std::string diff = Difference(image, png.Bitmap());
  if (!diff.empty()) {
    const fs::path actual = fs::temp_directory_path() / ("zt-" + name + "-actual.png");
    gfx::SavePng(image, actual.string());
    ADD_FAILURE() << name << ": " << diff << " (this run's image: " << actual.string() << ")";
  }
}

class ReferenceScreenshot : public ::testing::Test {
 protected:
  void SetUp() override {
    if (FacesInUse() != kReferenceFaces) GTEST_SKIP() << "the windows' faces resolve to " << FacesInUse();
    game::ResetGameObjects();
    app_.emplace(screen_);
    w_ = CreateGameWindows(*app_);
    w_.Main->ShowForm();
    app_->RunFor(500);
  }
  void TearDown() override {
    app_.reset();
    game::ResetGameObjects();
  }
  // Shows `dialog` over the main window (not modally, so the test goes on)
  // and lets its fades and timers settle.
  void ShowDialog(ui::Form& dialog) {
    dialog.ShowForm();
    app_->RunFor(3000);
  }

  NoSkinsOnDisk home_;
  backend::HeadlessBackend screen_;
  std::optional<ui::Application> app_;
  GameWindows w_;
};

TEST_F(ReferenceScreenshot, MainWindow) { CompareWithReference(screen_, *w_.Main, "main-window"); }

TEST_F(ReferenceScreenshot, NewGameDialog) {
  ShowDialog(*w_.NewGame);
  CompareWithReference(screen_, *w_.NewGame, "new-game-dialog");
}

TEST_F(ReferenceScreenshot, ResultDialog) {
  ShowDialog(*w_.Result);
  CompareWithReference(screen_, *w_.Result, "result-dialog");
}

TEST_F(ReferenceScreenshot, AboutDialog) {
  ShowDialog(*w_.About);
  CompareWithReference(screen_, *w_.About, "about-dialog");
}

}  // namespace
}  // namespace app::test
