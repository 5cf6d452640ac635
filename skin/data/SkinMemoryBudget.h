// One memory budget for everything a skin load inflates, reads and decodes.
// Each entry and each image has its own size limit; the budget bounds their
// sum, so that many entries or many lines naming big images cannot exhaust
// memory together. Charges are made before the memory is allocated.
#pragma once

#include <cstddef>
#include <string_view>

namespace skin {

inline constexpr std::size_t kSkinMemoryBudget = std::size_t{512} << 20;

class SkinMemoryBudget {
 public:
  explicit SkinMemoryBudget(std::size_t limit = kSkinMemoryBudget) : limit_(limit) {}

  // Adds `bytes` for `what` (an entry or image name); throws a SkinError that
  // ends the load when the total would pass the limit.
  void Charge(std::size_t bytes, std::string_view what);
  std::size_t Used() const { return used_; }
  std::size_t Limit() const { return limit_; }

 private:
  std::size_t limit_;
  std::size_t used_ = 0;
};

}  // namespace skin
