#include "platform/ui/controls/ProgramInfo.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#include "platform/ui/controls/Files.h"

namespace ui {

std::string ProgramPath() {
  std::error_code ec;
  std::filesystem::path p = std::filesystem::read_symlink("/proc/self/exe", ec);
  return ec ? std::string() : p.string();
}

std::string ProgramDirectory() { return DirectoryOf(ProgramPath()); }

std::vector<std::string> CommandLine() {
  std::ifstream in("/proc/self/cmdline", std::ios::binary);
  std::string all((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  std::vector<std::string> args;
  std::size_t start = 0;
  for (std::size_t i = 0; i < all.size(); ++i) {
    if (all[i] != '\0') continue;
    args.push_back(all.substr(start, i - start));
    start = i + 1;
  }
  if (start < all.size()) args.push_back(all.substr(start));
  return args;
}

int ParamCount() {
  int n = static_cast<int>(CommandLine().size()) - 1;
  return n < 0 ? 0 : n;
}

std::string ParamStr(int i) {
  if (i == 0) return ProgramPath();
  std::vector<std::string> args = CommandLine();
  if (i < 0 || i >= static_cast<int>(args.size())) return "";
  return args[static_cast<std::size_t>(i)];
}

}  // namespace ui
