// Picks the backend the program runs on.
#pragma once

#include <memory>

#include "platform/backend/Backend.h"

namespace backend {

enum class BackendChoice : std::uint8_t {
  Auto,      // X11 when DISPLAY is set and the server answers, otherwise an error
  X11,       // X11 or an error
  Headless,  // the virtual screen
};

// Throws std::runtime_error with a message for the user (it names --demo)
// when no display can be used.
std::unique_ptr<Backend> CreateBackend(BackendChoice choice);

}  // namespace backend
