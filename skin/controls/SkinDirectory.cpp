#include "skin/controls/SkinDirectory.h"

#include <cctype>
#include <cstdlib>

namespace skin {
namespace {

std::string WithSlashes(std::string_view s) {
  std::string out(s);
  for (char& c : out)
    if (c == '\\') c = '/';
  return out;
}

std::string WithoutTrailingSlash(std::string s) {
  while (s.size() > 1 && s.back() == '/') s.pop_back();
  return s;
}

bool IsDrivePath(std::string_view s) {
  return s.size() >= 2 && std::isalpha(static_cast<unsigned char>(s[0])) && s[1] == ':' &&
         (s.size() == 2 || s[2] == '/');
}

std::string Parent(std::string_view dir) {
  std::string d = WithoutTrailingSlash(std::string(dir));
  const auto slash = d.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : d.substr(0, slash);
}

std::string Join(std::string_view dir, std::string_view rest) {
  std::string out = WithoutTrailingSlash(std::string(dir));
  if (rest.empty()) return out;
  if (out != "/") out += '/';
  return out + std::string(rest);
}

}  // namespace

std::string PlatformSkinDirectory() {
  const char* xdg = std::getenv("XDG_DATA_HOME");
  if (xdg && *xdg) return Join(xdg, "zintor2/Skins");
  const char* home = std::getenv("HOME");
  return Join(home && *home ? home : "", ".local/share/zintor2/Skins");
}

std::string InstalledSkinDirectory(std::string_view programDir) {
  return Join(Parent(programDir), "share/zintor2/Skins");
}

std::string ResolveSkinDirectory(std::string_view setting, std::string_view programDir,
                                 std::string_view platformDir) {
  const std::string s = WithSlashes(setting);
  if (s.empty() || IsDrivePath(s)) return WithoutTrailingSlash(std::string(platformDir));
  if (s.starts_with("..")) {
    // The first three characters ("..\") give way to the parent directory.
    return WithoutTrailingSlash(Join(Parent(programDir), s.size() > 3 ? std::string_view(s).substr(3) : ""));
  }
  if (s.starts_with("./")) return WithoutTrailingSlash(Join(programDir, std::string_view(s).substr(2)));
  if (s.starts_with('/') || s.find(':') != std::string::npos) return WithoutTrailingSlash(s);
  return WithoutTrailingSlash(Join(programDir, s));
}

}  // namespace skin
