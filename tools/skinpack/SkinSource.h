// A skin named on the tools' command line: a package file (".osz") or a
// skin directory holding "Options.dat".
#pragma once

#include <string>

#include "skin/data/SkinLoader.h"

namespace skin {

// The painters draw masks only for entries that belong to a manager; the
// tools have none, so their entries name this stand-in, which is never used
// as an object.
TsSkinManager* ToolOwner();

// Loads the skin as the program would. Throws SkinError (or gfx::FileError)
// with the message for the user; a path that is neither a package file nor a
// directory with "Options.dat" is reported as such.
TsLoadResult LoadToolSkin(const std::string& path);

bool IsPackagePath(const std::string& path);

}  // namespace skin
