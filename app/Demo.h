// The off-screen demonstration: a complete scripted game on the headless
// backend and its virtual clock, with a screenshot of the virtual screen at
// each distinct moment.
#pragma once

#include <iosfwd>
#include <string>

namespace app {

// Plays the game into `directory` (created when missing) and writes the
// screenshots there. Returns the process exit code; progress and problems
// go to `out` and `err`.
int RunDemo(const std::string& directory, std::ostream& out, std::ostream& err);

}  // namespace app
