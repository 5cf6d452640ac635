// The program's command line.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace app {

struct CommandLine {
  enum class Action { Play, Help, Version, Headless, Demo };
  Action What = Action::Play;
  std::string DemoDirectory;
  // "/kvver" in any letter case: show the skinning engine's version at start-up.
  bool ShowSkinVersion = false;
};

// Reads the arguments after the program name. Returns nothing and sets
// `error` for an unknown option or a missing directory.
std::optional<CommandLine> ParseCommandLine(const std::vector<std::string>& args, std::string& error);

// The text of --help.
std::string UsageText();

}  // namespace app
