// The program's command line.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace app {

struct CommandLine {
  enum class Action { Play, Help, Version, Headless, Demo, ListSkins };
  Action What = Action::Play;
  std::string DemoDirectory;
  // "/kvver" in any letter case: show the skinning engine's version at start-up.
  bool ShowSkinVersion = false;
  // --skin NAME|FILE.osz|DIR as given; empty: the program's own choice.
  std::string Skin;
  // --skin-dir DIR as given; empty: the user's skin directory.
  std::string SkinDirectory;
  int HueOffset = 0;   // --hue, -360..360
  int Saturation = 0;  // --saturation, -100..100
  bool NoSkin = false;  // --no-skin: the plain look
};

// Reads the arguments after the program name. Returns nothing and sets
// `error` for an unknown option, a missing value or a value out of range.
std::optional<CommandLine> ParseCommandLine(const std::vector<std::string>& args, std::string& error);

// The text of --help.
std::string UsageText();

}  // namespace app
