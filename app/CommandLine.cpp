#include "app/CommandLine.h"

#include "skin/controls/VersionSwitch.h"

namespace app {

std::optional<CommandLine> ParseCommandLine(const std::vector<std::string>& args, std::string& error) {
  CommandLine cl;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--help" || a == "-h") {
      cl.What = CommandLine::Action::Help;
    } else if (a == "--version") {
      cl.What = CommandLine::Action::Version;
    } else if (a == "--headless") {
      if (cl.What == CommandLine::Action::Play) cl.What = CommandLine::Action::Headless;
    } else if (a == "--demo") {
      if (i + 1 >= args.size() || args[i + 1].empty()) {
        error = "--demo needs a directory for the screenshots";
        return std::nullopt;
      }
      cl.What = CommandLine::Action::Demo;
      cl.DemoDirectory = args[++i];
    } else if (skin::HasVersionSwitch({a})) {
      cl.ShowSkinVersion = true;
    } else {
      error = "unknown option '" + a + "'";
      return std::nullopt;
    }
  }
  // Help and version win over everything else.
  for (const std::string& a : args) {
    if (a == "--version") cl.What = CommandLine::Action::Version;
  }
  for (const std::string& a : args) {
    if (a == "--help" || a == "-h") cl.What = CommandLine::Action::Help;
  }
  return cl;
}

std::string UsageText() {
  return "Usage: zintor2 [option]\n"
         "A memory game: repeat the tiles in the order they light up.\n"
         "\n"
         "  (none)       play on the X display named by DISPLAY\n"
         "  --demo DIR   play a scripted game off-screen and save screenshots into DIR\n"
         "  --headless   start up on a virtual screen, check the windows and exit\n"
         "  --version    print the version and exit\n"
         "  --help       print this text and exit\n";
}

}  // namespace app
