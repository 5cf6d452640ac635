// Checking a skin against what the program reads from it, for skin authors.
// Errors are what stops a load or leaves a part of the skin undrawn; warnings
// are what the program works around (defaults, fallbacks, a version notice).
#pragma once

#include <string>
#include <vector>

namespace skin {

struct SkinProblem {
  bool Error = false;
  std::string Section;  // empty for problems of the whole skin
  std::string Key;
  std::string Message;
};

// The sections of the program's own skin, in its order.
const std::vector<std::string>& ProgramSections();

// `path`: a package file or a skin directory.
std::vector<SkinProblem> CheckSkin(const std::string& path);

// "error: [SECTION] KEY: message" (or "warning: ...").
std::string FormatProblem(const SkinProblem& p);

}  // namespace skin
