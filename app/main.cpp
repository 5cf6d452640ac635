// zintor2: the program's entry point.
#include <exception>
#include <iostream>
#include <memory>

#include "app/CommandLine.h"
#include "app/Demo.h"
#include "app/Program.h"
#include "platform/backend/CreateBackend.h"
#include "platform/ui/Application.h"

namespace {

int Play(backend::BackendChoice choice, bool showSkinVersion) {
  std::unique_ptr<backend::Backend> backend;
  try {
    backend = backend::CreateBackend(choice);
  } catch (const std::exception& e) {
    std::cerr << "zintor2: " << e.what() << "\n";
    return 1;
  }
  ui::Application app(*backend);
  const app::GameWindows w = app::CreateGameWindows(app, showSkinVersion);
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

}  // namespace

int main(int argc, char** argv) {
  std::string error;
  const auto cl = app::ParseCommandLine({argv + (argc > 0 ? 1 : 0), argv + argc}, error);
  if (!cl) {
    std::cerr << "zintor2: " << error << "\n" << app::UsageText();
    return 2;
  }
  try {
    switch (cl->What) {
      case app::CommandLine::Action::Help: std::cout << app::UsageText(); return 0;
      case app::CommandLine::Action::Version:
        std::cout << app::kApplicationTitle << " " << app::kVersion << "\n";
        return 0;
      case app::CommandLine::Action::Demo: return app::RunDemo(cl->DemoDirectory, std::cout, std::cerr);
      case app::CommandLine::Action::Headless:
        return Play(backend::BackendChoice::Headless, cl->ShowSkinVersion);
      case app::CommandLine::Action::Play: return Play(backend::BackendChoice::Auto, cl->ShowSkinVersion);
    }
  } catch (const std::exception& e) {
    std::cerr << "zintor2: " << e.what() << "\n";
    return 1;
  }
  return 1;
}
