// The skin the command line asks for, checked against the file system and
// applied to the main window's description before it is loaded (so that the
// manager starts with it and nothing is loaded twice).
#pragma once

#include <deque>
#include <optional>
#include <string>

#include "app/CommandLine.h"
#include "app/FormDescription.h"

namespace app {

struct SkinChoice {
  bool NoSkin = false;        // no skin manager at all: the plain look
  std::string SkinName;       // empty: the description's
  std::string SkinDirectory;  // empty: the description's
  int HueOffset = 0;
  int Saturation = 0;
};

// A package file becomes its directory and its name without ".osz"; a skin
// directory its parent and its own name; a bare name must be an internal
// skin or lie in the skin directory (the given one or the user's) or among
// the installed skins. Returns nothing and sets `error` otherwise.
std::optional<SkinChoice> SkinChoiceOf(const CommandLine& cl, std::string& error);

// `d` (the main window's description) with the skin manager's settings
// replaced, or without the manager for NoSkin. New texts are kept in
// `storage`, which must outlive the description.
FormDescription WithSkinChoice(const FormDescription& d, const SkinChoice& c, std::deque<std::string>& storage);

}  // namespace app
