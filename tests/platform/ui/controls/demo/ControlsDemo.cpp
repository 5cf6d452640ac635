// Shows one form with every standard control and a menu bar. With
// --headless (or when no display answers) the form is drawn on the virtual
// screen and saved as a PNG (default "controls-demo.png", or --screenshot
// PATH); on X11 it runs until the window is closed.
#include <cstdio>
#include <exception>
#include <memory>
#include <string>

#include "platform/backend/CreateBackend.h"
#include "platform/backend/HeadlessBackend.h"
#include "platform/gfx/Canvas.h"
#include "platform/ui/Application.h"
#include "platform/ui/controls/Bevel.h"
#include "platform/ui/controls/Button.h"
#include "platform/ui/controls/GroupBox.h"
#include "platform/ui/controls/Image.h"
#include "platform/ui/controls/Label.h"
#include "platform/ui/controls/Memo.h"
#include "platform/ui/controls/MessageBox.h"
#include "platform/ui/controls/Panel.h"
#include "platform/ui/controls/ProgressBar.h"
#include "platform/ui/controls/RadioButton.h"
#include "platform/ui/controls/SpeedButton.h"
#include "platform/ui/controls/StatusBar.h"
#include "platform/ui/forms/Form.h"
#include "platform/ui/menus/Menus.h"

