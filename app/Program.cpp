#include "app/Program.h"

#include <vector>

#include "app/Descriptions.h"
#include "app/EmbeddedAssets.h"
#include "app/FormLoader.h"
#include "app/FormSkinSurface.h"
#include "image/acPNG.h"
#include "platform/ui/Icon.h"
#include "skin/controls/BuiltInShadows.h"
#include "skin/controls/VersionSwitch.h"

namespace app {

namespace {

template <class F>
F* Create(ui::Application& app, const FormDescription& d) {
  return app.CreateForm<F>([&d](F& f) { LoadForm(f, d); });
}

// Every window shows the program's icon (in its caption and to the desktop).
void SetProgramIcon(ui::Application& app) {
  std::vector<gfx::Bitmap> icons;
  for (const char* path : {"icons/icon16.png", "icons/icon32.png"}) {
    image::TPNGGraphic png;
    png.LoadFromBytes(EmbeddedAsset(path));
    icons.push_back(png.Bitmap());
  }
  app.SetIcon(ui::Icon(icons));
}

}  // namespace

GameWindows CreateGameWindows(ui::Application& app, bool showSkinVersion, const SkinChoice& skin) {
  app.SetTitle(kApplicationTitle);
  SetProgramIcon(app);
  skin::LoadBuiltInShadowImages(EmbeddedAsset("shadows/shadow1.png"), EmbeddedAsset("shadows/shadow2.png"));
  if (showSkinVersion) skin::ShowVersionIfAsked({skin::kVersionSwitch});
  GameWindows w;
  std::deque<std::string> texts;
  w.Main = Create<game::TForm_Main>(app, WithSkinChoice(MainWindowDescription(), skin, texts));
  w.Result = Create<game::TForm_ResultGame>(app, ResultDialogDescription());
  w.NewGame = Create<game::TForm_NewGame>(app, NewGameDialogDescription());
  w.About = Create<game::TForm_About>(app, AboutDialogDescription());
  // Until forms have their skinned frame, each client area shows the skin's
  // surface: FORM for the main window, DIALOG for the dialogs.
  AddFormSkinSurface(*w.Main, "FORM");
  for (ui::Form* dialog : {static_cast<ui::Form*>(w.Result), static_cast<ui::Form*>(w.NewGame),
                           static_cast<ui::Form*>(w.About)})
    AddFormSkinSurface(*dialog, "DIALOG");
  return w;
}

}  // namespace app
