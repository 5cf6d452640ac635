#include "app/CommandLine.h"

#include <charconv>

#include "skin/controls/VersionSwitch.h"

namespace app {
namespace {

// A whole number from lo to hi, nothing else.
std::optional<int> WholeNumberIn(const std::string& s, int lo, int hi) {
  int v = 0;
  const char* begin = s.data() + (s.size() > 1 && s[0] == '+' ? 1 : 0);
  const auto [end, ec] = std::from_chars(begin, s.data() + s.size(), v);
  if (ec != std::errc() || end != s.data() + s.size() || begin == end || v < lo || v > hi) return std::nullopt;
  return v;
}

}  // namespace

std::optional<CommandLine> ParseCommandLine(const std::vector<std::string>& args, std::string& error) {
  CommandLine cl;
  // The value after option args[i], or nothing (with the error set).
  const auto valueOf = [&](std::size_t& i, const char* what) -> std::optional<std::string> {
    if (i + 1 >= args.size() || args[i + 1].empty()) {
      error = args[i] + " needs " + what;
      return std::nullopt;
    }
    return args[++i];
  };
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--help" || a == "-h") {
      cl.What = CommandLine::Action::Help;
    } else if (a == "--version") {
      cl.What = CommandLine::Action::Version;
    } else if (a == "--headless") {
      if (cl.What == CommandLine::Action::Play) cl.What = CommandLine::Action::Headless;
    } else if (a == "--list-skins") {
      if (cl.What == CommandLine::Action::Play || cl.What == CommandLine::Action::Headless)
        cl.What = CommandLine::Action::ListSkins;
    } else if (a == "--demo") {
      const auto v = valueOf(i, "a directory for the screenshots");
      if (!v) return std::nullopt;
      cl.What = CommandLine::Action::Demo;
      cl.DemoDirectory = *v;
    } else if (a == "--skin") {
      const auto v = valueOf(i, "a skin name, a package file (.osz) or a skin directory");
      if (!v) return std::nullopt;
      cl.Skin = *v;
    } else if (a == "--skin-dir") {
      const auto v = valueOf(i, "a directory");
      if (!v) return std::nullopt;
      cl.SkinDirectory = *v;
    } else if (a == "--hue" || a == "--saturation") {
      const bool hue = a == "--hue";
      const auto v = valueOf(i, hue ? "a number of degrees" : "a number");
      if (!v) return std::nullopt;
      const auto n = hue ? WholeNumberIn(*v, -360, 360) : WholeNumberIn(*v, -100, 100);
      if (!n) {
        error = a + " takes a whole number from " + (hue ? "-360 to 360" : "-100 to 100") + ", not '" + *v + "'";
        return std::nullopt;
      }
      (hue ? cl.HueOffset : cl.Saturation) = *n;
    } else if (a == "--no-skin") {
      cl.NoSkin = true;
    } else if (skin::HasVersionSwitch({a})) {
      cl.ShowSkinVersion = true;
    } else {
      error = "unknown option '" + a + "'";
      return std::nullopt;
    }
  }
  if (cl.NoSkin && !cl.Skin.empty()) {
    error = "--no-skin and --skin exclude each other";
    return std::nullopt;
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
  return "Usage: zintor2 [option]...\n"
         "A memory game: repeat the tiles in the order they light up.\n"
         "\n"
         "  (none)              play on the X display named by DISPLAY\n"
         "  --demo DIR          play a scripted game off-screen and save screenshots into DIR\n"
         "  --headless          start up on a virtual screen, check the windows and exit\n"
         "  --skin SKIN         use SKIN: a skin's name, a package file (.osz) or a skin directory\n"
         "  --skin-dir DIR      look for skins in DIR (default: ~/.local/share/zintor2/Skins,\n"
         "                      then the installed share/zintor2/Skins)\n"
         "  --hue DEGREES       shift the skin's hues, -360 to 360\n"
         "  --saturation N      change the skin's saturation, -100 to 100\n"
         "  --no-skin           the plain look, without a skin\n"
         "  --list-skins        print the names of the skins there are and exit\n"
         "  --version           print the version and exit\n"
         "  --help              print this text and exit\n";
}

}  // namespace app