namespace {

using namespace ui;

// A picture made of concentric rings, standing in for a decoded PNG.
class RingsGraphic : public gfx::Graphic {
 public:
  int Width() const override { return 64; }
  int Height() const override { return 64; }
  bool Transparent() const override { return true; }
  void Draw(gfx::Canvas& c, const gfx::Rect& r) const override {
    for (int y = 0; y < r.Height(); ++y)
      for (int x = 0; x < r.Width(); ++x) {
        int dx = 2 * x + 1 - r.Width(), dy = 2 * y + 1 - r.Height();
        int d = dx * dx + dy * dy;
        if (d > r.Width() * r.Height()) continue;
        int ring = static_cast<int>(d * 6 / (r.Width() * r.Height() + 1));
        gfx::Color col = (ring & 1) ? gfx::RGB(240, 200, 40) : gfx::RGB(30, 120, 200);
        c.SetPixel(r.Left + x, r.Top + y, col);
      }
  }
  void LoadFromBytes(std::span<const std::uint8_t>) override {}
  void Assign(const gfx::Graphic&) override {}
};

gfx::Bitmap ArrowGlyph() {
  gfx::Bitmap b(16, 16, gfx::PixelFormat::Bgra32);
  b.FillBytes(0);
  gfx::Canvas c(b);
  for (int y = 3; y < 13; ++y) {
    int half = y < 8 ? y - 3 : 12 - y;
    c.FillRectAlpha({4, y, 5 + 2 * half, y + 1}, gfx::RGB(0, 110, 0), 255);
  }
  return b;
}

void BuildForm(Form& f) {
  f.SetCaption("Standard controls");
  f.SetBorderStyle(BorderStyle::bsSingle);
  f.SetBorderIcons(biSystemMenu | biMinimize);
  f.SetPosition(Position::poDesktopCenter);
  auto* menu = new MainMenu(&f);
  auto item = [&](MenuItem* parent, const char* caption, ShortCut sc = scNone) {
    auto* it = new MenuItem(&f);
    it->SetCaption(caption);
    it->SetShortCut(sc);
    parent->Add(it);
    return it;
  };
  MenuItem* game = item(menu->Items(), "&Game");
  item(game, "&New game", scCtrl | 'N')->OnClick = [](Component*) {
    ShowMessageBox("A new game starts.", "New game", MessageIcon::Information);
  };
  item(game, "-");
  item(game, "E&xit")->OnClick = [&f](Component*) { f.Close(); };
  MenuItem* help = item(menu->Items(), "&Help");
  item(help, "&About")->OnClick = [](Component*) {
    ShowMessageBox("Standard controls demo", "About", MessageIcon::Information);
  };
  f.SetMenu(menu);
  f.SetClientSize(600, 420);

  auto* tiles = new Panel(&f);
  tiles->SetParent(&f);
  tiles->SetBounds(8, 8, 200, 96);
  tiles->SetBevelOuter(BevelCut::bvLowered);
  tiles->SetCaption("");
  for (int i = 0; i < 3; ++i) {
    auto* sb = new SpeedButton(&f);
    sb->SetParent(tiles);
    sb->SetBounds(8 + 62 * i, 8, 58, 36);
    sb->SetCaption(std::string(1, static_cast<char>('A' + i)));
    sb->SetGroupIndex(1);
    sb->Glyph().Assign(ArrowGlyph());
    if (i == 1) sb->SetDown(true);
  }
  auto* flat = new SpeedButton(&f);
  flat->SetParent(tiles);
  flat->SetBounds(8, 50, 120, 36);
  flat->SetCaption("Flat button");
  flat->SetFlat(true);

  auto* box = new GroupBox(&f);
  box->SetParent(&f);
  box->SetBounds(216, 8, 170, 96);
  box->SetCaption("Difficulty");
  const char* levels[] = {"Easy", "Medium", "Unreal"};
  for (int i = 0; i < 3; ++i) {
    auto* r = new RadioButton(&f);
    r->SetParent(box);
    r->SetBounds(12, 22 + 22 * i, 140, 20);
    r->SetCaption(levels[i]);
    if (i == 0) r->SetChecked(true);
  }

  auto* img = new Image(&f);
  img->SetParent(&f);
  img->SetBounds(400, 16, 64, 64);
  img->SetTransparent(true);
  img->Picture().SetGraphic(std::make_unique<RingsGraphic>());

  auto* label = new Label(&f);
  label->SetParent(&f);
  label->SetBounds(480, 16, 100, 40);
  label->SetCaption("Result: 7.\rLevel: Easy.");

  auto* bar = new ProgressBar(&f);
  bar->SetParent(&f);
  bar->SetBounds(8, 114, 378, 17);
  bar->SetRange(0, 20);
  bar->SetPosition(13);

  auto* bevel = new Bevel(&f);
  bevel->SetParent(&f);
  bevel->SetBounds(8, 138, 378, 9);
  bevel->SetShape(BevelShape::bsTopLine);

  auto* memo = new Memo(&f);
  memo->SetParent(&f);
  memo->SetBounds(8, 150, 378, 180);
  memo->SetReadOnly(true);
  memo->SetScrollBars(ScrollStyle::ssVertical);
  memo->SetColor(gfx::clWhite);
  std::vector<std::string> lines;
  for (int i = 0; i < 20; ++i) {
    std::string l;
    for (int k = 0; k < 40; ++k) l += ((i * 7 + k * 3) % 5 < 2) ? '1' : '0';
    lines.push_back(l);
  }
  memo->SetLines(lines);

  auto* ok = new Button(&f);
  ok->SetParent(&f);
  ok->SetBounds(400, 300, 90, 25);
  ok->SetCaption("&OK");
  ok->SetDefault(true);
  auto* cancel = new Button(&f);
  cancel->SetParent(&f);
  cancel->SetBounds(500, 300, 90, 25);
  cancel->SetCaption("Cancel");
  cancel->SetCancel(true);
  cancel->SetEnabled(false);
  auto* side = new Panel(&f);
  side->SetParent(&f);
  side->SetBounds(400, 150, 190, 140);
  side->SetBevelInner(BevelCut::bvLowered);
  side->SetBorderWidth(2);
  side->SetCaption("Panel with a caption");

  auto* status = new StatusBar(&f);
  status->SetParent(&f);
  status->AddPanel(200).Text = "Ready";
  status->AddPanel(150).Text = "Round 7";
  status->AddPanel(100).Text = "Easy";
}

}  // namespace

int main(int argc, char** argv) {
  bool headless = false;
  std::string shot = "controls-demo.png";
  for (int i = 1; i < argc; ++i) {
    std::string a = argv[i];
    if (a == "--headless" || a == "--demo") headless = true;
    if (a == "--screenshot" && i + 1 < argc) shot = argv[++i];
  }
  try {
    std::unique_ptr<backend::Backend> backend;
    if (!headless) {
      try {
        backend = backend::CreateBackend(backend::BackendChoice::Auto);
      } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\nFalling back to the virtual screen.\n", e.what());
      }
    }
    if (!backend) {
      headless = true;
      backend = std::make_unique<backend::HeadlessBackend>();
    }
    Application app(*backend);
    app.SetTitle("Controls demo");
    Form* form = app.CreateForm<Form>([](Form& f) { BuildForm(f); });
    if (!headless) {
      app.Run();
      return 0;
    }
    form->ShowForm();
    app.ProcessMessages();
    auto& hb = static_cast<backend::HeadlessBackend&>(*backend);
    hb.SaveScreenshot(shot);
    std::printf("saved %s\n", shot.c_str());
    return 0;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "controls demo: %s\n", e.what());
    return 1;
  }
}
