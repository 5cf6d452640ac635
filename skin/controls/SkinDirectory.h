// Where skins live on this platform. Descriptions written for another system
// name a drive-letter directory ("c:\Skins"); here that, and an empty
// setting, mean the user's skin directory under the XDG data home. "\" and
// "/" both separate.
#pragma once

#include <string>
#include <string_view>

namespace skin {

// $XDG_DATA_HOME/zintor2/Skins, or ~/.local/share/zintor2/Skins when the
// variable is unset or empty.
std::string PlatformSkinDirectory();

// The skins installed with the program: share/zintor2/Skins beside the
// program's bin directory (programDir's parent). Searched after the
// directory the setting names.
std::string InstalledSkinDirectory(std::string_view programDir);

// The directory a `SkinDirectory` setting names, without a trailing "/":
//   empty or "c:\..."      -> platformDir
//   "..\x" or "../x"       -> parent of programDir + "/x"
//   ".\x" or "./x"         -> programDir + "/x"
//   "/abs", "\\server\x"   -> as written (separators as "/")
//   anything else          -> programDir + "/" + it
std::string ResolveSkinDirectory(std::string_view setting, std::string_view programDir,
                                 std::string_view platformDir);

}  // namespace skin
