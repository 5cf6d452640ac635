// zintor2: the program's entry point.
#include <exception>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "app/CommandLine.h"
#include "app/Demo.h"
#include "app/Program.h"
#include "platform/backend/CreateBackend.h"
#include "platform/ui/Application.h"
#include "skin/controls/sSkinManager.h"

namespace {

int Play(backend::BackendChoice choice, bool showSkinVersion, const app::SkinChoice& skin) {
  std::unique_ptr<backend::Backend> backend;
  try {
    backend = backend::CreateBackend(choice);
  } catch (const std::exception& e) {
    std::cerr << "zintor2: " << e.what() << "\n";
    return 1;
  }
  ui::Application app(*backend);
  const app::GameWindows w = app::CreateGameWindows(app, showSkinVersion, skin);
  if (choice == backend::BackendChoice::Headless) {
    // A start-up check: the windows exist and the main window shows.
    w.Main->ShowForm();
    app.ProcessMessages();
    std::cout << "started on a virtual screen: main window \"" << w.Main->Caption() << "\" "
              << w.Main->ClientWidth() << "x" << w.Main->ClientHeight() << "\n";
    return 0;
  }
  app.Run();
  return 0;
}

// The names the main window's skin manager offers (internal skins, the
// skin directory, the installed skins), one a line.
int ListSkins(const app::SkinChoice& skin) {
  const std::unique_ptr<backend::Backend> backend = backend::CreateBackend(backend::BackendChoice::Headless);
  ui::Application app(*backend);
  const app::GameWindows w = app::CreateGameWindows(app, false, skin);
  std::vector<std::string> names;
  if (auto* m = dynamic_cast<skin::TsSkinManager*>(w.Main->FindComponent("sSkinManager"))) m->ListSkins(names, 2);
  for (const std::string& n : names) std::cout << n << "\n";
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  std::string error;
  const auto cl = app::ParseCommandLine({argv + (argc > 0 ? 1 : 0), argv + argc}, error);
  if (!cl) {
    std::cerr << "zintor2: " << error << "\n" << app::UsageText();
    return 2;
  }
  const auto skin = app::SkinChoiceOf(*cl, error);
  if (!skin && cl->What != app::CommandLine::Action::Help && cl->What != app::CommandLine::Action::Version) {
    std::cerr << "zintor2: " << error << "\n";
    return 2;
  }
  try {
    switch (cl->What) {
      case app::CommandLine::Action::Help: std::cout << app::UsageText(); return 0;
      case app::CommandLine::Action::Version:
        std::cout << app::kApplicationTitle << " " << app::kVersion << "\n";
        return 0;
      case app::CommandLine::Action::Demo: return app::RunDemo(cl->DemoDirectory, std::cout, std::cerr);
      case app::CommandLine::Action::ListSkins: return ListSkins(*skin);
      case app::CommandLine::Action::Headless:
        return Play(backend::BackendChoice::Headless, cl->ShowSkinVersion, *skin);
      case app::CommandLine::Action::Play: return Play(backend::BackendChoice::Auto, cl->ShowSkinVersion, *skin);
    }
  } catch (const std::exception& e) {
    std::cerr << "zintor2: " << e.what() << "\n";
    return 1;
  }
  return 1;
}
