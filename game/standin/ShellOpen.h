// Opening an address with the desktop's handler, standing in for the
// toolkit's shell service until it exists.
#pragma once

#include <string>

namespace game::standin {

// Starts `xdg-open address` without waiting for it and without a shell, so
// the address is never interpreted. False when it could not be started.
bool OpenAddress(const std::string& address);

}  // namespace game::standin
