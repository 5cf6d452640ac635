#include "platform/backend/CreateBackend.h"

#include <cstdlib>
#include <stdexcept>
#include <string>

#include "platform/backend/HeadlessBackend.h"
#include "platform/backend/X11Backend.h"

namespace backend {

std::unique_ptr<Backend> CreateBackend(BackendChoice choice) {
  if (choice == BackendChoice::Headless) return std::make_unique<HeadlessBackend>();
  const char* display = std::getenv("DISPLAY");
  const std::string hint = "Run with --demo DIR to play a scripted game off-screen.";
  if (!display || !*display) throw std::runtime_error("No X display: DISPLAY is not set. " + hint);
  try {
    return std::make_unique<X11Backend>(display);
  } catch (const std::runtime_error&) {
    throw std::runtime_error("The X display \"" + std::string(display) + "\" does not answer. " + hint);
  }
}

}  // namespace backend
