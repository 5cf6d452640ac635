// The running program: its file, its directory and its command line (read
// from the process itself, so nothing has to be registered at start-up).
#pragma once

#include <string>
#include <vector>

namespace ui {

// The absolute path of the program file ("" when it cannot be found).
std::string ProgramPath();
// The directory of the program file, without a trailing "/".
std::string ProgramDirectory();
// The command line: element 0 is the program as started, then the parameters.
std::vector<std::string> CommandLine();
// Number of parameters after the program name.
int ParamCount();
// Parameter i (0 = the program path); "" outside the range.
std::string ParamStr(int i);

}  // namespace ui
