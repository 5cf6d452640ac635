#include "skin/data/SkinMemoryBudget.h"

#include <string>

#include "skin/data/SkinErrors.h"

namespace skin {

void SkinMemoryBudget::Charge(std::size_t bytes, std::string_view what) {
  if (bytes > limit_ - used_) {
    throw SkinError("The skin needs more than " + std::to_string(limit_ >> 20) +
                    " MiB of memory for its files and images (at \"" + std::string(what) +
                    "\"); it cannot be loaded");
  }
  used_ += bytes;
}

}  // namespace skin
