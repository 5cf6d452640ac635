#include "platform/ui/controls/Files.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace ui {

namespace fs = std::filesystem;

bool FileExists(const std::string& path) {
  std::error_code ec;
  return !path.empty() && fs::is_regular_file(path, ec);
}

bool DirectoryExists(const std::string& path) {
  std::error_code ec;
  return !path.empty() && fs::is_directory(path, ec);
}

namespace {
// Visible entries of a directory, sorted by name.
template <class Keep>
std::vector<std::string> ListDir(const std::string& dir, Keep keep) {
  std::vector<std::string> out;
  std::error_code ec;
  fs::directory_iterator it(dir, ec), end;
  for (; !ec && it != end; it.increment(ec)) {
    std::string name = it->path().filename().string();
    if (name.empty() || name[0] == '.') continue;
    std::string kept;
    if (keep(*it, name, kept)) out.push_back(std::move(kept));
  }
  std::sort(out.begin(), out.end());
  return out;
}

bool EqualsNoCase(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    auto lo = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
    if (lo(a[i]) != lo(b[i])) return false;
  }
  return true;
}
}  // namespace

std::vector<std::string> SubdirectoriesContaining(const std::string& dir, const std::string& fileName) {
  if (fileName.empty()) return {};
  return ListDir(dir, [&](const fs::directory_entry& e, const std::string& name, std::string& kept) {
    std::error_code ec;
    if (!e.is_directory(ec)) return false;
    if (!fs::is_regular_file(e.path() / fileName, ec)) return false;
    kept = name;
    return true;
  });
}

std::vector<std::string> FilesWithExtension(const std::string& dir, const std::string& extension) {
  std::string ext = !extension.empty() && extension[0] == '.' ? extension.substr(1) : extension;
  return ListDir(dir, [&](const fs::directory_entry& e, const std::string& name, std::string& kept) {
    std::error_code ec;
    if (!e.is_regular_file(ec)) return false;
    std::size_t last = name.rfind('.');
    if (last == std::string::npos || !EqualsNoCase(name.substr(last + 1), ext)) return false;
    kept = name.substr(0, name.find('.'));
    return true;
  });
}

std::string JoinPath(const std::string& dir, const std::string& name) {
  if (dir.empty()) return name;
  if (dir.back() == '/') return dir + name;
  return dir + "/" + name;
}

std::string DirectoryOf(const std::string& path) {
  std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return "";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

}  // namespace ui
